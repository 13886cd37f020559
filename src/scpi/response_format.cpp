#include "scpi/response_format.h"

#include <array>
#include <charconv>

namespace dds::scpi {

std::string QuotedString(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

std::string FormatReal(double value)
{
    std::array<char, 400> buffer{}; // the longest fixed form of a double fits
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

} // namespace dds::scpi
