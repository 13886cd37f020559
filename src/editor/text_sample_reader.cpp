// The CSV and TXT reader: one value per line, the last number of the line.
#include "editor/waveform_import.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace dds {
namespace {

constexpr std::size_t kChunk = std::size_t{1} << 20;
constexpr std::size_t kLongestLine = std::size_t{1} << 16;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

using NumberText = std::array<char, 64>;

// A decimal number: sign, digits with at most one decimal mark (a point, or a comma when
// `decimalComma`), optional exponent. Nothing else, so that "inf", "0x1p3" or "1e5x" are not
// numbers. Its text with a decimal point goes to `text`; returns its length, 0 for no number.
std::size_t numberText(std::string_view field, bool decimalComma, NumberText& text)
{
    if (field.size() >= text.size())
        return 0;
    std::size_t n = 0;
    std::size_t at = 0;
    if (at < field.size() && (field[at] == '+' || field[at] == '-')) {
        if (field[at] == '-')
            text[n++] = '-';
        ++at;
    }
    bool digits = false;
    bool mark = false;
    for (; at < field.size(); ++at) {
        const char c = field[at];
        if (isDigit(c)) {
            digits = true;
            text[n++] = c;
        } else if ((c == '.' || (c == ',' && decimalComma)) && !mark) {
            mark = true;
            text[n++] = '.';
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    if (at < field.size() && (field[at] == 'e' || field[at] == 'E')) {
        text[n++] = 'e';
        ++at;
        if (at < field.size() && (field[at] == '+' || field[at] == '-'))
            text[n++] = field[at++];
        bool exponentDigits = false;
        for (; at < field.size() && isDigit(field[at]); ++at) {
            exponentDigits = true;
            text[n++] = field[at];
        }
        if (!exponentDigits)
            return 0;
    }
    return at == field.size() ? n : 0;
}

// The value of a number's text; nothing when it lies beyond the doubles (1e999).
std::optional<double> valueOf(const NumberText& text, std::size_t length)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + length, value);
    if (error != std::errc() || end != text.data() + length || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string_view trimmed(std::string_view field, char separator)
{
    auto blank = [separator](char c) { return c == ' ' || (c == '\t' && separator != '\t'); };
    while (!field.empty() && blank(field.front()))
        field.remove_prefix(1);
    while (!field.empty() && blank(field.back()))
        field.remove_suffix(1);
    return field;
}

class TextReader {
public:
    explicit TextReader(const std::string& name) : name_(name) {}

    void line(std::string_view text)
    {
        ++lineNumber_;
        if (lineNumber_ == 1 && text.starts_with(kByteOrderMark))
            text.remove_prefix(kByteOrderMark.size());
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        const char separator = text.find(';') != std::string_view::npos    ? ';'
                               : text.find('\t') != std::string_view::npos ? '\t'
                                                                           : ',';
        const bool decimalComma = separator != ',';
        // Every field must be a number; only the last one is converted, since it is the value.
        // Two buffers take turns so that the last number's text is kept without copying it.
        std::array<NumberText, 2> numbers;
        std::size_t lastNumber = 0;
        std::size_t lastLength = 0;
        std::size_t lastColumn = 0;
        std::string_view lastField;
        std::size_t badColumn = 0;
        std::string_view badField;
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = text.find(separator, start);
            if (end == std::string_view::npos)
                end = text.size();
            const std::string_view raw = text.substr(start, end - start);
            const std::string_view field = trimmed(raw, separator);
            if (!field.empty()) {
                const std::size_t column = start + static_cast<std::size_t>(field.data() - raw.data()) + 1;
                const std::size_t next = lastLength == 0 ? lastNumber : 1 - lastNumber;
                if (const std::size_t length = numberText(field, decimalComma, numbers[next])) {
                    lastNumber = next;
                    lastLength = length;
                    lastColumn = column;
                    lastField = field;
                } else if (badColumn == 0) {
                    badColumn = column;
                    badField = field;
                }
            }
            start = end + 1;
        }
        if (lastLength == 0) {
            if (badColumn != 0 && started_)
                notANumber(badColumn, badField);
            return; // a blank line, or a header before the data
        }
        if (badColumn != 0)
            notANumber(badColumn, badField);
        const std::optional<double> value = valueOf(numbers[lastNumber], lastLength);
        if (!value)
            notANumber(lastColumn, lastField);
        started_ = true;
        if (samples_.values.size() == kMaxImportSamples)
            fail(1, {"plus de " + std::to_string(kMaxImportSamples) + " échantillons",
                     "more than " + std::to_string(kMaxImportSamples) + " samples"});
        samples_.add(*value);
    }

    void tooLong()
    {
        ++lineNumber_; // the line being read
        fail(1, {"ligne de plus de " + std::to_string(kLongestLine) + " caractères",
                 "a line of more than " + std::to_string(kLongestLine) + " characters"});
    }

    ImportedSamples finish()
    {
        const std::size_t count = samples_.values.size();
        if (count < kMinImportSamples)
            throw WaveformImportError(
                {"Fichier \"" + name_
                     + "\" : " + (count == 0 ? "aucun échantillon" : "un seul échantillon, il en faut au moins 2"),
                 "file \"" + name_ + "\": " + (count == 0 ? "no samples" : "only one sample, at least 2 are needed")});
        return std::move(samples_);
    }

    std::size_t lineNumber() const { return lineNumber_; }

private:
    [[noreturn]] void notANumber(std::size_t column, std::string_view field) const
    {
        fail(column, {"'" + std::string(field) + "' n'est pas une valeur numérique correcte",
                      "'" + std::string(field) + "' is not a valid number"});
    }
    [[noreturn]] void fail(std::size_t column, const ReaderMessage& what) const
    {
        const std::string line = std::to_string(lineNumber_);
        const std::string at = std::to_string(column);
        throw WaveformImportError({"Fichier \"" + name_ + "\", ligne " + line + ", colonne " + at + " : " + what.french,
                                   "file \"" + name_ + "\", line " + line + ", column " + at + ": " + what.english});
    }

    const std::string& name_;
    ImportedSamples samples_;
    std::size_t lineNumber_ = 0;
    bool started_ = false;
};

} // namespace

ImportedSamples ReadTextSamples(const ByteSource& source, const std::string& name)
{
    TextReader reader(name);
    std::string buffer(kChunk, '\0');
    std::string carry; // the unfinished line at the end of the previous chunk
    for (;;) {
        const std::size_t got = source(buffer.data(), buffer.size());
        if (got == 0)
            break;
        std::string_view chunk(buffer.data(), got);
        for (std::size_t newline = chunk.find('\n'); newline != std::string_view::npos; newline = chunk.find('\n')) {
            if (carry.empty()) {
                if (newline > kLongestLine)
                    reader.tooLong();
                reader.line(chunk.substr(0, newline));
            } else {
                carry.append(chunk.substr(0, newline));
                if (carry.size() > kLongestLine)
                    reader.tooLong();
                reader.line(carry);
                carry.clear();
            }
            chunk.remove_prefix(newline + 1);
        }
        carry.append(chunk);
        if (carry.size() > kLongestLine)
            reader.tooLong();
    }
    if (!carry.empty())
        reader.line(carry);
    return reader.finish();
}

} // namespace dds
