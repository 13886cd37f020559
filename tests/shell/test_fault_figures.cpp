// The window driven through generator, disk and settings faults: nothing is lost, and the
// program stays usable or, when the generator is pulled, ends without writing another report.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>

#include <cerrno>
#include <cstring>

#include "device/report_log.h"
#include "panel/front_panel.h"
#include "shell/language_texts.h"
#include "shell/unit2.h"
#include "shell/unit3.h"
#include "test_device_fixture.h"
#include "test_fault_injection.h"
#include "test_waveform_fixture.h"
#include "widgets/double_speed.h"
#include "window_controls.h"

namespace {

using namespace std::chrono_literals;
using Report = dds::VirtualHidInterface::Report;

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// The full-length triangle: a header, 51 blocks, a tail and the two closing reports.
constexpr int kTriangleReports = 55;
constexpr int kTriangleWaits = 52;

class TransferFaults : public DeviceWindow {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        programFolder = folder.path();
        Replug(std::make_shared<dds::VirtualGenerator>());
    }
    void TearDown() override
    {
        DeviceWindow::TearDown();
        FaultTally::Instance().Settle(HasFailure());
    }

    // A fresh bus, generator and window, with every write attempt and every written report recorded.
    void Replug(std::shared_ptr<dds::VirtualGenerator> fresh, std::chrono::milliseconds period = 10ms)
    {
        form.reset();
        bus = std::make_shared<dds::VirtualHidBus>();
        generator = std::move(fresh);
        logPath = folder.filePath(QStringLiteral("reports-%1.log").arg(++rigs));
        attempts = std::make_shared<WriteAttempts>(
            dds::LoggingBackend(bus, std::make_shared<dds::ReportLog>(logPath.toStdString())));
        backend = attempts;
        terminationRequests = 0;
        services.scratchFolder = folder.path();
        services.acknowledgementPeriod = period;
        StartConnected();
    }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void transferTriangle()
    {
        click(Find<TDoubleSpeed>(*form, "DoubleSpeed10"));
        click(Find<QToolButton>(*form, "SpeedButton10"));
    }
    bool inputsEnabled() const
    {
        return Find<QGroupBox>(*form, "GroupBox3")->isEnabled() && Find<QGroupBox>(*form, "GroupBox6")->isEnabled()
               && Find<QGroupBox>(*form, "GroupBox1")->isEnabled() && Find<QGroupBox>(*form, "GroupBox5")->isEnabled()
               && Find<QToolBar>(*form, "ToolBar1")->isEnabled();
    }
    // Every byte the window computed reached the generator, the transfer was closed, and the
    // window is back to its normal state.
    void expectWholeTransfer(int transfersClosed)
    {
        const dds::GeneratorModel model = generator->Model();
        const std::vector<uint8_t> computed = SampleList();
        EXPECT_FALSE(computed.empty());
        EXPECT_EQ(model.samples, computed);
        EXPECT_EQ(model.transfersClosed, transfersClosed);
        EXPECT_FALSE(Find<TForm2>(*form, "Form2")->isVisible());
        EXPECT_FALSE(Find<TForm3>(*form, "Form3")->isVisible());
        EXPECT_FALSE(Find<QTimer>(*form, "Timer1")->isActive());
        EXPECT_TRUE(inputsEnabled());
    }
    // Acknowledgement waits that ended on their time-out while `action` runs: the ticks of Timer1
    // at the wait's period. Until the first wait Timer1 ticks once a second; on a slow machine one
    // of those falls between the click and the first wait, and it ends no wait.
    int timedOutWaitsDuring(const std::function<void()>& action)
    {
        int ticks = 0;
        const QMetaObject::Connection counting =
            QObject::connect(Find<QTimer>(*form, "Timer1"), &QTimer::timeout, [this, &ticks] {
                if (std::chrono::milliseconds(Find<QTimer>(*form, "Timer1")->interval())
                    == services.acknowledgementPeriod)
                    ++ticks;
            });
        action();
        QObject::disconnect(counting);
        return ticks;
    }

    QTemporaryDir folder;
    std::shared_ptr<WriteAttempts> attempts;
    QString logPath;
    int rigs = 0;
};

} // namespace

