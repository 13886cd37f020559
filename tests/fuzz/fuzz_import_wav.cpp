// Any bytes as a WAV file: the reader either refuses them with its own error or yields 2 to
// 10 million finite values, and the table made of them holds codes 0..255 only.
#include "editor/waveform_import.h"
#include "fuzz_check.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    dds::ImportedSamples samples;
    try {
        samples = dds::ReadWavSamples(dds::MemorySource(bytes), "fuzz.wav");
    } catch (const dds::WaveformImportError&) {
        return 0;
    }
    const std::size_t count = samples.values.size();
    FUZZ_CHECK(count >= dds::kMinImportSamples && count <= dds::kMaxImportSamples);
    FUZZ_CHECK(count <= size); // every sample came from at least one byte of the file
    FUZZ_CHECK(samples.origin != dds::ImportedSamples::Origin::Text);
    for (std::size_t i = 0; i < count; ++i)
        FUZZ_CHECK(std::isfinite(samples.values[i]));
    for (dds::ImportScale scale : {dds::ImportScale::Auto, dds::ImportScale::Raw, dds::ImportScale::Fit}) {
        const dds::ImportedWaveform w = dds::ResampleToTable(samples, scale);
        for (int32_t k = 1; k <= dds::WaveformTable::kLength; ++k)
            FUZZ_CHECK(w.table[k] >= 0 && w.table[k] <= 255);
    }
    return 0;
}
