#pragma once
#include <optional>
#include <string>

#include "cli/option_parser.h"

namespace dds::cli {

// What 'set' sends, each part optional but at least one given.
struct SetRequest {
    std::optional<int> offset;   // offset slider position 0..255
    struct Step {
        bool up;
        int steps; // 0..99
    };
    std::optional<Step> amplitudeStep;
    std::optional<int> filter;   // 0 off, 1..7
};

// --offset P, --amplitude-step up:S|down:S and --filter off|F1..F7, all checked here, before
// anything is sent; UsageError naming the option otherwise.
SetRequest ParseSetOptions(const OptionParser& options);

// "F3", or "off" for the filter off.
std::string FilterName(int filter);

} // namespace dds::cli
