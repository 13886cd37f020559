// Any bytes as a HID report descriptor, as sysfs would hand them over.
#include "device/report_descriptor.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const dds::ReportLengths lengths = dds::ParseReportLengths(std::span<const uint8_t>(data, size));
    // Nothing declared, nothing counted: an id byte alone is no report.
    if (size == 0)
        FUZZ_CHECK(lengths.input == 0 && lengths.output == 0);
    return 0;
}
