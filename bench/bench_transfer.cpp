// The transfer's two costs at the longest waveform (N = 3200): the picture work that turns the
// table into bytes (bitmap written and read back included), and a whole transfer to the virtual
// generator acknowledging each block after 1 ms, whose floor is 52 waits of 1 ms.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <memory>

#include "device/transfer_bytes.h"
#include "device/generator_holder.h"
#include "device/virtual_generator.h"
#include "device/virtual_hid_bus.h"
#include "synthesis/waveform_synthesis.h"

namespace {

constexpr int kSampleCount = 3200;

dds::WaveformTable Triangle()
{
    dds::WaveformTable table;
    dds::ComputeWaveform(table, dds::WaveformKind::Triangle, dds::WaveformParams{});
    return table;
}

void KeepResponsive() { QCoreApplication::processEvents(); }

void BM_TableToBytes(benchmark::State& state)
{
    const dds::WaveformTable table = Triangle();
    QTemporaryDir folder;
    for (auto _ : state)
        benchmark::DoNotOptimize(dds::MakeByteImage(table, kSampleCount, folder.path(), KeepResponsive));
}
BENCHMARK(BM_TableToBytes)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

// state.range(0): 1 for the whole transfer, 0 for the sending alone (the bytes made once).
void BM_TransferToVirtualGenerator(benchmark::State& state)
{
    const bool withPicture = state.range(0) == 1;
    auto bus = std::make_shared<dds::VirtualHidBus>();
    bus->Attach(std::make_shared<dds::VirtualGenerator>()); // 1 ms acknowledgement latency
    dds::GeneratorHolder holder(bus);
    holder.FollowPlugging();
    if (!holder.WaitForGenerator(std::chrono::milliseconds(2000))) {
        state.SkipWithError("virtual generator not claimed");
        return;
    }
    const dds::WaveformTable table = Triangle();
    QTemporaryDir folder;
    dds::TransferProgress progress;
    std::vector<uint8_t> samples = dds::MakeByteImage(table, kSampleCount, folder.path(), {}).samples;
    for (auto _ : state) {
        if (withPicture)
            samples = dds::MakeByteImage(table, kSampleCount, folder.path(), KeepResponsive).samples;
        const dds::TransferSummary summary = holder.Transfer({5, dds::WaveformKind::Triangle, samples}, progress);
        if (summary.acknowledged != 52)
            state.SkipWithError("a block was not acknowledged");
    }
}
BENCHMARK(BM_TransferToVirtualGenerator)
    ->ArgName("whole")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
