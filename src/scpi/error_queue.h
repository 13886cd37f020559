#pragma once
#include <cstddef>
#include <deque>
#include <string>

namespace dds::scpi {

// One client's queue of errors and events, oldest first, bounded: when it is full the newest entry
// becomes -350 "Queue overflow" and later errors are lost until it is read.
class ErrorQueue {
public:
    static constexpr std::size_t kCapacity = 20;

    void Push(int code, std::string text);
    // The oldest entry as SYSTem:ERRor? answers it, `0,"No error"` when empty.
    std::string Pop();
    std::size_t Count() const { return entries_.size(); }
    bool Empty() const { return entries_.empty(); }
    void Clear() { entries_.clear(); }

private:
    struct Entry {
        int code;
        std::string text;
    };
    std::deque<Entry> entries_;
};

} // namespace dds::scpi
