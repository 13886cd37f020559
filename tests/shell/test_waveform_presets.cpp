#include <QLabel>
#include <QTimer>
#include <QToolButton>

#include "shell/language_texts.h"
#include "test_waveform_fixture.h"
#include "widgets/double_speed.h"
#include "widgets/jv_dial_button.h"
#include "widgets/rx_slider.h"
#include "widgets/rx_spin_edit.h"

using dds::WaveformKind;

namespace {

const dds::LanguageTexts& Texts(const TForm1& form)
{
    const dds::LanguageTexts* texts = dds::TextsForLanguage(form.state.languageCode);
    return texts ? *texts : dds::FrenchTexts();
}

struct PresetCase {
    int kind;
    bool shapeKnob;
    bool amplitudeKnob;
    bool coefficient;
};

constexpr PresetCase kPresetCases[] = {
    {1, false, true, false}, {2, true, true, false},  {3, true, true, false},   {4, false, true, false},
    {5, false, true, false}, {6, true, true, false},  {7, true, true, false},   {8, true, true, false},
    {9, false, true, true},  {10, false, false, false}, {11, false, true, true}, {12, false, false, false},
};

} // namespace

TEST_F(WaveformWindow, StartsOnTheSineWithThePlotSetUp)
{
    EXPECT_EQ(form->state.waveformKind, 1);
    EXPECT_TRUE(form->DoubleSpeed8->Down());
    EXPECT_EQ(table()[1], 128);
    EXPECT_EQ(table()[800], 255);
    EXPECT_EQ(table()[2400], 1);
    EXPECT_TRUE(plotShowsTable());
    ASSERT_EQ(trace(1).size(), 2u);
    EXPECT_EQ(trace(1)[0].y, 128);
    EXPECT_EQ(trace(1)[1].x, 3200);
    TGraphXY& plot = *form->GraphXY1;
    EXPECT_EQ(plot.NbTrace(), 4);
    EXPECT_FALSE(plot.Echelle());
    EXPECT_EQ(plot.MargeGauche(), 5);
    EXPECT_EQ(plot.MargeBasse(), 5);
    EXPECT_EQ(plot.EchX(), 3200);
    EXPECT_EQ(plot.EchY(), 256);
    EXPECT_EQ(plot.TraceColor(1), QColor(255, 255, 255));
    EXPECT_EQ(plot.TraceColor(3), QColor(166, 202, 240));
    EXPECT_EQ(plot.Surface().pixelColor(300, 253), QColor(255, 255, 255)) << "the centre line";
    EXPECT_EQ(form->JvDialButton1->Position(), 100);
    EXPECT_EQ(form->JvDialButton2->Position(), 50);
    EXPECT_EQ(form->JvDialButton3->Position(), 20);
    EXPECT_EQ(form->RxSlider2->MinValue(), -256);
    EXPECT_EQ(form->RxSlider2->MaxValue(), 256);
    EXPECT_EQ(form->RxSpinEdit1->Value(), 15);
    EXPECT_TRUE(form->Panel13->isHidden());
    EXPECT_TRUE(form->Panel10->isHidden());
    EXPECT_FALSE(form->Timer4->isActive());
    EXPECT_EQ(form->state.drawingFlag, 0);
    EXPECT_EQ(form->phaseNumerator, 3200);
    EXPECT_EQ(form->phaseDenominator, 3199);
}

