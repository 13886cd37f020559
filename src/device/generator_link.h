#pragma once
#include "device/generator_commands.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>

class TJvHidDevice;

namespace dds {

// The one line a program prints when the generator is present but this user may not open it.
std::string InaccessibleGeneratorMessage(const std::string& path);

// What became of one report.
enum class Delivery {
    NoGenerator, // built, but no generator is open
    Written,     // the generator took the whole report
    Refused,     // the generator refused it, or refused an earlier one: nothing reached it
};

// The output report buffer and the open generator, if any: the send step every sender shares.
class GeneratorLink {
public:
    GeneratorLink() = default;
    GeneratorLink(const GeneratorLink&) = delete;
    GeneratorLink& operator=(const GeneratorLink&) = delete;
    // A generator still held at the end is released, so its read thread stops with its holder.
    ~GeneratorLink() { ReleaseGenerator(); }

    // Builds the report, then writes it only when a generator is open: the device's declared
    // output length, but never more than the buffer holds. A generator that refused a write (or
    // wrote it short) is written nothing more, like one unplugged: later reports are only built.
    Delivery Send(uint8_t code, std::span<const uint8_t> payload = {});
    Delivery Send(uint8_t code, std::initializer_list<uint8_t> payload)
    {
        return Send(code, std::span<const uint8_t>(payload.begin(), payload.size()));
    }

    TJvHidDevice* Generator() const { return generator_; }
    // The reference is a holder's: the link neither claims nor releases the device.
    void SetGenerator(TJvHidDevice* generator);
    // Releases the open generator (stopping its read thread) and forgets it.
    void ReleaseGenerator();

    const OutputReport& Report() const { return report_; }
    // The filter of the last filter command sent (0 off, 1..7), whether or not a generator took
    // it; nothing before the first.
    std::optional<int> LastFilter() const { return lastFilter_; }

private:
    OutputReport report_;
    TJvHidDevice* generator_ = nullptr;
    bool refused_ = false;
    std::optional<int> lastFilter_;
};

} // namespace dds
