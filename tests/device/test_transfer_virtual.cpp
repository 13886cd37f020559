#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "device/generator_commands.h"
#include "device/transfer_bytes.h"
#include "device/transfer_link_sink.h"
#include "device/transfer_session.h"
#include "device/virtual_generator.h"
#include "device/virtual_hid_bus.h"
#include "synthesis/waveform_synthesis.h"

using namespace dds;
using namespace std::chrono_literals;

namespace {

// A whole transfer, picture work included, to the in-process generator.
class VirtualTransfer : public ::testing::Test {
protected:
    void SetUp() override
    {
        bus->Attach(generator);
        ASSERT_TRUE(session.waitForGenerator(2000ms));
    }

    TransferSummary transfer(WaveformKind kind, int sampleCount, std::chrono::milliseconds period = 2000ms)
    {
        WaveformTable table;
        ComputeWaveform(table, kind, WaveformParams{});
        samples = MakeByteImage(table, sampleCount, folder.path(), {}).samples;
        GeneratorLinkSink sink(session.link());
        AcknowledgementWait wait(session.clock().timer(), session.clock().counter(), period);
        TransferEngine engine(sink, wait, [this] { return session.removed(); });
        TransferProgress progress;
        return engine.run({3, kind, samples}, progress);
    }

    std::shared_ptr<VirtualHidBus> bus = std::make_shared<VirtualHidBus>();
    std::shared_ptr<VirtualGenerator> generator = std::make_shared<VirtualGenerator>();
    TransferSession session{bus};
    QTemporaryDir folder;
    std::vector<uint8_t> samples;
};

} // namespace

TEST_F(VirtualTransfer, GeneratorHoldsTheSampleCountsWorthOfBytes)
{
    for (int count : {3200, 2133, 124, 100, 40, 32}) {
        const TransferSummary summary = transfer(WaveformKind::Sine, count);
        const GeneratorModel model = generator->Model();
        EXPECT_EQ(model.sampleCount, count);
        EXPECT_EQ(model.fullBlocks, count / 62);
        EXPECT_EQ(model.range, 3);
        EXPECT_EQ(model.kind, 1);
        EXPECT_EQ(model.samples, samples) << count;
        EXPECT_EQ(summary.acknowledged, count / 62 + (count % 62 ? 1 : 0));
        EXPECT_EQ(summary.timedOut, 0);
    }
    EXPECT_EQ(generator->Model().transfersClosed, 6);
}

TEST_F(VirtualTransfer, WhiteNoiseSwitchesTheGeneratorToNoiseWithoutSamples)
{
    const size_t before = generator->WriteCount();
    const TransferSummary summary = transfer(WaveformKind::WhiteNoise, 3200);
    EXPECT_TRUE(generator->Model().noiseMode);
    EXPECT_TRUE(generator->Model().samples.empty());
    EXPECT_EQ(generator->WriteCount() - before, 4u);
    EXPECT_EQ(summary.acknowledged + summary.timedOut, 0);
}

TEST_F(VirtualTransfer, NeverAcknowledgingGeneratorStillReceivesTheWholeTransfer)
{
    generator->SetAcknowledging(false);
    const TransferSummary summary = transfer(WaveformKind::Triangle, 100, 30ms);
    EXPECT_EQ(summary.timedOut, 2);
    EXPECT_EQ(summary.acknowledged, 0);
    EXPECT_EQ(generator->Model().samples, samples);
    EXPECT_EQ(generator->Model().transfersClosed, 1);
}

TEST_F(VirtualTransfer, UnrelatedInputReportsDoNotCountAsAcknowledgements)
{
    generator->SetAcknowledging(false);
    generator->SetUnrelatedInput(2ms);
    const TransferSummary summary = transfer(WaveformKind::Triangle, 100, 40ms);
    generator->SetUnrelatedInput(0ms);
    EXPECT_EQ(summary.timedOut, 2);
    EXPECT_EQ(summary.acknowledged, 0);
}

TEST_F(VirtualTransfer, UnplugDuringTheTransferStopsItWithNothingWrittenAfterwards)
{
    generator->SetAcknowledging(false); // the removal, not an acknowledgement, ends the wait
    const size_t before = generator->WriteCount();
    generator->UnplugAfter(before + 2, [this] { bus->Unplug(*generator); });
    const TransferSummary summary = transfer(WaveformKind::Triangle, 3200, 1000ms);
    EXPECT_TRUE(summary.stopped);
    EXPECT_TRUE(session.removed());
    EXPECT_EQ(generator->WriteCount(), before + 2); // the header and the first block
    EXPECT_EQ(generator->Model().transfersClosed, 0);
    // Not even offered to the departed device: the shared report still holds the first block.
    EXPECT_EQ(session.link().Report()[1], gcSampleBlock);
    EXPECT_EQ(session.link().Report()[2], samples[0]);
}
