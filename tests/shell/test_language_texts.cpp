#include "event_waits.h"
#include "shell/language_texts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <vector>

#include "device/virtual_generator.h"
#include "panel/front_panel.h"
#include "shell/hint_texts.h"
#include "shell/settings_file.h"
#include "shell/text_applier.h"
#include "shell/unit1.h"
#include "test_services.h"
#include "widgets/double_speed.h"
#include "widgets/main_window_layout.h"
#include "widgets/panel_status_bar.h"
#include "widgets/rx_slider.h"
#include "window_controls.h"

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
    for (const dds::HintRow& row : dds::HintTable())
        all.push_back(row.*t.hint);
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

TEST(LanguageTextsTest, StatusTextsOfEachLanguage)
{
    EXPECT_STREQ(dds::FrenchTexts().statusConnected, "Générateur de fonctions de formes arbitraires USB connecté");
    EXPECT_STREQ(dds::FrenchTexts().statusNotConnected,
                 "Générateur de fonctions de formes arbitraires USB non connecté");
    EXPECT_STREQ(dds::EnglishTexts().statusConnected, "Fonction Arbitrary Waveform Generator connected");
    EXPECT_STREQ(dds::EnglishTexts().statusNotConnected, "Fonction Arbitrary Waveform Generator USB not connected");
    EXPECT_STREQ(dds::GermanTexts().statusNotConnected, "Arbiträrsignalgenerator nicht verbunden");
}

TEST(LanguageTextsTest, HintsFollowTheirControls)
{
    QWidget host;
    const MainWindowLayout ui(&host);
    EXPECT_STREQ(dds::HintFor(ui, ui.RxSlider1, dds::FrenchTexts()), "Réglage de la fréquence");
    EXPECT_STREQ(dds::HintFor(ui, ui.RadioButton6, dds::EnglishTexts()),
                 "Low-pass filter for caliber 10kHz. Crossover: 60Hz");
    EXPECT_STREQ(dds::HintFor(ui, ui.DoubleSpeed14, dds::GermanTexts()), "Signalform Dreieck");
    EXPECT_STREQ(dds::HintFor(ui, ui.DoubleSpeed17, dds::GermanTexts()), "Gleichspannung (DC)");
    EXPECT_STREQ(dds::HintFor(ui, ui.DoubleSpeed20, dds::EnglishTexts()), "Waveform white noise");
    EXPECT_STREQ(dds::HintFor(ui, ui.ToolButton1, dds::FrenchTexts()), "Guide d'utilisation du logiciel");
    EXPECT_STREQ(dds::HintFor(ui, ui.ToolButton19, dds::GermanTexts()), "Software auf Deutsch");
    EXPECT_EQ(dds::HintFor(ui, ui.Label10, dds::FrenchTexts()), nullptr);
}

