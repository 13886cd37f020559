#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <sstream>

#include <gtest/gtest.h>

#include "editor/waveform_file.h"
#include "file_faults.h"
#include "synthesis/waveform_synthesis.h"

using namespace dds;
namespace fs = std::filesystem;

namespace {

WaveformTable flatTable(int32_t value)
{
    WaveformTable t;
    for (int32_t i = 1; i <= 3200; ++i)
        t[i] = value;
    return t;
}

std::string joined(const std::vector<std::string>& lines, const std::string& end)
{
    std::string text;
    for (const auto& line : lines)
        text += line + end;
    return text;
}

std::string messageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const WaveformFileError& e) {
        return e.what();
    }
    return "no error";
}

class TempDir : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("ddsgen_wf_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override
    {
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }
    fs::path dir;
};

TEST(WaveformFileFormat, FlatTableIs16000BytesOfCrLfLines)
{
    const std::string text = FormatWaveformFile(flatTable(128));
    EXPECT_EQ(text.size(), 16000u);
    EXPECT_EQ(text.substr(0, 10), "128\r\n128\r\n");
    EXPECT_EQ(text.substr(text.size() - 5), "128\r\n");
}

TEST(WaveformFileFormat, NegativeAndLargeValuesAreWrittenPlain)
{
    WaveformTable t = flatTable(0);
    t[1] = -5;
    t[3200] = 300;
    const auto lines = WaveformLines(t);
    ASSERT_EQ(lines.size(), 3200u);
    EXPECT_EQ(lines[0], "-5");
    EXPECT_EQ(lines[1], "0");
    EXPECT_EQ(lines[3199], "300");
}

