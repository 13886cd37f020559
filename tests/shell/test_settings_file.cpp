#include "shell/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "file_faults.h"

namespace {

using dds::SettingsFile;

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void WriteAll(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
}

QByteArray NumberedLines(int count)
{
    QByteArray content;
    for (int i = 1; i <= count; ++i)
        content += "line " + QByteArray::number(i) + "\r\n";
    return content;
}

class SettingsFileTest : public ::testing::Test {
protected:
    QString ProgramFolder() const { return program_.path() + "/"; }
    QString UserFolder() const { return user_.path() + "/config/"; }
    QString ProgramFile() const { return ProgramFolder() + dds::kSettingsFileName; }
    QString UserFile() const { return UserFolder() + dds::kSettingsFileName; }
    // A folder nobody can write into, not even root: its parent is a plain file.
    QString BlockedFolder()
    {
        const QString blocker = program_.path() + "/blocker";
        WriteAll(blocker, "x");
        return blocker + "/app/";
    }

    QTemporaryDir program_;
    QTemporaryDir user_;
};

TEST(SettingsLinesTest, ParsingKeepsBytesAndAcceptsEveryLineEnd)
{
    const QByteArray content = "  lead\r\n\r\ntrail  \nlone\rcaf\xe9\r\n\t";
    const dds::SettingsLines lines = dds::ParseSettingsLines(content);
    EXPECT_EQ(lines[0], "  lead");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "trail  ");
    EXPECT_EQ(lines[3], "lone");
    EXPECT_EQ(lines[4], "caf\xe9");
    EXPECT_EQ(lines[5], "\t");
    for (int i = 6; i < dds::kSettingsLineCount; ++i)
        EXPECT_TRUE(lines[i].isEmpty()) << i;
}

TEST(SettingsLinesTest, SerialisingWritesEightyCrLfLines)
{
    dds::SettingsLines lines;
    lines[0] = "a";
    lines[79] = "z";
    const QByteArray out = dds::SerializeSettingsLines(lines);
    EXPECT_EQ(out.count("\r\n"), 80);
    EXPECT_EQ(out.count('\n'), 80);
    EXPECT_TRUE(out.startsWith("a\r\n\r\n"));
    EXPECT_TRUE(out.endsWith("\r\nz\r\n"));
    EXPECT_EQ(dds::ParseSettingsLines(out), lines);
}

TEST(SettingsLinesTest, LanguageCodeFallsBackToFrenchUnlessTheLineIsAnInteger)
{
    EXPECT_EQ(dds::LanguageCodeFromLine("0"), 0);
    EXPECT_EQ(dds::LanguageCodeFromLine("2"), 2);
    EXPECT_EQ(dds::LanguageCodeFromLine(" 2 "), 2);
    EXPECT_EQ(dds::LanguageCodeFromLine("7"), 7);
    EXPECT_EQ(dds::LanguageCodeFromLine("-3"), -3);
    EXPECT_EQ(dds::LanguageCodeFromLine(""), dds::kFrenchLanguage);
    EXPECT_EQ(dds::LanguageCodeFromLine("English"), dds::kFrenchLanguage);
    EXPECT_EQ(dds::LanguageCodeFromLine("1.5"), dds::kFrenchLanguage);
    EXPECT_EQ(dds::LanguageCodeFromLine("99999999999"), dds::kFrenchLanguage);
}

TEST_F(SettingsFileTest, MissingFileReadsAsEmptyLinesAndComesBackWithEighty)
{
    SettingsFile settings(ProgramFolder(), UserFolder());
    settings.LoadSettings();
    for (int n = 1; n <= dds::kSettingsLineCount; ++n)
        EXPECT_TRUE(settings.Line(n).isEmpty()) << n;
    EXPECT_EQ(settings.LanguageCode(), dds::kFrenchLanguage);
    settings.SaveSettings();
    EXPECT_EQ(ReadAll(ProgramFile()), QByteArray("\r\n").repeated(80));
}

TEST_F(SettingsFileTest, ShortFileIsRewrittenWithEightyLines)
{
    WriteAll(ProgramFile(), "one\r\ntwo\r\nthree");
    SettingsFile settings(ProgramFolder(), UserFolder());
    settings.LoadSettings();
    EXPECT_EQ(settings.Line(3), "three");
    settings.SaveSettings();
    const QByteArray out = ReadAll(ProgramFile());
    EXPECT_EQ(out.count("\r\n"), 80);
    EXPECT_TRUE(out.startsWith("one\r\ntwo\r\nthree\r\n\r\n"));
}

