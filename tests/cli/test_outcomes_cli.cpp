// What the tool says reached the generator, how it stops on a signal, and that what it writes is
// checked: exit statuses and messages as a script sees them.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <QtGlobal>
#include <csignal>
#include <filesystem>

#include "bench_cli_fixture.h"
#include "device/virtual_generator.h"
#include "device/virtual_hid_bus.h"

using cli_test::Cli;
using cli_test::CliRun;
using cli_test::Joined;

namespace {

class OutcomesCli : public cli_test::BenchCli {
protected:
    // The parts a stopped transfer names as never sent, from the code of each report that was not.
    static std::vector<std::string> PartsAmong(const std::vector<std::string>& codes)
    {
        struct Part {
            std::vector<std::string> codes;
            const char* name;
        };
        const Part table[] = {
            {{"03"}, "header"},
            {{"09"}, "noise command"},
            {{"07"}, "end-of-transfer reports 7 and 6"},
            {{"0b", "0c", "0d", "0e", "0f", "10", "11", "12"}, "filter"},
            {{"02"}, "closing command"},
        };
        const auto has = [&codes](const std::vector<std::string>& wanted) {
            return std::find_first_of(codes.begin(), codes.end(), wanted.begin(), wanted.end()) != codes.end();
        };
        std::vector<std::string> parts;
        for (const Part& part : table)
            if (has(part.codes))
                parts.emplace_back(part.name);
        if (!has({"07"}) && has({"06"})) // 7 went out, and everything before it
            parts.insert(parts.begin(), "end-of-transfer report 6");
        return parts;
    }
};

TEST_F(OutcomesCli, GeneratorVanishingAfterAnyReportIsToldExactly)
{
    for (const char* kind : {"12", "1"}) {
        const std::vector<std::string> args{"transfer", "--virtual", "--range",      "5", "--position", "5",
                                            "--kind",   kind,        "--report-log", log, "--json"};
        std::filesystem::remove(log);
        ASSERT_EQ(Cli(args).status, 0);
        const std::vector<std::string> whole = Heads(2);
        for (size_t k = 1; k <= whole.size(); ++k) {
            SCOPED_TRACE(testing::Message() << "kind " << kind << ", unplugged after report " << k);
            std::filesystem::remove(log);
            const CliRun run = Cli(Joined(args, {"--virtual-fault", "unplug-after:" + std::to_string(k)}));
            const std::vector<std::string> sent(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(k));
            EXPECT_EQ(Heads(2), sent);
            const bool everything = k == whole.size();
            EXPECT_EQ(run.status, everything ? 0 : 4) << run.err;
            const auto json = nlohmann::json::parse(run.out);
            EXPECT_EQ(json["outcome"], everything ? "acknowledged" : "vanished");
            std::vector<std::string> codes;
            for (size_t i = k; i < whole.size(); ++i)
                codes.push_back(whole[i].substr(2));
            EXPECT_EQ(json["neverSent"], PartsAmong(codes));
            EXPECT_EQ(json["blocksNeverSent"].size(), size_t(std::count(codes.begin(), codes.end(), "04")
                                                             + std::count(codes.begin(), codes.end(), "05")));
        }
    }
    const CliRun text = Cli({"transfer", "--virtual", "--range", "5", "--position", "5", "--kind", "1",
                             "--virtual-fault", "unplug-after:4"});
    EXPECT_NE(text.out.find("(vanished: blocks 3-35 of 35, the end-of-transfer reports 7 and 6, the filter and the "
                            "closing command never sent)\n"),
              std::string::npos)
        << text.out;
}

TEST_F(OutcomesCli, AGeneratorLostOnTheOffsetWasSentNoneOfTheTransfer)
{
    const CliRun run = Cli({"transfer", "--virtual", "--range", "5", "--position", "5", "--kind", "1", "--offset", "9",
                            "--virtual-fault", "unplug-after:1"});
    EXPECT_EQ(run.status, 4) << run.err;
    EXPECT_NE(run.out.find("(vanished: blocks 1-35 of 35, the header, the end-of-transfer reports 7 and 6 and the "
                           "closing command never sent)\n"),
              std::string::npos)
        << run.out;
}

// A generator that sends the process a signal once it has taken `after` reports.
class SignallingGenerator : public dds::VirtualGenerator {
public:
    SignallingGenerator(size_t after, int signal) : after_(after), signal_(signal) {}

protected:
    void OnReport(const Report& report) override
    {
        VirtualGenerator::OnReport(report);
        if (WriteCount() == after_)
            std::raise(signal_);
    }

private:
    size_t after_;
    int signal_;
};

TEST_F(OutcomesCli, ASignalStopsAtTheNextReportClosesAndSaysWhatWasNotSent)
{
    struct Case {
        std::vector<std::string> args;
        int signal;
        std::vector<int> written;
        int status;
        const char* notSent;
    };
    const Case cases[] = {
        {{"transfer", "--range", "5", "--position", "5", "--kind", "1"},
         SIGINT,
         {1, 3, 4, 2},
         130,
         "blocks 2-35 of 35"},
        {{"set", "--offset", "1", "--filter", "F1"}, SIGTERM, {1, 10, 2}, 143, "not sent: filter F1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0]);
        auto bus = std::make_shared<dds::VirtualHidBus>();
        auto generator = std::make_shared<SignallingGenerator>(c.written.size() - 1, c.signal);
        bus->Attach(generator);
        const CliRun run = Cli(c.args, bus);
        EXPECT_EQ(run.status, c.status) << run.err;
        std::vector<int> written;
        for (const auto& report : generator->Written())
            written.push_back(report.at(1));
        EXPECT_EQ(written, c.written);
        EXPECT_NE((run.out + run.err).find(c.notSent), std::string::npos) << run.out << run.err;
        EXPECT_NE(run.err.find("interrupted"), std::string::npos) << run.err;
    }
}

// Standard output on a full disk: every write fails.
class FullOutput : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST_F(OutcomesCli, EveryCommandChecksWhatItWritesToStandardOutput)
{
    const std::string table = folder.filePath("table.xls").toStdString();
    ASSERT_EQ(Cli({"synth", "--kind", "3", "--out", table}).status, 0);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"frequency", "--range", "5", "--position", "0"},
             {"preview", "--range", "7", "--position", "90", "--kind", "1"},
             {"synth", "--kind", "1"},
             {"import", table},
             {"list", "--virtual"},
             {"transfer", "--virtual", "--range", "7", "--position", "90", "--kind", "1"},
             {"set", "--virtual", "--offset", "1"}}) {
        FullOutput full;
        std::ostream out(&full);
        std::ostringstream err;
        EXPECT_EQ(dds::cli::RunCli(args, out, err), 1) << args[0];
        EXPECT_NE(err.str().find("ddsgen-cli " + args[0] + ": cannot write to standard output"), std::string::npos)
            << err.str();
    }
}

