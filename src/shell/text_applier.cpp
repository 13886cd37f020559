#include "shell/text_applier.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QString>
#include <QToolButton>

#include "widgets/ant_angle_label.h"
#include "widgets/centring.h"
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

void SetCentredLabel(QLabel* label, const QWidget* container, const char* text)
{
    SetCentredText(*label, Text(text), *container);
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
    CentreIn(*ui.RadioButton1, *ui.GroupBox7);

    SetCentredLabels({ui.Label7, ui.Label8, ui.Label36}, ui.Panel12, t.notConnectedOverlay);
}

void ApplyHints(const MainWindowLayout& ui, const LanguageTexts& t)
{
    for (const HintRow& row : HintTable())
        row.control(ui)->setToolTip(Text(row.*t.hint));
}

} // namespace

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
