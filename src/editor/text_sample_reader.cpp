// The CSV and TXT reader: after the header, one value per line.
//
// The data starts at the first line from which every remaining line is data of the same field
// count; the lines before it are the header, whatever they hold. Once data lines have been read,
// a line of their field count that is not data (a word, an empty value) is an error, not a new
// header, so a damaged file is reported rather than cut.
#include "editor/text_line_fields.h"
#include "editor/waveform_import.h"

#include <string>

namespace dds {
namespace {

constexpr std::size_t kChunk = std::size_t{1} << 20;
constexpr std::size_t kLongestLine = std::size_t{1} << 16;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

const ReaderMessage kEmptyValue{"valeur vide", "empty value"};

ReaderMessage NotANumber(std::string_view text)
{
    return {"'" + std::string(text) + "' n'est pas une valeur numérique correcte",
            "'" + std::string(text) + "' is not a valid number"};
}

// The value field of a line that is data: the last one, or the one before a trailing separator.
const TextField* DataValue(const TextLine& line)
{
    if (line.firstText)
        return nullptr;
    if (line.last().kind == TextField::Kind::Number)
        return &line.last();
    if (line.fieldCount >= 2 && line.beforeLast().kind == TextField::Kind::Number)
        return &line.beforeLast(); // the last field is empty
    return nullptr;
}

class TextReader {
public:
    explicit TextReader(const std::string& name) : name_(name) {}

    // One line of the file, or several when a quoted field holds line ends.
    void record(std::string_view text, std::size_t lines, const LineChars& chars)
    {
        line_ = nextLine_;
        nextLine_ += lines;
        if (line_ == 1 && text.starts_with(kByteOrderMark))
            text.remove_prefix(kByteOrderMark.size());
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        const TextLine fields = SplitTextLine(text, chars);
        if (fields.fieldCount == 0)
            return; // blank lines are skipped anywhere
        if (run_ && fields.fieldCount == run_->fieldCount)
            return continueRun(fields);
        if (run_)
            lastBreak_ = breakOf(fields);
        startRun(fields);
    }

    void tooLong()
    {
        line_ = nextLine_; // the line being read
        fail(1, {"ligne de plus de " + std::to_string(kLongestLine) + " caractères",
                 "a line of more than " + std::to_string(kLongestLine) + " characters"});
    }

    ImportedSamples finish()
    {
        const std::size_t count = samples_.values.size();
        if (count < kMinImportSamples && lastBreak_)
            throw WaveformImportError(*lastBreak_);
        if (count < kMinImportSamples)
            throw WaveformImportError(
                {"Fichier \"" + name_
                     + "\" : " + (count == 0 ? "aucun échantillon" : "un seul échantillon, il en faut au moins 2"),
                 "file \"" + name_ + "\": " + (count == 0 ? "no samples" : "only one sample, at least 2 are needed")});
        samples_.skippedLines = dataStart_ - 1;
        return std::move(samples_);
    }

private:
    struct Run {
        std::size_t fieldCount;
        bool trailingSeparator; // every line of the data ends with one
    };

    void startRun(const TextLine& line)
    {
        samples_ = ImportedSamples{};
        const TextField* value = DataValue(line);
        if (!value) {
            run_.reset(); // a header line
            return;
        }
        run_ = Run{line.fieldCount, value != &line.last()};
        dataStart_ = line_;
        add(*value);
    }

    void continueRun(const TextLine& line)
    {
        if (line.firstText)
            fail(line.firstText->column, NotANumber(line.firstText->text));
        if (run_->trailingSeparator && line.last().kind != TextField::Kind::Empty)
            fail(line.last().column,
                 {"'" + std::string(line.last().text) + "' après le séparateur qui finit les autres lignes",
                  "'" + std::string(line.last().text) + "' after the separator that ends the other lines"});
        const TextField& value = run_->trailingSeparator ? line.beforeLast() : line.last();
        if (value.kind == TextField::Kind::Empty)
            fail(value.column, kEmptyValue);
        add(value);
    }

