#pragma once
#include <functional>
#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "device/hid_backend.h"

namespace dds::cli {

// Bad input on the command line: the tool prints the message on one line and exits with status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A write of the tool's own output (a --out file, standard output) that failed: the message names
// it and the reason; the tool exits with status 1.
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct CommandContext {
    std::vector<std::string> args; // the arguments after the command's name
    std::ostream& out;
    std::ostream& err;
    std::shared_ptr<HidBackend> systemBackend; // the system's interfaces; empty for hidapi
    bool errorIsTerminal = false;              // a person reads standard error: progress goes there
};

// One sub-command of ddsgen-cli. `run` returns the exit status; it throws UsageError for bad input.
struct CliCommand {
    std::string name;
    std::string summary; // one line for the overall --help
    std::string help;    // the command's own --help text
    std::function<int(CommandContext&)> run;
};

// Every command the tool knows, in the order --help lists them.
const std::vector<CliCommand>& AllCommands();

// Runs the tool on argv-style arguments (without the program name); returns the exit status.
// `systemBackend` stands for the system's HID interfaces; empty means hidapi. `errorIsTerminal`
// when standard error is a terminal: only then does it show progress. Everything written to `out`
// is flushed and checked before the status is returned.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           std::shared_ptr<HidBackend> systemBackend = {}, bool errorIsTerminal = false);

} // namespace dds::cli
