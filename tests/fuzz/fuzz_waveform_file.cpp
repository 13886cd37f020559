// Any bytes as a waveform file: the reader either throws its own error or yields a table that the
// writer turns back into the same table.
#include "editor/waveform_file.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = dds::SplitWaveformText(bytes);
    for (const std::string& line : lines)
        FUZZ_CHECK(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);

    dds::WaveformTable table;
    try {
        table = dds::TableFromLines(lines);
    } catch (const dds::WaveformFileError&) {
        return 0;
    }
    FUZZ_CHECK(lines.size() >= static_cast<size_t>(dds::WaveformTable::kLength));
    for (int32_t i = 1; i <= dds::WaveformTable::kLength; ++i)
        FUZZ_CHECK(table[i] == dds::ParseSampleLine(lines[static_cast<size_t>(i - 1)]));
    FUZZ_CHECK(dds::TableFromLines(dds::SplitWaveformText(dds::FormatWaveformFile(table))) == table);
    return 0;
}
