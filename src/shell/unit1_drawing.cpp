// Draw mode: the operator paints the sample table with the mouse on the plot.
#include "shell/unit1.h"

#include <QGroupBox>
#include <QLabel>
#include <QToolButton>

#include "editor/brush.h"
#include "editor/graph_xy.h"
#include "editor/position_readout.h"
#include "shell/error_reporter.h"
#include "widgets/centring.h"
#include "widgets/double_speed.h"
#include "widgets/jv_dial_button.h"
#include "widgets/panel_status_bar.h"
#include "widgets/rx_slider.h"

namespace {

constexpr int kHorizontalCursor = 2;
constexpr int kVerticalCursor = 3;

} // namespace

void TForm1::ConnectDrawingControls()
{
    errorReporter.ConnectGuarded(ui.DoubleSpeed18, &TDoubleSpeed::OnClick, this, &TForm1::DoubleSpeed18Click);
    errorReporter.ConnectGuarded(ui.SpeedButton9, &QToolButton::clicked, this, &TForm1::SpeedButton9Click);
    errorReporter.ConnectGuarded(ui.JvDialButton3, &TJvDialButton::OnChange, this, &TForm1::JvDialButton3Change);
    errorReporter.ConnectGuarded(ui.GraphXY1, &TGraphXY::MouseDown, this, &TForm1::GraphXY1MouseDown);
    errorReporter.ConnectGuarded(ui.GraphXY1, &TGraphXY::MouseMove, this, &TForm1::GraphXY1MouseMove);
    errorReporter.ConnectGuarded(ui.GraphXY1, &TGraphXY::MouseUp, this, &TForm1::GraphXY1MouseUp);
}

void TForm1::ClearDrawingFlag() { state.drawingFlag = 0; }

void TForm1::SetBrushDialStart()
{
    ui.JvDialButton3->setMin(dds::kBrushMinimum);
    ui.JvDialButton3->setMax(dds::kBrushMaximum);
    ui.JvDialButton3->setPosition(dds::kBrushStart);
    ui.Panel10->hide();
}

void TForm1::DoubleSpeed18Click()
{
    if (ui.DoubleSpeed18->Down())
        EnterDrawMode();
    else
        LeaveDrawMode();
}

void TForm1::EnterDrawMode()
{
    ui.Panel8->show();
    ui.RxSlider1->setEnabled(false);
    for (const RangeButton& range : kRangeButtons)
        (ui.*range.button)->setEnabled(false);
    ui.Panel4->hide();
    ui.Panel10->show();
    ui.JvDialButton3->setPosition(dds::kBrushStart);
    ui.SpeedButton9->setEnabled(true);
    ui.GroupBox1->setEnabled(false);
    ui.GroupBox6->setEnabled(false);
}

void TForm1::LeaveDrawMode()
{
    ui.Panel8->hide();
    ui.RxSlider1->setEnabled(true);
    for (const RangeButton& range : kRangeButtons)
        (ui.*range.button)->setEnabled(true);
    ui.SpeedButton9->setEnabled(false);
    ui.Panel10->hide();
    ui.GraphXY1->ClearTrace(kHorizontalCursor);
    ui.GraphXY1->ClearTrace(kVerticalCursor);
    ui.GraphXY1->Repaint();
    ui.GroupBox1->setEnabled(true);
    ui.GroupBox6->setEnabled(true);
    ui.StatusBar1->setPanelText(MainWindowLayout::kCursorPanel, QString::fromStdString(dds::BlankReadout()));
    ShowRemoteStatus();
}

void TForm1::SpeedButton9Click()
{
    DoubleSpeed17Click();
    ui.DoubleSpeed18->setDown(true);
    ui.Panel4->hide();
    DrawCentreLine();
    ApplyLanguageTexts();
}

void TForm1::JvDialButton3Change()
{
    dds::SetCentredText(*ui.Label29, QString::number(ui.JvDialButton3->Position()), *ui.Panel10);
}

void TForm1::GraphXY1MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    state.drawingFlag = 1;
    // The press paints nothing; a straight stroke of Shift starts here all the same.
    state.lastStamp = dds::StampAt(static_cast<int32_t>(dds::NearestWhole(ui.GraphXY1->XFromPixel(x))),
                                   ui.JvDialButton3->Position(),
                                   static_cast<int32_t>(dds::NearestWhole(ui.GraphXY1->YFromPixel(y))));
}

void TForm1::GraphXY1MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) { state.drawingFlag = 0; }

void TForm1::GraphXY1MouseMove(Qt::KeyboardModifiers modifiers, int x, int y)
{
    if (!ui.DoubleSpeed18->Down())
        return;
    const double sample = ui.GraphXY1->XFromPixel(x);
    const long n = dds::NearestWhole(sample);
    const long value = dds::NearestWhole(ui.GraphXY1->YFromPixel(y));
    MoveCursorLines(sample, value);
    ui.StatusBar1->setPanelText(MainWindowLayout::kCursorPanel, QString::fromStdString(dds::PositionReadout(n, value)));
    if (state.drawingFlag != 1)
        return;
    const auto pointer = static_cast<int32_t>(n);
    const auto limited = static_cast<int32_t>(std::clamp(value, 0L, 255L));
    // With Shift held, the stroke runs straight from the previous stamp, leaving no gap.
    if (modifiers.testFlag(Qt::ShiftModifier) && state.lastStamp)
        state.lastStamp =
            dds::StampLine(state.waveformTable, *state.lastStamp, pointer, ui.JvDialButton3->Position(), limited);
    else
        state.lastStamp = dds::StampBrush(state.waveformTable, pointer, ui.JvDialButton3->Position(), limited);
    DrawWaveform();
}

void TForm1::MoveCursorLines(double sample, long value)
{
    ui.GraphXY1->ClearTrace(kHorizontalCursor);
    ui.GraphXY1->AddPointDrawn(kHorizontalCursor, 1, static_cast<double>(value));
    ui.GraphXY1->AddPoint(kHorizontalCursor, dds::WaveformTable::kLength, static_cast<double>(value));
    ui.GraphXY1->Repaint();
    ui.GraphXY1->ClearTrace(kVerticalCursor);
    ui.GraphXY1->AddPointDrawn(kVerticalCursor, sample, 1);
    ui.GraphXY1->AddPoint(kVerticalCursor, sample, 256);
    ui.GraphXY1->Repaint();
}
