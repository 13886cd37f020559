#include "editor/text_line_fields.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace dds {
namespace {

constexpr std::size_t kLongestNumber = 63;
constexpr auto npos = std::string_view::npos;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

const char* SkipDigits(const char* at, const char* end)
{
    while (at != end && IsDigit(*at))
        ++at;
    return at;
}

// Sets the kind of a field that is not empty, and for a number how it is written.
void Classify(TextField& field, bool decimalComma)
{
    field.kind = TextField::Kind::Text;
    const std::string_view text = field.text;
    if (text.size() > kLongestNumber)
        return;
    const char* const end = text.data() + text.size();
    const char* const integer = text.data() + (text[0] == '+' || text[0] == '-' ? 1 : 0);
    const char* at = SkipDigits(integer, end);
    bool digits = at != integer;
    char mark = 0;
    if (at != end && (*at == '.' || (*at == ',' && decimalComma))) {
        mark = *at;
        const char* const fraction = SkipDigits(at + 1, end);
        digits = digits || fraction != at + 1;
        at = fraction;
    }
    if (!digits)
        return;
    const bool exponent = at != end && (*at == 'e' || *at == 'E');
    if (exponent) {
        ++at;
        if (at != end && (*at == '+' || *at == '-'))
            ++at;
        const char* const exponentDigits = at;
        at = SkipDigits(at, end);
        if (at == exponentDigits)
            return;
    }
    if (at != end)
        return;
    field.kind = TextField::Kind::Number;
    field.whole = !mark && !exponent;
    field.plain = text[0] != '+' && mark != ',';
}

// The value field, usually the last one, is converted anyway: from_chars reads the common forms
// in one pass and says whether it is a number at once; the rest goes through Classify.
void ClassifyAndConvert(TextField& field, bool decimalComma)
{
    const std::string_view text = field.text;
    const char first = text[0];
    const char second = text.size() > 1 ? text[1] : '\0';
    const bool common = IsDigit(first) || first == '.' || (first == '-' && (IsDigit(second) || second == '.'));
    double value = 0;
    if (common && text.size() <= kLongestNumber) {
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error == std::errc() && end == text.data() + text.size() && std::isfinite(value)) {
            field.kind = TextField::Kind::Number;
            field.plain = true;
            field.converted = true;
            // Only a value that is a whole number can have been written as one.
            field.whole =
                std::abs(value) < 1e15 && value == static_cast<double>(static_cast<long long>(value))
                && std::none_of(text.begin(), text.end(), [](char c) { return c == '.' || c == 'e' || c == 'E'; });
            field.value = value;
            return;
        }
    }
    Classify(field, decimalComma);
}

// The characters of a short line, one table look-up each.
constexpr std::array<unsigned char, 256> kCharBits = [] {
    std::array<unsigned char, 256> bits{};
    bits.fill(LineChars::kInk);
    bits[' '] = LineChars::kSpace;
    bits['\r'] = 0;
    bits['\t'] = LineChars::kTab;
    bits[';'] |= LineChars::kSemicolon;
    bits[','] |= LineChars::kComma;
    bits['"'] |= LineChars::kQuote;
    return bits;
}();

LineChars MarkedChars(std::string_view line)
{
    LineChars chars;
    for (const char c : line)
        chars.bits |= kCharBits[static_cast<unsigned char>(c)];
    return chars;
}

// The characters of a longer line, by the library's searches (vectorised), stopping at the first
// separator that decides.
LineChars SearchedChars(std::string_view line)
{
    LineChars chars{LineChars::kSpace};
    if (line.find('"') != npos)
        chars.bits |= LineChars::kQuote;
    if (line.find(';') != npos)
        chars.bits |= LineChars::kSemicolon;
    else if (line.find('\t') != npos)
        chars.bits |= LineChars::kTab;
    else if (line.find(',') != npos)
        chars.bits |= LineChars::kComma;
    std::size_t ink = 0;
    while (ink < line.size() && (line[ink] == ' ' || line[ink] == '\t' || line[ink] == '\r'))
        ++ink;
    if (ink < line.size())
        chars.bits |= LineChars::kInk;
    return chars;
}

// ';' where the line holds one outside quotes, else a tab, else ',', else a space.
char SeparatorOf(std::string_view line, const LineChars& chars)
{
    if (!chars.has(LineChars::kQuote))
        return chars.has(LineChars::kSemicolon) ? ';'
               : chars.has(LineChars::kTab)     ? '\t'
               : chars.has(LineChars::kComma)   ? ','
                                                : ' ';
    bool inside = false;
    bool tab = false;
    bool comma = false;
    for (const char c : line) {
        if (c == '"') {
            inside = !inside;
        } else if (!inside) {
            if (c == ';')
                return ';';
            tab = tab || c == '\t';
            comma = comma || c == ',';
        }
    }
    return tab ? '\t' : comma ? ',' : ' ';
}

// The quote that closes a field opened just before `from`: one not doubled; npos when none.
std::size_t ClosingQuote(std::string_view line, std::size_t from)
{
    for (std::size_t at = line.find('"', from); at != npos; at = line.find('"', at + 2)) {
        if (at + 1 >= line.size() || line[at + 1] != '"')
            return at;
    }
    return npos;
}

