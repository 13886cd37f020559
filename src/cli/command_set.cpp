#include <QCoreApplication>
#include <QElapsedTimer>
#include <chrono>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/generator_connection.h"
#include "cli/generator_options.h"
#include "cli/set_options.h"
#include "device/generator_commands.h"
#include "device/hid_device.h"
#include "device/hid_pnp_info.h"
#include "device/generator_holder.h"

namespace dds::cli {
namespace {

// Long enough for a plug notice already on its way to arrive between two commands.
constexpr std::chrono::milliseconds kBetweenCommands{10};

void LetNoticesArrive()
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < kBetweenCommands.count())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

struct Setting {
    std::string text; // printed once sent; empty for connect and closing
    uint8_t code;
    std::vector<uint8_t> payload;
};

// Connect, the settings in a fixed order, closing.
std::vector<Setting> Commands(const SetRequest& request, nlohmann::json& json)
{
    std::vector<Setting> commands{{"", gcHostConnected, {}}};
    if (request.offset) {
        const uint8_t byte = OffsetByte(*request.offset);
        json["offset"] = *request.offset;
        json["offsetByte"] = byte;
        commands.push_back({"offset " + std::to_string(*request.offset) + " (byte " + std::to_string(byte) + ")",
                            gcOffset, {byte}});
    }
    if (request.amplitudeStep) {
        const auto [up, steps] = *request.amplitudeStep;
        json["amplitudeStep"] = {{"direction", up ? "up" : "down"}, {"steps", steps}};
        const AmplitudeStepPayload step = AmplitudeStep(up ? -steps : steps);
        const auto payload = step.span();
        commands.push_back({std::string("amplitude step ") + (up ? "up " : "down ") + std::to_string(steps),
                            gcAmplitudeStep, {payload.begin(), payload.end()}});
    }
    if (request.filter) {
        json["filter"] = FilterName(*request.filter);
        commands.push_back({"filter " + FilterName(*request.filter),
                            FilterCommand(*request.filter), {}});
    }
    commands.push_back({"", gcHostClosing, {}});
    return commands;
}

int RunSet(CommandContext& c)
{
    OptionParser options(c.args, WithGeneratorOptions({"offset", "amplitude-step", "filter"}), {"virtual", "json"});
    const SetRequest request = ParseSetOptions(options);
    const GeneratorOptions where = ParseGeneratorOptions(options);

    const auto application = EnsureApplication();
    GeneratorHolder holder(MakeBackend(where.backend, c.systemBackend));
    if (!ConnectGenerator(holder, where.device, "set", c.err))
        return kExitFailure;
    nlohmann::json json{{"device", holder.Generator()->PnPInfo().DevicePath()}};
    for (const Setting& command : Commands(request, json)) {
        if (command.code != gcHostConnected)
            LetNoticesArrive();
        if (holder.Vanished()) {
            c.err << "ddsgen-cli set: the generator vanished; nothing more was sent\n";
            return kExitVanished;
        }
        holder.Send(command.code, command.payload);
        if (!command.text.empty() && !options.has("json"))
            c.out << command.text << "\n";
    }
    if (options.has("json"))
        c.out << json.dump() << "\n";
    return kExitDone;
}

} // namespace

CliCommand SetCommand()
{
    return {"set", "send the offset, an amplitude step or the filter, as the window's controls do",
            "Usage: ddsgen-cli set [--offset P] [--amplitude-step up:S|down:S] [--filter off|F1..F7]\n"
            "           [--device PATH] [--virtual [--virtual-fault FAULT]...] [--report-log FILE] [--json]\n"
            "Opens the generator and sends connect, then each setting given in the order below, then\n"
            "closing. Every option is checked before anything is sent.\n"
            "  --offset P                offset slider position 0..255 (sent as 255 - P)\n"
            "  --amplitude-step up:S|down:S   the amplitude moved by S steps, 0..99\n"
            "  --filter off|F1..F7       the output low-pass filter\n"
            "  --device PATH             the generator at PATH, as 'list' prints it\n"
            "  --virtual                 use the in-process virtual generator\n"
            "  --virtual-fault FAULT      no-ack, late-ack:MS, unplug-after:K or flood; may be repeated\n"
            "  --report-log FILE         append every written report to FILE as a line of hex\n"
            "  --json                    one JSON object with the same figures\n"
            "Exit status: 0 sent; 1 no generator, or PATH is not one; 2 bad options;\n"
            "4 the generator vanished, and nothing was sent after that.\n",
            RunSet};
}

} // namespace dds::cli
