#include "editor/file_contents.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using dds::FileContentsError;
using dds::ReadFileContents;
using dds::ReplaceFileContents;

class FileContents : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir_.path() + '/' + name; }
    QStringList Entries(const QString& folder) const
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    QStringList Entries() const { return Entries(dir_.path()); }

private:
    QTemporaryDir dir_;
};

TEST_F(FileContents, ReplacementTakesTheWholeFileAndLeavesNoTemporary)
{
    const QString path = Path("wave.xls");
    const QByteArray binary("1\r\n\0\xff\r2", 7);
    ReplaceFileContents(path, binary);
    EXPECT_EQ(ReadFileContents(path), binary);
    ReplaceFileContents(path, "3\r\n"); // shorter: nothing of the old content may remain
    EXPECT_EQ(ReadFileContents(path), QByteArray("3\r\n"));
    ReplaceFileContents(path, {});
    EXPECT_TRUE(ReadFileContents(path).isEmpty());
    EXPECT_EQ(Entries(), QStringList{"wave.xls"});
}

TEST_F(FileContents, UnicodeFolderAndFileNames)
{
    const QString folder = Path(QStringLiteral("Hélène/Документы"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/onde_été.xls");
    ReplaceFileContents(path, "128\r\n");
    ReplaceFileContents(path, "129\r\n");
    EXPECT_EQ(ReadFileContents(path), QByteArray("129\r\n"));
    EXPECT_EQ(Entries(folder), QStringList{QStringLiteral("onde_été.xls")});
}

// A folder that cannot hold the file, even for root: its parent is a plain file.
TEST_F(FileContents, FailuresThrowTheReasonAndChangeNothing)
{
    const QString blocker = Path("blocker");
    ReplaceFileContents(blocker, "kept");
    EXPECT_THROW(ReplaceFileContents(blocker + "/inside.xls", "x"), FileContentsError);
    EXPECT_THROW(ReplaceFileContents(Path("missing/wave.xls"), "x"), FileContentsError);
    EXPECT_EQ(ReadFileContents(blocker), QByteArray("kept"));
    EXPECT_EQ(Entries(), QStringList{"blocker"});

    try {
        ReadFileContents(Path("none.xls"));
        ADD_FAILURE() << "a missing file was read";
    } catch (const FileContentsError& e) {
        EXPECT_STRNE(e.what(), "");
    }
}

// A folder in the way of the file's name is not replaced by a file.
TEST_F(FileContents, AFolderIsNeverReplaced)
{
    const QString path = Path("taken");
    ASSERT_TRUE(QDir().mkpath(path + "/child"));
    EXPECT_THROW(ReplaceFileContents(path, "x"), FileContentsError);
    EXPECT_TRUE(QDir(path + "/child").exists());
    EXPECT_EQ(Entries(), QStringList{"taken"});
}

#if defined(Q_OS_UNIX)
// A FIFO (like a device node) is written where it is: replacing it would leave a plain file in its
// place, and its reader would get nothing.
TEST_F(FileContents, AFifoIsWrittenInPlaceNotReplaced)
{
    const QByteArray path = QFile::encodeName(Path("pipe"));
    ASSERT_EQ(::mkfifo(path.constData(), 0600), 0);
    const int reader = ::open(path.constData(), O_RDONLY | O_NONBLOCK); // so that the write finds a reader
    ASSERT_GE(reader, 0);
    ReplaceFileContents(Path("pipe"), "1\r\n2\r\n");
    char received[16] = {};
    EXPECT_EQ(::read(reader, received, sizeof received), 6);
    ::close(reader);
    EXPECT_STREQ(received, "1\r\n2\r\n");
    EXPECT_FALSE(QFileInfo(Path("pipe")).isFile()) << "still the FIFO";
    EXPECT_EQ(Entries(), QStringList{"pipe"});
}
#endif

} // namespace