// Fills `fields` from the line; they start empty.
class Splitter {
public:
    Splitter(std::string_view line, bool quoted, char separator, TextLine& fields)
        : line_(line), quoted_(quoted), separator_(separator), decimalComma_(separator != ','), fields_(fields)
    {
    }

    void split()
    {
        std::size_t at = 0;
        for (;;) {
            at = skipBlanks(at);
            if (separator_ == ' ' && at == line_.size() && fields_.fieldCount > 0)
                break; // spaces after the last field
            const std::size_t end = field(at);
            if (end >= line_.size())
                break;
            at = end + 1;
        }
        settle(fields_.slots[(fields_.fieldCount + 1) % 2], true);
    }

    // The line is one field, with no blank around it.
    void single()
    {
        add(line_, 1, false);
        settle(fields_.slots[0], true);
    }

private:
    bool isBlank(char c) const { return c == ' ' || (c == '\t' && separator_ != '\t'); }
    std::size_t skipBlanks(std::size_t at) const
    {
        while (at < line_.size() && isBlank(line_[at]))
            ++at;
        return at;
    }
    std::string_view trimmedBack(std::string_view text) const
    {
        while (!text.empty() && isBlank(text.back()))
            text.remove_suffix(1);
        return text;
    }
    std::size_t separatorFrom(std::size_t at) const
    {
        const std::size_t end = line_.find(separator_, at);
        return end == npos ? line_.size() : end;
    }

    // Reads the field starting at `at`, past its leading blanks; returns where it ends (its
    // separator or the line's end).
    std::size_t field(std::size_t at)
    {
        if (quoted_ && at < line_.size() && line_[at] == '"')
            return quotedField(at);
        const std::size_t end = separatorFrom(at);
        add(trimmedBack(line_.substr(at, end - at)), at + 1, false);
        return end;
    }

    std::size_t quotedField(std::size_t at)
    {
        const std::size_t close = ClosingQuote(line_, at + 1);
        const std::size_t after = close == npos ? line_.size() : skipBlanks(close + 1);
        if (close != npos && (after == line_.size() || line_[after] == separator_)) {
            const std::size_t content = skipBlanks(at + 1);
            add(trimmedBack(line_.substr(content, close - content)), at + 1, false);
            return after;
        }
        const std::size_t end = close == npos ? line_.size() : separatorFrom(close + 1);
        add(trimmedBack(line_.substr(at, end - at)), at + 1, true); // text after a closing quote
        return end;
    }

    // A field is settled once the next one starts, or at the line's end: only the last one is
    // converted at once.
    void add(std::string_view text, std::size_t column, bool malformed)
    {
        if (fields_.fieldCount > 0)
            settle(fields_.slots[(fields_.fieldCount + 1) % 2], false);
        const TextField::Kind kind = malformed ? TextField::Kind::Text : TextField::Kind::Empty;
        fields_.slots[fields_.fieldCount % 2] = {kind, false, false, false, column, text, 0};
        ++fields_.fieldCount;
    }

    void settle(TextField& f, bool last)
    {
        if (f.kind == TextField::Kind::Empty && !f.text.empty()) {
            if (last)
                ClassifyAndConvert(f, decimalComma_);
            else
                Classify(f, decimalComma_);
        }
        if (f.kind == TextField::Kind::Text && !fields_.firstText)
            fields_.firstText = f;
    }

    std::string_view line_;
    bool quoted_;
    char separator_;
    bool decimalComma_;
    TextLine& fields_;
};

} // namespace

LineChars CharsOf(std::string_view line)
{
    constexpr std::size_t kShortLine = 16; // about where four searches start to beat one pass
    return line.size() <= kShortLine ? MarkedChars(line) : SearchedChars(line);
}

TextLine SplitTextLine(std::string_view line, const LineChars& chars)
{
    TextLine fields;
    if (!chars.has(LineChars::kInk))
        return fields; // blank
    const bool quoted = chars.has(LineChars::kQuote);
    const char separator = SeparatorOf(line, chars);
    if (separator == ' ' && !chars.has(LineChars::kSpace) && !quoted) {
        Splitter(line, false, separator, fields).single(); // a column of numbers
        return fields;
    }
    Splitter(line, quoted, separator, fields).split();
    // "0,5 1,25": numbers with decimal commas, separated by spaces.
    if (separator == ',' && fields.firstText && fields.firstText->text.find(' ') != npos) {
        TextLine spaced;
        Splitter(line, quoted, ' ', spaced).split();
        if (!spaced.firstText)
            fields = spaced;
    }
    return fields;
}

std::optional<double> NumberValue(const TextField& field)
{
    if (field.kind != TextField::Kind::Number)
        return std::nullopt;
    // from_chars wants a point and no plus sign; a comma in a number is its decimal mark.
    std::array<char, kLongestNumber + 1> copy;
    std::string_view text = field.text;
    if (!field.plain) {
        std::size_t n = 0;
        for (const char c : field.text) {
            if (c != '+')
                copy[n++] = c == ',' ? '.' : c;
        }
        text = std::string_view(copy.data(), n);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace dds
