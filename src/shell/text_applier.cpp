#include "shell/text_applier.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QString>
#include <QToolButton>

#include "widgets/ant_angle_label.h"
#include "widgets/double_speed.h"
#include "widgets/main_window_layout.h"
#include "widgets/panel_status_bar.h"
#include "widgets/rx_slider.h"

namespace dds {

namespace {

QString Text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// Labels size themselves to their text, then sit centred in their container.
void SetCentredLabel(QLabel* label, const QWidget* container, const char* text)
{
    label->setText(Text(text));
    label->adjustSize();
    label->move(CentredLeft(container->width(), label->width()), label->y());
}

void SetCentredLabels(std::initializer_list<QLabel*> labels, const QWidget* container,
                      const auto& texts)
{
    auto text = texts.begin();
    for (QLabel* label : labels)
        SetCentredLabel(label, container, *text++);
}

void ApplyCaptions(MainWindowLayout& ui, const LanguageTexts& t, TextContext context)
{
    ui.GroupBox1->setTitle(Text(t.generatorControlGroup));
    SetCentredLabels({ui.Label3, ui.Label4, ui.Label5, ui.Label6}, ui.Panel1, t.notConnectedInstructions);
    ui.GroupBox2->setTitle(Text(t.outputWaveformGroup));
    ui.GroupBox3->setTitle(Text(t.frequencyGroup));
    ui.GroupBox4->setTitle(Text(t.frequencyRangeGroup));
    ui.GroupBox5->setTitle(Text(t.waveformSelectionGroup));
    if (const char* shapeTitle = ShapeDialTitle(t, context.waveformKind))
        SetCentredLabel(ui.Label9, ui.Panel2, shapeTitle);

    ui.GroupBox6->setTitle(Text(t.offsetAmplitudeGroup));
    SetCentredLabel(ui.Label14, ui.GroupBox6, t.offsetTitle);
    SetCentredLabel(ui.Label15, ui.GroupBox6, t.amplitudeTitle);
    SetCentredLabel(ui.Label16, ui.Panel5, t.graphAmplitudeTitle);
    ui.antAngleLabel1->setCaption(Text(t.positionLabel));

    SetCentredLabels({ui.Label21, ui.Label22}, ui.Panel8, t.drawingInstructions);
    SetCentredLabel(ui.Label28, ui.Panel10, t.brushWidthTitle);

    ui.GroupBox7->setTitle(Text(t.lowPassFilterGroup));
    // The filter-off button keeps its designed width whatever its caption.
    ui.RadioButton1->setText(Text(t.filterOff));
    ui.RadioButton1->move(CentredLeft(ui.GroupBox7->width(), ui.RadioButton1->width()), ui.RadioButton1->y());

    SetCentredLabels({ui.Label7, ui.Label8, ui.Label36}, ui.Panel12, t.notConnectedOverlay);
}

void ApplyHints(const MainWindowLayout& ui, const LanguageTexts& t)
{
    const auto controls = HintControls(ui);
    for (std::size_t i = 0; i < kHintCount; ++i)
        controls[i]->setToolTip(Text(t.hints[i]));
}

} // namespace

std::array<QWidget*, kHintCount> HintControls(const MainWindowLayout& ui)
{
    return {ui.RxSlider1, ui.SpeedButton11, ui.SpeedButton12,
            ui.DoubleSpeed1, ui.DoubleSpeed2, ui.DoubleSpeed3, ui.DoubleSpeed4, ui.DoubleSpeed5,
            ui.DoubleSpeed6, ui.DoubleSpeed7,
            ui.RxSlider3, ui.SpeedButton3, ui.SpeedButton2, ui.SpeedButton13, ui.RxSlider4,
            ui.SpeedButton10,
            ui.RadioButton1, ui.RadioButton2, ui.RadioButton3, ui.RadioButton4, ui.RadioButton5,
            ui.RadioButton6, ui.RadioButton7, ui.RadioButton8,
            ui.DoubleSpeed8, ui.DoubleSpeed9, ui.DoubleSpeed10, ui.DoubleSpeed11, ui.DoubleSpeed12,
            ui.DoubleSpeed13, ui.DoubleSpeed14, ui.DoubleSpeed15, ui.DoubleSpeed16, ui.DoubleSpeed19,
            ui.DoubleSpeed20, ui.DoubleSpeed17,
            ui.DoubleSpeed18, ui.SpeedButton9, ui.RxSlider2, ui.SpeedButton8,
            ui.ToolButton3, ui.ToolButton2, ui.ToolButton4, ui.ToolButton6, ui.ToolButton5,
            ui.ToolButton19, ui.ToolButton7, ui.ToolButton1};
}

void ApplyTextSet(QWidget& form, MainWindowLayout& ui, const LanguageTexts& texts, TextContext context)
{
    QGuiApplication::setApplicationDisplayName(Text(texts.applicationTitle));
    form.setWindowTitle(Text(texts.windowCaption));
    ui.StatusBar1->setPanelText(0, Text(context.connected ? texts.statusConnected : texts.statusNotConnected));
    ApplyCaptions(ui, texts, context);
    ApplyHints(ui, texts);
    if (const auto* titles = CoefficientTitles(texts, context.waveformKind))
        SetCentredLabels({ui.Label37, ui.Label38}, ui.Panel13, *titles);
}

} // namespace dds
