#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <memory>

#include "device/backend_options.h"
#include "device/generator_commands.h"
#include "device/generator_holder.h"
#include "device/hid_device.h"
#include "device/transfer_bytes.h"
#include "device/virtual_generator.h"
#include "device/virtual_hid_bus.h"
#include "event_waits.h"
#include "synthesis/waveform_synthesis.h"

using namespace dds;
using namespace std::chrono_literals;

namespace {

// A whole transfer, picture work included, to the in-process generator.
class VirtualTransfer : public ::testing::Test {
protected:
    void SetUp() override
    {
        holder.FollowPlugging();
        bus->Attach(generator);
        ASSERT_TRUE(holder.WaitForGenerator(2000ms));
    }

    // The default wait is only reached when an acknowledgement is missing: long, so that a loaded
    // machine under ThreadSanitizer (2 s seen not to be enough) still counts every block acknowledged.
    TransferSummary transfer(WaveformKind kind, int sampleCount, std::chrono::milliseconds period = 10000ms)
    {
        WaveformTable table;
        ComputeWaveform(table, kind, WaveformParams{});
        samples = MakeByteImage(table, sampleCount, folder.path(), {}).samples;
        TransferProgress progress;
        return holder.Transfer({3, kind, samples}, progress, {period, {}});
    }

    std::shared_ptr<VirtualHidBus> bus = std::make_shared<VirtualHidBus>();
    std::shared_ptr<VirtualGenerator> generator = std::make_shared<VirtualGenerator>();
    GeneratorHolder holder{bus};
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
    EXPECT_EQ(generator->WriteCount() - before, 5u) << "header, noise, the two closing reports, the filter";
    EXPECT_EQ(generator->Model().filter, 0);
    EXPECT_EQ(summary.acknowledged + summary.timedOut, 0);
}

TEST_F(VirtualTransfer, NeverAcknowledgingGeneratorStillReceivesTheWholeTransfer)
{
    generator->SetAcknowledging(false);
    const TransferSummary summary = transfer(WaveformKind::Triangle, 100, 30ms);
    EXPECT_EQ(summary.timedOut, 2);
    EXPECT_EQ(summary.acknowledged, 0);
    EXPECT_EQ(summary.blocks, (std::vector<BlockOutcome>{BlockOutcome::TimedOut, BlockOutcome::TimedOut}));
    EXPECT_FALSE(summary.generatorLost);
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
    EXPECT_TRUE(summary.generatorLost);
    EXPECT_TRUE(holder.Lost());
    EXPECT_EQ(summary.blocks, std::vector<BlockOutcome>{BlockOutcome::Unanswered})
        << "the first block's wait ended with the removal";
    EXPECT_EQ(generator->WriteCount(), before + 2); // the header and the first block
    EXPECT_EQ(generator->Model().transfersClosed, 0);
    // Not even offered to the departed device: the shared report still holds the first block.
    EXPECT_EQ(holder.Report()[1], gcSampleBlock);
    EXPECT_EQ(holder.Report()[2], samples[0]);
}

namespace {

std::shared_ptr<VirtualHidInterface> Interface(const char* path, uint16_t vendor, uint16_t product,
                                               VirtualHidInterface::Openness openness)
{
    HidInterfaceInfo info;
    info.path = info.instanceId = path;
    info.vendorId = vendor;
    info.productId = product;
    info.inputReportLength = info.outputReportLength = 65;
    return std::make_shared<VirtualHidInterface>(info, openness);
}

// Each bus holds the interfaces in the order they are announced.
std::vector<ClaimResult> ClaimAnswers(GeneratorHolder& holder, VirtualHidBus& bus,
                                      const std::vector<std::shared_ptr<VirtualHidInterface>>& interfaces)
{
    std::vector<ClaimResult> answers;
    holder.FollowPlugging(
        {.arrival = [&](TJvHidDevice*, ClaimResult answer) { answers.push_back(answer); }, .lost = {}, .data = {}});
    for (const auto& interface : interfaces)
        bus.Attach(interface);
    EXPECT_TRUE(test::WaitFor("an answer for every interface", [&] { return answers.size() == interfaces.size(); }));
    return answers;
}

} // namespace

TEST(GeneratorHolderClaim, TakesOneGeneratorLeavesOthersAloneAndNamesOneItMayNotOpen)
{
    auto bus = std::make_shared<VirtualHidBus>();
    GeneratorHolder holder{bus};
    EXPECT_EQ(ClaimAnswers(holder, *bus,
                           {Interface("virtual:mouse", 0x046D, 0xC077, VirtualHidInterface::Openness::ReadWrite),
                            Interface("virtual:first", kGeneratorVendorId, kGeneratorProductId,
                                      VirtualHidInterface::Openness::ReadWrite),
                            Interface("virtual:second", kGeneratorVendorId, kGeneratorProductId,
                                      VirtualHidInterface::Openness::ReadWrite)}),
              (std::vector<ClaimResult>{ClaimResult::NotGenerator, ClaimResult::Claimed, ClaimResult::AlreadyHolding}));
    EXPECT_EQ(holder.Generator()->PnPInfo().DevicePath(), "virtual:first");
    EXPECT_EQ(holder.Controller().NumClaimed(), 1);
    EXPECT_TRUE(holder.InaccessibleGenerator().empty());

    auto lockedBus = std::make_shared<VirtualHidBus>();
    GeneratorHolder lockedOut{lockedBus};
    EXPECT_EQ(ClaimAnswers(lockedOut, *lockedBus,
                           {Interface("/dev/hidraw7", kGeneratorVendorId, kGeneratorProductId,
                                      VirtualHidInterface::Openness::WithoutAccess)}),
              std::vector<ClaimResult>{ClaimResult::Inaccessible});
    EXPECT_FALSE(lockedOut.Holds());
    EXPECT_EQ(lockedOut.InaccessibleGenerator(), "/dev/hidraw7");

    // The interface that arrived is the one taken, not the first listed with the same ids.
    auto bothBus = std::make_shared<VirtualHidBus>();
    GeneratorHolder second{bothBus};
    EXPECT_EQ(ClaimAnswers(second, *bothBus,
                           {Interface("virtual:locked", kGeneratorVendorId, kGeneratorProductId,
                                      VirtualHidInterface::Openness::WithoutAccess),
                            Interface("virtual:open", kGeneratorVendorId, kGeneratorProductId,
                                      VirtualHidInterface::Openness::ReadWrite)}),
              (std::vector<ClaimResult>{ClaimResult::Inaccessible, ClaimResult::Claimed}));
    EXPECT_EQ(second.Generator()->PnPInfo().DevicePath(), "virtual:open");
}

// The in-process generator flooding its input, gone after the first report: whatever its read
// thread held last is let go on the UI thread, so no timer of it is stopped from another thread.
TEST(GeneratorHolderFaults, FloodThenUnplugAfterTheFirstReportStopsNoTimerFromAnotherThread)
{
    static std::atomic<int> crossThreadTimers = 0;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
            if (text.contains("another thread"))
                ++crossThreadTimers;
        });
    BackendChoice choice;
    choice.virtualGenerator = true;
    choice.virtualFaults.flood = true;
    choice.virtualFaults.unplugAfterReports = 1;
    {
        GeneratorHolder holder{MakeBackend(choice)};
        bool lost = false;
        holder.FollowPlugging({.arrival = {}, .lost = [&lost] { lost = true; }, .data = {}});
        ASSERT_TRUE(holder.WaitForGenerator(2000ms));
        EXPECT_EQ(holder.Send(gcHostConnected), Delivery::Written);
        EXPECT_TRUE(RunEventsUntil([&lost] { return lost; }, 2000ms)) << "the removal notice";
        EXPECT_EQ(holder.Send(gcOffset, {1}), Delivery::Refused);
        EXPECT_EQ(holder.CloseAndRelease(), Delivery::Refused);
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(crossThreadTimers, 0);
}

