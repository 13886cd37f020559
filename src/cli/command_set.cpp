#include <QCoreApplication>
#include <functional>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/generator_options.h"
#include "cli/generator_session.h"
#include "cli/set_options.h"
#include "device/generator_commands.h"
#include "panel/headless_panel.h"

namespace dds::cli {
namespace {

struct Setting {
    std::string text; // printed once sent; empty for connect
    std::function<void(HeadlessPanel&)> send;
};

// Connect and the settings in a fixed order; closing comes from the session.
std::vector<Setting> Settings(const SetRequest& request, nlohmann::json& json)
{
    std::vector<Setting> settings{{"", [](HeadlessPanel& panel) { panel.Greet(); }}};
    if (const auto offset = request.offset) {
        const uint8_t byte = OffsetByte(*offset);
        json["offset"] = *offset;
        json["offsetByte"] = byte;
        settings.push_back({"offset " + std::to_string(*offset) + " (byte " + std::to_string(byte) + ")",
                            [offset](HeadlessPanel& panel) { panel.SetOffset(*offset); }});
    }
    if (request.amplitudeStep) {
        const auto [up, steps] = *request.amplitudeStep;
        json["amplitudeStep"] = {{"direction", up ? "up" : "down"}, {"steps", steps}};
        settings.push_back({std::string("amplitude step ") + (up ? "up " : "down ") + std::to_string(steps),
                            [count = up ? -steps : steps](HeadlessPanel& panel) { panel.StepOutputAmplitude(count); }});
    }
    if (const auto filter = request.filter) {
        json["filter"] = FilterName(*filter);
        settings.push_back(
            {"filter " + FilterName(*filter), [filter](HeadlessPanel& panel) { panel.ChooseFilter(*filter); }});
    }
    return settings;
}

// What the generator was not sent, "filter F1, closing" for the message.
std::string NotSent(const std::vector<Setting>& settings, std::size_t from, bool closed)
{
    std::string text;
    for (std::size_t i = from; i < settings.size(); ++i)
        text += (text.empty() ? "" : ", ") + (settings[i].text.empty() ? std::string("connect") : settings[i].text);
    if (!closed)
        text += text.empty() ? "closing" : ", closing";
    return text.empty() ? "nothing" : text;
}

int RunSet(CommandContext& c)
{
    OptionParser options(c.args, WithGeneratorOptions({"offset", "amplitude-step", "filter"}), {"virtual", "json"});
    const SetRequest request = ParseSetOptions(options);
    const GeneratorOptions where = ParseGeneratorOptions(options);
    const bool json = options.has("json");

    GeneratorSession session(where, c, "set");
    if (const int status = session.Connect(); status != kExitDone)
        return status;
    nlohmann::json figures{{"device", session.DevicePath()}};
    const std::vector<Setting> settings = Settings(request, figures);
    std::size_t sent = 0;
    for (; sent < settings.size(); ++sent) {
        QCoreApplication::processEvents(); // a removal notice or a signal already on its way
        if (session.Interrupted() || session.Lost())
            break;
        settings[sent].send(session.Panel());
        if (session.Lost())
            break;
        if (!settings[sent].text.empty() && !json)
            c.out << settings[sent].text << "\n";
    }
    const bool closed = session.Close();
    if (session.Lost())
        session.Say("the generator vanished; nothing more was sent (not sent: " + NotSent(settings, sent, closed)
                    + ")");
    else if (session.Interrupted())
        session.Say("interrupted; the generator was closed (not sent: " + NotSent(settings, sent, closed) + ")");
    const int status = session.Status(kExitDone);
    if (json) {
        figures["outcome"] = session.Lost() ? "vanished" : session.Interrupted() ? "interrupted" : "sent";
        figures["exitStatus"] = status;
        c.out << figures.dump() << "\n";
    }
    return status;
}

} // namespace

CliCommand SetCommand()
{
    return {"set", "send the offset, an amplitude step or the filter, as the window's controls do",
            "Usage: ddsgen-cli set [--offset P] [--amplitude-step up:S|down:S] [--filter off|F1..F7]\n"
            "           [--device PATH] [--virtual [--virtual-fault FAULT]...] [--report-log FILE] [--json]\n"
            "Opens the generator and sends connect, then each setting given in the order below, then\n"
            "closing. Every option is checked before anything is sent. SIGINT or SIGTERM stop it\n"
            "before the next setting; the generator then gets closing, as from the quit button.\n"
            "  --offset P                offset slider position 0..255 (sent as 255 - P)\n"
            "  --amplitude-step up:S|down:S   the amplitude moved by S steps, 0..99\n"
            "  --filter off|F1..F7       the output low-pass filter\n"
            "  --device PATH             the generator at PATH, as 'list' prints it\n"
            "  --virtual                 use the in-process virtual generator\n"
            "  --virtual-fault FAULT      no-ack, late-ack:MS, unplug-after:K or flood; may be repeated\n"
            "  --report-log FILE         append every written report to FILE as a line of hex\n"
            "  --json                    one JSON object with the same figures\n"
            "Exit status: 0 sent; 1 no generator, PATH is not one, or the output or report log could\n"
            "not be written; 2 bad options; 4 the generator vanished or refused a report, and nothing\n"
            "was sent after that; 130 SIGINT, 143 SIGTERM.\n",
            RunSet};
}

} // namespace dds::cli
