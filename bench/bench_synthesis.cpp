// Times one table computation per preset, and the waveform file write and read.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "editor/waveform_file.h"
#include "synthesis/noise_generator.h"
#include "synthesis/waveform_synthesis.h"

namespace {

void BM_ComputeWaveform(benchmark::State& state)
{
    const auto kind = static_cast<dds::WaveformKind>(state.range(0));
    dds::WaveformTable table;
    dds::WaveformParams params;
    for (auto _ : state) {
        dds::ComputeWaveform(table, kind, params);
        benchmark::DoNotOptimize(table.samples.data());
    }
}
BENCHMARK(BM_ComputeWaveform)->DenseRange(1, 11)->Unit(benchmark::kMicrosecond);

// The first computation of a shape: its sines and exponentials are not known yet. Each run has
// new, empty kept terms, so the figure includes making them.
void BM_ComputeWaveformFirstTime(benchmark::State& state)
{
    const auto kind = static_cast<dds::WaveformKind>(state.range(0));
    dds::WaveformTable table;
    for (auto _ : state) {
        dds::TermCache fresh;
        dds::ComputeWaveform(table, kind, {}, fresh);
        benchmark::DoNotOptimize(table.samples.data());
    }
}
BENCHMARK(BM_ComputeWaveformFirstTime)->DenseRange(1, 11)->Unit(benchmark::kMicrosecond);

void BM_NoiseTick(benchmark::State& state)
{
    dds::WaveformTable table;
    dds::NoiseGenerator noise(1);
    for (auto _ : state) {
        noise.tick(table);
        benchmark::DoNotOptimize(table.samples.data());
    }
}
BENCHMARK(BM_NoiseTick)->Unit(benchmark::kMicrosecond);

std::string benchFile()
{
    return (std::filesystem::temp_directory_path() / "ddsgen_bench_wave.xls").string();
}

void BM_WriteWaveformFile(benchmark::State& state)
{
    dds::WaveformTable table;
    dds::ComputeWaveform(table, dds::WaveformKind::Sine, {});
    for (auto _ : state)
        dds::WriteWaveformFile(benchFile(), table);
}
BENCHMARK(BM_WriteWaveformFile)->Unit(benchmark::kMicrosecond);

void BM_ReadWaveformFile(benchmark::State& state)
{
    dds::WaveformTable table;
    dds::ComputeWaveform(table, dds::WaveformKind::Sine, {});
    dds::WriteWaveformFile(benchFile(), table);
    for (auto _ : state)
        benchmark::DoNotOptimize(dds::ReadWaveformFile(benchFile()));
    std::filesystem::remove(benchFile());
}
BENCHMARK(BM_ReadWaveformFile)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
