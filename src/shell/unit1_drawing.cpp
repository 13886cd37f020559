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
    errorReporter.ConnectGuarded(DoubleSpeed18, &TDoubleSpeed::OnClick, this, &TForm1::DoubleSpeed18Click);
    errorReporter.ConnectGuarded(SpeedButton9, &QToolButton::clicked, this, &TForm1::SpeedButton9Click);
    errorReporter.ConnectGuarded(JvDialButton3, &TJvDialButton::OnChange, this, &TForm1::JvDialButton3Change);
    errorReporter.ConnectGuarded(GraphXY1, &TGraphXY::MouseDown, this, &TForm1::GraphXY1MouseDown);
    errorReporter.ConnectGuarded(GraphXY1, &TGraphXY::MouseMove, this, &TForm1::GraphXY1MouseMove);
    errorReporter.ConnectGuarded(GraphXY1, &TGraphXY::MouseUp, this, &TForm1::GraphXY1MouseUp);
}

void TForm1::ClearDrawingFlag() { state.drawingFlag = 0; }

void TForm1::SetBrushDialStart()
{
    JvDialButton3->setMin(dds::kBrushMinimum);
    JvDialButton3->setMax(dds::kBrushMaximum);
    JvDialButton3->setPosition(dds::kBrushStart);
    Panel10->hide();
}

void TForm1::DoubleSpeed18Click()
{
    if (DoubleSpeed18->Down())
        EnterDrawMode();
    else
        LeaveDrawMode();
}

void TForm1::EnterDrawMode()
{
    Panel8->show();
    RxSlider1->setEnabled(false);
    for (TDoubleSpeed* range : rangeButtons())
        range->setEnabled(false);
    Panel4->hide();
    Panel10->show();
    JvDialButton3->setPosition(dds::kBrushStart);
    SpeedButton9->setEnabled(true);
    GroupBox1->setEnabled(false);
    GroupBox6->setEnabled(false);
}

void TForm1::LeaveDrawMode()
{
    Panel8->hide();
    RxSlider1->setEnabled(true);
    for (TDoubleSpeed* range : rangeButtons())
        range->setEnabled(true);
    SpeedButton9->setEnabled(false);
    Panel10->hide();
    GraphXY1->ClearTrace(kHorizontalCursor);
    GraphXY1->ClearTrace(kVerticalCursor);
    GraphXY1->Repaint();
    GroupBox1->setEnabled(true);
    GroupBox6->setEnabled(true);
    StatusBar1->setPanelText(kCursorPanel, QString::fromStdString(dds::BlankReadout()));
}

void TForm1::SpeedButton9Click()
{
    DoubleSpeed17Click();
    DoubleSpeed18->setDown(true);
    Panel4->hide();
    DrawCentreLine();
    ApplyLanguageTexts();
}

void TForm1::JvDialButton3Change()
{
    dds::SetCentredText(*Label29, QString::number(JvDialButton3->Position()), *Panel10);
}

void TForm1::GraphXY1MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)
{
    state.drawingFlag = 1;
    // The press paints nothing; a straight stroke of Shift starts here all the same.
    lastStamp_ =
        dds::StampAt(static_cast<int32_t>(dds::NearestWhole(GraphXY1->XFromPixel(x))), JvDialButton3->Position(),
                     static_cast<int32_t>(dds::NearestWhole(GraphXY1->YFromPixel(y))));
}

void TForm1::GraphXY1MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) { state.drawingFlag = 0; }

void TForm1::GraphXY1MouseMove(Qt::KeyboardModifiers modifiers, int x, int y)
{
    if (!DoubleSpeed18->Down())
        return;
    const double sample = GraphXY1->XFromPixel(x);
    const long n = dds::NearestWhole(sample);
    const long value = dds::NearestWhole(GraphXY1->YFromPixel(y));
    MoveCursorLines(sample, value);
    StatusBar1->setPanelText(kCursorPanel, QString::fromStdString(dds::PositionReadout(n, value)));
    if (state.drawingFlag != 1)
        return;
    const auto pointer = static_cast<int32_t>(n);
    const auto limited = static_cast<int32_t>(std::clamp(value, 0L, 255L));
    // With Shift held, the stroke runs straight from the previous stamp, leaving no gap.
    if (modifiers.testFlag(Qt::ShiftModifier) && lastStamp_)
        lastStamp_ = dds::StampLine(state.waveformTable, *lastStamp_, pointer, JvDialButton3->Position(), limited);
    else
        lastStamp_ = dds::StampBrush(state.waveformTable, pointer, JvDialButton3->Position(), limited);
    DrawWaveform();
}

void TForm1::MoveCursorLines(double sample, long value)
{
    GraphXY1->ClearTrace(kHorizontalCursor);
    GraphXY1->AddPointDrawn(kHorizontalCursor, 1, static_cast<double>(value));
    GraphXY1->AddPoint(kHorizontalCursor, dds::WaveformTable::kLength, static_cast<double>(value));
    GraphXY1->Repaint();
    GraphXY1->ClearTrace(kVerticalCursor);
    GraphXY1->AddPointDrawn(kVerticalCursor, sample, 1);
    GraphXY1->AddPoint(kVerticalCursor, sample, 256);
    GraphXY1->Repaint();
}