TEST_F(WaveformWindow, EveryPresetShowsItsPanelsAndSetsTheKind)
{
    const auto presets = form->presetButtons();
    for (const PresetCase& c : kPresetCases) {
        SCOPED_TRACE(c.kind);
        click(presets[std::size_t(c.kind - 1)]);
        EXPECT_EQ(form->state.waveformKind, c.kind);
        for (std::size_t i = 0; i < presets.size(); ++i)
            EXPECT_EQ(presets[i]->Down(), int(i) == c.kind - 1);
        EXPECT_EQ(!form->Panel2->isHidden(), c.shapeKnob);
        EXPECT_EQ(!form->Panel5->isHidden(), c.amplitudeKnob);
        EXPECT_EQ(!form->Panel13->isHidden(), c.coefficient);
        const bool noise = c.kind == 12;
        EXPECT_EQ(form->Panel4->isHidden(), noise);
        EXPECT_EQ(form->DoubleSpeed18->isEnabled(), !noise);
        EXPECT_EQ(form->ToolButton4->isEnabled(), !noise);
        EXPECT_EQ(form->Timer4->isActive(), noise);
        EXPECT_EQ(form->JvDialButton2->Position(), 50);
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(WaveformWindow, ShapeCaptionFollowsTheKind)
{
    const auto presets = form->presetButtons();
    click(presets[2]);
    EXPECT_EQ(form->Label9->text(), QString::fromUtf8(Texts(*form).shapeSlope));
    for (int kind : {6, 7, 8}) {
        click(presets[std::size_t(kind - 1)]);
        EXPECT_EQ(form->Label9->text(), QString::fromUtf8(Texts(*form).shapeRcConstant)) << kind;
    }
    click(presets[1]);
    EXPECT_EQ(form->Label9->text(), QString::fromUtf8(Texts(*form).shapeDutyCycle));
    click(presets[3]); // hidden knob, caption still follows the kind
    EXPECT_EQ(form->Label9->text(), QString::fromUtf8(Texts(*form).shapeDutyCycle));
}

TEST_F(WaveformWindow, PresetPutsTheShapeKnobBackToFiftyAndRecomputes)
{
    click(form->DoubleSpeed9);
    form->JvDialButton2->setPosition(20);
    EXPECT_EQ(table()[639], 255);
    EXPECT_EQ(table()[640], 1);
    EXPECT_EQ(form->Label20->text(), "20%");
    click(form->DoubleSpeed9);
    EXPECT_EQ(form->JvDialButton2->Position(), 50);
    EXPECT_EQ(table()[1599], 255);
    EXPECT_EQ(table()[1600], 1);
    EXPECT_TRUE(plotShowsTable());
}

TEST_F(WaveformWindow, AmplitudeKnobRecomputesAndShowsItsPositionCentred)
{
    click(form->DoubleSpeed9);
    form->JvDialButton1->setPosition(50);
    EXPECT_EQ(form->Label19->text(), "50%");
    EXPECT_EQ(form->Label19->x(), (form->Panel5->width() - form->Label19->width()) / 2);
    EXPECT_EQ(table()[1], 192);
    EXPECT_EQ(table()[3200], 64);
    EXPECT_TRUE(plotShowsTable());
}

TEST_F(WaveformWindow, VerticalPositionShiftsTheCurveAndTheCentringButtonResetsIt)
{
    form->RxSlider2->setValue(256);
    EXPECT_EQ(table()[2400], 255);
    EXPECT_TRUE(plotShowsTable());
    click(form->SpeedButton8);
    EXPECT_EQ(form->RxSlider2->Value(), 0);
    EXPECT_EQ(table()[2400], 1);
}

TEST_F(WaveformWindow, DcHidesTheCentreLineOnlyAtPositionZero)
{
    click(form->DoubleSpeed17);
    EXPECT_TRUE(trace(1).empty());
    for (int n = 1; n <= 3200; ++n)
        ASSERT_EQ(table()[n], 128);
    EXPECT_EQ(form->GraphXY1->Surface().pixelColor(300, 253), QColor(255, 255, 0));
    form->RxSlider2->setValue(10);
    click(form->DoubleSpeed17);
    EXPECT_EQ(trace(1).size(), 2u);
    EXPECT_EQ(table()[1], 138);
}

TEST_F(WaveformWindow, ModulationPresetsSetTheirCoefficient)
{
    click(form->DoubleSpeed19);
    EXPECT_EQ(form->RxSpinEdit1->Value(), 10);
    click(form->DoubleSpeed16);
    EXPECT_EQ(form->RxSpinEdit1->Value(), 15);
    form->RxSpinEdit1->setValue(1);
    for (int n = 1; n <= 3200; ++n)
        ASSERT_TRUE(table()[n] >= 128 && table()[n] <= 255) << n;
}

TEST_F(WaveformWindow, CoefficientBelowOneBecomesOne)
{
    click(form->DoubleSpeed16);
    form->RxSpinEdit1->setValue(1);
    const dds::WaveformTable withOne = table();
    form->RxSpinEdit1->setText("0");
    EXPECT_EQ(form->RxSpinEdit1->Value(), 1);
    EXPECT_EQ(table(), withOne);
    form->RxSpinEdit1->setText("x");
    EXPECT_EQ(form->RxSpinEdit1->Value(), 1);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(WaveformWindow, WhiteNoiseRefreshesOnEachTickUntilAnotherPreset)
{
    const dds::WaveformTable before = table();
    click(form->DoubleSpeed20);
    EXPECT_EQ(table(), before) << "nothing is written before the first tick";
    EXPECT_TRUE(form->Panel4->isHidden());
    form->Timer4Timer();
    int distinct = 0;
    for (int n = 1; n <= 3200; ++n) {
        ASSERT_LE(table()[n], 254);
        ASSERT_GE(table()[n], 0);
        distinct += table()[n] != before[n];
    }
    EXPECT_GT(distinct, 3000);
    EXPECT_TRUE(plotShowsTable());
    click(form->DoubleSpeed10);
    EXPECT_FALSE(form->Timer4->isActive());
    EXPECT_TRUE(form->ToolButton4->isEnabled());
}

TEST_F(WaveformWindow, SineReleasesTheClearDrawingButton)
{
    click(form->DoubleSpeed18);
    EXPECT_TRUE(form->SpeedButton9->isEnabled());
    click(form->DoubleSpeed10);
    EXPECT_TRUE(form->SpeedButton9->isEnabled());
    click(form->DoubleSpeed8);
    EXPECT_FALSE(form->SpeedButton9->isEnabled());
}
