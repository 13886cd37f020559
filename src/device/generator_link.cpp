#include "device/generator_link.h"

#include "device/hid_device.h"

#include <algorithm>

namespace dds {

void GeneratorLink::Send(uint8_t code, std::span<const uint8_t> payload)
{
    report_.Encode(code, payload);
    if (!generator_)
        return;
    // A device declaring longer reports still gets only the buffer, never bytes beyond it.
    const uint32_t length =
        std::min<uint32_t>(generator_->Capabilities().OutputReportByteLength, OutputReport::kSize);
    uint32_t written = 0;
    generator_->WriteReport(report_.Bytes().data(), length, written);
}

void GeneratorLink::ReleaseGenerator() { TJvHidDevice::Release(generator_); }

std::string InaccessibleGeneratorMessage(const std::string& path)
{
    return "the generator at " + path +
           " cannot be opened for reading and writing; install the udev rule 70-ddsgen.rules (see the "
           "README) and plug it in again";
}

} // namespace dds
