#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scpi/command_call.h"
#include "scpi/command_tree.h"
#include "scpi/scpi_error.h"
#include "scpi/session.h"
#include "scpi/status_commands.h"

namespace {

using namespace dds::scpi;

// A session over the status commands and a few test commands that record what ran, for the path
// rules, the parameter readers and the pending operation.
struct SessionFixture {
    CommandTree tree;
    std::string log;
    int pending = 0; // operations waiting to complete
    Session session{tree, [this](Session& s) {
                        for (; pending > 0; --pending)
                            log += "done;";
                        (void)s;
                    }};

    SessionFixture()
    {
        AddStatusCommands(tree);
        static constexpr UnitSuffix kHertz[] = {{"HZ", 1}, {"KHZ", 1e3}, {"MHZ", 1e6}};
        tree.Add("[SOURce:]FREQuency[:CW]", [this](CommandCall& c) {
            c.ExpectParameters(1);
            log += "freq " + std::to_string(c.Real(0, {0.1, 1e6}, kHertz)) + ";";
            ++pending;
        });
        tree.Add("[SOURce:]FREQuency:PLAYed?", [this](CommandCall& c) { c.Respond("played"); });
        static constexpr Mnemonic kShapes[] = {{"SINusoid"}, {"SQUare"}};
        tree.Add("[SOURce:]FUNCtion",
                 [this](CommandCall& c) { log += "func " + std::to_string(c.Choice(0, kShapes)) + ";"; });
        tree.Add("[SOURce:]FUNCtion:AMPLitude", [this](CommandCall& c) {
            c.ExpectParameters(1);
            log += "ampl " + std::to_string(c.Integer(0, 0, 100)) + ";";
        });
        tree.Add("DATA", [this](CommandCall& c) { log += "data " + std::to_string(c.Codes(0).size()) + ";"; });
    }
    std::string Run(const std::string& message) { return session.Execute({message, false}); }
};

TEST(Session, FollowsThePathRulesAndReadsEveryNumericForm)
{
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"SOUR:FREQ 1.5 kHz;PLAY?;FUNC SQU",   "freq 1500.000000;func 1;"},
        {"freq:cw 2e3;:FUNC sin",              "freq 2000.000000;func 0;"},
        {"FUNC:AMPL 49.5;AMPL MAX;AMPL #H20",  "ampl 50;ampl 100;ampl 32;"},   // ties to even
        {"FREQ MIN;FREQ 1 MHZ",                "freq 0.100000;freq 1000000.000000;"},
        {"DATA 1,2,255;DATA #13abc",           "data 3;data 3;"},
        {"FUNC SIN;AMPL 5",                    "func 0;"},                    // AMPL alone is no command
        {"FUNC:AMPL 5;*CLS;AMPL 6",            "ampl 5;ampl 6;"},             // common commands keep the path
    };
    // clang-format on
    for (const auto& [message, log] : cases) {
        SessionFixture f;
        f.pending = 0;
        f.Run(message);
        const std::string withoutDone = f.log.substr(0, f.log.find("done;"));
        EXPECT_EQ(withoutDone, log) << message;
    }
}

TEST(Session, QueuesEachFaultWithItsNumberAndGoesOnWithTheNextUnit)
{
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"FREQ 2 MHZ",        "-222,\"Data out of range\""},
        {"FREQ 5 VOLT",       "-131,\"Invalid suffix;VOLT\""},
        {"FUNC:AMPL 5 HZ",    "-138,\"Suffix not allowed\""},
        {"FUNC TRI",          "-224,\"Illegal parameter value;TRI\""},
        {"FUNC 'SIN'",        "-104,\"Data type error\""},
        {"FREQ",              "-109,\"Missing parameter\""},
        {"FREQ 1,2",          "-108,\"Parameter not allowed\""},
        {"FREQ FAST",         "-141,\"Invalid character data;FAST\""},
        {"DATA 1,256",        "-222,\"Data out of range\""},
        {"VOLT 5",            "-113,\"Undefined header\""},
        {"FREQ 1 2",          "-103,\"Invalid separator\""},
    };
    // clang-format on
    for (const auto& [message, error] : cases) {
        SessionFixture f;
        EXPECT_EQ(f.Run(message + ";*OPC?"), error.substr(0, 4) == "-103" ? "" : "1\n") << message;
        EXPECT_EQ(f.Run("SYST:ERR?;:SYST:ERR:NEXT?"), error + ";0,\"No error\"\n") << message;
    }
}

TEST(Session, KeepsTheStatusModel)
{
    SessionFixture f;
    // clang-format off
    const std::pair<std::string, std::string> steps[] = {
        {"*ESE 60;*SRE 32;*ESE?;*SRE?",  "60;32\n"},
        {"*STB?",                        "0\n"},
        {"FREQ 9E9",                     ""},
        {"*STB?",                        "100\n"},   // error available, event summary, master summary
        {"*ESR?;*ESR?",                  "16;0\n"},  // execution error, then cleared by reading
        {"SYST:ERR:COUN?;*CLS;:SYST:ERR:COUN?", "1;0\n"},
        {"*IDN?;*STB?",                  "100\n"},   // an undefined header is a command error...
        {"*ESR?",                        "32\n"},
        {"SYST:ERR?",                    "-113,\"Undefined header\"\n"}, // ...reported alone
        {"*OPC;*ESR?",                   "0\n"},     // operation complete at the end of the message
        {"*ESR?",                        "1\n"},
        {"SYST:VERS?",                   "1999.0\n"},
    };
    // clang-format on
    for (const auto& [message, response] : steps)
        EXPECT_EQ(f.Run(message), response) << message;
}

TEST(Session, CompletesPendingOperationsBeforeOperationCompleteAnswers)
{
    SessionFixture f;
    EXPECT_EQ(f.Run("FREQ 1500;*OPC?;FREQ 1000;*WAI;FREQ 500"), "1\n");
    EXPECT_EQ(f.log, "freq 1500.000000;done;freq 1000.000000;done;freq 500.000000;done;");
}

TEST(Session, BoundsItsErrorQueue)
{
    SessionFixture f;
    std::string many;
    for (std::size_t i = 0; i < ErrorQueue::kCapacity + 5; ++i)
        many += "VOLT;";
    f.Run(many);
    EXPECT_EQ(f.Run("SYST:ERR:COUN?"), std::to_string(ErrorQueue::kCapacity) + "\n");
    for (std::size_t i = 1; i < ErrorQueue::kCapacity; ++i)
        f.Run("SYST:ERR?");
    EXPECT_EQ(f.Run("SYST:ERR?;ERR?"), "-350,\"Queue overflow\";0,\"No error\"\n");
}

TEST(Session, RefusesAnOverrunMessageWithoutReadingIt)
{
    SessionFixture f;
    EXPECT_EQ(f.session.Execute({"", true}), "");
    EXPECT_EQ(f.Run("SYST:ERR?"), "-363,\"Input buffer overrun\"\n");
}

} // namespace
