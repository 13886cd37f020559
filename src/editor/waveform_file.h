#pragma once
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "synthesis/waveform_table.h"

namespace dds {

// A reader's message twice: the French run-time text of the window's error box, and the English
// of ddsgen-cli. Both UTF-8; a line's own bytes are kept as they were in the file.
struct ReaderMessage {
    std::string french;
    std::string english;
};

// A waveform file that cannot be opened, created or converted: what() is the French message.
class WaveformFileError : public std::runtime_error {
public:
    explicit WaveformFileError(ReaderMessage message)
        : std::runtime_error(message.french), english_(std::move(message.english))
    {
    }
    const std::string& English() const { return english_; }

private:
    std::string english_;
};

// The 3200 lines of a table, sample 1 first, as the writer produces them (decimal, no padding).
std::vector<std::string> WaveformLines(const WaveformTable& table);
// The whole file: every line followed by CR LF, nothing else.
std::string FormatWaveformFile(const WaveformTable& table);

// Splits a file's bytes into lines: CR LF, a lone LF or a lone CR end a line; a zero byte ends the
// text; a final line end does not start a further, empty line.
std::vector<std::string> SplitWaveformText(std::string_view bytes);
// One line as a 32-bit integer: optional leading spaces, optional sign, decimal or hexadecimal
// ("$", "x", "X", "0x", "0X"). Throws WaveformFileError for anything else.
int32_t ParseSampleLine(const std::string& line);
// A complete table from the first 3200 lines, values as they are (not limited). Throws
// WaveformFileError and never returns a partly filled table, so a bad file changes nothing.
WaveformTable TableFromLines(const std::vector<std::string>& lines);

// Reads a waveform file from disk; the lines are left in `lines` when given (the window's buffer).
// Paths are UTF-8.
WaveformTable ReadWaveformFile(const std::string& path, std::vector<std::string>* lines = nullptr);
// Writes a waveform file through ReplaceFileContents, so that a failed write never destroys the
// file it replaces.
void WriteWaveformFile(const std::string& path, const WaveformTable& table);

} // namespace dds
