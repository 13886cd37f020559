#include "device/virtual_generator.h"

#include "device/generator_commands.h"

#include <algorithm>

namespace dds {

namespace {

constexpr size_t kBlockBytes = 62;
constexpr uint8_t kUnrelatedByte = 0x55;

HidInterfaceInfo GeneratorInterface(const std::string& path)
{
    HidInterfaceInfo info;
    info.path = path;
    info.instanceId = path;
    info.vendorId = kGeneratorVendorId;
    info.productId = kGeneratorProductId;
    info.version = 0x0100;
    info.serialNumber = "virtual";
    info.inputReportLength = VirtualGenerator::kReportSize;
    info.outputReportLength = VirtualGenerator::kReportSize;
    return info;
}

VirtualHidInterface::Report InputReport(uint8_t firstDataByte)
{
    VirtualHidInterface::Report report(VirtualGenerator::kReportSize, 0);
    report[1] = firstDataByte;
    return report;
}

} // namespace

VirtualGenerator::VirtualGenerator(const std::string& path) : VirtualHidInterface(GeneratorInterface(path))
{
    QObject::connect(&unrelated_, &QTimer::timeout, &context_, [this] { QueueInput(InputReport(kUnrelatedByte)); });
}

void VirtualGenerator::SetUnrelatedInput(std::chrono::milliseconds interval)
{
    unrelated_.stop();
    if (interval.count() > 0)
        unrelated_.start(interval);
}

void VirtualGenerator::UnplugAfter(size_t reports, std::function<void()> unplug)
{
    unplugAfter_ = reports;
    unplug_ = std::move(unplug);
}

void VirtualGenerator::OnReport(const Report& report)
{
    Apply(report);
    if (unplugAfter_ > 0 && WriteCount() == unplugAfter_ && unplug_) {
        SetAttached(false); // later writes fail at once, as on a pulled cable
        QMetaObject::invokeMethod(&context_, unplug_, Qt::QueuedConnection);
    }
}

void VirtualGenerator::Apply(const Report& report)
{
    if (report.size() < 2)
        return;
    const uint8_t code = report[1];
    const auto byte = [&report](size_t index) -> int { return index < report.size() ? report[index] : 0; };
    closePending_ = closePending_ && code == gcTransferClose2;
    switch (code) {
    case gcHostConnected: model_.hostConnected = true; break;
    case gcHostClosing:
        model_.hostConnected = false;
        ++model_.hostClosings;
        break;
    case gcTransferHeader:
        model_.range = byte(2);
        model_.fullBlocks = byte(3);
        model_.sampleCount = byte(4) << 8 | byte(5);
        model_.kind = byte(6);
        model_.samples.clear();
        model_.noiseMode = false;
        break;
    case gcSampleBlock:
        AppendSamples(report, kBlockBytes);
        Acknowledge();
        break;
    case gcSampleTail:
        AppendSamples(report, static_cast<size_t>(std::max(0, model_.sampleCount - int(model_.samples.size()))));
        Acknowledge();
        break;
    case gcTransferClose1: closePending_ = true; break;
    case gcTransferClose2:
        if (closePending_)
            ++model_.transfersClosed;
        closePending_ = false;
        break;
    case gcRamReadBackTest: ++model_.ramReadBackTests; break;
    case gcNoiseMode: model_.noiseMode = true; break;
    case gcOffset: model_.offsetByte = byte(2); break;
    case gcAmplitudeStep:
        model_.amplitude = std::clamp(model_.amplitude + (byte(3) == 1 ? byte(2) : -byte(2)), 0, 99);
        break;
    default:
        if (FilterOfCommand(code) >= 0)
            model_.filter = FilterOfCommand(code);
        break;
    }
}

void VirtualGenerator::AppendSamples(const Report& report, size_t count)
{
    const size_t available = report.size() > 2 ? report.size() - 2 : 0;
    const size_t taken = std::min({count, available, kBlockBytes});
    model_.samples.insert(model_.samples.end(), report.begin() + 2, report.begin() + 2 + static_cast<long>(taken));
}

void VirtualGenerator::Acknowledge()
{
    if (acknowledging_)
        QueueInput(InputReport(1), ackLatency_);
}

} // namespace dds
