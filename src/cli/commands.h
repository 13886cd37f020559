#pragma once
#include "cli/cli_command.h"

// One factory per sub-command, each in its own command_<name>.cpp.
namespace dds::cli {
CliCommand FrequencyCommand();
CliCommand SynthCommand();
CliCommand TransferCommand();
CliCommand ListCommand();
CliCommand ImportCommand();
CliCommand PreviewCommand();
CliCommand SetCommand();
CliCommand ServeCommand();
} // namespace dds::cli
