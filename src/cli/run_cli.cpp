#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ostream>

#include "cli/cli_command.h"
#include "cli/exit_status.h"
#include "editor/waveform_file.h"

namespace dds::cli {
namespace {

void printOverview(std::ostream& out)
{
    out << "Usage: ddsgen-cli COMMAND [OPTIONS]\n"
           "Control and test tool of the USB DDS function generator (04d8:0009).\n\n"
           "Commands:\n";
    for (const CliCommand& command : AllCommands())
        out << "  " << command.name << std::string(12 - std::min<std::size_t>(11, command.name.size()), ' ')
            << command.summary << "\n";
    out << "\nRun 'ddsgen-cli COMMAND --help' for the options of one command.\n";
}

const CliCommand* findCommand(const std::string& name)
{
    for (const CliCommand& command : AllCommands())
        if (command.name == name)
            return &command;
    return nullptr;
}

bool asksForHelp(const std::vector<std::string>& args)
{
    for (const std::string& arg : args)
        if (arg == "--help" || arg == "-h")
            return true;
    return false;
}

int RunCommand(const CliCommand& command, CommandContext& context)
{
    try {
        return command.run(context);
    } catch (const UsageError& e) {
        context.err << "ddsgen-cli " << command.name << ": " << e.what() << "\n";
        return kExitBadOptions;
    } catch (const WaveformFileError& e) {
        // A --file or an imported file that cannot be read is bad input like a bad option.
        context.err << "ddsgen-cli " << command.name << ": " << e.English() << "\n";
        return kExitBadOptions;
    } catch (const std::exception& e) {
        context.err << "ddsgen-cli " << command.name << ": " << e.what() << "\n";
        return kExitFailure;
    }
}

// Whatever went to standard output reached it: a full disk or a closed pipe is a failure.
int CheckedOutput(const std::string& command, std::ostream& out, std::ostream& err, int status)
{
    errno = 0;
    out.flush();
    if (out)
        return status;
    const int reason = errno;
    err << "ddsgen-cli " << command << ": cannot write to standard output"
        << (reason != 0 ? std::string(": ") + std::strerror(reason) : std::string()) << "\n";
    return kExitFailure;
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           std::shared_ptr<HidBackend> systemBackend, bool errorIsTerminal)
{
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printOverview(args.empty() ? err : out);
        return args.empty() ? 2 : 0;
    }
    const CliCommand* command = findCommand(args[0]);
    if (!command) {
        err << "ddsgen-cli: unknown command '" << args[0] << "' (see ddsgen-cli --help)\n";
        return 2;
    }
    CommandContext context{{args.begin() + 1, args.end()}, out, err, std::move(systemBackend), errorIsTerminal};
    if (asksForHelp(context.args)) {
        out << command->help;
        return CheckedOutput(command->name, out, err, kExitDone);
    }
    return CheckedOutput(command->name, out, err, RunCommand(*command, context));
}

} // namespace dds::cli
