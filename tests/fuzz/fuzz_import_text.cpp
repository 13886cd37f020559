// Any bytes as a CSV or TXT file: the reader either refuses them with its own error or yields 2 to
// 10 million finite values, the same whether the bytes arrive at once or a few at a time, and the
// table made of them holds codes 0..255 only.
#include "editor/waveform_import.h"
#include "fuzz_check.h"

#include <cmath>
#include <cstring>

namespace {

std::vector<double> Values(const dds::ImportedSamples& samples)
{
    std::vector<double> values;
    for (std::size_t i = 0; i < samples.values.size(); ++i)
        values.push_back(samples.values[i]);
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    dds::ImportedSamples samples;
    try {
        samples = dds::ReadTextSamples(dds::MemorySource(bytes), "fuzz.csv");
    } catch (const dds::WaveformImportError&) {
        return 0;
    }
    FUZZ_CHECK(samples.values.size() >= dds::kMinImportSamples);
    for (double v : Values(samples))
        FUZZ_CHECK(std::isfinite(v) && v >= samples.minimum && v <= samples.maximum);

    std::string_view rest = bytes;
    const std::size_t step = 1 + size % 13;
    const dds::ByteSource trickle = [&rest, step](char* buffer, std::size_t room) {
        const std::size_t n = std::min({room, rest.size(), step});
        std::memcpy(buffer, rest.data(), n);
        rest.remove_prefix(n);
        return n;
    };
    const dds::ImportedSamples trickled = dds::ReadTextSamples(trickle, "fuzz.csv");
    FUZZ_CHECK(Values(trickled) == Values(samples) && trickled.skippedLines == samples.skippedLines);

    for (dds::ImportScale scale : {dds::ImportScale::Auto, dds::ImportScale::Raw, dds::ImportScale::Fit}) {
        const dds::ImportedWaveform w = dds::ResampleToTable(samples, scale);
        for (int32_t k = 1; k <= dds::WaveformTable::kLength; ++k)
            FUZZ_CHECK(w.table[k] >= 0 && w.table[k] <= 255);
    }
    return 0;
}
