#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "cli/cli_command.h"

namespace {

struct PreviewRun {
    int status;
    std::string out;
    std::string err;
};

PreviewRun Cli(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int status = dds::cli::RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<int> Lines(const std::string& text)
{
    std::vector<int> values;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        values.push_back(std::stoi(line));
    return values;
}

// The sample bytes of a report log, as the generator received them: the header (code 3) gives the
// block count and N, each block (code 4) carries 62 samples, the tail (code 5) the rest.
std::vector<int> WireSamples(const QString& log)
{
    std::ifstream file(log.toStdString());
    std::vector<int> samples;
    int count = 0;
    int blocks = 0;
    for (std::string line; std::getline(file, line);) {
        auto byte = [&line](int i) { return std::stoi(line.substr(2 * static_cast<std::size_t>(i), 2), nullptr, 16); };
        const int code = byte(1);
        if (code == 3) {
            blocks = byte(3);
            count = byte(4) * 256 + byte(5);
        }
        const int carried = code == 4 ? 62 : code == 5 ? count - 62 * blocks : 0;
        for (int i = 0; i < carried; ++i)
            samples.push_back(byte(2 + i));
    }
    return samples;
}

} // namespace

class PreviewCli : public ::testing::Test {
protected:
    std::vector<int> wire(std::vector<std::string> settings)
    {
        const QString log = folder.filePath(QStringLiteral("reports%1.log").arg(++logs));
        settings.insert(settings.begin(), "transfer");
        settings.insert(settings.end(), {"--virtual", "--report-log", log.toStdString()});
        const PreviewRun run = Cli(settings);
        EXPECT_EQ(run.status, 0) << run.err;
        return WireSamples(log);
    }
    std::vector<int> preview(std::vector<std::string> settings)
    {
        settings.insert(settings.begin(), "preview");
        const PreviewRun run = Cli(settings);
        EXPECT_EQ(run.status, 0) << run.err;
        return Lines(run.out);
    }
    QTemporaryDir folder;
    int logs = 0;
};

TEST_F(PreviewCli, PrintsExactlyWhatTheTransferPutsOnTheWire)
{
    const std::vector<std::vector<std::string>> settings{
        {"--range", "7", "--position", "70", "--kind", "1"},                    // 40 samples: a tail only
        {"--range", "5", "--position", "0", "--kind", "2", "--shape", "30"},   // 3200: 51 blocks and a tail
        {"--range", "6", "--position", "90", "--kind", "9", "--amplitude", "70"}, // 160
        {"--range", "4", "--position", "62", "--kind", "11"},                   // 3200 / 7.2 = 444
    };
    for (const auto& s : settings) {
        const std::vector<int> bytes = preview(s);
        EXPECT_FALSE(bytes.empty());
        EXPECT_EQ(bytes, wire(s)) << s[1] << " " << s[3] << " kind " << s[5];
    }
    EXPECT_EQ(preview(settings[0]).size(), 40u);
}

TEST_F(PreviewCli, FilesOfEveryFormatAndWhiteNoise)
{
    const std::string csv = folder.filePath("w.csv").toStdString();
    std::ofstream(csv) << "t,v\n0,0\n1,250\n2,30\n";
    const std::vector<std::string> s{"--range", "7", "--position", "40", "--file", csv};
    EXPECT_EQ(preview(s), wire(s));
    EXPECT_EQ(preview(s).size(), 64u);

    const PreviewRun noise = Cli({"preview", "--range", "5", "--position", "0", "--kind", "12"});
    EXPECT_EQ(noise.status, 0);
    EXPECT_TRUE(noise.out.empty());
    EXPECT_NE(noise.err.find("the generator makes the noise itself"), std::string::npos) << noise.err;
    EXPECT_TRUE(wire({"--range", "5", "--position", "0", "--kind", "12"}).empty());

    std::ofstream(folder.filePath("bad.csv").toStdString()) << "1\nx\n";
    const PreviewRun bad = Cli({"preview", "--range", "5", "--position", "0", "--file",
                                folder.filePath("bad.csv").toStdString()});
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.out.empty());
    EXPECT_EQ(Cli({"preview", "--range", "5", "--position", "0"}).status, 2);
}

TEST_F(PreviewCli, FrequencyInHertzChoosesTheSettingAndKeepsStandardOutputToTheBytes)
{
    const PreviewRun chosen = Cli({"preview", "--frequency", "1500", "--kind", "3"});
    ASSERT_EQ(chosen.status, 0) << chosen.err;
    EXPECT_EQ(Lines(chosen.out), preview({"--range", "5", "--position", "5", "--kind", "3"}));
    EXPECT_EQ(Lines(chosen.out).size(), 2133u);
    EXPECT_NE(chosen.err.find("range 5, position 5"), std::string::npos) << chosen.err;
    const auto json = nlohmann::json::parse(Cli({"preview", "--frequency", "950000", "--kind", "1", "--json"}).out);
    EXPECT_EQ(json["playedText"], "969.697 kHz");
    EXPECT_EQ(json["bytes"].get<std::vector<int>>(), preview({"--range", "7", "--position", "83", "--kind", "1"}));

    EXPECT_EQ(Cli({"preview", "--frequency", "2000000", "--kind", "3"}).status, 2);
    EXPECT_EQ(Cli({"preview", "--frequency", "1500", "--range", "5", "--kind", "3"}).status, 2);
}
