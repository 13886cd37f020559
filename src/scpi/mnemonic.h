#pragma once
#include <string>
#include <string_view>

namespace dds::scpi {

// A keyword written with its short form in capitals: "FREQuency" is FREQ or FREQUENCY, in any case.
struct Mnemonic {
    std::string_view longForm;
    std::string_view ShortForm() const;
    bool Matches(std::string_view written) const;
};

} // namespace dds::scpi
