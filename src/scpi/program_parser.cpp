#include "scpi/program_parser.h"

#include "scpi/scpi_error.h"

namespace dds::scpi {
namespace {

bool IsSpace(char c)
{
    return c != '\n' && static_cast<unsigned char>(c) <= ' ';
}
bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool IsMnemonicChar(char c)
{
    return IsLetter(c) || IsDigit(c) || c == '_';
}
// A printable character where it does not belong breaks the syntax; anything else is not a
// character a program message may hold.
int MisplacedError(char c)
{
    return c > ' ' && c < 0x7f ? error::kSyntax : error::kInvalidCharacter;
}
[[noreturn]] void Fail(int code)
{
    throw ScpiError(code);
}
// Longer numbers than this are refused rather than read.
constexpr std::size_t kMostDigits = 255;

} // namespace

std::optional<ProgramUnit> ProgramParser::Next()
{
    SkipSpace();
    if (!first_) {
        while (Peek() == ';') { // a separator after each unit; empty units are passed over
            ++at_;
            SkipSpace();
        }
    }
    first_ = false;
    if (AtEnd())
        return std::nullopt;
    ProgramUnit unit;
    Header(unit);
    if (!AtEnd() && Peek() != ';' && !IsSpace(Peek()))
        Fail(MisplacedError(Peek()));
    SkipSpace();
    while (!AtEnd() && Peek() != ';') {
        unit.parameters.push_back(Data());
        SkipSpace();
        if (Peek() == ',') {
            ++at_;
            SkipSpace();
            if (AtEnd() || Peek() == ';')
                Fail(error::kSyntax);
        } else if (!AtEnd() && Peek() != ';') {
            Fail(error::kInvalidSeparator);
        }
    }
    return unit;
}

void ProgramParser::SkipSpace()
{
    while (!AtEnd() && IsSpace(Peek()))
        ++at_;
}

std::string ProgramParser::Mnemonic(int tooLong)
{
    if (!IsLetter(Peek()))
        Fail(MisplacedError(Peek()));
    const std::size_t start = at_;
    while (!AtEnd() && IsMnemonicChar(Peek()))
        ++at_;
    if (at_ - start > kLongestMnemonic)
        Fail(tooLong);
    return std::string(text_.substr(start, at_ - start));
}

void ProgramParser::Header(ProgramUnit& unit)
{
    if (Peek() == '*') {
        ++at_;
        unit.common = true;
        unit.mnemonics.push_back("*" + Mnemonic(error::kMnemonicTooLong));
    } else {
        unit.rooted = Peek() == ':';
        do {
            if (Peek() == ':')
                ++at_;
            unit.mnemonics.push_back(Mnemonic(error::kMnemonicTooLong));
        } while (Peek() == ':');
    }
    if (Peek() == '?') {
        ++at_;
        unit.query = true;
    }
}

ProgramData ProgramParser::Data()
{
    const char c = Peek();
    if (IsLetter(c))
        return {ProgramData::Type::Character, Mnemonic(error::kCharacterDataTooLong), {}, 0};
    if (IsDigit(c) || c == '+' || c == '-' || c == '.')
        return Decimal();
    if (c == '#')
        return Hash();
    if (c == '"' || c == '\'')
        return Quoted();
    Fail(c == '(' ? error::kExpressionNotAllowed : error::kInvalidCharacter);
}

std::string ProgramParser::Digits()
{
    const std::size_t start = at_;
    while (!AtEnd() && IsDigit(Peek()))
        ++at_;
    return std::string(text_.substr(start, at_ - start));
}

ProgramData ProgramParser::Decimal()
{
    ProgramData data{ProgramData::Type::Decimal, {}, {}, 0};
    if (Peek() == '+' || Peek() == '-')
        data.text += text_[at_++];
    const std::string whole = Digits();
    std::string fraction;
    if (Peek() == '.') {
        ++at_;
        fraction = Digits();
    }
    if (whole.empty() && fraction.empty())
        Fail(error::kInvalidCharacterInNumber);
    if (whole.size() + fraction.size() > kMostDigits)
        Fail(error::kTooManyDigits);
    data.text += (whole.empty() ? "0" : whole) + (fraction.empty() ? "" : "." + fraction);
    const std::size_t beforeExponent = at_;
    SkipSpace();
    if (Peek() == 'E' || Peek() == 'e') {
        ++at_;
        SkipSpace();
        std::string exponent;
        if (Peek() == '+' || Peek() == '-')
            exponent += text_[at_++];
        const std::string digits = Digits();
        if (digits.empty()) {
            at_ = beforeExponent; // an E not followed by digits starts a suffix
        } else {
            if (digits.size() > 5 || std::stoi(digits) > 32000)
                Fail(error::kExponentTooLarge);
            data.text += "E" + exponent + digits;
        }
    } else {
        at_ = beforeExponent;
    }
    const std::size_t beforeSuffix = at_;
    SkipSpace();
    if (IsLetter(Peek()) || Peek() == '/') {
        const std::size_t start = at_;
        while (!AtEnd() && (IsMnemonicChar(Peek()) || Peek() == '/' || Peek() == '.' || Peek() == '-'))
            ++at_;
        data.suffix = std::string(text_.substr(start, at_ - start));
        if (data.suffix.size() > kLongestMnemonic)
            Fail(error::kInvalidSuffix);
    } else {
        at_ = beforeSuffix;
    }
    return data;
}

ProgramData ProgramParser::Hash()
{
    ++at_;
    const char kind = static_cast<char>(Peek() & ~0x20);
    if (kind == 'H' || kind == 'Q' || kind == 'B') {
        ++at_;
        const std::uint64_t base = kind == 'H' ? 16 : kind == 'Q' ? 8 : 2;
        ProgramData data{ProgramData::Type::NonDecimal, {}, {}, 0};
        while (!AtEnd() && IsMnemonicChar(Peek())) {
            const char d = static_cast<char>(Peek() & ~0x20);
            const std::uint64_t digit = IsDigit(Peek())          ? static_cast<std::uint64_t>(Peek() - '0')
                                        : (d >= 'A' && d <= 'F') ? static_cast<std::uint64_t>(d - 'A' + 10)
                                                                 : base;
            if (digit >= base)
                Fail(error::kInvalidCharacterInNumber);
            if (data.value > (UINT64_MAX - digit) / base)
                Fail(error::kTooManyDigits);
            data.value = data.value * base + digit;
            data.text += text_[at_++];
        }
        if (data.text.empty())
            Fail(error::kInvalidCharacterInNumber);
        return data;
    }
    if (!IsDigit(Peek()))
        Fail(error::kInvalidBlockData);
    const std::size_t lengthDigits = static_cast<std::size_t>(text_[at_++] - '0');
    if (lengthDigits == 0) { // indefinite length: the block runs to the end of the message
        ProgramData data{ProgramData::Type::Block, std::string(text_.substr(at_)), {}, 0};
        at_ = text_.size();
        return data;
    }
    if (text_.size() - at_ < lengthDigits)
        Fail(error::kInvalidBlockData);
    std::size_t length = 0;
    for (std::size_t i = 0; i < lengthDigits; ++i, ++at_) {
        if (!IsDigit(Peek()))
            Fail(error::kInvalidBlockData);
        length = length * 10 + static_cast<std::size_t>(Peek() - '0');
    }
    if (text_.size() - at_ < length)
        Fail(error::kInvalidBlockData);
    ProgramData data{ProgramData::Type::Block, std::string(text_.substr(at_, length)), {}, 0};
    at_ += length;
    return data;
}

ProgramData ProgramParser::Quoted()
{
    const char quote = text_[at_++];
    ProgramData data{ProgramData::Type::String, {}, {}, 0};
    for (;;) {
        if (AtEnd())
            Fail(error::kInvalidStringData);
        const char c = text_[at_++];
        if (c == quote) {
            if (Peek() != quote)
                return data;
            ++at_; // a doubled quote stands for one
        }
        data.text += c;
    }
}

} // namespace dds::scpi