TEST_F(TransferFaults, SilentGeneratorGetsTheWholeWaveformAndTheNextTransferWorks)
{
    generator->SetAcknowledging(false);
    FaultTally::Instance().Inject();
    EXPECT_EQ(timedOutWaitsDuring([this] { transferTriangle(); }), kTriangleWaits)
        << "each block waited its full period";
    EXPECT_EQ(Sent().size(), size_t(kTriangleReports));
    expectWholeTransfer(1);

    generator->SetAcknowledging(true);
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed8"));
    click(Find<QToolButton>(*form, "SpeedButton10"));
    expectWholeTransfer(2);
    EXPECT_EQ(generator->Model().kind, 1);
}

TEST_F(TransferFaults, LateAndDoubledAcknowledgementsLoseNothing)
{
    struct Timing {
        std::chrono::milliseconds latency; // of the first acknowledgement, against the 10 ms wait
        std::chrono::milliseconds echo;    // of its double
    };
    const Timing timings[] = {
        {25ms, 40ms}, // both after the wait has given up: they land in the next blocks' waits
        {1ms, 3ms},   // in time, and doubled into the next block's wait
        {1ms, 25ms},  // in time, the double long after
    };
    for (const Timing& timing : timings) {
        SCOPED_TRACE(testing::Message() << "latency " << timing.latency.count() << " ms, echo "
                                        << timing.echo.count() << " ms");
        Replug(std::make_shared<EchoingGenerator>(timing.echo));
        ASSERT_NE(form, nullptr);
        generator->SetAckLatency(timing.latency);
        FaultTally::Instance().Inject();
        transferTriangle();
        EXPECT_EQ(Sent().size(), size_t(kTriangleReports));
        expectWholeTransfer(1);
        // The strays of the first transfer arrive during the second one.
        click(Find<TDoubleSpeed>(*form, "DoubleSpeed13"));
        click(Find<QToolButton>(*form, "SpeedButton10"));
        expectWholeTransfer(2);
    }
}

TEST_F(TransferFaults, FloodOfUnrelatedInputNeitherAcknowledgesNorBreaksATransfer)
{
    generator->SetUnrelatedInput(1ms);
    generator->SetAcknowledging(false);
    FaultTally::Instance().Inject();
    EXPECT_EQ(timedOutWaitsDuring([this] { transferTriangle(); }), kTriangleWaits)
        << "an unrelated report ended an acknowledgement wait";
    expectWholeTransfer(1);

    generator->SetAcknowledging(true);
    FaultTally::Instance().Inject();
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed9"));
    click(Find<QToolButton>(*form, "SpeedButton10"));
    expectWholeTransfer(2);
    generator->SetUnrelatedInput(0ms);
}

TEST_F(TransferFaults, DiskFullForTheWorkPictureSendsNothingAndTheNextTransferWorks)
{
    QStringList shown;
    {
        FileSizeLimit limit(64);
        if (!limit.Active())
            GTEST_SKIP() << "the file size limit cannot be lowered here";
        FaultTally::Instance().Inject();
        transferTriangle();
        shown = std::exchange(services.errors, {});
    }
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith(QString::fromUtf8("Impossible de créer le fichier"))) << shown[0].toStdString();
    EXPECT_TRUE(Sent().empty()) << "a transfer went out without its picture";
    EXPECT_FALSE(Find<TForm2>(*form, "Form2")->isVisible());
    EXPECT_FALSE(Find<TForm3>(*form, "Form3")->isVisible());
    EXPECT_TRUE(inputsEnabled());

    click(Find<QToolButton>(*form, "SpeedButton10"));
    EXPECT_EQ(Sent().size(), size_t(kTriangleReports));
    expectWholeTransfer(1);
}

