#include <gtest/gtest.h>

#include <QTest>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "device/generator_commands.h"
#include "device/virtual_generator.h"
#include "device/virtual_hid_bus.h"
#include "panel/headless_panel.h"

using namespace dds;
using namespace std::chrono_literals;

namespace {

class HeadlessPanelTest : public ::testing::Test {
protected:
    void Connect()
    {
        bus->Attach(generator);
        ASSERT_TRUE(panel.WaitForGenerator(2000ms));
    }
    std::vector<int> Codes() const
    {
        std::vector<int> codes;
        for (const auto& report : generator->Written())
            codes.push_back(report.at(1));
        return codes;
    }

    std::shared_ptr<VirtualHidBus> bus = std::make_shared<VirtualHidBus>();
    std::shared_ptr<VirtualGenerator> generator = std::make_shared<VirtualGenerator>();
    HeadlessPanel panel{bus, {std::nullopt, {}, 10000ms, {}}};
};

} // namespace

TEST_F(HeadlessPanelTest, RefusesBadValuesAndGeneratorOperationsWithoutOneChangingNothing)
{
    struct Case {
        const char* what;
        std::function<void()> operation;
        bool badValue; // else: no generator
    };
    const Case cases[] = {
        {"range 8", [&] { panel.ChooseSetting(8, 0); }, true},
        {"position 91", [&] { panel.ChooseSetting(5, 91); }, true},
        {"kind 13", [&] { panel.ChoosePreset(static_cast<WaveformKind>(13), {}); }, true},
        {"shape 0", [&] { panel.ChoosePreset(WaveformKind::Triangle, {100, 0, 0, 15}); }, true},
        {"coefficient 0", [&] { panel.SetShapeControls({100, 50, 0, 0}); }, true},
        {"vertical 257", [&] { panel.SetShapeControls({100, 50, 257, 15}); }, true},
        {"frequency 2 MHz", [&] { panel.ChooseFrequency(2e6); }, true},
        {"offset", [&] { panel.SetOffset(100); }, false},
        {"amplitude", [&] { panel.SetOutputAmplitude(40); }, false},
        {"filter", [&] { panel.ChooseFilter(3); }, false},
        {"transfer", [&] { panel.Transfer(); }, false},
    };
    const PanelState before = panel.State();
    for (const Case& c : cases) {
        if (c.badValue)
            EXPECT_THROW(c.operation(), std::invalid_argument) << c.what;
        else
            EXPECT_THROW(c.operation(), NoGenerator) << c.what;
    }
    const PanelState after = panel.State();
    EXPECT_EQ(after.range, before.range);
    EXPECT_EQ(after.kind, before.kind);
    EXPECT_EQ(after.shape, before.shape);
    EXPECT_EQ(after.table, before.table);
    EXPECT_EQ(after.offset, before.offset);
}

TEST_F(HeadlessPanelTest, ConnectsAgainAfterTheGeneratorWasUnplugged)
{
    std::vector<bool> connections;
    panel.SetEvents({{}, [&](bool connected) { connections.push_back(connected); }, {}, {}});
    Connect();
    bus->Unplug(*generator);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel.Connected(); }, 2000));
    bus->Plug(generator);
    ASSERT_TRUE(panel.WaitForGenerator(2000ms));
    EXPECT_EQ(connections, (std::vector<bool>{true, false, true}));
    // Each arrival: connect and the offset; the removal's closing command reaches nothing.
    EXPECT_EQ(Codes(), (std::vector<int>{gcHostConnected, gcOffset, gcHostConnected, gcOffset}));
}

TEST_F(HeadlessPanelTest, OperationsInsideATransferAreRefusedAndItsOutcomeIsKept)
{
    Connect();
    bool refused = false;
    panel.SetEvents({{}, {}, [&] {
                         try {
                             panel.ChooseSetting(1, 0);
                         } catch (const PanelLocked&) {
                             refused = true;
                         }
                     },
                     {}});
    panel.ChooseSetting(7, 90);
    const TransferOutcome outcome = panel.Transfer();
    EXPECT_TRUE(refused);
    EXPECT_EQ(panel.State().range, 7);
    EXPECT_EQ(outcome.acknowledged, 1); // 32 samples: one tail
    EXPECT_EQ(outcome.filter, 7);       // the sine calls for the range's filter
    EXPECT_EQ(panel.State().filter, 7);
    EXPECT_EQ(panel.State().lastTransfer, outcome);
    EXPECT_TRUE(panel.State().accepting);
}

TEST_F(HeadlessPanelTest, AGeneratorUnpluggedDuringATransferEndsItAndNamesTheBlocksNeverSent)
{
    Connect();
    // Connect, offset, header, then five blocks: the fifth vanishes with the generator.
    generator->UnplugAfter(7, [this] { bus->Unplug(*generator); });
    const TransferOutcome outcome = panel.Transfer();
    EXPECT_TRUE(outcome.stopped);
    EXPECT_TRUE(outcome.generatorVanished);
    EXPECT_EQ(outcome.acknowledged + outcome.timedOut + outcome.notSent, 52);
    EXPECT_GE(outcome.notSent, 47);
    EXPECT_EQ(outcome.filter, -1);
    EXPECT_FALSE(panel.Connected());
}
