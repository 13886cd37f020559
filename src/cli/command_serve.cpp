#include <QCoreApplication>
#include <chrono>
#include <memory>
#include <ostream>
#include <stdexcept>

#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/generator_session.h"
#include "cli/generator_options.h"
#include "cli/option_parser.h"
#include "cli/interrupt_watch.h"
#include "device/backend_options.h"
#include "panel/headless_panel.h"
#include "scpi/instrument_server.h"
#include "scpi/listen_address.h"

namespace dds::cli {
namespace {

// How long serve waits for the generator before it listens without one.
constexpr std::chrono::milliseconds kArrivalWait{1500};

scpi::ListenAddress ListenOption(const OptionParser& options)
{
    try {
        return scpi::ParseListenAddress(options.text("listen").value_or("127.0.0.1:5025"),
                                        QHostAddress(QHostAddress::LocalHost));
    } catch (const std::invalid_argument& e) {
        throw UsageError(std::string("--listen: ") + e.what() + " (ADDRESS:PORT, e.g. 127.0.0.1:5025)");
    }
}

int RunServe(CommandContext& c)
{
    const OptionParser options(c.args, WithGeneratorOptions({"listen"}), {"virtual"});
    const scpi::ListenAddress address = ListenOption(options);
    const GeneratorOptions where = ParseGeneratorOptions(options);

    const auto application = EnsureApplication();
    const InterruptWatch stop([] { QCoreApplication::quit(); });
    HeadlessPanelOptions panelOptions;
    panelOptions.devicePath = where.device;
    panelOptions.stopRequested = [&stop] { return stop.Requested(); };
    const std::shared_ptr<HidBackend> backend = MakeBackend(where.backend, c.systemBackend);
    HeadlessPanel panel(backend, panelOptions);
    if (!panel.WaitForGenerator(kArrivalWait))
        c.err << "ddsgen-cli serve: no generator yet; commands that need one report -241 until it is plugged in\n";

    scpi::InstrumentServer instrument(panel, backend);
    for (const std::string& line : instrument.Listen(address))
        c.err << "ddsgen-cli serve: " << line << std::endl;
    QCoreApplication::exec();
    panel.Close();
    return kExitDone;
}

} // namespace

CliCommand ServeCommand()
{
    return {"serve", "the generator as a SCPI instrument on the network (PyVISA, lxi-tools)",
            "Usage: ddsgen-cli serve [--listen ADDRESS:PORT] [--device PATH]\n"
            "           [--virtual [--virtual-fault FAULT]...] [--report-log FILE]\n"
            "Serves SCPI over raw TCP: each client sends program messages ending in LF and reads\n"
            "the answers to its queries (see the README's command table). Prints one line on\n"
            "standard error once listening, then runs until SIGINT or SIGTERM: a transfer then\n"
            "running stops at the next report, the closing command is sent, and it exits 0.\n"
            "  --listen ADDRESS:PORT  where to listen (default 127.0.0.1:5025; port 0: any free\n"
            "                    port, printed); anything but loopback prints a warning: the\n"
            "                    instrument has no authentication\n"
            "  --device PATH     the generator at PATH, as 'list' prints it (default: the first)\n"
            "  --virtual         use the in-process virtual generator\n"
            "  --virtual-fault FAULT   a fault of the virtual generator, may be repeated\n"
            "  --report-log FILE append every written report to FILE as a line of hex\n"
            "Exit status: 0 after a stop signal; 1 it cannot listen; 2 bad options.\n",
            RunServe};
}

} // namespace dds::cli
