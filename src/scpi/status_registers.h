#pragma once
#include <cstdint>

namespace dds::scpi {

// Bits of the standard event status register.
namespace esr {
inline constexpr int kOperationComplete = 0x01;
inline constexpr int kQueryError = 0x04;
inline constexpr int kDeviceError = 0x08;
inline constexpr int kExecutionError = 0x10;
inline constexpr int kCommandError = 0x20;
} // namespace esr

// Bits of the status byte.
namespace stb {
inline constexpr int kErrorAvailable = 0x04;
inline constexpr int kMessageAvailable = 0x10;
inline constexpr int kEventSummary = 0x20;
inline constexpr int kMasterSummary = 0x40;
} // namespace stb

// The IEEE 488.2 status model of one client: the event status register with its enable mask, and
// the service request enable mask over the status byte.
class StatusRegisters {
public:
    void SetEvent(int bits) { events_ |= bits & 0xff; }
    // *ESR? reads the register and clears it.
    int TakeEvents();
    int Events() const { return events_; }
    void SetEventEnable(int mask) { eventEnable_ = mask & 0xff; }
    int EventEnable() const { return eventEnable_; }
    // Bit 6 cannot be enabled: it is the summary of the others.
    void SetServiceEnable(int mask) { serviceEnable_ = mask & 0xff & ~stb::kMasterSummary; }
    int ServiceEnable() const { return serviceEnable_; }
    // *CLS: the events go; the enable masks stay.
    void ClearEvents() { events_ = 0; }

    // The status byte for an error queue that holds something or not and an output queue that
    // holds a response or not, with its summary bit.
    int StatusByte(bool errorAvailable, bool messageAvailable) const;

private:
    int events_ = 0;
    int eventEnable_ = 0;
    int serviceEnable_ = 0;
};

} // namespace dds::scpi
