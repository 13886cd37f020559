#include "editor/waveform_file.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <limits>

#include "editor/file_contents.h"

namespace dds {
namespace {

// The file's absolute path in quotes, then the system's reason, after each language's words.
ReaderMessage quotedPathWithReason(const ReaderMessage& words, const QString& path, const char* reason)
{
    const std::string absolute = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdString();
    return {words.french + "\"" + absolute + "\". " + reason, words.english + " \"" + absolute + "\": " + reason};
}

[[noreturn]] void notAnInteger(const std::string& line)
{
    throw WaveformFileError(
        {"'" + line + "' n'est pas une valeur entière correcte", "'" + line + "' is not a valid whole number"});
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Digits of a hexadecimal value of at most 32 bits, taken as its unsigned bit pattern.
bool parseHex(std::string_view digits, uint32_t& value)
{
    if (digits.empty())
        return false;
    uint64_t v = 0;
    for (char c : digits) {
        const int d = hexDigit(c);
        if (d < 0)
            return false;
        v = v * 16 + static_cast<uint64_t>(d);
        if (v > std::numeric_limits<uint32_t>::max())
            return false;
    }
    value = static_cast<uint32_t>(v);
    return true;
}

bool parseDecimal(std::string_view digits, bool negative, int32_t& value)
{
    if (digits.empty())
        return false;
    const int64_t limit = negative ? int64_t{1} << 31 : (int64_t{1} << 31) - 1;
    int64_t v = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
        if (v > limit)
            return false;
    }
    value = static_cast<int32_t>(negative ? -v : v);
    return true;
}

std::string_view hexDigits(std::string_view rest)
{
    if (rest.starts_with("0x") || rest.starts_with("0X"))
        return rest.substr(2);
    return rest.substr(1);
}

bool isHexForm(std::string_view rest)
{
    return rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X') ||
           rest.starts_with("0x") || rest.starts_with("0X");
}

} // namespace

std::vector<std::string> WaveformLines(const WaveformTable& table)
{
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(table.length));
    for (int32_t i = table.firstIndex; i <= table.length; ++i)
        lines.push_back(std::to_string(table[i]));
    return lines;
}

std::string FormatWaveformFile(const WaveformTable& table)
{
    std::string text;
    text.reserve(static_cast<std::size_t>(table.length) * 6);
    for (const std::string& line : WaveformLines(table)) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> SplitWaveformText(std::string_view bytes)
{
    const std::size_t zero = bytes.find('\0');
    if (zero != std::string_view::npos)
        bytes = bytes.substr(0, zero);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(bytes.substr(start));
            break;
        }
        lines.emplace_back(bytes.substr(start, end - start));
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    return lines;
}

int32_t ParseSampleLine(const std::string& line)
{
    std::string_view rest = line;
    while (rest.starts_with(' '))
        rest.remove_prefix(1);
    bool negative = false;
    if (rest.starts_with('-') || rest.starts_with('+')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    if (isHexForm(rest)) {
        uint32_t bits = 0;
        if (!parseHex(hexDigits(rest), bits))
            notAnInteger(line);
        // Negating the bit pattern modulo 2^32 matches how a signed 32-bit value takes it.
        return static_cast<int32_t>(negative ? 0u - bits : bits);
    }
    int32_t value = 0;
    if (!parseDecimal(rest, negative, value))
        notAnInteger(line);
    return value;
}

WaveformTable TableFromLines(const std::vector<std::string>& lines)
{
    WaveformTable table;
    for (int32_t i = table.firstIndex; i <= table.length; ++i) {
        const auto k = static_cast<std::size_t>(i - table.firstIndex);
        if (k >= lines.size())
            throw WaveformFileError({"Indice de liste hors limites (" + std::to_string(lines.size()) + ")",
                                     "only " + std::to_string(lines.size()) + " lines, a waveform file has 3200"});
        table[i] = ParseSampleLine(lines[k]);
    }
    return table;
}

WaveformTable ReadWaveformFile(const std::string& path, std::vector<std::string>* lines)
{
    const QString name = QString::fromStdString(path);
    QByteArray content;
    try {
        content = ReadFileContents(name);
    } catch (const FileContentsError& e) {
        throw WaveformFileError(
            quotedPathWithReason({"Impossible d'ouvrir le fichier ", "cannot open"}, name, e.what()));
    }
    std::vector<std::string> split = SplitWaveformText(std::string_view(content.constData(), content.size()));
    if (lines)
        *lines = split;
    return TableFromLines(split);
}

void WriteWaveformFile(const std::string& path, const WaveformTable& table)
{
    const std::string text = FormatWaveformFile(table);
    const QString name = QString::fromStdString(path);
    try {
        ReplaceFileContents(name, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    } catch (const FileContentsError& e) {
        throw WaveformFileError(
            quotedPathWithReason({"Impossible de créer le fichier ", "cannot write"}, name, e.what()));
    }
}

} // namespace dds