TEST_F(SettingsFileTest, LongFileLosesTheLinesPastEighty)
{
    WriteAll(ProgramFile(), NumberedLines(95));
    SettingsFile settings(ProgramFolder(), UserFolder());
    settings.LoadSettings();
    settings.SaveSettings();
    EXPECT_EQ(ReadAll(ProgramFile()), NumberedLines(80));
}

TEST_F(SettingsFileTest, LanguageSwitchRewritesOnlyLineSix)
{
    QByteArray original;
    for (int i = 1; i <= 80; ++i)
        original += (i == 6 ? QByteArray("1") : "  v\xe9" + QByteArray::number(i) + " ") + "\r\n";
    original.replace("  v\xe9" "9 \r\n", "\r\n");
    WriteAll(ProgramFile(), original);

    SettingsFile settings(ProgramFolder(), UserFolder());
    settings.LoadSettings();
    settings.SetLine(dds::kLanguageLine, "2");
    settings.SaveSettings();

    QByteArray expected = original;
    expected.replace("\r\n1\r\n", "\r\n2\r\n");
    EXPECT_EQ(ReadAll(ProgramFile()), expected);
    SettingsFile reread(ProgramFolder(), UserFolder());
    reread.LoadSettings();
    EXPECT_EQ(reread.LanguageCode(), 2);
}

TEST_F(SettingsFileTest, UnwritableProgramFolderMovesTheSettingsToTheUserFolderForGood)
{
    const QString blocked = BlockedFolder();
    SettingsFile first(blocked, UserFolder());
    first.LoadSettings();
    first.SetLine(dds::kProgramFolderLine, blocked.toUtf8());
    first.SetLine(dds::kLanguageLine, "0");
    ASSERT_NO_THROW(first.SaveSettings());
    EXPECT_TRUE(first.UsesUserFolder());
    EXPECT_EQ(first.FilePath(), UserFile());
    EXPECT_EQ(ReadAll(UserFile()).count("\r\n"), 80);

    SettingsFile next(blocked, UserFolder());
    next.LoadSettings();
    EXPECT_TRUE(next.UsesUserFolder());
    EXPECT_EQ(next.LanguageCode(), 0);
    EXPECT_EQ(next.Line(dds::kProgramFolderLine), blocked.toUtf8());
}

// A per-user file left by an installed copy must not shadow the file beside a copy that can write
// its own folder, neither when reading nor when writing.
TEST_F(SettingsFileTest, WritableProgramFolderKeepsItsOwnFileWhateverTheUserFolderHolds)
{
    WriteAll(ProgramFile(), "\r\n\r\n\r\n\r\n\r\n1\r\n");
    ASSERT_TRUE(QDir().mkpath(UserFolder()));
    WriteAll(UserFile(), "\r\n\r\n\r\n\r\n\r\n2\r\n");
    SettingsFile settings(ProgramFolder(), UserFolder());
    settings.LoadSettings();
    EXPECT_FALSE(settings.UsesUserFolder());
    EXPECT_EQ(settings.LanguageCode(), 1);
    settings.SetLine(dds::kLanguageLine, "0");
    settings.SetWaveFileFolder(QStringLiteral("/tmp/ondes"));
    settings.SaveSettings();
    EXPECT_EQ(dds::ParseSettingsLines(ReadAll(ProgramFile()))[5], "0");
    EXPECT_EQ(ReadAll(UserFile()), "\r\n\r\n\r\n\r\n\r\n2\r\n");
}

// An installed copy starts from the file shipped beside it, then keeps its own in the user folder.
TEST_F(SettingsFileTest, UnwritableProgramFolderStartsFromTheFileBesideItThenKeepsTheUserFile)
{
    ASSERT_TRUE(QDir().mkpath(ProgramFolder() + "installed"));
    const QString installed = ProgramFolder() + "installed/";
    WriteAll(installed + dds::kSettingsFileName, "shipped\r\n\r\n\r\n\r\n\r\n2\r\n");
    {
        ReadOnlyFolder readOnly(installed.toStdString());
        if (!readOnly.Active())
            GTEST_SKIP() << "this user can write into any folder here";
        SettingsFile first(installed, UserFolder());
        first.LoadSettings();
        EXPECT_TRUE(first.UsesUserFolder());
        EXPECT_EQ(first.LanguageCode(), 2);
        EXPECT_EQ(first.Line(1), "shipped");
        first.SetLine(dds::kLanguageLine, "0");
        first.SaveSettings();
        EXPECT_EQ(first.FilePath(), UserFile());

        SettingsFile next(installed, UserFolder());
        next.LoadSettings();
        EXPECT_EQ(next.LanguageCode(), 0);
    }
    EXPECT_EQ(dds::ParseSettingsLines(ReadAll(installed + dds::kSettingsFileName))[5], "2");
}

