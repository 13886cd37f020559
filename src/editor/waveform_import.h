#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/waveform_file.h"
#include "synthesis/waveform_table.h"

namespace dds {

// Waveforms from other programs: a column of numbers (CSV or TXT) or a sound file (WAV), taken as
// one period and resampled onto the 3200 entries of the table.

// A file that cannot be imported. The message is French, names the file and, for text, the line
// and column of the fault.
class WaveformImportError : public WaveformFileError {
public:
    using WaveformFileError::WaveformFileError;
};

inline constexpr std::size_t kMinImportSamples = 2;
inline constexpr std::size_t kMaxImportSamples = 10'000'000;

// How values become output codes. Auto: for text, Raw when every value is a whole number 0..255
// written without a decimal mark or exponent ("1.0" is a measurement, not a code), Fit otherwise; for a WAV, full scale -1..+1 to 0..255 (an 8-bit WAV's bytes are codes).
enum class ImportScale { Auto, Raw, Fit };
std::optional<ImportScale> ParseImportScale(std::string_view name);

// Pulls up to `size` bytes into `buffer`; returns how many, 0 at the end.
using ByteSource = std::function<std::size_t(char* buffer, std::size_t size)>;
ByteSource MemorySource(std::string_view bytes);

// The samples of one file in reading order, stored in fixed blocks so that memory stays at the
// samples themselves however many there are (no reallocation copies).
class SampleStore {
public:
    void push(double value);
    std::size_t size() const { return size_; }
    double operator[](std::size_t i) const { return blocks_[i >> kBlockBits][i & kBlockMask]; }
    std::size_t bytesHeld() const { return blocks_.size() * kBlockSize * sizeof(double); }

private:
    static constexpr std::size_t kBlockBits = 16;
    static constexpr std::size_t kBlockSize = std::size_t{1} << kBlockBits;
    static constexpr std::size_t kBlockMask = kBlockSize - 1;
    std::vector<std::vector<double>> blocks_;
    std::size_t size_ = 0;
};

// What a reader found: the values, their extremes, and how they map to codes at full scale.
struct ImportedSamples {
    enum class Origin { Text, Wav8, Wav };
    Origin origin = Origin::Text;
    SampleStore values;   // text: the numbers; WAV: the stored sample values (bytes, integers, floats)
    double fullScale = 1; // WAV: the value of +1 (128 for 8 bits, 32768 for 16 bits, 1 for float)
    double minimum = 0;
    double maximum = 0;
    bool allBytes = true;         // every value a whole number 0..255, written as one
    std::size_t skippedLines = 0; // text: the lines before the data

    void add(double value, bool writtenWhole = true);
};

// Text: fields separated by ';', tab, ',' or spaces, quoted or not; a decimal comma where the
// separator is not a comma. The data starts at the first line from which every non-blank line is
// numbers, with the same number of fields; the value is the last field, or the one before a
// separator that ends every data line. UTF-8 byte order mark, CR LF or LF. `name` is the file
// named in messages.
ImportedSamples ReadTextSamples(const ByteSource& source, const std::string& name);
// WAV: PCM of 8, 16, 24 or 32 bits or 32-bit float (also in the extensible format); the first
// channel of several.
ImportedSamples ReadWavSamples(const ByteSource& source, const std::string& name);

// How the codes were obtained, for the operator's status line.
enum class AppliedScale { Raw, Fit, FullScale, ByteCodes };

struct ImportSummary {
    std::size_t sampleCount = 0; // L, the samples of the period
    AppliedScale scale = AppliedScale::Raw;
    double minimum = 0; // the file's extremes, as values
    double maximum = 0;
    int limited = 0;    // table entries limited to 0..255
    std::size_t skippedLines = 0; // the text's lines before the data
};

struct ImportedWaveform {
    WaveformTable table;
    ImportSummary summary;
};

// Entry k of the table (1..3200) interpolates linearly at x = (k - 1) L / 3200 between sample
// floor(x) and the next one (the last sample's next is the first), after scaling; rounded to the
// nearest whole number, ties to even, and limited to 0..255.
ImportedWaveform ResampleToTable(const ImportedSamples& samples, ImportScale scale);

enum class ImportFormat { Text, Wav };
// By the first bytes: "RIFF" is a WAV whatever the name; other bytes are text, but a name ending
// in ".wav" goes to the WAV reader, which says it is not one.
ImportFormat GuessImportFormat(const std::string& path);
// Whether the window and the tools load `path` as the program's own waveform file (".xls").
bool IsWaveformFileName(const std::string& path);

// `keepResponsive` runs before the reading starts and then about every megabyte read, so that a
// window can let its paint events through.
ImportedWaveform ImportWaveformFile(const std::string& path, ImportScale scale = ImportScale::Auto,
                                    const std::function<void()>& keepResponsive = {});

// Any file the program can load: a waveform file as it is, anything else imported with `Auto`.
WaveformTable ReadAnyWaveformFile(const std::string& path);

} // namespace dds
