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
    AlreadyHolding, // a second generator while one is held: taking it would orphan the first
    Inaccessible,   // the generator, but this user may not open it for reading and writing
    NoneLeft,       // every generator interface of the controller is claimed already
    Claimed,        // now held, its input reports going to the data handler
};

struct TransferOptions {
    // How long each block waits for the generator's acknowledgement before going on.
    std::chrono::milliseconds acknowledgementWait = AcknowledgementWait::kProductPeriod;
    // Ends the transfer early, for instance when the window is being closed.
    std::function<bool()> stopRequested;
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

    TJvHidDeviceController& Controller() { return *controller_; }
    // The timer that bounds each acknowledgement wait from now on; its owner raises the counter on
    // every tick (`TickAcknowledgement`). Until one is given the holder uses its own, which does so.
    void SetAcknowledgementTimer(QTimer& timer) { timer_ = &timer; }
    // For programs without a window: claims the generator on arrival (only the interface at
    // `devicePath` when one is given) and notes its removal.
    void FollowPlugging(std::optional<std::string> devicePath = std::nullopt);
    // Lets events run until a generator is held or `limit` has passed.
    bool WaitForGenerator(std::chrono::milliseconds limit);

    static bool IsGenerator(const TJvHidDevice& device);
    // Claims `device` when it is the generator and none is held yet. Its input reports go to
    // `dataHandler`, or straight to `Acknowledge` when none is given.
    ClaimResult Claim(TJvHidDevice* device, TJvHidDataEvent dataHandler = {});
    // The same for exactly `device`, where Claim takes the first free generator of the controller.
    ClaimResult ClaimExactly(TJvHidDevice* device, TJvHidDataEvent dataHandler = {});
    // True when `device` is the held generator; it is then marked as vanished (still held).
    bool NoteRemoval(const TJvHidDevice* device);
    bool Holds() const { return link_.Generator() != nullptr; }
    bool Vanished() const { return vanished_; }
    TJvHidDevice* Generator() const { return link_.Generator(); }
    // The path of a generator that arrived but could not be opened for reading and writing.
    const std::string& InaccessibleGenerator() const { return inaccessiblePath_; }

    // The data handler's work: a block acknowledgement sets the counter to 1.
    void Acknowledge(const uint8_t* data, uint16_t size);
    void TickAcknowledgement() { ++clock_.counter(); }
    int32_t AcknowledgementCounter() { return clock_.counter(); }
    void SetAcknowledgementCounter(int32_t value) { clock_.counter() = value; }

    void Send(uint8_t code, std::span<const uint8_t> payload = {}) { link_.Send(code, payload); }
    void Send(uint8_t code, std::initializer_list<uint8_t> payload) { link_.Send(code, payload); }
    const OutputReport& Report() const { return link_.Report(); }
    // Offers the closing command, then releases the generator; nothing happens when none is held.
    void CloseAndRelease();

    // Sends one waveform: header, acknowledged blocks and tail (or the noise command), the closing
    // reports, then asks `progress` to select the filter. Stops, writing nothing more, as soon as
    // the generator is released or unplugged or `options.stopRequested` holds. The summary tells
    // each block's outcome and whether the generator vanished. std::invalid_argument for a range,
    // kind or sample count the generator cannot take.
    TransferSummary Transfer(const TransferRequest& request, TransferProgress& progress,
                             const TransferOptions& options = {});

private:
    ClaimResult Take(TJvHidDevice* device, TJvHidDataEvent dataHandler, bool exactly);

    AcknowledgementClock clock_; // the counter, and the timer when the owner gives none
    QTimer* timer_;
    GeneratorLink link_;
    std::unique_ptr<TJvHidDeviceController> controller_;
    bool vanished_ = false;
    std::string inaccessiblePath_;
};

} // namespace dds
