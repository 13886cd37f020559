#include <algorithm>
#include <ostream>

#include "cli/cli_command.h"

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

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           std::shared_ptr<HidBackend> systemBackend)
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
    CommandContext context{{args.begin() + 1, args.end()}, out, err, std::move(systemBackend)};
    if (asksForHelp(context.args)) {
        out << command->help;
        return 0;
    }
    try {
        return command->run(context);
    } catch (const UsageError& e) {
        err << "ddsgen-cli " << command->name << ": " << e.what() << "\n";
        return 2;
    } catch (const std::exception& e) {
        err << "ddsgen-cli " << command->name << ": " << e.what() << "\n";
        return 1;
    }
}

} // namespace dds::cli
