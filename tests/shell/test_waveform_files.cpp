#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include "panel/front_panel.h"
#include "shell/settings_file.h"
#include "test_waveform_fixture.h"
#include "widgets/double_speed.h"
#include "window_controls.h"

namespace {

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
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// A file of the table's values, with a chosen line end.
QByteArray FileOf(const dds::WaveformTable& table, const QByteArray& lineEnd, int lines = 3200)
{
    QByteArray bytes;
    for (int n = 1; n <= lines; ++n)
        bytes += QByteArray::number(table[n]) + lineEnd;
    return bytes;
}

} // namespace

class WaveFiles : public WaveformWindow {
protected:
    void SetUp() override
    {
        WaveformWindow::SetUp();
        ASSERT_TRUE(folder.isValid());
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    void open(const QString& file)
    {
        dialogs.openAnswers << file;
        click(Find<QToolButton>(*form, "ToolButton2"));
    }
    void save(const QString& file)
    {
        dialogs.saveAnswers << file;
        click(Find<QToolButton>(*form, "ToolButton4"));
    }
    void expectLoadedState()
    {
        EXPECT_TRUE(Find<QFrame>(*form, "Panel4")->isHidden());
        EXPECT_TRUE(Find<QFrame>(*form, "Panel5")->isHidden());
        EXPECT_TRUE(Find<QFrame>(*form, "Panel2")->isHidden());
        EXPECT_FALSE(form->FrontPanel().State().presetDown);
        EXPECT_TRUE(plotShowsTable());
    }

    QTemporaryDir folder;
};

TEST_F(WaveFiles, SavedTableComesBackIdentical)
{
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed13"));
    const dds::WaveformTable saved = table();
    save(path("onde.xls"));
    const QByteArray bytes = ReadAll(path("onde.xls"));
    EXPECT_EQ(bytes.count("\r\n"), 3200);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(Find<QListWidget>(*form, "ListBox1")->count(), 3200);
    EXPECT_EQ(Find<QListWidget>(*form, "ListBox1")->item(0)->text(), QString::number(saved[1]));
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed8"));
    ASSERT_NE(table(), saved);
    open(path("onde.xls"));
    EXPECT_EQ(table(), saved);
    EXPECT_EQ(static_cast<int>(form->FrontPanel().State().kind), 1) << "loading keeps the kind";
    expectLoadedState();
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(WaveFiles, FlatTableGivesASixteenThousandByteFile)
{
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed17"));
    save(path("plat.xls"));
    EXPECT_EQ(ReadAll(path("plat.xls")).size(), 16000);
}

TEST_F(WaveFiles, LoneLineFeedsAndExtraLinesLoadTheSameTable)
{
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed10"));
    const dds::WaveformTable triangle = table();
    WriteAll(path("lf.xls"), FileOf(triangle, "\n"));
    WriteAll(path("long.xls"), FileOf(triangle, "\r\n") + "1\r\n2\r\nnot a number\r\n");
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed8"));
    open(path("lf.xls"));
    EXPECT_EQ(table(), triangle);
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed8"));
    open(path("long.xls"));
    EXPECT_EQ(table(), triangle);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(WaveFiles, OutOfRangeValuesLoadUnchangedAndLeaveGapsOnThePlot)
{
    dds::WaveformTable odd = table();
    odd[1000] = 300;
    odd[2000] = -5;
    WriteAll(path("odd.xls"), FileOf(odd, "\r\n"));
    open(path("odd.xls"));
    EXPECT_EQ(table()[1000], 300);
    EXPECT_EQ(table()[2000], -5);
    EXPECT_TRUE(plotShowsTable());
}

TEST_F(WaveFiles, FailedLoadLeavesEverythingAsItWas)
{
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed9"));
    const dds::WaveformTable before = table();
    const std::vector<dds::PlotPoint> plotted = trace(0);
    dds::WaveformTable other;
    for (int n = 1; n <= 3200; ++n)
        other[n] = 7;
    WriteAll(path("short.xls"), FileOf(other, "\r\n", 3199));
    QByteArray bad = FileOf(other, "\r\n");
    bad.replace(500 * 3, 3, "7x\r");
    WriteAll(path("bad.xls"), bad);

    open(path("short.xls"));
    open(path("bad.xls"));
    open(path("missing.xls"));

    ASSERT_EQ(errors.size(), 3);
    EXPECT_EQ(errors[0], "Indice de liste hors limites (3199)");
    EXPECT_EQ(errors[1], "'7x' n'est pas une valeur entière correcte");
    EXPECT_TRUE(errors[2].startsWith("Impossible d'ouvrir le fichier \"" + QDir::toNativeSeparators(path("missing.xls")) + "\". "))
        << errors[2].toStdString();
    EXPECT_EQ(table(), before);
    EXPECT_FALSE(Find<QFrame>(*form, "Panel4")->isHidden());
    EXPECT_FALSE(Find<QFrame>(*form, "Panel2")->isHidden());
    EXPECT_TRUE(Find<TDoubleSpeed>(*form, "DoubleSpeed9")->Down());
    ASSERT_EQ(trace(0).size(), plotted.size());
    EXPECT_EQ(trace(0).back().y, plotted.back().y);
}

TEST_F(WaveFiles, CancelledOpenKeepsTheTableButStillReleasesAndRedraws)
{
    const dds::WaveformTable before = table();
    open(QString());
    EXPECT_EQ(table(), before);
    expectLoadedState();
    EXPECT_EQ(dialogs.openStartFolders.size(), 1);
}

TEST_F(WaveFiles, OpeningDuringWhiteNoiseStopsItAndKeepsTheKind)
{
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed17"));
    save(path("dc.xls"));
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed20"));
    ASSERT_TRUE(Find<QTimer>(*form, "Timer4")->isActive());
    open(path("dc.xls"));
    EXPECT_FALSE(Find<QTimer>(*form, "Timer4")->isActive());
    EXPECT_EQ(static_cast<int>(form->FrontPanel().State().kind), 12);
    EXPECT_FALSE(Find<QToolButton>(*form, "ToolButton4")->isEnabled());
    EXPECT_EQ(table()[1], 128);
}

TEST_F(WaveFiles, RefusedOverwriteWritesNothing)
{
    WriteAll(path("garde.xls"), "ancien\r\n");
    save(path("garde.xls"));
    EXPECT_EQ(dialogs.overwriteQuestions, 1);
    EXPECT_EQ(ReadAll(path("garde.xls")), "ancien\r\n");
    dialogs.overwriteAnswers.push_back(true);
    save(path("garde.xls"));
    EXPECT_EQ(dialogs.overwriteQuestions, 2);
    EXPECT_EQ(ReadAll(path("garde.xls")).count("\r\n"), 3200);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(WaveFiles, CancelledSaveAndNewFileAskNothing)
{
    save(QString());
    save(path("neuf.xls"));
    EXPECT_EQ(dialogs.overwriteQuestions, 0);
    EXPECT_TRUE(QFile::exists(path("neuf.xls")));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"neuf.xls"}) << "no temporary left";
}

TEST_F(WaveFiles, SaveThatCannotCreateTheFileReportsIt)
{
    save(path("absent/onde.xls"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("Impossible de créer le fichier \"" + QDir::toNativeSeparators(path("absent/onde.xls")) + "\". "))
        << errors[0].toStdString();
}

TEST_F(WaveFiles, ProposedNameComesFromTheStatusBarClock)
{
    services.now = QDateTime(QDate(2026, 12, 7), QTime(4, 5, 9));
    Tick(Find<QTimer>(*form, "Timer3"));
    save(QString());
    ASSERT_EQ(dialogs.proposedNames.size(), 1);
    EXPECT_EQ(dialogs.proposedNames[0], "Onde_7_12_2026__4_05_09");
}

TEST_F(WaveFiles, FolderChangeInTheSaveDialogIsRememberedAtOnce)
{
    dialogs.folderToEnter = folder.path();
    save(QString());
    const QString settings = services.ownProgramFolder.filePath(dds::kSettingsFileName);
    const dds::SettingsLines lines = dds::ParseSettingsLines(ReadAll(settings));
    EXPECT_EQ(QFile::decodeName(lines[dds::kWaveFileFolderLine - 1]), QDir::toNativeSeparators(folder.path()));
    dialogs.folderToEnter.clear();
    open(QString());
    EXPECT_EQ(dialogs.openStartFolders.last(), QDir::toNativeSeparators(folder.path()));
}
