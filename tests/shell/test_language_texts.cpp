#include "shell/language_texts.h"

#include <QString>
#include <vector>
#include <gtest/gtest.h>

namespace {

using dds::LanguageTexts;

std::vector<const char*> AllTexts(const LanguageTexts& t)
{
    std::vector<const char*> all{t.applicationTitle, t.windowCaption, t.statusConnected,
                                 t.statusNotConnected, t.generatorControlGroup,
                                 t.outputWaveformGroup, t.frequencyGroup, t.frequencyRangeGroup,
                                 t.waveformSelectionGroup, t.shapeRcConstant, t.shapeSlope,
                                 t.shapeDutyCycle, t.offsetAmplitudeGroup, t.offsetTitle,
                                 t.amplitudeTitle, t.graphAmplitudeTitle, t.positionLabel,
                                 t.brushWidthTitle, t.lowPassFilterGroup, t.filterOff};
    all.insert(all.end(), t.notConnectedInstructions.begin(), t.notConnectedInstructions.end());
    all.insert(all.end(), t.drawingInstructions.begin(), t.drawingInstructions.end());
    all.insert(all.end(), t.notConnectedOverlay.begin(), t.notConnectedOverlay.end());
    all.insert(all.end(), t.hints.begin(), t.hints.end());
    all.insert(all.end(), t.amCoefficientTitles.begin(), t.amCoefficientTitles.end());
    all.insert(all.end(), t.fmCoefficientTitles.begin(), t.fmCoefficientTitles.end());
    return all;
}

TEST(LanguageTextsTest, CodesSelectTheirSetAndOtherCodesNone)
{
    EXPECT_EQ(dds::TextsForLanguage(0), &dds::EnglishTexts());
    EXPECT_EQ(dds::TextsForLanguage(1), &dds::FrenchTexts());
    EXPECT_EQ(dds::TextsForLanguage(2), &dds::GermanTexts());
    EXPECT_EQ(dds::TextsForLanguage(3), nullptr);
    EXPECT_EQ(dds::TextsForLanguage(-1), nullptr);
}

TEST(LanguageTextsTest, EveryTextIsPresentAndValidUtf8)
{
    for (const LanguageTexts* texts : {&dds::FrenchTexts(), &dds::EnglishTexts(), &dds::GermanTexts()})
        for (const char* text : AllTexts(*texts)) {
            ASSERT_NE(text, nullptr);
            EXPECT_FALSE(QString::fromUtf8(text).contains(QChar::ReplacementCharacter)) << text;
        }
}

TEST(LanguageTextsTest, GroupCaptionsKeepTheirFramingSpaces)
{
    EXPECT_STREQ(dds::FrenchTexts().generatorControlGroup, " Contrôle du générateur USB: ");
    EXPECT_STREQ(dds::EnglishTexts().frequencyRangeGroup, " Frequency Range (Hz): ");
    EXPECT_STREQ(dds::GermanTexts().lowPassFilterGroup, " Ausgang Tiefpass-Filter: ");
    EXPECT_STREQ(dds::GermanTexts().offsetAmplitudeGroup, " Ablage und Amplitude des Ausgangssignals: ");
}

TEST(LanguageTextsTest, GermanTitleUsesTheEnDash)
{
    const QString title = QString::fromUtf8(dds::GermanTexts().applicationTitle);
    EXPECT_EQ(title, QStringLiteral("DDS \u2013 Arbitr\u00e4rsignalgenerator mit USB-Anschluss"));
    EXPECT_EQ(title.at(4).unicode(), 0x2013);
    EXPECT_STREQ(dds::GermanTexts().windowCaption, dds::GermanTexts().applicationTitle);
}

TEST(LanguageTextsTest, HintsFollowTheirControls)
{
    using dds::HintTarget;
    EXPECT_STREQ(dds::HintFor(dds::FrenchTexts(), HintTarget::RxSlider1), "Réglage de la fréquence");
    EXPECT_STREQ(dds::HintFor(dds::EnglishTexts(), HintTarget::RadioButton6),
                 "Low-pass filter for caliber 10kHz. Crossover: 60Hz");
    EXPECT_STREQ(dds::HintFor(dds::GermanTexts(), HintTarget::DoubleSpeed14), "Signalform Dreieck");
    EXPECT_STREQ(dds::HintFor(dds::GermanTexts(), HintTarget::DoubleSpeed17), "Gleichspannung (DC)");
    EXPECT_STREQ(dds::HintFor(dds::EnglishTexts(), HintTarget::DoubleSpeed20), "Waveform white noise");
    EXPECT_STREQ(dds::HintFor(dds::FrenchTexts(), HintTarget::ToolButton1),
                 "Guide d'utilisation du logiciel");
    EXPECT_STREQ(dds::HintFor(dds::GermanTexts(), HintTarget::ToolButton19), "Software auf Deutsch");
}

TEST(LanguageTextsTest, ShapeDialTitleDependsOnTheWaveform)
{
    const LanguageTexts& fr = dds::FrenchTexts();
    for (int kind : {6, 7, 8})
        EXPECT_STREQ(dds::ShapeDialTitle(fr, kind), "Constante RC") << kind;
    EXPECT_STREQ(dds::ShapeDialTitle(fr, 3), "Pente");
    for (int kind : {1, 2, 4, 5, 9, 10, 11, 12})
        EXPECT_STREQ(dds::ShapeDialTitle(fr, kind), "Rapport cyclique") << kind;
    for (int kind : {0, 13, -1})
        EXPECT_EQ(dds::ShapeDialTitle(fr, kind), nullptr) << kind;
    EXPECT_STREQ(dds::ShapeDialTitle(dds::GermanTexts(), 7), "Kurvenverhältnis");
    EXPECT_STREQ(dds::ShapeDialTitle(dds::EnglishTexts(), 3), "Inclination");
}

TEST(LanguageTextsTest, CoefficientTitlesOnlyForTheModulations)
{
    const auto* germanFm = dds::CoefficientTitles(dds::GermanTexts(), 11);
    ASSERT_NE(germanFm, nullptr);
    EXPECT_STREQ((*germanFm)[0], "Modulationsindex");
    EXPECT_STREQ((*germanFm)[1], "");
    const auto* englishAm = dds::CoefficientTitles(dds::EnglishTexts(), 9);
    ASSERT_NE(englishAm, nullptr);
    EXPECT_STREQ((*englishAm)[0], "Coefficient carrier");
    EXPECT_STREQ((*englishAm)[1], "frequency");
    for (int kind : {1, 3, 10, 12})
        EXPECT_EQ(dds::CoefficientTitles(dds::FrenchTexts(), kind), nullptr) << kind;
}

TEST(LanguageTextsTest, CentringTruncatesTowardZero)
{
    EXPECT_EQ(dds::CentredLeft(345, 100), 122);
    EXPECT_EQ(dds::CentredLeft(100, 100), 0);
    EXPECT_EQ(dds::CentredLeft(100, 151), -25);
    EXPECT_EQ(dds::CentredLeft(100, 103), -1);
}

} // namespace
