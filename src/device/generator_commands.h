#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace dds {

inline constexpr uint16_t kGeneratorVendorId = 0x04D8;
inline constexpr uint16_t kGeneratorProductId = 0x0009;

// The command codes the generator understands, carried in byte 1 of every output report.
enum TGeneratorCommand : uint8_t {
    gcHostConnected = 1,
    gcHostClosing = 2,
    gcTransferHeader = 3,
    gcSampleBlock = 4,
    gcSampleTail = 5,
    gcTransferClose2 = 6,
    gcTransferClose1 = 7,
    gcRamReadBackTest = 8,
    gcNoiseMode = 9,
    gcOffset = 10,
    gcFilterOff = 11,
    gcFilter1 = 12,
    gcFilter2 = 13,
    gcFilter3 = 14,
    gcFilter4 = 15,
    gcFilter5 = 16,
    gcFilter6 = 17,
    gcFilter7 = 18,
    gcAmplitudeStep = 19,
};

// How many payload bytes (from byte 2) a command may carry.
struct CommandLayout {
    TGeneratorCommand code;
    size_t minPayload;
    size_t maxPayload;
};

// The layout of `code`; std::invalid_argument for a code the generator does not know.
const CommandLayout& LayoutOf(uint8_t code);

// The one output report buffer: report id, command code, payload. It is never cleared, so every
// byte a command does not write keeps what an earlier report left there.
class OutputReport {
public:
    static constexpr size_t kSize = 65;
    static constexpr size_t kPayloadStart = 2;

    // Writes byte 0 (report id 0), byte 1 and the payload bytes; std::invalid_argument when the
    // payload does not fit the command.
    void Encode(uint8_t code, std::span<const uint8_t> payload = {});

    const std::array<uint8_t, kSize>& Bytes() const { return bytes_; }
    uint8_t operator[](size_t index) const { return bytes_.at(index); }

private:
    std::array<uint8_t, kSize> bytes_{};
};

// The first data byte 1 of an input report acknowledges a sample block; nothing else means anything.
inline bool IsBlockAcknowledgement(const uint8_t* data, uint16_t size) { return size >= 1 && data[0] == 1; }

// The offset slider and the output amplitude slider: bounds and start positions.
inline constexpr int kOffsetMinimum = 0;
inline constexpr int kOffsetMaximum = 255;
inline constexpr int kOffsetCentre = 127;
inline constexpr int kOutputAmplitudeMinimum = 0;
inline constexpr int kOutputAmplitudeMaximum = 99;
inline constexpr int kOutputAmplitudeStart = 99;
// A step can cross the whole amplitude slider, either way.
inline constexpr int kLargestAmplitudeStep = kOutputAmplitudeMaximum - kOutputAmplitudeMinimum;

// Payload values of the commands that carry operator settings.
inline uint8_t OffsetByte(int sliderPosition)
{
    return static_cast<uint8_t>(kOffsetMaximum - sliderPosition);
}

// The amplitude's relative step: `difference` is the last sent position minus the new one. The
// count is its size; the direction byte (0 down, 1 up) is written only for a real move, so a step of
// 0 leaves that byte as the last report left it.
struct AmplitudeStepPayload {
    std::array<uint8_t, 2> bytes{};
    size_t size = 0;
    std::span<const uint8_t> span() const& { return {bytes.data(), size}; }
    // A span of a temporary would outlive its bytes.
    std::span<const uint8_t> span() const&& = delete;
};
AmplitudeStepPayload AmplitudeStep(int difference);

// The output filters: 0 is the filter off, 1..7 the filter of that range number. The radios
// "Filtre inactif", "F1" .. "F7" are numbered the same way.
inline constexpr int kFilterOff = 0;
inline constexpr int kLastFilter = 7;
// The command that selects `filter`; std::invalid_argument outside 0..7.
uint8_t FilterCommand(int filter);
// The filter a command selects, or -1 when the code selects none.
int FilterOfCommand(uint8_t code);

} // namespace dds
