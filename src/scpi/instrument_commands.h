#pragma once
#include "scpi/command_tree.h"

namespace dds::scpi {

class Instrument;

// The instrument's own commands: *IDN?, *RST, *TST? and the SOURce and OUTPut subsystems, each
// bound to an operation of the front panel.
void AddInstrumentCommands(CommandTree& commands, Instrument& instrument);

} // namespace dds::scpi