TEST(WaveformFileReader, LineEnds)
{
    EXPECT_EQ(SplitWaveformText("1\r\n2\n3\r4"), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(SplitWaveformText("1\r\n"), (std::vector<std::string>{"1"}));
    EXPECT_EQ(SplitWaveformText("1\n\r2"), (std::vector<std::string>{"1", "", "2"}));
    EXPECT_EQ(SplitWaveformText("1\r\n\r\n"), (std::vector<std::string>{"1", ""}));
    EXPECT_EQ(SplitWaveformText(std::string("1\n2\0\n3", 6)), (std::vector<std::string>{"1", "2"}));
    EXPECT_TRUE(SplitWaveformText("").empty());
}

TEST(WaveformFileReader, IntegerForms)
{
    EXPECT_EQ(ParseSampleLine("128"), 128);
    EXPECT_EQ(ParseSampleLine("   7"), 7);
    EXPECT_EQ(ParseSampleLine("+12"), 12);
    EXPECT_EQ(ParseSampleLine("-5"), -5);
    EXPECT_EQ(ParseSampleLine("007"), 7);
    EXPECT_EQ(ParseSampleLine("$ff"), 255);
    EXPECT_EQ(ParseSampleLine("x1A"), 26);
    EXPECT_EQ(ParseSampleLine("X1a"), 26);
    EXPECT_EQ(ParseSampleLine("0x10"), 16);
    EXPECT_EQ(ParseSampleLine("0XfF"), 255);
    EXPECT_EQ(ParseSampleLine("-$10"), -16);
    EXPECT_EQ(ParseSampleLine("$FFFFFFFF"), -1); // 32 bits taken as signed
    EXPECT_EQ(ParseSampleLine("2147483647"), 2147483647);
    EXPECT_EQ(ParseSampleLine("-2147483648"), INT32_MIN);
}

TEST(WaveformFileReader, RejectsWhatIsNotOneInteger)
{
    for (const char* bad : {"", " ", "12 ", "1 2", "\t5", "abc", "2147483648", "-2147483649",
                            "$", "0x", "$100000000", "--1", "+-1", "1e3", "0x-1", "12a"})
        EXPECT_EQ(messageOf([&] { ParseSampleLine(bad); }),
                  std::string("'") + bad + "' n'est pas une valeur entière correcte")
            << bad;
}

TEST(WaveformFileReader, TooFewLinesNamesTheLineCount)
{
    std::vector<std::string> lines(3199, "10");
    EXPECT_EQ(messageOf([&] { TableFromLines(lines); }), "Indice de liste hors limites (3199)");
    EXPECT_EQ(messageOf([&] { TableFromLines({}); }), "Indice de liste hors limites (0)");
}

TEST(WaveformFileReader, OnlyTheFirst3200LinesCountAndValuesAreNotLimited)
{
    std::vector<std::string> lines(3200, "300");
    lines[1] = "-5";
    lines.push_back("not a number");
    const WaveformTable t = TableFromLines(lines);
    EXPECT_EQ(t[1], 300);
    EXPECT_EQ(t[2], -5);
    EXPECT_EQ(t[3200], 300);
}

TEST(WaveformFileReader, AnErrorOnTheLastLineReportsThatLine)
{
    std::vector<std::string> lines(3200, "1");
    lines[3199] = "12;";
    EXPECT_EQ(messageOf([&] { TableFromLines(lines); }), "'12;' n'est pas une valeur entière correcte");
}

TEST_F(TempDir, RoundTripGivesTheIdenticalTable)
{
    WaveformParams p;
    p.vertical = 40;
    WaveformTable t;
    ComputeWaveform(t, WaveformKind::CapacitorChargeDischarge, p);
    t[17] = -5;
    t[18] = 300;
    const std::string path = (dir / "wave.xls").string();
    WriteWaveformFile(path, t);
    std::vector<std::string> lines;
    EXPECT_EQ(ReadWaveformFile(path, &lines), t);
    EXPECT_EQ(lines.size(), 3200u);
    EXPECT_FALSE(fs::exists(path + ".tmp"));
}

TEST_F(TempDir, LoneLineFeedsAndLongFilesLoadTheSameTable)
{
    WaveformTable t;
    ComputeWaveform(t, WaveformKind::Sine, {});
    const auto lines = WaveformLines(t);
    const std::string path = (dir / "lf.xls").string();
    std::ofstream(path, std::ios::binary) << joined(lines, "\n") << "17\n18\njunk\n";
    EXPECT_EQ(ReadWaveformFile(path), t);
}

TEST_F(TempDir, MissingFileNamesThePathInQuotes)
{
    const std::string path = (dir / "none.xls").string();
    const std::string message = messageOf([&] { ReadWaveformFile(path); });
    EXPECT_EQ(message.rfind("Impossible d'ouvrir le fichier \"" + path + "\". ", 0), 0u) << message;
}

TEST_F(TempDir, FailedWriteKeepsTheOldFile)
{
    const std::string path = (dir / "keep.xls").string();
    WriteWaveformFile(path, flatTable(1));
    std::string message;
    {
        ReadOnlyFolder readOnly(dir.string());
        if (!readOnly.Active())
            GTEST_SKIP() << "this user can write into any folder here";
        message = messageOf([&] { WriteWaveformFile(path, flatTable(2)); });
    }
    EXPECT_EQ(message.rfind("Impossible de créer le fichier \"" + path + "\". ", 0), 0u) << message;
    EXPECT_EQ(ReadWaveformFile(path), flatTable(1));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(TempDir, DiskFillingUpKeepsTheOldFileAndLeavesNoTemporary)
{
    const std::string path = (dir / "full.xls").string();
    WriteWaveformFile(path, flatTable(1));
    std::string message;
    {
        FileSizeLimit limit(100);
        if (!limit.Active())
            GTEST_SKIP() << "the file size limit cannot be lowered here";
        message = messageOf([&] { WriteWaveformFile(path, flatTable(2)); });
    }
    EXPECT_NE(message.find(std::strerror(EFBIG)), std::string::npos) << message;
    EXPECT_EQ(ReadWaveformFile(path), flatTable(1));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

// Windows gives narrow file calls its ANSI code page: such a folder is what breaks them.
TEST_F(TempDir, SavesAndLoadsInAFolderNamedWithNonAsciiLetters)
{
    const std::u8string base = dir.u8string();
    const std::string folder = std::string(base.begin(), base.end()) + "/Hélène Документы";
    fs::create_directories(fs::path(std::u8string(folder.begin(), folder.end())));
    const std::string path = folder + "/onde.xls";
    WaveformTable t;
    ComputeWaveform(t, WaveformKind::Triangle, {});
    WriteWaveformFile(path, t);
    WriteWaveformFile(path, t); // replacing an existing file there too
    EXPECT_EQ(ReadWaveformFile(path), t);
    const fs::path written(std::u8string(path.begin(), path.end()));
    EXPECT_EQ(fs::file_size(written), FormatWaveformFile(t).size());
    EXPECT_EQ(std::distance(fs::directory_iterator(written.parent_path()), fs::directory_iterator()), 1);
}

// A file of the user's may carry a name the save would like for its temporary; it is never touched.
TEST_F(TempDir, WriteLeavesFilesNamedLikeItsTemporaryAlone)
{
    const std::string path = (dir / "wave.xls").string();
    std::ofstream(path + ".tmp", std::ios::binary) << "mine";
    WriteWaveformFile(path, flatTable(3));
    EXPECT_EQ(ReadWaveformFile(path), flatTable(3));
    std::ifstream kept(path + ".tmp", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "mine");
    EXPECT_FALSE(fs::exists(path + ".tmp1"));
}

// Nor a dangling link of that name, which an open that follows links would write through.
TEST_F(TempDir, WriteLeavesALinkNamedLikeItsTemporaryAlone)
{
    const std::string path = (dir / "wave.xls").string();
    std::error_code refused;
    fs::create_symlink("/nonexistent/target", path + ".tmp1", refused);
    if (refused)
        GTEST_SKIP() << "no symbolic link can be made here: " << refused.message();
    WriteWaveformFile(path, flatTable(3));
    EXPECT_EQ(ReadWaveformFile(path), flatTable(3));
    EXPECT_TRUE(fs::is_symlink(path + ".tmp1"));
    EXPECT_FALSE(fs::exists(path + ".tmp2"));
}

} // namespace
