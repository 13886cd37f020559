#pragma once
#include <cstdint>
#include <span>

namespace dds {

struct ReportLengths {
    uint16_t input = 0;  // longest input report, report id byte included
    uint16_t output = 0; // longest output report, report id byte included
    bool numbered = false; // the device puts a report id in front of its reports
};

// Sums Report Size x Report Count over the Input and Output main items of a HID report
// descriptor, per report id, and returns the longest report of each direction plus one id byte.
ReportLengths ParseReportLengths(std::span<const uint8_t> descriptor);

} // namespace dds
