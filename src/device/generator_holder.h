#pragma once
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "device/generator_link.h"
#include "device/hid_backend.h"
#include "device/hid_controller.h"
#include "device/hid_event.h"
#include "device/transfer_acknowledgement.h"
#include "device/transfer_engine.h"

namespace dds {

// How the holder answered an interface that arrived.
enum class ClaimResult {
    NotGenerator,   // another HID interface
    NotChosen,      // a generator, but not the interface the front end asked for
    AlreadyHolding, // a second generator while one is held: taking it would orphan the first
    Inaccessible,   // the generator, but this user may not open it for reading and writing
    AlreadyClaimed, // the controller has given this interface to another holder
    Claimed,        // now held, its input reports going to the data handler
};

struct TransferOptions {
    // How long each block waits for the generator's acknowledgement before going on.
    std::chrono::milliseconds acknowledgementWait = AcknowledgementWait::kProductPeriod;
    // Ends the transfer early, for instance when the window is being closed.
    std::function<bool()> stopRequested;
};

// What a front end hears while it follows plugging; every part may be left empty.
struct GeneratorEvents {
    // After every arrival notice, with what the holder made of the interface.
    std::function<void(TJvHidDevice*, ClaimResult)> arrival;
    // The held generator is gone: its removal notice came, or it refused a report. Told once per
    // generator, at once, or during a transfer once the transfer has returned to the event loop.
    // The generator is still held, and gets nothing more: the front end releases it.
    std::function<void()> lost;
    // The generator's input reports; without one they go straight to `Acknowledge`.
    TJvHidDataEvent data;
};

// The generator as every front end holds it: the controller that finds it, the claim and its data
// handler, the acknowledgement counter, the output report buffer with the send step, the release,
// and the transfer of a waveform. Create and use it on the UI thread, with an application object.
class GeneratorHolder {
public:
    explicit GeneratorHolder(std::shared_ptr<HidBackend> backend);
    GeneratorHolder(const GeneratorHolder&) = delete;
    GeneratorHolder& operator=(const GeneratorHolder&) = delete;
    // A generator still held is released without a closing command, so its read thread stops.
    ~GeneratorHolder();

    const TJvHidDeviceController& Controller() const { return *controller_; }
    // Keeps the controller's plug notices while the result lives (a front end being built).
    DeviceNoticeHold HoldNotices() { return DeviceNoticeHold(*controller_); }
    // The timer that bounds each acknowledgement wait from now on; its owner raises the counter on
    // every tick (`TickAcknowledgement`). Until one is given the holder uses its own, which does so.
    void SetAcknowledgementTimer(QTimer& timer) { timer_ = &timer; }
    // The one way a front end follows plugging: each generator that arrives is claimed (only the
    // interface at `devicePath` when one is given) and `events` hears of it and of its loss.
    void FollowPlugging(GeneratorEvents events = {}, std::optional<std::string> devicePath = std::nullopt);
    // Lets events run until a generator is held or `limit` has passed.
    bool WaitForGenerator(std::chrono::milliseconds limit);

    static bool IsGenerator(const TJvHidDevice& device);
    bool Holds() const { return link_.Generator() != nullptr; }
    // The last generator held left, or refused a report; cleared by the next claim.
    bool Lost() const { return lost_; }
    TJvHidDevice* Generator() const { return link_.Generator(); }
    // The path of a generator that arrived but could not be opened for reading and writing.
    const std::string& InaccessibleGenerator() const { return inaccessiblePath_; }

    // The acknowledgement counter's owner: the data handler's work (a block acknowledgement sets
    // it to 1), the timer's tick (raises it), and its value.
    void Acknowledge(const uint8_t* data, uint16_t size) { acknowledgements_.Acknowledge(data, size); }
    void TickAcknowledgement() { acknowledgements_.Tick(); }
    int32_t AcknowledgementCount() const { return acknowledgements_.Value(); }

    // The send step; a report the generator refuses makes it lost.
    Delivery Send(uint8_t code, std::span<const uint8_t> payload = {});
    Delivery Send(uint8_t code, std::initializer_list<uint8_t> payload)
    {
        return Send(code, std::span<const uint8_t>(payload.begin(), payload.size()));
    }
    const OutputReport& Report() const { return link_.Report(); }
    // Sends the command of `filter` (0 off, 1..7) unless it is the filter last sent.
    void SelectFilter(int filter);
    std::optional<int> SelectedFilter() const { return link_.LastFilter(); }
    // Offers the closing command, then releases the generator; nothing happens when none is held.
    // A generator refusing it is lost, but nobody is told: it is being let go anyway.
    Delivery CloseAndRelease();

    // Sends one waveform: header, acknowledged blocks and tail (or the noise command), the closing
    // reports, and the filter the waveform calls for when another was selected; `progress` hears
    // of each step. Stops, writing nothing more, as soon as the generator is released, unplugged or
    // refuses a report, or `options.stopRequested` holds. The summary tells what reached the
    // generator, each block's outcome and whether the generator was lost. std::invalid_argument
    // for a range, kind or sample count the generator cannot take.
    TransferSummary Transfer(const TransferRequest& request, TransferProgress& progress,
                             const TransferOptions& options = {});

private:
    ClaimResult Claim(TJvHidDevice* device);
    void NoteRemoval(const TJvHidDevice* device);
    void MarkLost();

    AcknowledgementCounter acknowledgements_;
    QTimer ownTimer_; // bounds the waits until an owner gives its own
    QTimer* timer_ = &ownTimer_;
    GeneratorLink link_;
    std::unique_ptr<TJvHidDeviceController> controller_;
    GeneratorEvents events_;
    bool lost_ = false;
    bool transferring_ = false;
    bool lostUntold_ = false; // lost during a transfer: told once it has returned
    std::string inaccessiblePath_;
};

} // namespace dds
