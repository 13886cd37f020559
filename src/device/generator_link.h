#pragma once
#include "device/generator_commands.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

class TJvHidDevice;

namespace dds {

// The one line a program prints when the generator is present but this user may not open it.
std::string InaccessibleGeneratorMessage(const std::string& path);

// The output report buffer and the open generator, if any: the send step every sender shares.
class GeneratorLink {
public:
    GeneratorLink() = default;
    GeneratorLink(const GeneratorLink&) = delete;
    GeneratorLink& operator=(const GeneratorLink&) = delete;
    // A generator still held at the end is released, so its read thread stops with its holder.
    ~GeneratorLink() { ReleaseGenerator(); }

    // Builds the report, then writes it only when a generator is open: the device's declared
    // output length, but never more than the buffer holds. Write results are not looked at.
    void Send(uint8_t code, std::span<const uint8_t> payload = {});
    void Send(uint8_t code, std::initializer_list<uint8_t> payload)
    {
        Send(code, std::span<const uint8_t>(payload.begin(), payload.size()));
    }

    TJvHidDevice* Generator() const { return generator_; }
    // The reference is a holder's: the link neither claims nor releases the device.
    void SetGenerator(TJvHidDevice* generator) { generator_ = generator; }
    // Releases the open generator (stopping its read thread) and forgets it.
    void ReleaseGenerator();

    const OutputReport& Report() const { return report_; }

private:
    OutputReport report_;
    TJvHidDevice* generator_ = nullptr;
};

} // namespace dds
