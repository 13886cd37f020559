// Runs ddsgen-cli in-process against the virtual generator, with its report log in a scratch folder.
#pragma once
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_command.h"

namespace cli_test {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun Cli(const std::vector<std::string>& args, std::shared_ptr<dds::HidBackend> system = {})
{
    std::ostringstream out, err;
    const int status = dds::cli::RunCli(args, out, err, std::move(system));
    return {status, out.str(), err.str()};
}

inline std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class BenchCli : public ::testing::Test {
protected:
    QTemporaryDir folder;
    std::string log = folder.filePath("reports.log").toStdString();

    // Range 5 at 1000 Hz: 51 blocks and a tail; or range 7 at its top: 32 samples, so no block
    // and one acknowledged tail.
    CliRun Transfer(const std::vector<std::string>& extra, bool full = true)
    {
        const std::vector<std::string> frequency =
            full ? std::vector<std::string>{"--range", "5", "--position", "0"}
                 : std::vector<std::string>{"--range", "7", "--position", "90"};
        return Cli(Joined(Joined({"transfer", "--kind", "3", "--virtual", "--report-log", log}, frequency), extra));
    }
    CliRun Set(const std::vector<std::string>& extra)
    {
        return Cli(Joined({"set", "--virtual", "--report-log", log}, extra));
    }
    std::vector<std::string> Lines() const
    {
        std::ifstream file(log);
        std::vector<std::string> lines;
        for (std::string line; std::getline(file, line);)
            lines.push_back(line);
        return lines;
    }
    // The first `bytes` bytes of each logged report, as hex.
    std::vector<std::string> Heads(size_t bytes) const
    {
        std::vector<std::string> heads;
        for (const std::string& line : Lines())
            heads.push_back(line.substr(0, 2 * bytes));
        return heads;
    }
    // Each logged report starts with the expected hex.
    void ExpectStarts(const std::vector<std::string>& expected) const
    {
        const std::vector<std::string> lines = Lines();
        ASSERT_EQ(lines.size(), expected.size());
        for (size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i].substr(0, expected[i].size()), expected[i]) << "report " << i;
    }
};

} // namespace cli_test
