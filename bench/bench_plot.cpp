// Plot repaint cost: a full repaint of the 3200-sample waveform with its centre line, and one
// painting mouse move of draw mode (two cursor repaints, one brush stamp and the waveform redraw).
// The plot is not shown, so every frame is composed on its off-screen surface of 561 x 506.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cmath>

#include "editor/brush.h"
#include "editor/graph_xy.h"
#include "synthesis/waveform_synthesis.h"

namespace {

void SetUpAsWindow(TGraphXY& plot)
{
    plot.resize(561, 506);
    plot.SetBackColor(Qt::black);
    plot.SetGridColor(Qt::white);
    plot.SetMargeHaute(5);
    plot.SetMargeBasse(5);
    plot.SetMargeGauche(5);
    plot.SetMargeDroite(5);
    plot.SetEchelle(false);
    plot.SetXMin(0);
    plot.SetYMin(0);
    plot.SetEchX(3200);
    plot.SetEchY(256);
    plot.SetNbXDiv(1);
    plot.SetNbYDiv(1);
    plot.SetNbTrace(4);
    const QColor colours[] = {{255, 255, 0}, {255, 255, 255}, {166, 202, 240}, {166, 202, 240}};
    for (int trace = 0; trace < 4; ++trace) {
        plot.SetIndice(trace);
        plot.SetColor(colours[trace]);
    }
}

void DrawTable(TGraphXY& plot, const dds::WaveformTable& table)
{
    plot.ClearTrace(0);
    for (int32_t n = table.firstIndex; n <= table.length; ++n)
        plot.AddPoint(0, n, table[n]);
    plot.Repaint();
}

void DrawCentreLine(TGraphXY& plot)
{
    plot.ClearTrace(1);
    plot.AddPointDrawn(1, 1, 128);
    plot.AddPoint(1, 3200, 128);
    plot.Repaint();
}

dds::WaveformTable Sine()
{
    dds::WaveformTable table;
    dds::ComputeWaveform(table, dds::WaveformKind::Sine, dds::WaveformParams{});
    return table;
}

void BM_FullRepaint(benchmark::State& state)
{
    TGraphXY plot;
    SetUpAsWindow(plot);
    const dds::WaveformTable table = Sine();
    DrawTable(plot, table);
    DrawCentreLine(plot);
    for (auto _ : state) {
        plot.Repaint();
        benchmark::DoNotOptimize(plot.Surface().constBits());
    }
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_PaintingMouseMove(benchmark::State& state)
{
    TGraphXY plot;
    SetUpAsWindow(plot);
    dds::WaveformTable table = Sine();
    DrawTable(plot, table);
    DrawCentreLine(plot);
    int px = 5;
    for (auto _ : state) {
        px = px >= 556 ? 5 : px + 1;
        const double x = plot.XFromPixel(px);
        const long value = std::lrint(plot.YFromPixel(100 + px % 300));
        plot.ClearTrace(2);
        plot.AddPointDrawn(2, 1, value);
        plot.AddPoint(2, 3200, value);
        plot.Repaint();
        plot.ClearTrace(3);
        plot.AddPointDrawn(3, x, 1);
        plot.AddPoint(3, x, 256);
        plot.Repaint();
        dds::StampBrush(table, static_cast<int32_t>(std::lrint(x)), 20, static_cast<int32_t>(value));
        DrawTable(plot, table);
    }
}
BENCHMARK(BM_PaintingMouseMove)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
