#pragma once
#include <QString>
#include <QTemporaryDir>
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

struct HeadlessPanelOptions {
    // Only the generator at this device path is taken; without one, the first that arrives.
    std::optional<std::string> devicePath;
    // Where the transfer's "Sample.bmp" goes; a temporary folder of the panel's own when empty.
    QString scratchFolder;
    // How long each block waits for the generator's acknowledgement.
    std::chrono::milliseconds acknowledgementWait = AcknowledgementWait::kProductPeriod;
    // Checked before every report and during every wait: true ends a transfer there (a signal).
    std::function<bool()> stopRequested;
};

// The front panel without a window, for ddsgen-cli: the window's state at start-up, the same
// handlers' order and the same reports, on its own generator holder. It follows plugging from
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
    // The closing command once (when a generator is held) and the release, as the quit button.
    void Close();
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

private:
    void OnArrival(TJvHidDevice* device);
    void OnRemoval(TJvHidDevice* device);
    void SelectFilter(int filter);
    void Compute();
    void CheckAccepting() const;
    void CheckConnected() const;
    QString ScratchFolder();

    HeadlessPanelOptions options_;
    GeneratorHolder holder_;
    PanelState state_;
    int32_t lastSentAmplitude_ = kOutputAmplitudeStart;
    NoiseGenerator noise_;
    std::unique_ptr<QTemporaryDir> ownScratch_;
};

} // namespace dds
