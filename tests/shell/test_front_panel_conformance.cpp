// The window's front panel and the headless one, driven through the same operations: the generator
// hears the same reports, byte for byte, and the two end in the same state.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>
#include <memory>
#include <vector>

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
    // The reports as the log holds them, one line each.
    std::vector<std::string> Log() const
    {
        QFile file(path);
        std::vector<std::string> lines;
        if (file.open(QIODevice::ReadOnly))
            for (const QByteArray& line : file.readAll().split('\n'))
                lines.push_back(line.toStdString());
        return lines;
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

using Sequence = std::function<void(FrontPanel&)>;

struct Case {
    const char* name;
    Sequence operate;
};

// clang-format off
const Case kSequences[] = {
    {"the start-up sine", [](FrontPanel& p) { p.Transfer(); }},
    {"triangle with a slope, range 3", [](FrontPanel& p) {
         p.ChooseSetting(3, 45);
         p.ChoosePreset(WaveformKind::Triangle, {100, 30, 0, 15});
         p.Transfer(); }},
    {"rectangle at half amplitude, moved down", [](FrontPanel& p) {
         p.ChoosePreset(WaveformKind::Rectangle, {50, 20, -40, 15});
         p.Transfer(); }},
    {"capacitor curves and their filters", [](FrontPanel& p) {
         p.ChooseSetting(6, 10);
         p.ChoosePreset(WaveformKind::CapacitorChargeDischarge, {100, 70, 0, 15});
         p.Transfer();
         p.ChooseSetting(2, 90);
         p.ChoosePreset(WaveformKind::CapacitorDischarge, {80, 99, 10, 15});
         p.Transfer(); }},
    {"ramps", [](FrontPanel& p) {
         p.ChoosePreset(WaveformKind::FallingRamp, PresetStartControls(WaveformKind::FallingRamp));
         p.Transfer();
         p.ChoosePreset(WaveformKind::RisingRamp, {60, 50, 0, 15});
         p.Transfer(); }},
    {"amplitude modulation", [](FrontPanel& p) {
         p.ChooseSetting(4, 20);
         p.ChoosePreset(WaveformKind::AmplitudeModulation, {100, 50, 0, 3});
         p.Transfer(); }},
    {"frequency modulation", [](FrontPanel& p) {
         p.ChoosePreset(WaveformKind::FrequencyModulation, {90, 50, 5, 25});
         p.Transfer(); }},
    {"white noise after a sine on range 7", [](FrontPanel& p) {
         p.ChooseSetting(7, 70);
         p.Transfer();
         p.ChoosePreset(WaveformKind::WhiteNoise, PresetStartControls(WaveformKind::WhiteNoise));
         p.Transfer(); }},
    {"a loaded table keeps the kind, a knob computes again", [](FrontPanel& p) {
         p.ChoosePreset(WaveformKind::DC, PresetStartControls(WaveformKind::DC));
         p.LoadTable(Sawtooth());
         p.Transfer();
         p.SetShapeControls({100, 50, 0, 15}); // as it was: nothing computed
         p.Transfer();
         p.SetShapeControls({70, 50, 0, 15});
         p.Transfer(); }},
    {"offset and amplitude steps", [](FrontPanel& p) {
         p.SetOffset(0);
         p.SetOffset(255);
         p.SetOffset(255);
         p.SetOutputAmplitude(40);
         p.SetOutputAmplitude(60);
         p.SetOutputAmplitude(60);
         p.Transfer(); }},
    {"filters chosen by hand and by the transfer", [](FrontPanel& p) {
         p.ChooseFilter(3);
         p.ChooseFilter(3);
         p.ChooseFilter(0);
         p.ChooseFilter(5);
         p.Transfer();
         p.ChoosePreset(WaveformKind::Triangle, PresetStartControls(WaveformKind::Triangle));
         p.Transfer(); }},
    {"frequencies by hertz, nominal and played", [](FrontPanel& p) {
         p.ChooseFrequency(1500);
         p.Transfer();
         p.ChooseFrequency(950000, FrequencyRule::Played);
         p.ChoosePreset(WaveformKind::Sine, {100, 50, 0, 15});
         p.Transfer(); }},
};
// clang-format on

class FrontPanelConformance : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override
    {
        services.scratchFolder = folder.path();
        window = std::make_unique<TForm1>(services.For(windowSide.backend));
        ASSERT_TRUE(QTest::qWaitFor([this] { return window->FrontPanel().Connected(); }, 2000));
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
    HeadlessPanel headless{headlessSide.backend, {std::nullopt, folder.path(), AcknowledgementWait::kProductPeriod, {}}};
};

TEST_P(FrontPanelConformance, BothPanelsSendTheSameReportsAndEndInTheSameState)
{
    GetParam().operate(window->FrontPanel());
    GetParam().operate(headless);

    EXPECT_GT(windowSide.Log().size(), 3u);
    EXPECT_EQ(windowSide.Log(), headlessSide.Log());
    const PanelState shown = window->FrontPanel().State();
    const PanelState held = headless.State();
    EXPECT_EQ(shown.range, held.range);
    EXPECT_EQ(shown.position, held.position);
    EXPECT_EQ(shown.displayText, held.displayText);
    EXPECT_EQ(shown.kind, held.kind);
    EXPECT_EQ(shown.presetDown, held.presetDown);
    EXPECT_EQ(shown.shape, held.shape);
    if (shown.kind != WaveformKind::WhiteNoise)
        EXPECT_EQ(shown.table, held.table);
    EXPECT_EQ(shown.offset, held.offset);
    EXPECT_EQ(shown.outputAmplitude, held.outputAmplitude);
    EXPECT_EQ(shown.filter, held.filter);
    EXPECT_EQ(shown.lastTransfer, held.lastTransfer);
}

INSTANTIATE_TEST_SUITE_P(Sequences, FrontPanelConformance, ::testing::ValuesIn(kSequences),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

} // namespace
