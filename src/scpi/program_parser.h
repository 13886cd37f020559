#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dds::scpi {

// One parameter of a program message unit, as written.
struct ProgramData {
    enum class Type { Character, Decimal, NonDecimal, String, Block };
    Type type = Type::Character;
    std::string text;        // the mnemonic, the number, the string's characters or the block's bytes
    std::string suffix;      // Decimal: the unit written after the number, if any
    std::uint64_t value = 0; // NonDecimal: the number #H, #Q or #B wrote
};

// One command or query: `*IDN?`, `:SOUR:FREQ 1.5 KHZ`.
struct ProgramUnit {
    bool common = false; // a `*` command
    bool query = false;
    bool rooted = false; // began with `:`, so it starts at the root of the tree
    std::vector<std::string> mnemonics;
    std::vector<ProgramData> parameters;
};

// Reads the units of one program message in order. A unit that breaks the syntax raises
// ScpiError; the rest of its message is then not read.
class ProgramParser {
public:
    static constexpr std::size_t kLongestMnemonic = 12;
    explicit ProgramParser(std::string_view message) : text_(message) {}
    std::optional<ProgramUnit> Next();

private:
    bool AtEnd() const { return at_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[at_]; }
    void SkipSpace();
    std::string Mnemonic(int tooLong);
    void Header(ProgramUnit& unit);
    ProgramData Data();
    ProgramData Decimal();
    ProgramData Hash();
    ProgramData Quoted();
    std::string Digits();

    std::string_view text_;
    std::size_t at_ = 0;
    bool first_ = true;
};

} // namespace dds::scpi
