// Any bytes from a client: cut into messages and executed against the status commands, a session
// never throws, answers one line per message that asked something, and keeps its error queue bounded.
#include "fuzz_check.h"
#include "scpi/command_call.h"
#include "scpi/message_splitter.h"
#include "scpi/session.h"
#include "scpi/status_commands.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// A command of each parameter kind, so every reader meets the parsed data.
dds::scpi::CommandTree MakeCommands()
{
    using dds::scpi::CommandCall;
    dds::scpi::CommandTree commands;
    dds::scpi::AddStatusCommands(commands);
    static constexpr dds::scpi::UnitSuffix kHertz[] = {{"HZ", 1}, {"KHZ", 1e3}, {"MHZ", 1e6}};
    static constexpr dds::scpi::Mnemonic kChoices[] = {{"SINusoid"}, {"ARBitrary"}};
    commands.Add("[SOURce:]FREQuency[:CW]", [](CommandCall& c) { (void)c.Real(0, {0.1, 1e6}, kHertz); });
    commands.Add("[SOURce:]FUNCtion", [](CommandCall& c) { (void)c.Choice(0, kChoices); });
    commands.Add("[SOURce:]FUNCtion:AMPLitude", [](CommandCall& c) { (void)c.Integer(0, 0, 100); });
    commands.Add("[SOURce:]DATA:ARBitrary", [](CommandCall& c) { (void)c.Codes(0); });
    return commands;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const dds::scpi::CommandTree commands = MakeCommands();
    dds::scpi::Session session(commands, [](dds::scpi::Session&) {});
    dds::scpi::MessageSplitter splitter(4096);
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        rest.remove_prefix(splitter.Feed(rest));
        if (const auto message = splitter.Take()) {
            FUZZ_CHECK(message->bytes.size() <= 4096);
            const std::string response = session.Execute(*message);
            FUZZ_CHECK(response.empty() || response.back() == '\n');
            FUZZ_CHECK(session.errors().Count() <= dds::scpi::ErrorQueue::kCapacity);
        }
    }
    FUZZ_CHECK(splitter.Pending() <= 4096);
    return 0;
}
