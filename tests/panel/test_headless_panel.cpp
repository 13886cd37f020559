#include <gtest/gtest.h>

#include <QTest>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "event_waits.h"
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
    HeadlessPanel panel{bus, {std::nullopt, 10000ms, {}}};
};

} // namespace

TEST_F(HeadlessPanelTest, RefusesBadValuesAndGeneratorOperationsWithoutOneChangingNothing)
{
    using Operation = std::function<void()>;
    // clang-format off
    const std::pair<const char*, Operation> badValues[] = {
        {"range 8", [&] { panel.ChooseSetting(8, 0); }},
        {"position 91", [&] { panel.ChooseSetting(5, 91); }},
        {"kind 13", [&] { panel.ChoosePreset(static_cast<WaveformKind>(13), {}); }},
        {"shape 0", [&] { panel.ChoosePreset(WaveformKind::Triangle, {100, 0, 0, 15}); }},
        {"coefficient 0", [&] { panel.SetShapeControls({100, 50, 0, 0}); }},
        {"vertical 257", [&] { panel.SetShapeControls({100, 50, 257, 15}); }},
        {"2 MHz", [&] { panel.ChooseFrequency(2e6); }},
    };
    const std::pair<const char*, Operation> generatorOperations[] = {
        {"offset", [&] { panel.SetOffset(100); }}, {"amplitude", [&] { panel.SetOutputAmplitude(40); }},
        {"filter", [&] { panel.ChooseFilter(3); }}, {"transfer", [&] { panel.Transfer(); }},
    };
    // clang-format on
    const PanelState before = panel.State();
    for (const auto& [what, operation] : badValues)
        EXPECT_THROW(operation(), std::invalid_argument) << what;
    for (const auto& [what, operation] : generatorOperations)
        EXPECT_THROW(operation(), NoGenerator) << what;
    EXPECT_EQ(panel.State(), before);
}

TEST_F(HeadlessPanelTest, ConnectsAgainAfterTheGeneratorWasUnplugged)
{
    std::vector<bool> connections;
    panel.SetEvents({{}, [&](bool connected) { connections.push_back(connected); }, {}, {}});
    Connect();
    bus->Unplug(*generator);
    ASSERT_TRUE(dds::test::WaitFor("the panel to hear of the loss", [&] { return !panel.Connected(); }));
    bus->Plug(generator);
    ASSERT_TRUE(panel.WaitForGenerator(2000ms));
    EXPECT_EQ(connections, (std::vector<bool>{true, false, true}));
    // Each arrival: connect and the offset; the removal's closing command reaches nothing.
    EXPECT_EQ(Codes(), (std::vector<int>{gcHostConnected, gcOffset, gcHostConnected, gcOffset}));
}

TEST_F(HeadlessPanelTest, OperationsInsideATransferAreRefusedAndItsOutcomeIsKept)
{
    Connect();
    int started = 0;
    panel.SetEvents({{},
                     {},
                     [&] {
                         ++started;
                         EXPECT_THROW(panel.ChooseSetting(1, 0), PanelLocked);
                     },
                     {}});
    const TransferOutcome outcome = panel.Transfer();
    EXPECT_EQ(started, 1);
    EXPECT_EQ(outcome.acknowledged, 52);
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
    EXPECT_EQ(static_cast<int>(outcome.blocks.size()) + outcome.notSent, 52);
    EXPECT_GE(outcome.notSent, 47);
    EXPECT_EQ(outcome.filter, -1);
    // The holder tells of the loss once the transfer has returned to the event loop.
    EXPECT_TRUE(dds::test::WaitFor("the panel to hear of the loss", [this] { return !panel.Connected(); }));
}

TEST_F(HeadlessPanelTest, GreetingOnTheFirstReportSendsOnlyWhatIsAsked)
{
    HeadlessPanelOptions options;
    options.greeting = Greeting::OnFirstReport;
    auto quietBus = std::make_shared<VirtualHidBus>();
    HeadlessPanel quiet(quietBus, options);
    quietBus->Attach(generator);
    ASSERT_TRUE(quiet.WaitForGenerator(2000ms));
    EXPECT_TRUE(Codes().empty()) << "the arrival says nothing";
    // The start values go out too: the generator was never told them.
    quiet.SetOffset(127);
    quiet.ChooseFilter(0);
    quiet.SetOffset(127);
    quiet.ChooseFilter(0);
    quiet.StepOutputAmplitude(7);
    quiet.StepOutputAmplitude(-5);
    EXPECT_EQ(Codes(),
              (std::vector<int>{gcHostConnected, gcOffset, FilterCommand(0), gcAmplitudeStep, gcAmplitudeStep}));
    EXPECT_EQ(generator->Written().back().at(2), 5); // five steps up
    EXPECT_EQ(generator->Written().back().at(3), 1);
    EXPECT_THROW(quiet.StepOutputAmplitude(100), std::invalid_argument);
    EXPECT_EQ(quiet.State().outputAmplitude, 97);
}
