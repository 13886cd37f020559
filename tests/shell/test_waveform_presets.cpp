#include <QLabel>
#include <QTimer>
#include <QToolButton>

#include "panel/front_panel.h"
#include "shell/language_texts.h"
#include "test_waveform_fixture.h"
#include "widgets/double_speed.h"
#include "widgets/jv_dial_button.h"
#include "widgets/rx_slider.h"
#include "widgets/rx_spin_edit.h"
#include "window_controls.h"

using dds::WaveformKind;

namespace {

// The text set the window shows, known by its caption.
const dds::LanguageTexts& Texts(const TForm1& form)
{
    for (const dds::LanguageTexts* texts : {&dds::EnglishTexts(), &dds::FrenchTexts(), &dds::GermanTexts()})
        if (form.windowTitle() == QString::fromUtf8(texts->windowCaption))
            return *texts;
    return dds::FrenchTexts();
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
    EXPECT_EQ(static_cast<int>(form->FrontPanel().State().kind), 1);
    EXPECT_TRUE(Find<TDoubleSpeed>(*form, "DoubleSpeed8")->Down());
    EXPECT_EQ(table()[1], 128);
    EXPECT_EQ(table()[800], 255);
    EXPECT_EQ(table()[2400], 1);
    EXPECT_TRUE(plotShowsTable());
    ASSERT_EQ(trace(1).size(), 2u);
    EXPECT_EQ(trace(1)[0].y, 128);
    EXPECT_EQ(trace(1)[1].x, 3200);
    TGraphXY& plot = *Find<TGraphXY>(*form, "GraphXY1");
    EXPECT_EQ(plot.NbTrace(), 4);
    EXPECT_FALSE(plot.Echelle());
    EXPECT_EQ(plot.MargeGauche(), 5);
    EXPECT_EQ(plot.MargeBasse(), 5);
    EXPECT_EQ(plot.EchX(), 3200);
    EXPECT_EQ(plot.EchY(), 256);
    EXPECT_EQ(plot.TraceColor(1), QColor(255, 255, 255));
    EXPECT_EQ(plot.TraceColor(3), QColor(166, 202, 240));
    EXPECT_EQ(plot.Surface().pixelColor(300, 253), QColor(255, 255, 255)) << "the centre line";
    EXPECT_EQ(Find<TJvDialButton>(*form, "JvDialButton1")->Position(), 100);
    EXPECT_EQ(Find<TJvDialButton>(*form, "JvDialButton2")->Position(), 50);
    EXPECT_EQ(Find<TJvDialButton>(*form, "JvDialButton3")->Position(), 20);
    EXPECT_EQ(Find<TRxSlider>(*form, "RxSlider2")->MinValue(), -256);
    EXPECT_EQ(Find<TRxSlider>(*form, "RxSlider2")->MaxValue(), 256);
    EXPECT_EQ(Find<TRxSpinEdit>(*form, "RxSpinEdit1")->Value(), 15);
    EXPECT_TRUE(Find<QFrame>(*form, "Panel13")->isHidden());
    EXPECT_TRUE(Find<QFrame>(*form, "Panel10")->isHidden());
    EXPECT_FALSE(Find<QTimer>(*form, "Timer4")->isActive());
}

TEST_F(WaveformWindow, EveryPresetShowsItsPanelsAndSetsTheKind)
{
    for (const PresetCase& c : kPresetCases) {
        SCOPED_TRACE(c.kind);
        click(PresetButton(*form, c.kind));
        EXPECT_EQ(static_cast<int>(form->FrontPanel().State().kind), c.kind);
        for (int kind = 1; kind <= 12; ++kind)
            EXPECT_EQ(PresetButton(*form, kind)->Down(), kind == c.kind);
        EXPECT_EQ(!Find<QFrame>(*form, "Panel2")->isHidden(), c.shapeKnob);
        EXPECT_EQ(!Find<QFrame>(*form, "Panel5")->isHidden(), c.amplitudeKnob);
        EXPECT_EQ(!Find<QFrame>(*form, "Panel13")->isHidden(), c.coefficient);
        const bool noise = c.kind == 12;
        EXPECT_EQ(Find<QFrame>(*form, "Panel4")->isHidden(), noise);
        EXPECT_EQ(Find<TDoubleSpeed>(*form, "DoubleSpeed18")->isEnabled(), !noise);
        EXPECT_EQ(Find<QToolButton>(*form, "ToolButton4")->isEnabled(), !noise);
        EXPECT_EQ(Find<QTimer>(*form, "Timer4")->isActive(), noise);
        EXPECT_EQ(Find<TJvDialButton>(*form, "JvDialButton2")->Position(), 50);
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(WaveformWindow, ShapeCaptionFollowsTheKind)
{
    click(PresetButton(*form, 3));
    EXPECT_EQ(Find<QLabel>(*form, "Label9")->text(), QString::fromUtf8(Texts(*form).shapeSlope));
    for (int kind : {6, 7, 8}) {
        click(PresetButton(*form, kind));
        EXPECT_EQ(Find<QLabel>(*form, "Label9")->text(), QString::fromUtf8(Texts(*form).shapeRcConstant)) << kind;
    }
    click(PresetButton(*form, 2));
    EXPECT_EQ(Find<QLabel>(*form, "Label9")->text(), QString::fromUtf8(Texts(*form).shapeDutyCycle));
    click(PresetButton(*form, 4)); // hidden knob, caption still follows the kind
    EXPECT_EQ(Find<QLabel>(*form, "Label9")->text(), QString::fromUtf8(Texts(*form).shapeDutyCycle));
}

TEST_F(WaveformWindow, PresetPutsTheShapeKnobBackToFiftyAndRecomputes)
{
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed9"));
    Find<TJvDialButton>(*form, "JvDialButton2")->setPosition(20);
    EXPECT_EQ(table()[639], 255);
    EXPECT_EQ(table()[640], 1);
    EXPECT_EQ(Find<QLabel>(*form, "Label20")->text(), "20%");
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed9"));
    EXPECT_EQ(Find<TJvDialButton>(*form, "JvDialButton2")->Position(), 50);
    EXPECT_EQ(table()[1599], 255);
    EXPECT_EQ(table()[1600], 1);
    EXPECT_TRUE(plotShowsTable());
}

TEST_F(WaveformWindow, AmplitudeKnobRecomputesAndShowsItsPositionCentred)
{
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed9"));
    Find<TJvDialButton>(*form, "JvDialButton1")->setPosition(50);
    EXPECT_EQ(Find<QLabel>(*form, "Label19")->text(), "50%");
    EXPECT_EQ(Find<QLabel>(*form, "Label19")->x(), (Find<QFrame>(*form, "Panel5")->width() - Find<QLabel>(*form, "Label19")->width()) / 2);
    EXPECT_EQ(table()[1], 192);
    EXPECT_EQ(table()[3200], 64);
    EXPECT_TRUE(plotShowsTable());
}

TEST_F(WaveformWindow, VerticalPositionShiftsTheCurveAndTheCentringButtonResetsIt)
{
    Find<TRxSlider>(*form, "RxSlider2")->setValue(256);
    EXPECT_EQ(table()[2400], 255);
    EXPECT_TRUE(plotShowsTable());
    click(Find<QToolButton>(*form, "SpeedButton8"));
    EXPECT_EQ(Find<TRxSlider>(*form, "RxSlider2")->Value(), 0);
    EXPECT_EQ(table()[2400], 1);
}

TEST_F(WaveformWindow, DcHidesTheCentreLineOnlyAtPositionZero)
{
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed17"));
    EXPECT_TRUE(trace(1).empty());
    for (int n = 1; n <= 3200; ++n)
        ASSERT_EQ(table()[n], 128);
    EXPECT_EQ(Find<TGraphXY>(*form, "GraphXY1")->Surface().pixelColor(300, 253), QColor(255, 255, 0));
    Find<TRxSlider>(*form, "RxSlider2")->setValue(10);
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed17"));
    EXPECT_EQ(trace(1).size(), 2u);
    EXPECT_EQ(table()[1], 138);
}

TEST_F(WaveformWindow, ModulationPresetsSetTheirCoefficient)
{
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed19"));
    EXPECT_EQ(Find<TRxSpinEdit>(*form, "RxSpinEdit1")->Value(), 10);
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed16"));
    EXPECT_EQ(Find<TRxSpinEdit>(*form, "RxSpinEdit1")->Value(), 15);
    Find<TRxSpinEdit>(*form, "RxSpinEdit1")->setValue(1);
    for (int n = 1; n <= 3200; ++n)
        ASSERT_TRUE(table()[n] >= 128 && table()[n] <= 255) << n;
}

TEST_F(WaveformWindow, CoefficientBelowOneBecomesOne)
{
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed16"));
    Find<TRxSpinEdit>(*form, "RxSpinEdit1")->setValue(1);
    const dds::WaveformTable withOne = table();
    Find<TRxSpinEdit>(*form, "RxSpinEdit1")->setText("0");
    EXPECT_EQ(Find<TRxSpinEdit>(*form, "RxSpinEdit1")->Value(), 1);
    EXPECT_EQ(table(), withOne);
    Find<TRxSpinEdit>(*form, "RxSpinEdit1")->setText("x");
    EXPECT_EQ(Find<TRxSpinEdit>(*form, "RxSpinEdit1")->Value(), 1);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(WaveformWindow, WhiteNoiseRefreshesOnEachTickUntilAnotherPreset)
{
    const dds::WaveformTable before = table();
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed20"));
    EXPECT_EQ(table(), before) << "nothing is written before the first tick";
    EXPECT_TRUE(Find<QFrame>(*form, "Panel4")->isHidden());
    Tick(Find<QTimer>(*form, "Timer4"));
    int distinct = 0;
    for (int n = 1; n <= 3200; ++n) {
        ASSERT_LE(table()[n], 254);
        ASSERT_GE(table()[n], 0);
        distinct += table()[n] != before[n];
    }
    EXPECT_GT(distinct, 3000);
    EXPECT_TRUE(plotShowsTable());
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed10"));
    EXPECT_FALSE(Find<QTimer>(*form, "Timer4")->isActive());
    EXPECT_TRUE(Find<QToolButton>(*form, "ToolButton4")->isEnabled());
}

TEST_F(WaveformWindow, SineReleasesTheClearDrawingButton)
{
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed18"));
    EXPECT_TRUE(Find<QToolButton>(*form, "SpeedButton9")->isEnabled());
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed10"));
    EXPECT_TRUE(Find<QToolButton>(*form, "SpeedButton9")->isEnabled());
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed8"));
    EXPECT_FALSE(Find<QToolButton>(*form, "SpeedButton9")->isEnabled());
}