TEST(LanguageTextsTest, EveryHintedControlHasOneRowAndTheFirstAndLastKeepTheirPlaces)
{
    QWidget host;
    const MainWindowLayout ui(&host);
    std::set<const QWidget*> controls;
    for (const dds::HintRow& row : dds::HintTable()) {
        ASSERT_NE(row.control(ui), nullptr);
        EXPECT_TRUE(controls.insert(row.control(ui)).second) << row.french;
    }
    EXPECT_EQ(controls.size(), 48u);
    EXPECT_EQ(dds::HintTable().front().control(ui), ui.RxSlider1);
    EXPECT_EQ(dds::HintTable().back().control(ui), ui.ToolButton1);
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

// The main window reads parametres.inf in the program folder at creation; each test gives it a
// folder of its own and writes the file it needs there first.
class MainWindowLanguage : public ::testing::Test {
protected:
    void TearDown() override { form.reset(); }

    QString ProgramFolder() const { return programFolder_.path() + "/"; }
    QString SettingsPath() const { return ProgramFolder() + dds::kSettingsFileName; }
    void CreateWindow() { form = std::make_unique<TForm1>(services.For(std::make_shared<dds::VirtualHidBus>(), ProgramFolder())); }
    void WriteSettings(const QByteArray& content)
    {
        QFile file(SettingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QByteArray ReadSettings() const
    {
        QFile file(SettingsPath());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
    static QByteArray FileWithLanguage(const QByteArray& line6)
    {
        return "first\r\n\r\n  three  \r\n4\r\n5\r\n" + line6 + "\r\n7\r\n";
    }
    void Start(const QByteArray& line6)
    {
        WriteSettings(FileWithLanguage(line6));
        CreateWindow();
    }
    QString Status() const { return Find<PanelStatusBar>(*form, "StatusBar1")->panelText(0); }
    static QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

    // Every control the text sets centre, with its container.
    std::vector<std::pair<QWidget*, QWidget*>> CentredControls() const
    {
        std::vector<std::pair<const char*, const char*>> names{
            {"Label3", "Panel1"},     {"Label4", "Panel1"},     {"Label5", "Panel1"},          {"Label6", "Panel1"},
            {"Label14", "GroupBox6"}, {"Label15", "GroupBox6"}, {"Label16", "Panel5"},         {"Label21", "Panel8"},
            {"Label22", "Panel8"},    {"Label28", "Panel10"},   {"RadioButton1", "GroupBox7"}, {"Label7", "Panel12"},
            {"Label8", "Panel12"},    {"Label36", "Panel12"}};
        // The shape title is only set once a waveform is known.
        if (dds::ShapeDialTitle(dds::FrenchTexts(), static_cast<int>(form->FrontPanel().State().kind)))
            names.emplace_back("Label9", "Panel2");
        std::vector<std::pair<QWidget*, QWidget*>> centred;
        for (const auto& [control, container] : names)
            centred.emplace_back(Find(*form, control), Find(*form, container));
        return centred;
    }
    void ExpectTextSet(const LanguageTexts& t) const
    {
        TForm1& f = *form;
        EXPECT_EQ(f.windowTitle(), Q(t.windowCaption));
        EXPECT_EQ(QGuiApplication::applicationDisplayName(), Q(t.applicationTitle));
        EXPECT_EQ(Status(), Q(f.FrontPanel().Connected() ? t.statusConnected : t.statusNotConnected));
        EXPECT_EQ(Find<QGroupBox>(f, "GroupBox1")->title(), Q(t.generatorControlGroup));
        EXPECT_EQ(Find<QGroupBox>(f, "GroupBox2")->title(), Q(t.outputWaveformGroup));
        EXPECT_EQ(Find<QGroupBox>(f, "GroupBox3")->title(), Q(t.frequencyGroup));
        EXPECT_EQ(Find<QGroupBox>(f, "GroupBox4")->title(), Q(t.frequencyRangeGroup));
        EXPECT_EQ(Find<QGroupBox>(f, "GroupBox5")->title(), Q(t.waveformSelectionGroup));
        EXPECT_EQ(Find<QGroupBox>(f, "GroupBox6")->title(), Q(t.offsetAmplitudeGroup));
        EXPECT_EQ(Find<QGroupBox>(f, "GroupBox7")->title(), Q(t.lowPassFilterGroup));
        EXPECT_EQ(Find<QLabel>(f, "Label3")->text(), Q(t.notConnectedInstructions[0]));
        EXPECT_EQ(Find<QLabel>(f, "Label6")->text(), Q(t.notConnectedInstructions[3]));
        EXPECT_EQ(Find<QLabel>(f, "Label14")->text(), Q(t.offsetTitle));
        EXPECT_EQ(Find<QLabel>(f, "Label15")->text(), Q(t.amplitudeTitle));
        EXPECT_EQ(Find<QLabel>(f, "Label16")->text(), Q(t.graphAmplitudeTitle));
        EXPECT_EQ(Find<QLabel>(f, "Label21")->text(), Q(t.drawingInstructions[0]));
        EXPECT_EQ(Find<QLabel>(f, "Label22")->text(), Q(t.drawingInstructions[1]));
        EXPECT_EQ(Find<QLabel>(f, "Label28")->text(), Q(t.brushWidthTitle));
        EXPECT_EQ(Find<QRadioButton>(f, "RadioButton1")->text(), Q(t.filterOff));
        EXPECT_EQ(Find<QLabel>(f, "Label7")->text(), Q(t.notConnectedOverlay[0]));
        EXPECT_EQ(Find<QLabel>(f, "Label36")->text(), Q(t.notConnectedOverlay[2]));
        // The hinted controls by name: the layout on a bare host names them.
        QWidget bare;
        const MainWindowLayout names(&bare);
        for (const dds::HintRow& row : dds::HintTable()) {
            const QByteArray name = row.control(names)->objectName().toLatin1();
            EXPECT_EQ(Find(f, name.constData())->toolTip(), Q(row.*t.hint)) << row.french;
        }
        for (const auto& [control, container] : CentredControls())
            EXPECT_EQ(control->x(), (container->width() - control->width()) / 2)
                << control->objectName().toStdString();
        EXPECT_EQ(Find<QRadioButton>(f, "RadioButton1")->width(), 89);
    }

    RecordedServices services;
    std::unique_ptr<TForm1> form;

private:
    QTemporaryDir programFolder_;
};

TEST_F(MainWindowLanguage, StartsInTheLanguageOfLineSix)
{
    Start("2");
    ExpectTextSet(dds::GermanTexts());
    Start("0");
    ExpectTextSet(dds::EnglishTexts());
    EXPECT_TRUE(services.errors.isEmpty()) << services.errors.join('\n').toStdString();
}

TEST_F(MainWindowLanguage, MissingFileStartsInFrenchAndComesBackWithEightyLines)
{
    CreateWindow();
    ExpectTextSet(dds::FrenchTexts());
    const dds::SettingsLines lines = dds::ParseSettingsLines(ReadSettings());
    EXPECT_EQ(ReadSettings().count("\r\n"), 80);
    EXPECT_EQ(QFile::decodeName(lines[1]), QDir::toNativeSeparators(ProgramFolder()));
    EXPECT_TRUE(services.errors.isEmpty()) << services.errors.join('\n').toStdString();
}

TEST_F(MainWindowLanguage, LineSixThatIsNoIntegerStartsInFrenchAndStartUpCompletes)
{
    Start("Deutsch");
    ExpectTextSet(dds::FrenchTexts());
    EXPECT_TRUE(Find<QTimer>(*form, "Timer2")->isActive());
    EXPECT_EQ(form->FrontPanel().State().range, 5);
    EXPECT_TRUE(services.errors.isEmpty()) << services.errors.join('\n').toStdString();
}

TEST_F(MainWindowLanguage, UnknownCodeLeavesTheDesignedTexts)
{
    QWidget bare;
    const MainWindowLayout designed(&bare);
    Start("7");
    EXPECT_EQ(Find<QGroupBox>(*form, "GroupBox1")->title(), designed.GroupBox1->title());
    EXPECT_EQ(Find<QLabel>(*form, "Label9")->text(), designed.Label9->text());
    EXPECT_EQ(Find<TRxSlider>(*form, "RxSlider1")->toolTip(), designed.RxSlider1->toolTip());
    EXPECT_EQ(Status(), "");
    Find<QTimer>(*form, "Timer2")->stop();
    Find<TDoubleSpeed>(*form, "DoubleSpeed9")->click(); // a preset applies the texts again
    EXPECT_EQ(Find<QLabel>(*form, "Label14")->text(), designed.Label14->text());
}

TEST_F(MainWindowLanguage, EverySetFollowsTheConnectionState)
{
    const auto bus = std::make_shared<dds::VirtualHidBus>();
    WriteSettings(FileWithLanguage("1"));
    form = std::make_unique<TForm1>(services.For(bus, ProgramFolder()));
    Find<QTimer>(*form, "Timer2")->stop();
    const std::pair<const char*, int> buttons[] = {
        {"ToolButton5", dds::kEnglishCode}, {"ToolButton6", dds::kFrenchCode}, {"ToolButton19", dds::kGermanCode}};
    for (const bool connected : {false, true}) {
        if (connected) {
            bus->Plug(std::make_shared<dds::VirtualGenerator>());
            ASSERT_TRUE(dds::test::WaitFor("the generator to connect", [this] { return form->FrontPanel().Connected(); }));
        }
        for (const auto& [button, code] : buttons) {
            Find<QToolButton>(*form, button)->click();
            ExpectTextSet(*dds::TextsForLanguage(code));
        }
    }
    EXPECT_EQ(Status(), Q("Arbiträrsignalgenerator verbunden"));
}

TEST_F(MainWindowLanguage, WaveformDependentTitles)
{
    Start("2");
    Find<QTimer>(*form, "Timer2")->stop();
    Find<TDoubleSpeed>(*form, "DoubleSpeed19")->click(); // frequency modulation
    EXPECT_EQ(Find<QLabel>(*form, "Label37")->text(), "Modulationsindex");
    EXPECT_EQ(Find<QLabel>(*form, "Label38")->text(), "");
    EXPECT_EQ(Find<QLabel>(*form, "Label9")->text(), "Einschaltdauer");
    Find<TDoubleSpeed>(*form, "DoubleSpeed16")->click(); // amplitude modulation
    EXPECT_EQ(Find<QLabel>(*form, "Label37")->text(), "Frequenz des");
    EXPECT_EQ(Find<QLabel>(*form, "Label38")->text(), Q("Trägersignals"));
    EXPECT_EQ(Find<QLabel>(*form, "Label37")->x(),
              (Find<QFrame>(*form, "Panel13")->width() - Find<QLabel>(*form, "Label37")->width()) / 2);

    Find<TDoubleSpeed>(*form, "DoubleSpeed10")->click(); // triangle
    EXPECT_EQ(Find<QLabel>(*form, "Label9")->text(), "Neigung");
    EXPECT_EQ(Find<QLabel>(*form, "Label37")->text(), "Frequenz des") << "other waveforms keep the coefficient titles";
    QTest::mouseClick(Find<QToolButton>(*form, "ToolButton6"), Qt::LeftButton);
    EXPECT_EQ(Find<QLabel>(*form, "Label9")->text(), "Pente");
}

TEST_F(MainWindowLanguage, TextWiderThanItsContainerGetsANegativeLeftEdge)
{
    Start("1");
    Find<QFrame>(*form, "Panel12")->resize(40, Find<QFrame>(*form, "Panel12")->height());
    Find<QToolButton>(*form, "ToolButton6")->click();
    ASSERT_GT(Find<QLabel>(*form, "Label7")->width(), 40);
    EXPECT_LT(Find<QLabel>(*form, "Label7")->x(), 0);
    EXPECT_EQ(Find<QLabel>(*form, "Label7")->x(), (40 - Find<QLabel>(*form, "Label7")->width()) / 2);
}

TEST_F(MainWindowLanguage, LanguageButtonRewritesOnlyLineSixAndIsRemembered)
{
    Start("1");
    const QByteArray before = ReadSettings();
    QTest::mouseClick(Find<QToolButton>(*form, "ToolButton19"), Qt::LeftButton);
    ExpectTextSet(dds::GermanTexts());
    QByteArray expected = before;
    expected.replace("\r\n5\r\n1\r\n", "\r\n5\r\n2\r\n");
    EXPECT_EQ(ReadSettings(), expected);

    CreateWindow();
    ExpectTextSet(dds::GermanTexts());
    QTest::mouseClick(Find<QToolButton>(*form, "ToolButton5"), Qt::LeftButton);
    EXPECT_EQ(dds::ParseSettingsLines(ReadSettings())[5], "0");
    QTest::mouseClick(Find<QToolButton>(*form, "ToolButton6"), Qt::LeftButton);
    EXPECT_EQ(dds::ParseSettingsLines(ReadSettings())[5], "1");
    ExpectTextSet(dds::FrenchTexts());
    EXPECT_TRUE(services.errors.isEmpty()) << services.errors.join('\n').toStdString();
}

} // namespace
