#pragma once
#include "scpi/command_tree.h"

namespace dds::scpi {

// The IEEE 488.2 status and synchronisation commands (*CLS, *ESE, *ESR?, *SRE, *STB?, *OPC, *WAI)
// and the SYSTem error queue and version queries: what every session answers from its own state.
void AddStatusCommands(CommandTree& commands);

} // namespace dds::scpi
