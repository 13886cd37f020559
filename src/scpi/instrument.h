#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "device/hid_backend.h"
#include "panel/front_panel.h"
#include "scpi/command_tree.h"
#include "scpi/session.h"
#include "synthesis/waveform_table.h"

namespace dds::scpi {

// The generator as a SCPI instrument: the command set bound to one front panel, shared by every
// client's session. Commands operate the panel as the operator would; a message that changed what
// the generator plays (setting, function, shape control, arbitrary data) ends with one transfer.
class Instrument {
public:
    // `interfaces` lists the HID interfaces the panel's generator is among; *IDN? names its serial
    // number ("virtual" for the in-process stand-in).
    Instrument(FrontPanel& panel, std::shared_ptr<HidBackend> interfaces);
    Instrument(const Instrument&) = delete;
    Instrument& operator=(const Instrument&) = delete;

    std::unique_ptr<Session> NewSession();
    // Remote commands wait while the panel takes none (a transfer runs, draw mode is on).
    bool MayExecute() const { return panel_.Accepting(); }

private:
    friend struct InstrumentBinding;

    // Runs one operation of the panel, turning its refusals into the instrument's errors.
    void Operate(const std::function<void()>& operation);
    // The same for an operation that may change what the generator plays.
    void Change(const std::function<void()>& operation);
    // The transfer the message's changes call for, if any; its faults go to `session`.
    void CompletePending(Session& session);
    void Upload(Session& session);

    FrontPanel& panel_;
    std::string SerialNumber();

    std::shared_ptr<HidBackend> interfaces_;
    std::string serialPath_, serialNumber_; // the last generator asked about, and its serial
    CommandTree commands_;
    bool changed_ = false;
    bool forceUpload_ = false;
    std::optional<WaveformTable> arbitrary_; // the last DATA:ARBitrary, resampled to 3200 entries
    std::optional<std::string> uploaded_;    // what the generator last received from a client
};

} // namespace dds::scpi
