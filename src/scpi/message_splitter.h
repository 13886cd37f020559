#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dds::scpi {

// One program message as it arrived, without its terminator. `overrun` marks a message that was
// longer than the limit: its bytes were discarded up to its terminator.
struct ArrivedMessage {
    std::string bytes;
    bool overrun = false;
};

// Cuts a client's byte stream into program messages. A message ends at LF (a CR just before it is
// dropped), except inside a definite-length block, whose bytes may be anything. Input is only
// buffered here; nothing is interpreted beyond finding the ends.
class MessageSplitter {
public:
    static constexpr std::size_t kDefaultLimit = std::size_t{1} << 20; // 1 MiB
    explicit MessageSplitter(std::size_t limit = kDefaultLimit) : limit_(limit) {}

    // Takes `bytes`; returns how many of them it consumed, which stops right after the first
    // message they complete (taken with `Take`).
    std::size_t Feed(std::string_view bytes);
    std::optional<ArrivedMessage> Take();
    // Bytes of an unfinished message held.
    std::size_t Pending() const { return current_.size(); }

private:
    enum class State { Text, Quoted, BlockMark, BlockLength, BlockData, Discard };
    void Step(char c);
    bool Keep(char c); // false when the message grew past the limit and is now discarded
    void Finish();
    void Overrun();

    std::size_t limit_;
    std::string current_;
    std::optional<ArrivedMessage> finished_;
    State state_ = State::Text;
    char quote_ = 0;
    int lengthDigits_ = 0;
    std::uint64_t remaining_ = 0;
};

} // namespace dds::scpi
