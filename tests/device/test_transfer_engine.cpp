#include <gtest/gtest.h>

#include <QTimer>
#include <array>
#include <numeric>
#include <stdexcept>

#include "device/transfer_engine.h"

using namespace dds;
using namespace std::chrono_literals;

namespace {

using Report = std::array<uint8_t, 65>;

// A generator on the far side of the shared output report: every report as it went over the
// wire, and an acknowledgement for each block unless it is told to stay silent.
class WireGenerator : public TransferReportSink {
public:
    explicit WireGenerator(AcknowledgementCounter& counter) : counter_(counter) {}

    bool sendReport(uint8_t code, std::span<const uint8_t> payload) override
    {
        if (wire.size() == takes)
            return false; // refused, as by a pulled cable
        buffer_[0] = 0;
        buffer_[1] = code;
        std::copy(payload.begin(), payload.end(), buffer_.begin() + 2);
        wire.push_back(buffer_);
        if (onReport)
            onReport(code);
        if (acknowledges && (code == 4 || code == 5))
            QTimer::singleShot(1, [this] { counter_.Acknowledge(kAcknowledgement, 1); });
        return true;
    }
    // The filter off, as the window starts: only another filter is sent.
    bool filterSelected(int filter) const override { return filter == 0; }

    std::vector<uint8_t> codes() const
    {
        std::vector<uint8_t> result;
        for (const Report& report : wire)
            result.push_back(report[1]);
        return result;
    }

