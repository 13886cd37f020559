#include "device/report_descriptor.h"

#include <algorithm>
#include <map>
#include <vector>

namespace dds {

namespace {

enum ItemType { kMain = 0, kGlobal = 1 };
enum MainTag { kInput = 0x8, kOutput = 0x9 };
enum GlobalTag { kReportSize = 0x7, kReportId = 0x8, kReportCount = 0x9, kPush = 0xA, kPop = 0xB };

struct GlobalState {
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    uint32_t reportId = 0;
};

struct BitTotals {
    std::map<uint32_t, uint64_t> input;
    std::map<uint32_t, uint64_t> output;
};

uint32_t ItemValue(std::span<const uint8_t> data)
{
    uint32_t value = 0;
    for (size_t i = 0; i < data.size(); ++i)
        value |= static_cast<uint32_t>(data[i]) << (8 * i);
    return value;
}

// A hostile descriptor can declare more bits than 64 bits count: the total then stays at the top.
void AddBits(uint64_t& total, uint64_t bits)
{
    total = bits > UINT64_MAX - total ? UINT64_MAX : total + bits;
}

uint16_t LongestReport(const std::map<uint32_t, uint64_t>& bits)
{
    uint64_t longest = 0;
    for (const auto& [id, total] : bits)
        longest = std::max(longest, total / 8 + (total % 8 != 0));
    if (longest == 0)
        return 0;
    return static_cast<uint16_t>(std::min<uint64_t>(longest + 1, UINT16_MAX));
}

void ApplyGlobal(uint8_t tag, uint32_t value, GlobalState& state, std::vector<GlobalState>& stack)
{
    switch (tag) {
    case kReportSize: state.reportSize = value; break;
    case kReportCount: state.reportCount = value; break;
    case kReportId: state.reportId = value; break;
    case kPush: stack.push_back(state); break;
    case kPop:
        if (!stack.empty()) {
            state = stack.back();
            stack.pop_back();
        }
        break;
    default: break;
    }
}

} // namespace

ReportLengths ParseReportLengths(std::span<const uint8_t> descriptor)
{
    GlobalState state;
    std::vector<GlobalState> stack;
    BitTotals totals;
    bool numbered = false;
    size_t at = 0;
    while (at < descriptor.size()) {
        const uint8_t prefix = descriptor[at];
        if (prefix == 0xFE) { // long item: size byte, tag byte, data; carries no lengths
            if (at + 1 >= descriptor.size())
                break;
            at += 3 + descriptor[at + 1];
            continue;
        }
        const size_t size = (prefix & 0x3) == 3 ? 4 : (prefix & 0x3);
        if (at + 1 + size > descriptor.size())
            break; // a truncated item ends the descriptor
        const uint32_t value = ItemValue(descriptor.subspan(at + 1, size));
        const uint8_t type = (prefix >> 2) & 0x3;
        const uint8_t tag = prefix >> 4;
        const uint64_t bits = uint64_t{state.reportSize} * state.reportCount;
        if (type == kMain && tag == kInput)
            AddBits(totals.input[state.reportId], bits);
        else if (type == kMain && tag == kOutput)
            AddBits(totals.output[state.reportId], bits);
        else if (type == kGlobal) {
            ApplyGlobal(tag, value, state, stack);
            numbered = numbered || tag == kReportId;
        }
        at += 1 + size;
    }
    return {LongestReport(totals.input), LongestReport(totals.output), numbered};
}

} // namespace dds
