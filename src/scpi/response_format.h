#pragma once
#include <string>
#include <string_view>

namespace dds::scpi {

// String response data: in double quotes, a double quote inside doubled.
std::string QuotedString(std::string_view text);
// A real number in the shortest decimal form that reads back as the same value, without exponent:
// 1500, 0.16, 969696.9696969697.
std::string FormatReal(double value);

} // namespace dds::scpi
