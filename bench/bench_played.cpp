// How fast "what the generator will really play" follows the operator: the played bytes alone
// (the transfer's drawing, stretch and scan without the picture file), and the whole round trip in
// the window, offscreen, from a change of table or of frequency to the overlay showing the new
// bytes, both plot repaints included.
#include <QApplication>
#include <QTimer>
#include <QToolButton>
#include <benchmark/benchmark.h>

#include "panel/front_panel.h"
#include "device/transfer_preview.h"
#include "device/virtual_hid_bus.h"
#include "shell/window_services.h"
#include "editor/graph_xy.h"
#include "shell/unit1.h"
#include "synthesis/waveform_synthesis.h"
#include "widgets/jv_dial_button.h"
#include "widgets/rx_slider.h"

namespace {

void BM_PlayedBytes(benchmark::State& state)
{
    dds::WaveformTable table;
    dds::ComputeWaveform(table, dds::WaveformKind::Sine, {});
    const auto count = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(dds::PlayedBytes(table, count).data());
}
BENCHMARK(BM_PlayedBytes)->Arg(3200)->Arg(40)->Unit(benchmark::kMillisecond);

TForm1& Window()
{
    static TForm1* form = [] {
        // No generator: the overlay needs none.
        dds::WindowServices services = dds::DesktopServices(std::make_shared<dds::VirtualHidBus>());
        services.errorSink = [](const QString& message) { qFatal("%s", qPrintable(message)); };
        auto* f = new TForm1(std::move(services));
        // The start-up picture would lock the toolbar for two seconds.
        f->findChild<QTimer*>(QStringLiteral("Timer2"))->stop();
        f->show();
        f->findChild<QToolButton*>(QStringLiteral("PlayedButton"))->click();
        QApplication::processEvents();
        return f;
    }();
    return *form;
}

TGraphXY* Plot(const TForm1& form) { return form.findChild<TGraphXY*>(QStringLiteral("GraphXY1")); }

// Runs events until the overlay shows `text`.
void WaitForOverlay(TForm1& form, const QString& text)
{
    do
        QApplication::processEvents();
    while (Plot(form)->OverlayText() != text);
}

bool SamePoints(const std::vector<dds::PlotPoint>& a, const std::vector<dds::PlotPoint>& b)
{
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(), [](auto p, auto q) { return p.x == q.x && p.y == q.y; });
}

void BM_OverlayAfterAmplitudeChange(benchmark::State& state)
{
    TForm1& form = Window();
    if (!form.findChild<QToolButton*>(QStringLiteral("PlayedButton"))->isChecked())
        return state.SkipWithError("the overlay did not come on");
    int amplitude = 100;
    for (auto _ : state) {
        state.PauseTiming();
        const std::vector<dds::PlotPoint> before = Plot(form)->OverlayPoints();
        amplitude = amplitude == 100 ? 50 : 100;
        state.ResumeTiming();
        form.findChild<TJvDialButton*>(QStringLiteral("JvDialButton1"))->setPosition(amplitude); // recomputes and redraws the table
        do
            QApplication::processEvents();
        while (SamePoints(Plot(form)->OverlayPoints(), before));
    }
}
BENCHMARK(BM_OverlayAfterAmplitudeChange)->Unit(benchmark::kMillisecond)->Iterations(40)->Repetitions(3);

void BM_OverlayAfterFrequencyChange(benchmark::State& state)
{
    TForm1& form = Window();
    if (!form.findChild<QToolButton*>(QStringLiteral("PlayedButton"))->isChecked())
        return state.SkipWithError("the overlay did not come on");
    int position = 0;
    for (auto _ : state) {
        position = position == 0 ? 1 : 0;
        form.findChild<TRxSlider*>(QStringLiteral("RxSlider1"))->setValue(position);
        WaitForOverlay(form, QStringLiteral("N = %1").arg(form.FrontPanel().State().sampleCount));
    }
}
BENCHMARK(BM_OverlayAfterFrequencyChange)->Unit(benchmark::kMillisecond)->Iterations(40)->Repetitions(3);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
