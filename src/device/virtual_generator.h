#pragma once
#include "device/virtual_hid_interface.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace dds {

// What the generator has been told, as far as its reports say.
struct GeneratorModel {
    bool hostConnected = false;
    int hostClosings = 0;
    int range = 0;
    int fullBlocks = 0;
    int sampleCount = 0;
    int kind = 0;
    std::vector<uint8_t> samples; // of the transfer in progress or the last one
    int transfersClosed = 0;      // code 7 followed by code 6
    bool noiseMode = false;
    int filter = 0;       // 0 off, 1..7 the range filters
    int offsetByte = 128; // byte 2 of the last offset report
    int amplitude = 99;   // 0..99, moved by the amplitude steps
    int ramReadBackTests = 0;
};

// An in-process stand-in for the generator: vendor 0x04D8, product 0x0009, 65-byte reports. It
// acknowledges every sample block and keeps a model of its state. Create it on the UI thread.
class VirtualGenerator : public VirtualHidInterface {
public:
    static constexpr size_t kReportSize = 65;
    static constexpr const char* kPath = "virtual:generator";

    // Another path lets a test plug in several generators at once.
    explicit VirtualGenerator(const std::string& path = kPath);

    GeneratorModel Model() const { return model_; }

    // Fault switches.
    void SetAcknowledging(bool acknowledging) { acknowledging_ = acknowledging; }
    void SetAckLatency(std::chrono::milliseconds latency) { ackLatency_ = latency; }
    // Input reports that are not acknowledgements, one every `interval` (0 stops them).
    void SetUnrelatedInput(std::chrono::milliseconds interval);
    // After the K-th report the generator vanishes; `unplug` is called on the UI thread then.
    void UnplugAfter(size_t reports, std::function<void()> unplug);

protected:
    void OnReport(const Report& report) override;

private:
    void Apply(const Report& report);
    void AppendSamples(const Report& report, size_t count);
    void Acknowledge();

    GeneratorModel model_;
    bool acknowledging_ = true;
    std::chrono::milliseconds ackLatency_{1};
    size_t unplugAfter_ = 0;
    std::function<void()> unplug_;
    bool closePending_ = false;
    QObject context_;
    QTimer unrelated_;
};

} // namespace dds