TEST_F(VirtualTransfer, CloseAndReleaseSendsTheClosingCommandOnceAndLetsTheGeneratorGo)
{
    holder.CloseAndRelease();
    holder.CloseAndRelease();
    EXPECT_EQ(generator->Model().hostClosings, 1);
    EXPECT_FALSE(holder.Holds());
    EXPECT_EQ(generator->OpenHandles(), 0u);
    EXPECT_EQ(holder.Controller().NumClaimed(), 0);
}

TEST_F(VirtualTransfer, CallersStopEndsTheTransferWithTheBlocksSoFarAndTheGeneratorStillThere)
{
    WaveformTable table;
    ComputeWaveform(table, WaveformKind::Triangle, WaveformParams{});
    samples = MakeByteImage(table, 3200, folder.path(), {}).samples;
    const size_t before = generator->WriteCount();
    TransferProgress progress;
    const TransferSummary summary = holder.Transfer(
        {3, WaveformKind::Triangle, samples}, progress,
        {2000ms, [&] { return generator->WriteCount() - before >= 3; }});
    EXPECT_TRUE(summary.stopped);
    EXPECT_FALSE(summary.generatorLost);
    EXPECT_EQ(summary.blocks, (std::vector<BlockOutcome>{BlockOutcome::Acknowledged, BlockOutcome::Unanswered}));
    EXPECT_EQ(generator->WriteCount() - before, 3u) << "header and two blocks, nothing after the stop";
    EXPECT_TRUE(holder.Holds());
}

// The timer's tick raises the counter; of the generator's input reports only an acknowledgement
// sets it, to 1.
TEST_F(VirtualTransfer, TicksRaiseTheCounterAndOnlyAnAcknowledgementSetsIt)
{
    holder.TickAcknowledgement();
    EXPECT_EQ(holder.AcknowledgementCount(), 1);
    generator->QueueInput({0, 0x55, 1});
    QTest::qWait(30);
    EXPECT_EQ(holder.AcknowledgementCount(), 1);
    holder.TickAcknowledgement();
    generator->QueueInput({0, 1});
    ASSERT_TRUE(dds::test::WaitFor("the acknowledgement", [this] { return holder.AcknowledgementCount() == 1; }));
}
