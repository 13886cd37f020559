// The window's front panel and the headless one, driven through the same operations: the generator
// hears the same reports, byte for byte, and the two end in the same state.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "event_waits.h"
#include "device/report_log.h"
#include "device/virtual_generator.h"
#include "device/virtual_hid_bus.h"
#include "panel/headless_panel.h"
#include "shell/unit1.h"
#include "test_services.h"
#include "window_controls.h"

using namespace dds;
using namespace std::chrono_literals;

namespace {

// A generator on a bus of its own, whose reports are logged to a file.
struct LoggedGenerator {
    explicit LoggedGenerator(const QString& logPath)
        : path(logPath), backend(LoggingBackend(bus, std::make_shared<ReportLog>(logPath.toStdString())))
    {
        bus->Attach(generator);
    }
    std::string Log() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }

    QString path;
    std::shared_ptr<VirtualHidBus> bus = std::make_shared<VirtualHidBus>();
    std::shared_ptr<VirtualGenerator> generator = std::make_shared<VirtualGenerator>();
    std::shared_ptr<HidBackend> backend;
};

WaveformTable Sawtooth()
{
    WaveformTable table;
    for (int32_t n = 1; n <= WaveformTable::kLength; ++n)
        table[n] = (n * 7) % 256;
    return table;
}

struct Case {
    const char* name;
    std::function<void(FrontPanel&)> operate;
};

using K = WaveformKind;
// clang-format off
const Case kSequences[] = {
    {"start_up_sine", [](FrontPanel& p) { p.Transfer(); }},
    {"the_same_sine_twice_on_range_1", [](FrontPanel& p) { p.ChooseSetting(1, 30); p.Transfer(); p.Transfer(); }},
    {"triangle_range_3", [](FrontPanel& p) {
         p.ChooseSetting(3, 45); p.ChoosePreset(K::Triangle, {100, 30, 0, 15}); p.Transfer(); }},
    {"rectangle_half_amplitude_moved_down", [](FrontPanel& p) {
         p.ChoosePreset(K::Rectangle, {50, 20, -40, 15}); p.Transfer(); }},
    {"capacitor_curves_and_their_filters", [](FrontPanel& p) {
         p.ChooseSetting(6, 10); p.ChoosePreset(K::CapacitorChargeDischarge, {100, 70, 0, 15}); p.Transfer();
         p.ChooseSetting(2, 90); p.ChoosePreset(K::CapacitorDischarge, {80, 99, 10, 15}); p.Transfer(); }},
    {"ramps", [](FrontPanel& p) {
         p.ChoosePreset(K::FallingRamp, PresetStartControls(K::FallingRamp)); p.Transfer();
         p.ChoosePreset(K::RisingRamp, {60, 50, 0, 15}); p.Transfer(); }},
    {"modulations", [](FrontPanel& p) {
         p.ChooseSetting(4, 20); p.ChoosePreset(K::AmplitudeModulation, {100, 50, 0, 3}); p.Transfer();
         p.ChoosePreset(K::FrequencyModulation, {90, 50, 5, 25}); p.Transfer(); }},
    {"white_noise_after_a_sine_on_range_7", [](FrontPanel& p) {
         p.ChooseSetting(7, 70); p.Transfer();
         p.ChoosePreset(K::WhiteNoise, PresetStartControls(K::WhiteNoise)); p.Transfer(); }},
    // A loaded table keeps the kind; a knob left where it is computes nothing, a knob moved does.
    {"loaded_table", [](FrontPanel& p) {
         p.ChoosePreset(K::DC, PresetStartControls(K::DC)); p.LoadTable(Sawtooth()); p.Transfer();
         p.SetShapeControls({100, 50, 0, 15}); p.Transfer(); p.SetShapeControls({70, 50, 0, 15}); p.Transfer(); }},
    {"offset_and_amplitude_steps", [](FrontPanel& p) {
         for (int offset : {0, 255, 255}) p.SetOffset(offset);
         for (int amplitude : {40, 60, 60}) p.SetOutputAmplitude(amplitude);
         p.Transfer(); }},
    {"filters_by_hand_and_by_the_transfer", [](FrontPanel& p) {
         for (int filter : {3, 3, 0, 5}) p.ChooseFilter(filter);
         p.Transfer(); p.ChoosePreset(K::Triangle, PresetStartControls(K::Triangle)); p.Transfer(); }},
    {"frequencies_by_hertz_nominal_and_played", [](FrontPanel& p) {
         p.ChooseFrequency(1500); p.Transfer();
         p.ChooseFrequency(950000, FrequencyRule::Played); p.ChoosePreset(K::Sine, {100, 50, 0, 15}); p.Transfer(); }},
};
// clang-format on

class FrontPanelConformance : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override
    {
        services.scratchFolder = folder.path();
        window = std::make_unique<TForm1>(services.For(windowSide.backend));
        ASSERT_TRUE(dds::test::WaitFor("the generator to connect", [this] { return window->FrontPanel().Connected(); }));
        // The operator waits out the start-up picture.
        QTimer* picture = Find<QTimer>(*window, "Timer2");
        while (picture->isActive())
            Tick(picture);
        ASSERT_TRUE(headless.WaitForGenerator(2000ms));
    }
    void TearDown() override { EXPECT_TRUE(services.errors.isEmpty()) << services.errors.join('\n').toStdString(); }

    QTemporaryDir folder;
    RecordedServices services;
    LoggedGenerator windowSide{folder.filePath(QStringLiteral("window.log"))};
    LoggedGenerator headlessSide{folder.filePath(QStringLiteral("headless.log"))};
    std::unique_ptr<TForm1> window;
    HeadlessPanel headless{headlessSide.backend,
                           {std::nullopt, AcknowledgementWait::kProductPeriod, {}}};
};

TEST_P(FrontPanelConformance, BothPanelsSendTheSameReportsAndEndInTheSameState)
{
    GetParam().operate(window->FrontPanel());
    GetParam().operate(headless);

    EXPECT_GT(windowSide.Log().size(), 3 * 131u);
    EXPECT_EQ(windowSide.Log(), headlessSide.Log());
    // The same state, but for the noise's own random table and the generator's path.
    PanelState shown = window->FrontPanel().State();
    PanelState held = headless.State();
    if (shown.kind == WaveformKind::WhiteNoise)
        shown.table = held.table;
    shown.generatorPath = held.generatorPath;
    EXPECT_EQ(shown, held);
}

INSTANTIATE_TEST_SUITE_P(Sequences, FrontPanelConformance, ::testing::ValuesIn(kSequences),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

} // namespace
