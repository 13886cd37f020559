// Times the import of 10 million values: a CSV column of decimals, a time,value CSV with a header,
// and a 16-bit WAV, each from a file on disk. Reports the median of five imports and how much the
// process grew while importing, next to the 80 MB the samples themselves take as doubles.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "editor/waveform_import.h"

namespace {

constexpr std::size_t kValues = 10'000'000;

std::string scratchPath(const char* name)
{
    return (std::filesystem::temp_directory_path() / name).string();
}

// The value of sample i: one sine period with a little harmonic, never a whole number.
double sampleValue(std::size_t i)
{
    const double t = 6.283185307179586 * static_cast<double>(i) / kValues;
    return 2.5 * std::sin(t) + 0.25 * std::sin(7 * t) + 1e-7;
}

const std::string& columnFile()
{
    static const std::string path = [] {
        const std::string p = scratchPath("ddsgen_bench_column.csv");
        std::FILE* f = std::fopen(p.c_str(), "wb");
        for (std::size_t i = 0; i < kValues; ++i)
            std::fprintf(f, "%.6f\n", sampleValue(i));
        std::fclose(f);
        return p;
    }();
    return path;
}

const std::string& timeValueFile()
{
    static const std::string path = [] {
        const std::string p = scratchPath("ddsgen_bench_time_value.csv");
        std::FILE* f = std::fopen(p.c_str(), "wb");
        std::fputs("Time (s);Voltage (V)\r\n", f);
        for (std::size_t i = 0; i < kValues; ++i)
            std::fprintf(f, "%.7e;%.5f\r\n", static_cast<double>(i) * 1e-8, sampleValue(i));
        std::fclose(f);
        return p;
    }();
    return path;
}

const std::string& wavFile()
{
    static const std::string path = [] {
        const std::string p = scratchPath("ddsgen_bench_16bit.wav");
        std::ofstream out(p, std::ios::binary);
        auto le = [&out](uint32_t v, int bytes) {
            for (int i = 0; i < bytes; ++i)
                out.put(static_cast<char>(v >> (8 * i)));
        };
        const uint32_t data = kValues * 2;
        out << "RIFF";
        le(36 + data, 4);
        out << "WAVEfmt ";
        le(16, 4), le(1, 2), le(1, 2), le(48000, 4), le(96000, 4), le(2, 2), le(16, 2);
        out << "data";
        le(data, 4);
        for (std::size_t i = 0; i < kValues; ++i)
            le(static_cast<uint16_t>(static_cast<int16_t>(std::lrint(sampleValue(i) * 10000))), 2);
        return p;
    }();
    return path;
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void importFile(benchmark::State& state, const std::string& path)
{
    const long before = peakKilobytes();
    for (auto _ : state) {
        dds::ImportedWaveform w = dds::ImportWaveformFile(path);
        benchmark::DoNotOptimize(w.table.samples.data());
    }
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    state.counters["peak_growth_MB"] = static_cast<double>(peakKilobytes() - before) / 1e3;
}

void BM_ImportTimeValueCsv(benchmark::State& state) { importFile(state, timeValueFile()); }
void BM_ImportColumnCsv(benchmark::State& state) { importFile(state, columnFile()); }
void BM_ImportWav16(benchmark::State& state) { importFile(state, wavFile()); }

// The first run of each is the one that may grow the process; the later ones reuse its memory.
BENCHMARK(BM_ImportWav16)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(BM_ImportColumnCsv)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(BM_ImportTimeValueCsv)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

} // namespace

BENCHMARK_MAIN();