TEST_F(TransferFaults, UnplugAtEveryReportStopsTheTransferThereAndEndsInTheNotConnectedState)
{
    // White noise (no waits, where only the refused write tells), and the sine (its filter too).
    for (const char* preset : {"DoubleSpeed20", "DoubleSpeed8"}) {
        const auto presetButton = [this, preset] { return Find<TDoubleSpeed>(*form, preset); };
        Replug(std::make_shared<dds::VirtualGenerator>());
        ASSERT_NE(form, nullptr);
        click(presetButton());
        click(Find<QToolButton>(*form, "SpeedButton10"));
        const std::vector<Report> whole = Sent();
        ASSERT_GE(whole.size(), 4u);
        for (size_t k = 1; k <= whole.size(); ++k) {
            SCOPED_TRACE(testing::Message() << preset << ", unplugged after report " << k);
            // The removal, not a time-out, is to end the wait of the block the generator never takes.
            Replug(std::make_shared<dds::VirtualGenerator>(), 2000ms);
            ASSERT_NE(form, nullptr);
            const size_t attemptsBefore = attempts->All().size();
            generator->UnplugAfter(generator->WriteCount() + k, [this] { bus->Unplug(*generator); });
            FaultTally::Instance().Inject();
            click(presetButton());
            click(Find<QToolButton>(*form, "SpeedButton10"));
            EXPECT_TRUE(dds::test::WaitFor("the program to be ended", [this] { return terminationRequests > 0; }));
            ExpectEndedNotConnected(); // not undone by the transfer's end
            EXPECT_FALSE(Find<TForm2>(*form, "Form2")->isVisible());
            EXPECT_FALSE(Find<TForm3>(*form, "Form3")->isVisible());
            EXPECT_EQ(Sent(), std::vector<Report>(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(k)));

            const std::vector<Report> tried(attempts->All().begin() + static_cast<std::ptrdiff_t>(attemptsBefore),
                                            attempts->All().end());
            // A report sent before the removal is noticed is refused; none may follow the refused one.
            EXPECT_GE(tried.size(), k);
            EXPECT_LE(tried.size(), k + 1);
            for (size_t i = 0; i < tried.size() && i < whole.size(); ++i)
                EXPECT_EQ(tried[i], whole[i]) << "attempt " << i << " strays from the transfer";

            const size_t triedInAll = attempts->All().size();
            Pump();
            form.reset();
            EXPECT_EQ(attempts->All().size(), triedInAll) << "a report was attempted after the release";

            QStringList logged;
            for (const Report& report : generator->Written())
                logged << QString::fromStdString(dds::HexLine(report.data(), report.size()));
            EXPECT_EQ(QString::fromLatin1(ReadAll(logPath)).split('\n', Qt::SkipEmptyParts), logged);
        }
    }
}

namespace {

class WaveFileFaults : public WaveformWindow {
protected:
    void SetUp() override
    {
        WaveformWindow::SetUp();
        ASSERT_TRUE(folder.isValid());
        target = folder.filePath(QStringLiteral("onde.xls"));
        WriteAll(target, kOldContent);
        click(Find<TDoubleSpeed>(*form, "DoubleSpeed13"));
    }
    void TearDown() override
    {
        WaveformWindow::TearDown();
        FaultTally::Instance().Settle(HasFailure());
    }

    void saveOverTarget()
    {
        dialogs.saveAnswers << target;
        dialogs.overwriteAnswers.push_back(true);
        click(Find<QToolButton>(*form, "ToolButton4"));
    }
    // The failed save showed its error, left the old file as it was and no temporary beside it.
    void expectRefusedSave(int error)
    {
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors[0].startsWith("Impossible de créer le fichier \"" + target + "\". "))
            << errors[0].toStdString();
        EXPECT_TRUE(errors[0].endsWith(QString::fromUtf8(std::strerror(error)))) << errors[0].toStdString();
        EXPECT_EQ(ReadAll(target), kOldContent);
        EXPECT_EQ(FilesIn(folder.path()), QStringList{"onde.xls"});
    }
    // Once the fault is gone, the same save goes through.
    void expectSaveWorksAgain()
    {
        errors.clear();
        saveOverTarget();
        EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
        EXPECT_EQ(ReadAll(target).count("\r\n"), 3200);
        EXPECT_EQ(FilesIn(folder.path()), QStringList{"onde.xls"});
    }

    static inline const QByteArray kOldContent = "ancien\r\n";
    QTemporaryDir folder;
    QString target;
};

} // namespace

TEST_F(WaveFileFaults, DiskFillingUpDuringTheSaveKeepsTheOldFile)
{
    {
        FileSizeLimit limit(64);
        if (!limit.Active())
            GTEST_SKIP() << "the file size limit cannot be lowered here";
        FaultTally::Instance().Inject();
        saveOverTarget();
    }
    expectRefusedSave(EFBIG);
    expectSaveWorksAgain();
}

