#include "device/generator_link.h"

#include "device/hid_device.h"

#include <algorithm>

namespace dds {

Delivery GeneratorLink::Send(uint8_t code, std::span<const uint8_t> payload)
{
    report_.Encode(code, payload);
    if (FilterOfCommand(code) >= 0)
        lastFilter_ = FilterOfCommand(code);
    if (!generator_)
        return Delivery::NoGenerator;
    if (refused_)
        return Delivery::Refused;
    // A device declaring longer reports still gets only the buffer, never bytes beyond it.
    const uint32_t length =
        std::min<uint32_t>(generator_->Capabilities().OutputReportByteLength, OutputReport::kSize);
    uint32_t written = 0;
    refused_ = !generator_->WriteReport(report_.Bytes().data(), length, written) || written < length;
    return refused_ ? Delivery::Refused : Delivery::Written;
}

void GeneratorLink::SetGenerator(TJvHidDevice* generator)
{
    generator_ = generator;
    refused_ = false;
}

void GeneratorLink::ReleaseGenerator()
{
    TJvHidDevice::Release(generator_);
    refused_ = false;
}

std::string InaccessibleGeneratorMessage(const std::string& path)
{
    return "the generator at " + path +
           " cannot be opened for reading and writing; install the udev rule 70-ddsgen.rules (see the "
           "README) and plug it in again";
}

} // namespace dds
