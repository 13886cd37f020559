#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli_command.h"
#include "editor/waveform_file.h"
#include "wav_bytes.h"

namespace {

struct ImportRun {
    int status;
    std::string out;
    std::string err;
};

ImportRun cli(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int status = dds::cli::RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

class CliImport : public ::testing::Test {
protected:
    std::string write(const std::string& name, const std::string& bytes)
    {
        const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::string path(const std::string& name) const { return dir.filePath(QString::fromStdString(name)).toStdString(); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(CliImport, WritesTheTableToStandardOutputOrToAFile)
{
    const std::string csv = write("w.csv", "t;v\n0;-1\n1;1\n");
    const ImportRun run = cli({"import", csv});
    ASSERT_EQ(run.status, 0) << run.err;
    const dds::WaveformTable table = dds::TableFromLines(dds::SplitWaveformText(run.out));
    EXPECT_EQ(table[1], 0);
    EXPECT_EQ(table[801], 128);
    EXPECT_EQ(table[1601], 255);
    EXPECT_EQ(run.err, "2 samples -> 3200, 1 header line skipped\n");

    ASSERT_EQ(cli({"import", csv, "--out", path("w.xls")}).status, 0);
    EXPECT_EQ(dds::ReadWaveformFile(path("w.xls")), table);
}

TEST_F(CliImport, ScaleOptionAndLimitedEntries)
{
    const std::string csv = write("w.txt", "100\n300\n");
    const ImportRun raw = cli({"import", csv, "--scale", "raw"});
    ASSERT_EQ(raw.status, 0);
    EXPECT_EQ(dds::TableFromLines(dds::SplitWaveformText(raw.out))[1601], 255);
    EXPECT_NE(raw.err.find("limited to 0..255"), std::string::npos);
    const ImportRun fit = cli({"import", csv, "--scale", "fit"});
    EXPECT_EQ(dds::TableFromLines(dds::SplitWaveformText(fit.out))[1], 0);
    EXPECT_EQ(cli({"import", csv, "--scale", "loud"}).status, 2);
    const ImportRun wav = cli({"import", write("s.wav", Wav(1, 8, 1, {7, 9}))});
    EXPECT_EQ(dds::TableFromLines(dds::SplitWaveformText(wav.out))[1601], 9);
}

TEST_F(CliImport, BadInputExitsWithTwoAndWritesNothing)
{
    const std::string bad = write("bad.csv", "1\n2\nx\n");
    const ImportRun run = cli({"import", bad, "--out", path("out.xls")});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("line 3, column 1: 'x' is not a valid number"), std::string::npos) << run.err; // in English
    EXPECT_FALSE(std::filesystem::exists(path("out.xls")));
    EXPECT_EQ(cli({"import", write("t.wav", "RIFF")}).status, 2);
    EXPECT_EQ(cli({"import", path("missing.csv")}).status, 2);
    EXPECT_EQ(cli({"import"}).status, 2);
    EXPECT_EQ(cli({"import", "--scale", "raw"}).status, 2);
}
