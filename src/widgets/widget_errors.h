#pragma once
#include <stdexcept>
#include <string>

namespace dds {

// "Propriété <class> hors limites": a control refused a range whose upper bound lies below its lower one.
std::runtime_error propertyOutOfRange(const std::string& className);

// "La valeur doit être comprise entre <low> et <high>": a control refused a value outside what it accepts.
std::runtime_error valueNotBetween(long long low, long long high);

} // namespace dds