    std::vector<Report> wire;
    bool acknowledges = true;
    size_t takes = SIZE_MAX; // reports it takes before refusing every later one
    std::function<void(uint8_t)> onReport;

private:
    static constexpr uint8_t kAcknowledgement[] = {1};
    AcknowledgementCounter& counter_;
    Report buffer_{};
};

class RecordingProgress : public TransferProgress {
public:
    void blocksStarting(int blocks) override { events.push_back("max " + std::to_string(blocks)); }
    void blockSending(int block) override { events.push_back("at " + std::to_string(block)); }
    void filterSelected(int filter) override { filters.push_back(filter); }
    std::vector<std::string> events;
    std::vector<int> filters;
};

std::vector<uint8_t> Ramp(int count)
{
    std::vector<uint8_t> samples(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        samples[static_cast<std::size_t>(i)] = static_cast<uint8_t>((i * 5 + 3) % 256);
    return samples;
}

class TransferEngineTest : public ::testing::Test {
protected:
    TransferSummary transfer(int count, WaveformKind kind = WaveformKind::Triangle, int range = 5)
    {
        TransferEngine engine(generator, wait, [this] { return stop; });
        return engine.run({range, kind, Ramp(count)}, progress);
    }

    // The sample bytes the generator received, in order, from the blocks and the tail.
    std::vector<uint8_t> receivedSamples(int count) const
    {
        std::vector<uint8_t> samples;
        for (const Report& report : generator.wire) {
            if (report[1] == 4)
                samples.insert(samples.end(), report.begin() + 2, report.begin() + 64);
            if (report[1] == 5)
                samples.insert(samples.end(), report.begin() + 2, report.begin() + 2 + count % 62);
        }
        return samples;
    }

    AcknowledgementCounter counter;
    QTimer timer; // raises the counter on each tick, as the holder's does
    QMetaObject::Connection ticking = QObject::connect(&timer, &QTimer::timeout, [this] { counter.Tick(); });
    AcknowledgementWait wait{timer, counter, 2000ms};
    WireGenerator generator{counter};
    RecordingProgress progress;
    bool stop = false;
};

} // namespace

TEST_F(TransferEngineTest, FullLengthWaveformGoesOutAsFiftyOneBlocksAndATailOf38)
{
    const TransferSummary summary = transfer(3200);
    const Report& header = generator.wire.front();
    EXPECT_EQ(header[1], 3);
    EXPECT_EQ(header[2], 5);
    EXPECT_EQ(header[3], 51);
    EXPECT_EQ(header[4], 0x0C);
    EXPECT_EQ(header[5], 0x80);
    EXPECT_EQ(header[6], 3);

    std::vector<uint8_t> expected{3};
    expected.insert(expected.end(), 51, 4);
    expected.insert(expected.end(), {5, 7, 6});
    EXPECT_EQ(generator.codes(), expected);
    EXPECT_EQ(receivedSamples(3200), Ramp(3200));
    EXPECT_EQ(summary.layout.blocks, 51);
    EXPECT_EQ(summary.layout.tail, 38);
    EXPECT_EQ(summary.acknowledged, 52);
    EXPECT_EQ(summary.timedOut, 0);
    EXPECT_FALSE(summary.stopped);
}

TEST_F(TransferEngineTest, TailLeavesTheLaterBytesAsTheLastBlockLeftThem)
{
    transfer(100);
    ASSERT_EQ(generator.codes(), (std::vector<uint8_t>{3, 4, 5, 7, 6}));
    const Report& block = generator.wire[1];
    const Report& tail = generator.wire[2];
    EXPECT_TRUE(std::equal(tail.begin() + 2 + 38, tail.begin() + 64, block.begin() + 2 + 38));
    EXPECT_EQ(receivedSamples(100), Ramp(100));
    EXPECT_EQ(progress.events, (std::vector<std::string>{"max 1", "at 1"}));
}

TEST_F(TransferEngineTest, ExactMultipleOfTheBlockSizeSendsNoTail)
{
    const TransferSummary summary = transfer(124);
    EXPECT_EQ(generator.codes(), (std::vector<uint8_t>{3, 4, 4, 7, 6}));
    EXPECT_EQ(summary.acknowledged, 2);
    EXPECT_EQ(progress.events, (std::vector<std::string>{"max 2", "at 1", "at 2"}));
}

TEST_F(TransferEngineTest, ShortWaveformIsOneTailAndOneWait)
{
    const TransferSummary summary = transfer(40);
    EXPECT_EQ(generator.wire.front()[3], 0);
    EXPECT_EQ(generator.wire.front()[5], 40);
    EXPECT_EQ(generator.codes(), (std::vector<uint8_t>{3, 5, 7, 6}));
    EXPECT_EQ(receivedSamples(40), Ramp(40));
    EXPECT_EQ(summary.acknowledged, 1);
    EXPECT_EQ(progress.events, (std::vector<std::string>{"max 0"}));
}

TEST_F(TransferEngineTest, WhiteNoiseSendsTheNoiseCommandWithoutBlocksOrWaits)
{
    generator.acknowledges = false; // any wait would show as a time-out
    const TransferSummary summary = transfer(3200, WaveformKind::WhiteNoise, 3);
    EXPECT_EQ(generator.codes(), (std::vector<uint8_t>{3, 9, 7, 6}));
    EXPECT_EQ(generator.wire.front()[6], 12);
    EXPECT_EQ(summary.acknowledged + summary.timedOut, 0);
    EXPECT_TRUE(progress.events.empty());
    EXPECT_EQ(progress.filters, std::vector<int>{0});
}

TEST_F(TransferEngineTest, SmoothWaveformsChooseTheRangeFilterAndTheOthersNone)
{
    transfer(64, WaveformKind::Sine, 3);
    transfer(64, WaveformKind::CapacitorCharge, 7);
    transfer(64, WaveformKind::Rectangle, 3);
    transfer(64, WaveformKind::WhiteNoise, 3);
    EXPECT_EQ(progress.filters, (std::vector<int>{3, 7, 0, 0}));
    for (int kind = 1; kind <= 12; ++kind) {
        const bool smooth = kind == 1 || (kind >= 6 && kind <= 8);
        EXPECT_EQ(FilterForTransfer(static_cast<WaveformKind>(kind), 4), smooth ? 4 : 0) << kind;
    }
}

TEST_F(TransferEngineTest, ARefusedReportEndsTheTransferThere)
{
    for (const WaveformKind kind : {WaveformKind::WhiteNoise, WaveformKind::Sine}) {
        generator.takes = SIZE_MAX;
        generator.wire.clear();
        transfer(100, kind, 3);
        const std::vector<uint8_t> whole = generator.codes(); // ends with the filter command
        for (size_t k = 0; k <= whole.size(); ++k) {
            SCOPED_TRACE(testing::Message() << "kind " << int(kind) << ", refused after " << k);
            generator.wire.clear();
            generator.takes = k;
            progress.filters.clear();
            const TransferSummary summary = transfer(100, kind, 3);
            EXPECT_EQ(generator.codes(), std::vector<uint8_t>(whole.begin(), whole.begin() + static_cast<long>(k)));
            EXPECT_EQ(summary.delivered, generator.codes());
            EXPECT_EQ(summary.stopped, k < whole.size());
            EXPECT_EQ(progress.filters.size(), k < whole.size() ? 0u : 1u);
            EXPECT_FALSE(timer.isActive());
        }
    }
}

TEST_F(TransferEngineTest, SilentGeneratorMakesEveryWaitRunItsPeriodAndTheTransferStillEnds)
{
    generator.acknowledges = false;
    AcknowledgementWait shortWait(timer, counter, 30ms);
    TransferEngine engine(generator, shortWait, {});
    const TransferSummary summary = engine.run({5, WaveformKind::Triangle, Ramp(100)}, progress);
    EXPECT_EQ(summary.timedOut, 2);
    EXPECT_EQ(summary.acknowledged, 0);
    EXPECT_EQ(generator.codes(), (std::vector<uint8_t>{3, 4, 5, 7, 6}));
    EXPECT_FALSE(timer.isActive());
    EXPECT_EQ(counter.Value(), 0);
}

TEST_F(TransferEngineTest, StopDuringAWaitEndsTheTransferWithNothingMoreWritten)
{
    generator.onReport = [this](uint8_t code) {
        if (code != 4 || generator.codes().size() != 4)
            return;
        generator.acknowledges = false; // the third block: the window closes during its wait
        QTimer::singleShot(5, [this] { stop = true; });
    };
    const TransferSummary summary = transfer(3200);
    EXPECT_TRUE(summary.stopped);
    EXPECT_EQ(generator.codes(), (std::vector<uint8_t>{3, 4, 4, 4}));
    EXPECT_TRUE(progress.filters.empty());
    EXPECT_FALSE(timer.isActive());
}

TEST_F(TransferEngineTest, StopBeforeTheStartSendsNothing)
{
    stop = true;
    EXPECT_TRUE(transfer(3200).stopped);
    EXPECT_TRUE(generator.wire.empty());
}

TEST_F(TransferEngineTest, RequestsTheGeneratorCannotTakeAreRefusedBeforeAnyReport)
{
    TransferEngine engine(generator, wait, {});
    EXPECT_THROW(engine.run({0, WaveformKind::Sine, Ramp(64)}, progress), std::invalid_argument);
    EXPECT_THROW(engine.run({8, WaveformKind::Sine, Ramp(64)}, progress), std::invalid_argument);
    EXPECT_THROW(engine.run({1, static_cast<WaveformKind>(13), Ramp(64)}, progress), std::invalid_argument);
    EXPECT_THROW(engine.run({1, WaveformKind::Sine, {}}, progress), std::invalid_argument);
    EXPECT_THROW(engine.run({1, WaveformKind::Sine, Ramp(3201)}, progress), std::invalid_argument);
    EXPECT_TRUE(generator.wire.empty());
}

TEST_F(TransferEngineTest, EndsOnTheAcknowledgementAndTellsItFromATimeOut)
{
    AcknowledgementWait longWait(timer, counter, 5000ms);
    const uint8_t acknowledgement[] = {1, 0};
    QTimer::singleShot(5, [&] { counter.Acknowledge(acknowledgement, 2); });
    EXPECT_EQ(longWait.run({}), AcknowledgementWait::Outcome::Acknowledged);

    AcknowledgementWait shortWait(timer, counter, 20ms);
    const uint8_t other[] = {2, 1};
    QTimer::singleShot(1, [&] { counter.Acknowledge(other, 2); }); // not an acknowledgement
    EXPECT_EQ(shortWait.run({}), AcknowledgementWait::Outcome::TimedOut);
    EXPECT_EQ(counter.Value(), 0);
    EXPECT_FALSE(timer.isActive());
}

TEST_F(TransferEngineTest, LeftoverCounterDoesNotEndTheWait)
{
    AcknowledgementWait shortWait(timer, counter, 60ms);
    for (int tick = 0; tick < 7; ++tick)
        counter.Tick(); // ticks counted while no transfer ran
    EXPECT_EQ(shortWait.run({}), AcknowledgementWait::Outcome::TimedOut);
    EXPECT_EQ(timer.interval(), 60);
}
