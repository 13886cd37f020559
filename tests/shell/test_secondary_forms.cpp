#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

#include "device/virtual_hid_bus.h"
#include "panel/front_panel.h"
#include "event_waits.h"
#include "shell/click_label.h"
#include "shell/error_reporter.h"
#include "shell/language_texts.h"
#include "shell/settings_file.h"
#include "shell/unit1.h"
#include "shell/unit2.h"
#include "shell/unit3.h"
#include "shell/unit4.h"
#include "shell/unit5.h"
#include "shell/unit6.h"
#include "shell/web_addresses.h"
#include "shell/window_showing.h"
#include "widgets/double_speed.h"
#include "widgets/graphic_gauge.h"
#include "widgets/rx_gif_animator.h"
#include "window_controls.h"

namespace {

bool OnTop(const QWidget& window)
{
    return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

bool Frameless(const QWidget& window)
{
    return window.windowFlags().testFlag(Qt::FramelessWindowHint);
}

// Records what the windows report and what they ask the desktop to open.
class RecordingTest : public ::testing::Test {
protected:
    dds::ErrorReporter Reporter()
    {
        return dds::ErrorReporter([this](const QString& m) { errors << m; });
    }
    dds::UrlOpener Opener()
    {
        return [this](const QUrl& url) {
            opened << url;
            return openerSucceeds;
        };
    }

    QStringList errors;
    QList<QUrl> opened;
    bool openerSucceeds = true;
};

TEST(ShowingPattern, ShownOnTopAndHiddenBackToNormal)
{
    QWidget window;
    dds::ShowOnTop(window);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(OnTop(window));
    dds::HideToNormal(window);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(OnTop(window));
}

TEST(TransferWindow, HoldsTheAnimationAndAnEmptyGauge)
{
    TForm2 form;
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(Frameless(form));
    EXPECT_EQ(form.size(), QSize(472, 185));
    EXPECT_EQ(form.Panel1->geometry(), QRect(0, 0, 472, 185));
    EXPECT_EQ(form.Panel1->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(form.Panel1->lineWidth(), 3);
    EXPECT_EQ(form.GraphicGauge1->geometry(), QRect(24, 160, 425, 17));
    EXPECT_EQ(form.GraphicGauge1->Progress(), 0);
    EXPECT_FALSE(form.GraphicGauge1->Brosse().isNull());
    EXPECT_FALSE(form.GraphicGauge1->Fond().isNull());
    EXPECT_EQ(form.RxGIFAnimator1->pos(), QPoint(5, 7));
    EXPECT_GT(form.RxGIFAnimator1->FrameCount(), 1);
    EXPECT_TRUE(form.RxGIFAnimator1->Animate());
}

TEST(WaitWindow, ShowsTheThreeLanguagesAtOnceInRedBoldArial)
{
    TForm3 form;
    EXPECT_TRUE(Frameless(form));
    EXPECT_EQ(form.size(), QSize(367, 174));
    const struct {
        QLabel* label;
        const char* text;
        QPoint where;
    } lines[] = {{form.Label1, "Calculs en cours... Veuillez patienter...", {8, 8}},
                 {form.Label2, "Calculating... Please wait...", {64, 32}},
                 {form.Label3, "Berechnung läuft... Bitte warten...", {32, 56}}};
    for (const auto& line : lines) {
        EXPECT_EQ(line.label->text(), QString::fromUtf8(line.text));
        EXPECT_EQ(line.label->pos(), line.where);
        EXPECT_TRUE(line.label->isVisibleTo(&form));
        EXPECT_TRUE(line.label->font().bold());
        EXPECT_EQ(line.label->font().pixelSize(), 19);
        EXPECT_EQ(line.label->font().family(), "Arial");
    }
    form.resize(367, 174);
    const QImage shot = form.grab().toImage();
    bool anyRed = false;
    for (int x = 8; x < 300 && !anyRed; ++x)
        for (int y = 8; y < 27 && !anyRed; ++y)
            anyRed = shot.pixelColor(x, y) == QColor(Qt::red);
    EXPECT_TRUE(anyRed);
    EXPECT_EQ(form.RxGIFAnimator1->pos(), QPoint(144, 85));
    EXPECT_GT(form.RxGIFAnimator1->FrameCount(), 1);
}

TEST(PictureWindow, HoldsTheStartUpPicture)
{
    TForm4 form;
    EXPECT_TRUE(Frameless(form));
    EXPECT_EQ(form.size(), QSize(562, 417));
    EXPECT_EQ(form.Image1->geometry(), QRect(0, 0, 563, 417));
    EXPECT_EQ(form.Image1->pixmap().size(), QSize(563, 419));
}

TEST(WorkWindow, ImagesTakeTheSizeOfTheTransferPictures)
{
    TForm5 form;
    EXPECT_FALSE(Frameless(form));
    EXPECT_EQ(form.windowTitle(), "Form5");
    EXPECT_EQ(form.Image2->geometry(), QRect(8, 8, 50, 50));
    EXPECT_EQ(form.Image1->geometry(), QRect(8, 336, 50, 50));
    QImage waveform(3200, 256, QImage::Format_RGB32);
    waveform.fill(Qt::white);
    QImage stretched(2133, 256, QImage::Format_RGB32);
    stretched.fill(Qt::red);
    form.ShowTransferPictures(waveform, stretched);
    EXPECT_EQ(form.Image2->size(), QSize(3200, 256));
    EXPECT_EQ(form.Image1->size(), QSize(2133, 256));
    EXPECT_EQ(form.Image1->pixmap().toImage().pixelColor(10, 10), QColor(Qt::red));
    EXPECT_EQ(form.Image1->pos(), QPoint(8, 336));
}

class AboutWindow : public RecordingTest {
protected:
    void Click(QWidget* target) { QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(2, 2)); }
    TForm6 form{Opener(), Reporter()};
};

TEST_F(AboutWindow, LinesSitWhereDesignedOverThePicture)
{
    EXPECT_TRUE(Frameless(form));
    EXPECT_EQ(form.size(), QSize(562, 599));
    EXPECT_EQ(form.Image1->pixmap().size(), QSize(562, 600));
    EXPECT_EQ(form.Image1->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(form.RxLabel2->text(), QString::fromUtf8("Générateur de fonctions"));
    EXPECT_EQ(form.RxLabel2->pos(), QPoint(165, 400));
    EXPECT_EQ(form.RxLabel4->text(), QString::fromUtf8("à synthèse numérique directe (DDS)."));
    EXPECT_EQ(form.RxLabel1->text(), "Version 1.3");
    EXPECT_EQ(form.RxLabel1->pos(), QPoint(464, 552));
    EXPECT_EQ(form.RxLabel8->text(), QString::fromLatin1(dds::kMakerWebSite));
    EXPECT_TRUE(form.RxLabel8->font().underline());
    EXPECT_TRUE(form.RxLabel9->font().underline());
    EXPECT_FALSE(form.RxLabel7->font().underline());
    EXPECT_EQ(form.RxLabel9->palette().color(QPalette::WindowText), QColor(Qt::magenta));
    EXPECT_EQ(form.RxLabel5->font().pixelSize(), 17);
    for (dds::ClickLabel* line : {form.RxLabel1, form.RxLabel5, form.RxLabel9}) {
        EXPECT_TRUE(line->font().bold());
        EXPECT_EQ(line->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_LE(line->geometry().right(), form.width()) << line->text().toStdString();
    }
    // The site line must not run into the version number beside it.
    EXPECT_LT(form.RxLabel8->geometry().right(), form.RxLabel1->x());
}

TEST_F(AboutWindow, ShownTwiceIsShownOnce)
{
    dds::ShowOnTop(form);
    const WId first = form.winId();
    dds::ShowOnTop(form);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(OnTop(form));
    EXPECT_EQ(form.winId(), first);
}

TEST_F(AboutWindow, PictureAndFirstSevenLinesCloseIt)
{
    for (QWidget* target : std::initializer_list<QWidget*>{form.Image1, form.RxLabel1, form.RxLabel2, form.RxLabel3,
                                                           form.RxLabel4, form.RxLabel5, form.RxLabel6,
                                                           form.RxLabel7}) {
        dds::ShowOnTop(form);
        Click(target);
        EXPECT_FALSE(form.isVisible()) << target->metaObject()->className();
        EXPECT_FALSE(OnTop(form));
    }
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(AboutWindow, WebLinesOpenTheirSitesAndLeaveItOpen)
{
    dds::ShowOnTop(form);
    Click(form.RxLabel8);
    Click(form.RxLabel9);
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0], QUrl(QString::fromLatin1(dds::kMakerWebSite)));
    EXPECT_EQ(opened[1], QUrl(QString::fromLatin1(dds::kTranslatorWebSite)));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(AboutWindow, AnAddressTheDesktopCannotOpenIsReported)
{
    openerSucceeds = false;
    Click(form.RxLabel8);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QString::fromLatin1(dds::kMakerWebSite))) << errors[0].toStdString();
}

class MainWindowWindows : public RecordingTest {
protected:
    void SetUp() override
    {
        RecordingTest::SetUp();
        dds::WindowServices services;
        services.hidBackend = std::make_shared<dds::VirtualHidBus>();
        services.programFolder = ProgramFolder();
        services.userSettingsFolder = ProgramFolder() + "user/";
        services.errorSink = [this](const QString& m) { errors << m; };
        services.urlOpener = Opener();
        form = std::make_unique<TForm1>(std::move(services));
    }
    void TearDown() override
    {
        form.reset();
        RecordingTest::TearDown();
    }
    QString ProgramFolder() const { return programFolder_.path() + "/"; }
    void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    std::unique_ptr<TForm1> form;

private:
    QTemporaryDir programFolder_;
};

TEST_F(MainWindowWindows, SecondaryWindowsStartHidden)
{
    for (QWidget* window : std::initializer_list<QWidget*>{Find<TForm2>(*form, "Form2"), Find<TForm3>(*form, "Form3"),
                                                           Find<TForm4>(*form, "Form4"), Find<TForm5>(*form, "Form5"),
                                                           Find<TForm6>(*form, "Form6")}) {
        ASSERT_NE(window, nullptr);
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(OnTop(*window));
        EXPECT_TRUE(window->isWindow());
        // An about window left open must not keep the program alive after the main window closes.
        EXPECT_FALSE(window->testAttribute(Qt::WA_QuitOnClose));
    }
}

// Each secondary window with the program's own ways of showing and hiding it (the start-up picture
// comes and goes with its timer, below).
struct SecondaryWindowUse {
    const char* name;
    QWidget* (*window)(TForm1&);
    void (*show)(TForm1&);
    void (*hide)(TForm1&);
};

void ClickButton(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

const SecondaryWindowUse kSecondaryWindowUses[] = {
    {"transfer window", [](TForm1& f) -> QWidget* { return Find<TForm2>(f, "Form2"); },
     [](TForm1& f) { ClickButton(Find<QToolButton>(f, "SpeedButton4")); },
     [](TForm1& f) { ClickButton(Find<QToolButton>(f, "SpeedButton5")); }},
    {"wait window", [](TForm1& f) -> QWidget* { return Find<TForm3>(f, "Form3"); },
     [](TForm1& f) { ClickButton(Find<QToolButton>(f, "SpeedButton6")); },
     [](TForm1& f) { ClickButton(Find<QToolButton>(f, "SpeedButton7")); }},
    {"work window", [](TForm1& f) -> QWidget* { return Find<TForm5>(f, "Form5"); },
     [](TForm1& f) { ClickButton(Find<QPushButton>(f, "BitBtn1")); },
     [](TForm1& f) { Find<TForm5>(f, "Form5")->close(); }}, // the operator closes it with its frame
    {"about window", [](TForm1& f) -> QWidget* { return Find<TForm6>(f, "Form6"); },
     [](TForm1& f) { ClickButton(Find<QToolButton>(f, "ToolButton7")); },
     [](TForm1& f) { QTest::mouseClick(Find<TForm6>(f, "Form6")->Image1, Qt::LeftButton, {}, QPoint(2, 2)); }},
};

class SecondaryWindowsOfTheMainWindow : public MainWindowWindows {
protected:
    void SetUp() override
    {
        MainWindowWindows::SetUp();
        Find<QTimer>(*form, "Timer2")->stop(); // the test ticks the start-up picture itself
        form->show();
        form->activateWindow();
        ASSERT_TRUE(dds::test::WaitFor("the main window to be active",
                                       [this] { return QApplication::activeWindow() == form.get(); }));
    }
    // The start-up picture comes with the first tick of its timer and goes with the last.
    void ShowTheStartUpPicture() { Tick(Find<QTimer>(*form, "Timer2")); }
    void EndTheStartUpPicture()
    {
        while (Find<TForm4>(*form, "Form4")->isVisible())
            Tick(Find<QTimer>(*form, "Timer2"));
    }
    bool BelongsToTheMainWindow(QWidget& window) const
    {
        return window.isWindow() && window.windowHandle() &&
               window.windowHandle()->transientParent() == form->windowHandle();
    }
    // Ctrl+Z takes the last waveform change back and Ctrl+Y brings it again, straight after a
    // window went away and still once the desktop has had its say.
    void ExpectTheKeysWork(const char* after)
    {
        const int before = static_cast<int>(form->FrontPanel().State().kind);
        ClickButton(before == 2 ? Find<TDoubleSpeed>(*form, "DoubleSpeed10")
                                : Find<TDoubleSpeed>(*form, "DoubleSpeed9"));
        const int changed = static_cast<int>(form->FrontPanel().State().kind);
        ASSERT_NE(changed, before);
        QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(static_cast<int>(form->FrontPanel().State().kind), before) << after;
        QTest::qWait(30);
        QTest::keyClick(form.get(), Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(static_cast<int>(form->FrontPanel().State().kind), changed) << after;
    }
};

TEST_F(SecondaryWindowsOfTheMainWindow, BelongToItWheneverShownAndKeepTheirShowingPattern)
{
    ShowTheStartUpPicture();
    EXPECT_TRUE(BelongsToTheMainWindow(*Find<TForm4>(*form, "Form4"))) << "picture window";
    EXPECT_TRUE(OnTop(*Find<TForm4>(*form, "Form4")));
    EndTheStartUpPicture();
    for (QWidget* window : std::initializer_list<QWidget*>{Find<TForm2>(*form, "Form2"), Find<TForm3>(*form, "Form3"),
                                                           Find<TForm4>(*form, "Form4"), Find<TForm5>(*form, "Form5"),
                                                           Find<TForm6>(*form, "Form6")}) {
        const std::string name = window->metaObject()->className();
        EXPECT_EQ(window->parentWidget(), form.get()) << name;
        for (int showing = 1; showing <= 2; ++showing) { // the style change between must not cut it loose
            dds::ShowOnTop(*window);
            ASSERT_TRUE(window->isVisible()) << name;
            EXPECT_TRUE(OnTop(*window)) << name;
            EXPECT_TRUE(BelongsToTheMainWindow(*window)) << name << " showing " << showing;
            dds::HideToNormal(*window);
            EXPECT_FALSE(window->isVisible()) << name;
            EXPECT_FALSE(OnTop(*window)) << name;
            EXPECT_TRUE(BelongsToTheMainWindow(*window)) << name << " hidden after showing " << showing;
        }
    }
    EXPECT_TRUE(form->isVisible());
}

TEST_F(SecondaryWindowsOfTheMainWindow, TheMainWindowsKeysWorkOnceEachHasGone)
{
    ShowTheStartUpPicture();
    ASSERT_TRUE(dds::test::WaitFor("the start-up picture to be active", [this] { return QApplication::activeWindow() == Find<TForm4>(*form, "Form4"); }));
    EndTheStartUpPicture();
    EXPECT_EQ(QApplication::activeWindow(), form.get()) << "picture window";
    ExpectTheKeysWork("picture window");
    for (const SecondaryWindowUse& use : kSecondaryWindowUses) {
        QWidget* window = use.window(*form);
        use.show(*form);
        // The desktop gives the window the keyboard, as it would a new window of the program.
        ASSERT_TRUE(dds::test::WaitFor("the window to be active", [window] {
            return QApplication::activeWindow() == window;
        })) << use.name;
        use.hide(*form);
        ASSERT_FALSE(window->isVisible()) << use.name;
        EXPECT_EQ(QApplication::activeWindow(), form.get()) << use.name;
        ExpectTheKeysWork(use.name);
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(SecondaryWindowsOfTheMainWindow, AWindowHiddenWithoutTheKeyboardLeavesItWhereItIs)
{
    ShowTheStartUpPicture();
    EndTheStartUpPicture();
    ClickButton(Find<QToolButton>(*form, "ToolButton7"));
    ASSERT_TRUE(dds::test::WaitFor("the about window to be active", [this] { return QApplication::activeWindow() == Find<TForm6>(*form, "Form6"); }));
    ClickButton(Find<QToolButton>(
        *form, "SpeedButton6")); // the wait window comes and goes before the desktop gives it the keyboard
    dds::HideToNormal(*Find<TForm3>(*form, "Form3"));
    EXPECT_EQ(QApplication::activeWindow(), Find<TForm6>(*form, "Form6"));
    QTest::mouseClick(Find<TForm6>(*form, "Form6")->Image1, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(QApplication::activeWindow(), form.get());
}

TEST_F(SecondaryWindowsOfTheMainWindow, TheMainWindowGoesWhileTheAboutWindowHasTheKeyboard)
{
    ShowTheStartUpPicture();
    EndTheStartUpPicture();
    ClickButton(Find<QToolButton>(*form, "ToolButton7"));
    ASSERT_TRUE(dds::test::WaitFor("the about window to be active", [this] { return QApplication::activeWindow() == Find<TForm6>(*form, "Form6"); }));
    form.reset();
    EXPECT_EQ(QApplication::activeWindow(), nullptr);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(MainWindowWindows, PictureWindowIsUpForTwentyTicks)
{
    for (int tick = 1; tick < 20; ++tick) {
        Tick(Find<QTimer>(*form, "Timer2"));
        ASSERT_TRUE(Find<TForm4>(*form, "Form4")->isVisible()) << tick;
        EXPECT_TRUE(OnTop(*Find<TForm4>(*form, "Form4")));
    }
    Tick(Find<QTimer>(*form, "Timer2"));
    EXPECT_FALSE(Find<TForm4>(*form, "Form4")->isVisible());
    EXPECT_FALSE(OnTop(*Find<TForm4>(*form, "Form4")));
    EXPECT_FALSE(Find<QTimer>(*form, "Timer2")->isActive());
}

TEST_F(MainWindowWindows, AboutButtonShowsTheAboutWindow)
{
    Click(Find<QToolButton>(*form, "ToolButton7"));
    EXPECT_TRUE(Find<TForm6>(*form, "Form6")->isVisible());
    EXPECT_TRUE(OnTop(*Find<TForm6>(*form, "Form6")));
}

TEST_F(MainWindowWindows, DiagnosticButtonsShowAndHideTheirWindows)
{
    Click(Find<QToolButton>(*form, "SpeedButton4"));
    EXPECT_TRUE(Find<TForm2>(*form, "Form2")->isVisible());
    Click(Find<QToolButton>(*form, "SpeedButton6"));
    EXPECT_TRUE(Find<TForm3>(*form, "Form3")->isVisible());
    Click(Find<QToolButton>(*form, "SpeedButton5"));
    EXPECT_FALSE(Find<TForm2>(*form, "Form2")->isVisible());
    EXPECT_FALSE(OnTop(*Find<TForm2>(*form, "Form2")));
    Click(Find<QToolButton>(*form, "SpeedButton7"));
    EXPECT_FALSE(Find<TForm3>(*form, "Form3")->isVisible());
    Click(Find<QPushButton>(*form, "BitBtn1"));
    EXPECT_TRUE(Find<TForm5>(*form, "Form5")->isVisible());
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(MainWindowWindows, GuideButtonOpensTheGuidePageOfTheInterfaceLanguage)
{
    const QString guide = ProgramFolder() + dds::kUserGuideFolder;
    ASSERT_TRUE(QDir().mkpath(guide));
    const std::pair<QToolButton*, int> languages[] = {{Find<QToolButton>(*form, "ToolButton19"), dds::kGermanCode},
                                                      {Find<QToolButton>(*form, "ToolButton5"), dds::kEnglishCode},
                                                      {Find<QToolButton>(*form, "ToolButton6"), dds::kFrenchCode}};
    for (const auto& [languageButton, code] : languages) {
        QFile page(guide + dds::UserGuideFileName(code));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    }
    for (const auto& [languageButton, code] : languages) {
        Click(languageButton);
        Click(Find<QToolButton>(*form, "ToolButton1"));
        ASSERT_FALSE(opened.isEmpty());
        EXPECT_EQ(QFileInfo(opened.last().toLocalFile()), QFileInfo(guide + dds::UserGuideFileName(code)));
    }
    EXPECT_EQ(opened.size(), 3);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(MainWindowWindows, MissingGuideIsReportedAndNothingOpens)
{
    Click(Find<QToolButton>(*form, "ToolButton1"));
    EXPECT_TRUE(opened.isEmpty());
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("utlisation_soft.htm")) << errors[0].toStdString();
}

} // namespace
