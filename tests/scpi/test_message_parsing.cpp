#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scpi/message_splitter.h"
#include "scpi/program_parser.h"
#include "scpi/scpi_error.h"

namespace {

using dds::scpi::ArrivedMessage;
using dds::scpi::MessageSplitter;
using dds::scpi::ProgramData;
using dds::scpi::ProgramParser;
using dds::scpi::ScpiError;

// Every message the stream yields, fed one byte at a time so that no state is skipped; "!" marks
// a message refused as too long.
std::vector<std::string> Split(const std::string& stream, std::size_t limit)
{
    MessageSplitter splitter(limit);
    std::vector<std::string> messages;
    for (const char c : stream) {
        EXPECT_EQ(splitter.Feed(std::string_view(&c, 1)), 1u);
        if (auto m = splitter.Take())
            messages.push_back(m->overrun ? "!" : m->bytes);
    }
    return messages;
}

TEST(MessageSplitter, EndsMessagesAtLineFeedsOutsideBlocksOnly)
{
    struct Case {
        std::string stream;
        std::size_t limit;
        std::vector<std::string> messages;
    };
    const std::string block = "DATA:ARB #15\n\r\n#9\n";
    // clang-format off
    const Case cases[] = {
        {"*IDN?\n*RST\r\n",                   64, {"*IDN?", "*RST"}},
        {block + ";*OPC?\n",                  64, {block.substr(0, block.size() - 1), ";*OPC?"}},
        {"A '#3\n' B\n",                      64, {"A '#3", "' B"}},   // a line feed ends even a string
        {"DATA #0abc\nX\n",                   64, {"DATA #0abc", "X"}},
        {"#H1F\n",                            64, {"#H1F"}},
        {std::string(70, 'x') + "\nOK\n",     64, {"!", "OK"}},
        {"DATA #9999999999\nOK\n",           64, {"!", "OK"}}, // the block could never fit
        {"DATA #220" + std::string(3, 'x'),   64, {}},           // half a block waits for the rest
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(Split(c.stream, c.limit), c.messages) << c.stream;
}

TEST(MessageSplitter, StopsFeedingAfterEachMessage)
{
    MessageSplitter splitter;
    const std::string_view stream = "A\nB\n";
    EXPECT_EQ(splitter.Feed(stream), 2u);
    EXPECT_EQ(splitter.Take()->bytes, "A");
    EXPECT_EQ(splitter.Feed(stream.substr(2)), 2u);
    EXPECT_EQ(splitter.Take()->bytes, "B");
}

std::string Describe(const std::string& message)
{
    ProgramParser parser(message);
    std::string text;
    try {
        while (const auto unit = parser.Next()) {
            text += unit->rooted ? ":" : "";
            for (const std::string& m : unit->mnemonics)
                text += m + (&m == &unit->mnemonics.back() ? "" : ":");
            text += unit->query ? "?" : "";
            for (const ProgramData& p : unit->parameters)
                text += " " + std::to_string(static_cast<int>(p.type)) + "[" + p.text + "]" + p.suffix
                        + (p.type == ProgramData::Type::NonDecimal ? std::to_string(p.value) : "");
            text += ";";
        }
    } catch (const ScpiError& e) {
        text += std::to_string(e.code());
    }
    return text;
}

TEST(ProgramParser, ReadsUnitsAndEveryDataForm)
{
    // Types: 0 character, 1 decimal, 2 non-decimal, 3 string, 4 block.
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"*idn?",                          "*idn?;"},
        {":SOUR:FREQ 1.5 kHz ; *OPC?",     ":SOUR:FREQ 1[1.5]kHz;*OPC?;"},
        {"FREQ -.5E+3,+7,1e 3",            "FREQ 1[-0.5E+3] 1[+7] 1[1E3];"},
        {"FREQ 1 2",                       "-103"},
        {"FREQ 1E99999",                   "-123"},
        {"FREQ 1 E 2",                     "FREQ 1[1E2];"},
        {"DATA #H1f,#q17,#B101",           "DATA 2[1f]31 2[17]15 2[101]5;"},
        {"DATA #210ab\n;\"x\"\"y\",5",     "DATA 4[ab\n;\"x\"\"y\"] 1[5];"},
        {"DATA #3100abc",                  "-161"},
        {"DATA #0\x01\xff",                "DATA 4[\x01\xff];"},
        {"FUNC SIN;;FUNC 'a''b'",          "FUNC 0[SIN];FUNC 3[a'b];"},
        {"FUNC 'open",                     "-151"},
        {"FREQ (1+2)",                     "-178"},
        {"FREQ 1,",                        "-102"},
        {"FREQ\x7f",                       "-101"},
        {"1FREQ",                          "-102"},
        {"ABCDEFGHIJKLM",                  "-112"},
        {"FREQ; \xfe",                     "FREQ;-101"},
        {"FREQ .",                         "-121"},
        {"DATA #Hxyz",                     "-121"},
    };
    // clang-format on
    for (const auto& [message, expected] : cases)
        EXPECT_EQ(Describe(message), expected) << message;
}

} // namespace