TEST_F(OutcomesCli, BadFilesAreStatusTwoAndSaidInTheToolsOwnWords)
{
    static QStringList qtMessages;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { qtMessages << text; });
    const std::string here = folder.path().toStdString();
    const std::string missing = here + "/missing.xls";
    const std::vector<std::string> transfer{"transfer", "--virtual", "--range", "7", "--position", "90"};
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"synth", "--kind", "1", "--out", ""}, "--out needs a file name"},
        {{"synth", "--kind", "1", "--out", here}, "is a folder"},
        {{"import", missing}, "cannot open"},
        {{"preview", "--range", "7", "--position", "90", "--file", missing}, "cannot open"},
        {Joined(transfer, {"--file", missing}), "cannot open"},
        {Joined(transfer, {"--kind", "1", "--report-log", ""}), "--report-log needs a file name"},
        {Joined(transfer, {"--kind", "1", "--report-log", here}), "is a folder"},
    };
    for (const auto& [args, message] : cases) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(qtMessages.isEmpty()) << qtMessages.join('\n').toStdString();
}

#if defined(Q_OS_LINUX)
TEST_F(OutcomesCli, AReportLogThatCannotBeWrittenIsSaidAndStatusOne)
{
    const CliRun run = Cli({"set", "--virtual", "--offset", "1", "--report-log", "/dev/full"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot write the report log /dev/full: No space left on device"), std::string::npos)
        << run.err;
}
#endif

} // namespace
