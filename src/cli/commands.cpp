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
#if defined(DDSGEN_SCPI)
        ServeCommand(),
#endif
    };
    return commands;
}

} // namespace dds::cli
