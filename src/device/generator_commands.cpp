#include "device/generator_commands.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace dds {

namespace {

constexpr size_t kBlockBytes = 62;

constexpr std::array<CommandLayout, 19> kLayouts{{
    {gcHostConnected, 0, 0},
    {gcHostClosing, 0, 0},
    {gcTransferHeader, 5, 5}, // range, full blocks, count high, count low, kind
    {gcSampleBlock, kBlockBytes, kBlockBytes},
    {gcSampleTail, 1, kBlockBytes - 1},
    {gcTransferClose2, 0, 0},
    {gcTransferClose1, 0, 0},
    {gcRamReadBackTest, 0, 0},
    {gcNoiseMode, 0, 0},
    {gcOffset, 1, 1},
    {gcFilterOff, 0, 0},
    {gcFilter1, 0, 0},
    {gcFilter2, 0, 0},
    {gcFilter3, 0, 0},
    {gcFilter4, 0, 0},
    {gcFilter5, 0, 0},
    {gcFilter6, 0, 0},
    {gcFilter7, 0, 0},
    {gcAmplitudeStep, 1, 2}, // step count, then the direction unless the step is 0
}};

} // namespace

const CommandLayout& LayoutOf(uint8_t code)
{
    const auto found = std::find_if(kLayouts.begin(), kLayouts.end(),
                                    [code](const CommandLayout& layout) { return layout.code == code; });
    if (found == kLayouts.end())
        throw std::invalid_argument("unknown generator command " + std::to_string(code));
    return *found;
}

void OutputReport::Encode(uint8_t code, std::span<const uint8_t> payload)
{
    const CommandLayout& layout = LayoutOf(code);
    if (payload.size() < layout.minPayload || payload.size() > layout.maxPayload)
        throw std::invalid_argument("command " + std::to_string(code) + " cannot carry " +
                                    std::to_string(payload.size()) + " payload bytes");
    bytes_[0] = 0;
    bytes_[1] = code;
    std::copy(payload.begin(), payload.end(), bytes_.begin() + kPayloadStart);
}

AmplitudeStepPayload AmplitudeStep(int difference)
{
    AmplitudeStepPayload payload;
    payload.bytes[0] = static_cast<uint8_t>(std::abs(difference));
    payload.bytes[1] = difference > 0 ? 0 : 1;
    payload.size = difference == 0 ? 1 : 2;
    return payload;
}

uint8_t FilterCommand(int filter)
{
    if (filter < kFilterOff || filter > kLastFilter)
        throw std::invalid_argument("filter " + std::to_string(filter) + " outside 0..7");
    return static_cast<uint8_t>(gcFilterOff + filter);
}

int FilterOfCommand(uint8_t code)
{
    return code >= gcFilterOff && code <= gcFilter7 ? code - gcFilterOff : -1;
}

} // namespace dds
