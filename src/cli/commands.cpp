#include "cli/commands.h"

namespace dds::cli {

const std::vector<CliCommand>& AllCommands()
{
    static const std::vector<CliCommand> commands{
        FrequencyCommand(),
        SynthCommand(),
        TransferCommand(),
        ListCommand(),
        ImportCommand(),
        PreviewCommand(),
        SetCommand(),
        ServeCommand(),
    };
    return commands;
}

} // namespace dds::cli
