#pragma once
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "device/generator_commands.h"
#include "device/generator_holder.h"
#include "device/hid_backend.h"
#include "panel/front_panel.h"
#include "synthesis/noise_generator.h"

namespace dds {

// How the panel speaks to a generator it did not yet write to.
enum class Greeting {
    // As the window: its start-up handlers' reports are built before any generator is there, and
    // an arrival gets the connect command and the current offset.
    AsWindow,
    // As ddsgen-cli, which sends only what it is asked: nothing on start-up or arrival; the connect
    // command goes before the first report written to the generator.
    OnFirstReport,
};

struct HeadlessPanelOptions {
    // Only the generator at this device path is taken; without one, the first that arrives.
    std::optional<std::string> devicePath;
    // How long each block waits for the generator's acknowledgement.
    std::chrono::milliseconds acknowledgementWait = AcknowledgementWait::kProductPeriod;
    // Checked before every report and during every wait: true ends a transfer there (a signal).
    std::function<bool()> stopRequested;
    Greeting greeting = Greeting::AsWindow;
    // Hears each transfer's blocks (a terminal's progress line); outlives the panel.
    TransferProgress* progress = nullptr;
};

// The front panel without a window, for ddsgen-cli: the window's state at start-up, the same
// handlers' order and the same reports, on its own generator holder. A transfer sends the bytes the
// window's picture gives, made without the picture file. It follows plugging from
// construction: a generator that arrives is claimed and gets the connect command and the current
// offset, as the window's arrival does; one that is unplugged leaves the panel not connected, and
// a later arrival connects again. Create and use it on the UI thread with an application object.
class HeadlessPanel : public FrontPanel {
public:
    explicit HeadlessPanel(std::shared_ptr<HidBackend> backend, HeadlessPanelOptions options = {});
    // Closes as the quit button does (the closing command when a generator is held, then release),
    // without calling the events.
    ~HeadlessPanel() override;

    // Lets events run until a generator is connected or `limit` has passed.
    bool WaitForGenerator(std::chrono::milliseconds limit);
    // The closing command once (when a generator is held) and the release, as the quit button;
    // whether the closing command reached the generator.
    Delivery Close();
    // The connect command, unless this generator was sent it already; every operation that writes
    // to the generator greets it first.
    void Greet();
    // The amplitude step command alone, for a caller that does not know where the slider stands
    // (ddsgen-cli): `count` steps down, up when negative, -99..99. The slider follows within 0..99.
    void StepOutputAmplitude(int32_t count);
    // For saying why no generator connected (an inaccessible one, the device list).
    const GeneratorHolder& Holder() const { return holder_; }
    GeneratorHolder& Holder() { return holder_; }

    void ChooseSetting(int32_t range, int32_t position) override;
    void ChoosePreset(WaveformKind kind, const ShapeControls& controls) override;
    void SetShapeControls(const ShapeControls& controls) override;
    void LoadTable(const WaveformTable& table) override;
    void SetOffset(int32_t position) override;
    void SetOutputAmplitude(int32_t position) override;
    void ChooseFilter(int filter) override;
    TransferOutcome Transfer() override;
    PanelState State() const override;
    bool Connected() const override;
    std::string GeneratorPath() const override { return state_.generatorPath; }
    bool Accepting() const override { return state_.accepting; }

private:
    void OnArrival(ClaimResult claim);
    void GreetAsWindow(ClaimResult claim);
    void OnLost();
    void Compute();
    void SendAmplitudeStep(int32_t count);
    void CheckAccepting() const;
    void CheckConnected() const;

    HeadlessPanelOptions options_;
    GeneratorHolder holder_;
    PanelState state_;
    int32_t lastSentAmplitude_ = kOutputAmplitudeStart;
    bool greeted_ = false;               // the held generator was sent the connect command
    std::optional<int32_t> heardOffset_; // the offset position the held generator was last sent
    NoiseGenerator noise_;
};

} // namespace dds