TEST_F(WaveFileFaults, SaveIntoAReadOnlyFolderKeepsTheOldFile)
{
    int error = 0;
    {
        ReadOnlyFolder readOnly(folder.path().toStdString());
        if (!readOnly.Active())
            GTEST_SKIP() << "this user can write into any folder here";
        error = readOnly.Error();
        FaultTally::Instance().Inject();
        saveOverTarget();
    }
    expectRefusedSave(error);
    expectSaveWorksAgain();
}

// Not a fault: the user's own files that carry the names the save would give its temporary.
TEST_F(WaveFileFaults, SaveLeavesFilesNamedLikeItsTemporaryAlone)
{
    const QByteArray own = "le fichier de l'utilisateur\r\n";
    WriteAll(target + ".tmp", own);
    ASSERT_TRUE(QDir().mkdir(target + ".tmp1"));
    saveOverTarget();
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_EQ(ReadAll(target).count("\r\n"), 3200);
    EXPECT_EQ(ReadAll(target + ".tmp"), own);
    EXPECT_TRUE(QFileInfo(target + ".tmp1").isDir());
    EXPECT_EQ(FilesIn(folder.path()), (QStringList{"onde.xls", "onde.xls.tmp"}));
}

namespace {

class SettingsFaults : public WaveformWindow {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(programFolder.isValid() && userFolder.isValid());
        QByteArray lines;
        for (int n = 1; n <= dds::kSettingsLineCount; ++n)
            lines += (n == dds::kLanguageLine ? QByteArray("1") : "ligne " + QByteArray::number(n)) + "\r\n";
        WriteAll(settingsPath(), lines);
        dds::WindowServices own = services.For(std::make_shared<dds::VirtualHidBus>(), programFolder.path() + "/");
        own.userSettingsFolder = userFolder.path() + "/";
        CreateWindow(std::move(own));
        oldContent = ReadAll(settingsPath()); // start-up stored the program folder in it
    }
    void TearDown() override
    {
        WaveformWindow::TearDown();
        FaultTally::Instance().Settle(HasFailure());
    }

    QString settingsPath() const { return programFolder.filePath(dds::kSettingsFileName); }
    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QTemporaryDir programFolder;
    QTemporaryDir userFolder;
    QByteArray oldContent;
};

} // namespace

TEST_F(SettingsFaults, FailedSettingsWritesKeepTheOldFileAndAreShown)
{
    struct Trigger {
        const char* what;
        std::function<void()> run;
    };
    const Trigger triggers[] = {
        {"the English button", [this] { click(Find<QToolButton>(*form, "ToolButton5")); }},
        {"a folder change in the save dialog",
         [this] {
             dialogs.folderToEnter = programFolder.path();
             click(Find<QToolButton>(*form, "ToolButton4"));
             dialogs.folderToEnter.clear();
         }},
    };
    for (const Trigger& trigger : triggers) {
        SCOPED_TRACE(trigger.what);
        errors.clear();
        {
            FileSizeLimit limit(64);
            if (!limit.Active())
                GTEST_SKIP() << "the file size limit cannot be lowered here";
            FaultTally::Instance().Inject();
            trigger.run();
        }
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors[0].startsWith(QString::fromUtf8("Erreur d'entrée/sortie"))) << errors[0].toStdString();
        EXPECT_EQ(ReadAll(settingsPath()), oldContent);
        EXPECT_EQ(FilesIn(programFolder.path()), QStringList{dds::kSettingsFileName}) << "a temporary was left";
        EXPECT_TRUE(FilesIn(userFolder.path()).isEmpty()) << "a partial file reached the user folder";
    }

    // With room again the next change is stored, every other line as it was.
    errors.clear();
    click(Find<QToolButton>(*form, "ToolButton5"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    dds::SettingsLines expected = dds::ParseSettingsLines(oldContent);
    expected[dds::kLanguageLine - 1] = QByteArray::number(dds::kEnglishCode);
    expected[dds::kWaveFileFolderLine - 1] = QFile::encodeName(QDir::toNativeSeparators(programFolder.path()));
    // A failed write beside the program sends the file to the per-user folder for the rest of the run.
    const dds::SettingsLines stored = dds::ParseSettingsLines(ReadAll(userFolder.filePath(dds::kSettingsFileName)));
    for (int i = 0; i < dds::kSettingsLineCount; ++i)
        EXPECT_EQ(stored[i], expected[i]) << "line " << i + 1;
}
