// The whole `ddsgen-cli transfer --virtual` process at N = 3200 (range 5, 1000 Hz, a triangle)
// against the transfer time it prints itself: from just before the process is spawned to its exit,
// the median of the runs, and their ratio. Without arguments it measures the build's own tool;
// given several tools (say a build of main and this one), it runs them in turn, one run each per
// round, so that a busy machine weighs on all of them alike.
#include "process_output.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 21;

double NowMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

struct Run {
    double wholeMs = 0;
    double printedMs = 0;
};

// One process; the printed time is the "milliseconds" figure of its JSON summary.
bool RunOnce(const std::string& tool, Run& run)
{
    double start = 0;
    const std::optional<std::string> output =
        RunForOutput({tool, "transfer", "--virtual", "--range", "5", "--position", "0", "--kind", "3", "--json"},
                     [&start] { start = NowMilliseconds(); });
    if (!output)
        return false;
    run.wholeMs = NowMilliseconds() - start;
    const auto at = output->find("\"milliseconds\":");
    if (at == std::string::npos)
        return false;
    run.printedMs = std::stod(output->substr(at + 15));
    return true;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> tools(argv + 1, argv + argc);
    if (tools.empty())
        tools.emplace_back(DDSGEN_CLI);
    std::vector<std::vector<Run>> runs(tools.size());
    for (int round = 0; round < kRounds; ++round) {
        for (std::size_t t = 0; t < tools.size(); ++t) {
            Run run;
            if (!RunOnce(tools[t], run)) {
                std::cerr << tools[t] << ": the transfer did not run\n";
                return 1;
            }
            runs[t].push_back(run);
        }
    }
    std::printf("%-60s %10s %12s %7s\n", "ddsgen-cli transfer --virtual, N = 3200", "whole ms", "printed ms", "ratio");
    for (std::size_t t = 0; t < tools.size(); ++t) {
        std::vector<double> whole, printed, ratio;
        for (const Run& run : runs[t]) {
            whole.push_back(run.wholeMs);
            printed.push_back(run.printedMs);
            ratio.push_back(run.wholeMs / std::max(run.printedMs, 1.0));
        }
        std::printf("%-60s %10.1f %12.1f %7.2f\n", tools[t].c_str(), Median(whole), Median(printed), Median(ratio));
    }
    std::printf("medians of %d runs each\n", kRounds);
    return 0;
}
