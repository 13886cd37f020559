#include "scpi/status_registers.h"

namespace dds::scpi {

int StatusRegisters::TakeEvents()
{
    const int events = events_;
    events_ = 0;
    return events;
}

int StatusRegisters::StatusByte(bool errorAvailable, bool messageAvailable) const
{
    int byte = 0;
    if (errorAvailable)
        byte |= stb::kErrorAvailable;
    if (messageAvailable)
        byte |= stb::kMessageAvailable;
    if ((events_ & eventEnable_) != 0)
        byte |= stb::kEventSummary;
    if ((byte & serviceEnable_) != 0)
        byte |= stb::kMasterSummary;
    return byte;
}

} // namespace dds::scpi