    void add(const TextField& field)
    {
        // Most values were read while the line was split; a plain double keeps them in registers.
        double value = field.value;
        if (!field.converted) {
            const std::optional<double> read = NumberValue(field);
            if (!read)
                fail(field.column, NotANumber(field.text));
            value = *read;
        }
        if (samples_.values.size() == kMaxImportSamples)
            fail(1, {"plus de " + std::to_string(kMaxImportSamples) + " échantillons",
                     "more than " + std::to_string(kMaxImportSamples) + " samples"});
        samples_.add(value, field.whole);
    }

    // Why a line of another field count ended the data read so far; reported only when no data
    // follows it.
    ReaderMessage breakOf(const TextLine& line) const
    {
        if (DataValue(line))
            return message(1, {"nombre de champs " + std::to_string(line.fieldCount) + " au lieu de "
                                   + std::to_string(run_->fieldCount),
                               std::to_string(line.fieldCount) + " fields instead of " + std::to_string(run_->fieldCount)});
        if (line.firstText)
            return message(line.firstText->column, NotANumber(line.firstText->text));
        return message(line.fieldCount >= 2 ? line.beforeLast().column : line.last().column, kEmptyValue);
    }

    ReaderMessage message(std::size_t column, const ReaderMessage& what) const
    {
        const std::string line = std::to_string(line_);
        const std::string at = std::to_string(column);
        return {"Fichier \"" + name_ + "\", ligne " + line + ", colonne " + at + " : " + what.french,
                "file \"" + name_ + "\", line " + line + ", column " + at + ": " + what.english};
    }
    [[noreturn]] void fail(std::size_t column, const ReaderMessage& what) const
    {
        throw WaveformImportError(message(column, what));
    }

    const std::string& name_;
    ImportedSamples samples_;
    std::optional<Run> run_;
    std::optional<ReaderMessage> lastBreak_;
    std::size_t dataStart_ = 1;
    std::size_t line_ = 0; // the line being read, from 1
    std::size_t nextLine_ = 1;
};

// Cuts the bytes into records: one line each, or several lines when a quoted field holds line
// ends (its quotes are then unbalanced at the end of a line).
class RecordCutter {
public:
    explicit RecordCutter(TextReader& reader) : reader_(reader) {}

    void feed(std::string_view chunk)
    {
        for (std::size_t newline = chunk.find('\n'); newline != std::string_view::npos; newline = chunk.find('\n')) {
            const std::string_view line = chunk.substr(0, newline);
            chunk.remove_prefix(newline + 1);
            if (!pending() && line.size() <= kLongestLine) {
                const LineChars chars = CharsOf(line);
                if (!chars.has(LineChars::kQuote) || !OddQuotes(line)) {
                    reader_.record(line, 1, chars); // the usual line, read where it lies
                    continue;
                }
            }
            append(line);
            ++lines_;
            if (openQuote_) {
                carry_ += '\n';
                continue;
            }
            flush();
        }
        append(chunk);
    }

    void finish()
    {
        if (pending()) {
            ++lines_;
            flush();
        }
    }

private:
    static bool OddQuotes(std::string_view text)
    {
        std::size_t at = text.find('"');
        bool odd = false;
        for (; at != std::string_view::npos; at = text.find('"', at + 1))
            odd = !odd;
        return odd;
    }
    bool pending() const { return !carry_.empty() || openQuote_; }
    void append(std::string_view piece)
    {
        carry_.append(piece);
        openQuote_ = openQuote_ != OddQuotes(piece);
        if (carry_.size() > kLongestLine)
            reader_.tooLong();
    }
    void flush()
    {
        reader_.record(carry_, lines_, CharsOf(carry_));
        carry_.clear();
        lines_ = 0;
        openQuote_ = false;
    }

    TextReader& reader_;
    std::string carry_; // an unfinished record
    std::size_t lines_ = 0;
    bool openQuote_ = false;
};

} // namespace

ImportedSamples ReadTextSamples(const ByteSource& source, const std::string& name)
{
    TextReader reader(name);
    RecordCutter cutter(reader);
    std::string buffer(kChunk, '\0');
    while (const std::size_t got = source(buffer.data(), buffer.size()))
        cutter.feed(std::string_view(buffer.data(), got));
    cutter.finish();
    return reader.finish();
}

} // namespace dds
