#include "editor/text_line_fields.h"

#include <array>
#include <charconv>
#include <cmath>

namespace dds {
namespace {

constexpr std::size_t kLongestNumber = 63;
constexpr auto npos = std::string_view::npos;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether `field` is a number, and whether it is written as a whole one.
std::optional<bool> NumberIsWhole(std::string_view field, bool decimalComma)
{
    if (field.size() > kLongestNumber)
        return std::nullopt;
    std::size_t at = 0;
    if (at < field.size() && (field[at] == '+' || field[at] == '-'))
        ++at;
    bool digits = false;
    bool mark = false;
    for (; at < field.size(); ++at) {
        const char c = field[at];
        if (IsDigit(c))
            digits = true;
        else if ((c == '.' || (c == ',' && decimalComma)) && !mark)
            mark = true;
        else
            break;
    }
    if (!digits)
        return std::nullopt;
    const bool exponent = at < field.size() && (field[at] == 'e' || field[at] == 'E');
    if (exponent) {
        ++at;
        if (at < field.size() && (field[at] == '+' || field[at] == '-'))
            ++at;
        const std::size_t exponentDigits = at;
        while (at < field.size() && IsDigit(field[at]))
            ++at;
        if (at == exponentDigits)
            return std::nullopt;
    }
    if (at != field.size())
        return std::nullopt;
    return !mark && !exponent;
}

// ';' where the line holds one outside quotes, else a tab, else ',', else a space.
char SeparatorOf(std::string_view line, bool quoted)
{
    if (!quoted) {
        if (line.find(';') != npos)
            return ';';
        if (line.find('\t') != npos)
            return '\t';
        return line.find(',') != npos ? ',' : ' ';
    }
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

class Splitter {
public:
    Splitter(std::string_view line, bool quoted, char separator) : line_(line), quoted_(quoted), separator_(separator)
    {
        result_.decimalComma = separator_ != ',';
    }

    TextLine split()
    {
        std::size_t at = 0;
        for (;;) {
            at = skipBlanks(at);
            if (separator_ == ' ' && at == line_.size() && result_.fieldCount > 0)
                break; // spaces after the last field
            const std::size_t end = field(at);
            if (end >= line_.size())
                break;
            at = end + 1;
        }
        return result_;
    }

private:
    bool isBlank(char c) const { return c == ' ' || (c == '\t' && separator_ != '\t'); }
    std::size_t skipBlanks(std::size_t at) const
    {
        while (at < line_.size() && isBlank(line_[at]))
            ++at;
        return at;
    }
    std::string_view trimmed(std::string_view text) const
    {
        while (!text.empty() && isBlank(text.back()))
            text.remove_suffix(1);
        while (!text.empty() && isBlank(text.front()))
            text.remove_prefix(1);
        return text;
    }
    std::size_t separatorFrom(std::size_t at) const
    {
        const std::size_t end = line_.find(separator_, at);
        return end == npos ? line_.size() : end;
    }

    // Reads the field starting at `at`; returns where it ends (its separator or the line's end).
    std::size_t field(std::size_t at)
    {
        if (quoted_ && at < line_.size() && line_[at] == '"') {
            const std::size_t close = ClosingQuote(line_, at + 1);
            const std::size_t after = close == npos ? line_.size() : skipBlanks(close + 1);
            if (close != npos && (after == line_.size() || line_[after] == separator_)) {
                add(trimmed(line_.substr(at + 1, close - at - 1)), at + 1, false);
                return after;
            }
            const std::size_t end = close == npos ? line_.size() : separatorFrom(close + 1);
            add(trimmed(line_.substr(at, end - at)), at + 1, true); // text after a closing quote
            return end;
        }
        const std::size_t end = separatorFrom(at);
        add(trimmed(line_.substr(at, end - at)), at + 1, false);
        return end;
    }

    void add(std::string_view text, std::size_t column, bool malformed)
    {
        TextField f{TextField::Kind::Empty, text, column, false};
        if (malformed) {
            f.kind = TextField::Kind::Text;
        } else if (!text.empty()) {
            const std::optional<bool> whole = NumberIsWhole(text, result_.decimalComma);
            f.kind = whole ? TextField::Kind::Number : TextField::Kind::Text;
            f.whole = whole.value_or(false);
        }
        if (f.kind == TextField::Kind::Text && !result_.firstText)
            result_.firstText = f;
        result_.beforeLast = result_.last;
        result_.last = f;
        ++result_.fieldCount;
    }

    std::string_view line_;
    bool quoted_;
    char separator_;
    TextLine result_;
};

} // namespace

TextLine SplitTextLine(std::string_view line)
{
    const bool quoted = line.find('"') != npos;
    const char separator = SeparatorOf(line, quoted);
    TextLine fields = Splitter(line, quoted, separator).split();
    // "0,5 1,25": numbers with decimal commas, separated by spaces.
    if (separator == ',' && fields.firstText && fields.firstText->text.find(' ') != npos) {
        TextLine spaced = Splitter(line, quoted, ' ').split();
        if (!spaced.firstText)
            return spaced;
    }
    return fields;
}

std::optional<double> NumberValue(const TextField& field, bool decimalComma)
{
    // from_chars wants a point and no plus sign.
    std::array<char, kLongestNumber + 1> text;
    if (field.text.size() > kLongestNumber)
        return std::nullopt;
    std::size_t n = 0;
    for (const char c : field.text) {
        if (c != '+')
            text[n++] = c == ',' && decimalComma ? '.' : c;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + n, value);
    if (error != std::errc() || end != text.data() + n || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace dds