TEST_F(SettingsFileTest, WriteRefusedEverywhereThrowsAndKeepsTheLinesInMemory)
{
    const QString blocked = BlockedFolder();
    SettingsFile settings(blocked, blocked + "user/");
    settings.LoadSettings();
    settings.SetLine(dds::kLanguageLine, "2");
    EXPECT_THROW(settings.SaveSettings(), dds::SettingsWriteError);
    EXPECT_EQ(settings.Line(dds::kLanguageLine), "2");
}

TEST_F(SettingsFileTest, RewriteReplacesTheFileAndLeavesNoTemporary)
{
    WriteAll(ProgramFile(), NumberedLines(80));
    SettingsFile good(ProgramFolder(), UserFolder());
    good.LoadSettings();
    good.SaveSettings();
    EXPECT_EQ(ReadAll(ProgramFile()), NumberedLines(80));
    EXPECT_EQ(QDir(ProgramFolder()).entryList({"parametres.inf*"}, QDir::Files | QDir::Hidden),
              QStringList{"parametres.inf"});
}

TEST_F(SettingsFileTest, LineNumbersAndLineBreaksAreChecked)
{
    SettingsFile settings(ProgramFolder(), UserFolder());
    EXPECT_THROW(settings.Line(0), std::out_of_range);
    EXPECT_THROW(settings.SetLine(81, "x"), std::out_of_range);
    EXPECT_THROW(settings.SetLine(11, "a\nb"), std::invalid_argument);
    EXPECT_THROW(settings.SetLine(11, "a\rb"), std::invalid_argument);
    EXPECT_NO_THROW(settings.Line(80));
}

TEST_F(SettingsFileTest, WaveFileFolderRoundTripsThroughLineEleven)
{
    SettingsFile settings(ProgramFolder(), UserFolder());
    settings.SetWaveFileFolder(QStringLiteral("/home/opérateur/ondes"));
    settings.SaveSettings();
    SettingsFile reread(ProgramFolder(), UserFolder());
    reread.LoadSettings();
    EXPECT_EQ(reread.WaveFileFolder(), QStringLiteral("/home/opérateur/ondes"));
}

// Windows keeps per-user settings in the roaming %APPDATA%, Linux in its configuration folder.
TEST(UserSettingsFolder, IsThePlatformsPerUserFolder)
{
    const QString folder = dds::UserSettingsFolder();
    const QString base = QSysInfo::productType() == QLatin1String("windows")
                             ? QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"))
                             : qEnvironmentVariable("XDG_CONFIG_HOME", QDir::homePath() + "/.config");
    ASSERT_FALSE(base.isEmpty());
    EXPECT_EQ(folder.compare(base + '/' + QCoreApplication::applicationName() + '/', Qt::CaseInsensitive), 0)
        << folder.toStdString();
}

TEST_F(SettingsFileTest, ScratchPictureGoesToTheProgramFolderUnlessItIsReadOnly)
{
    EXPECT_EQ(dds::ScratchFolder(ProgramFolder(), UserFolder()).folder, ProgramFolder());
    EXPECT_FALSE(QFileInfo(UserFolder()).isDir()) << "made before it was needed";
    EXPECT_EQ(dds::ScratchFolder(BlockedFolder(), UserFolder()).folder, UserFolder());
    EXPECT_TRUE(QFileInfo(UserFolder()).isDir());
    EXPECT_FALSE(dds::ScratchFolder(BlockedFolder(), UserFolder()).temporary);
    const dds::ScratchLocation neither = dds::ScratchFolder(BlockedFolder(), BlockedFolder() + "user/");
    EXPECT_TRUE(neither.temporary);
    EXPECT_EQ(neither.folder, QDir::tempPath() + '/');
}

} // namespace
