#include "cli/set_options.h"

#include <charconv>

#include "cli/cli_command.h"
#include "device/generator_commands.h"

namespace dds::cli {
namespace {

SetRequest::Step ParseStep(const std::string& text)
{
    const auto colon = text.find(':');
    const std::string direction = text.substr(0, colon);
    int steps = -1;
    if (colon != std::string::npos) {
        const char* first = text.data() + colon + 1;
        const char* last = text.data() + text.size();
        const auto [end, ec] = std::from_chars(first, last, steps);
        if (first == last || ec != std::errc() || end != last)
            steps = -1;
    }
    if ((direction != "up" && direction != "down") || steps < 0 || steps > kLargestAmplitudeStep)
        throw UsageError("--amplitude-step must be up:S or down:S with S a whole number from 0 to "
                         + std::to_string(kLargestAmplitudeStep) + " (got '" + text + "')");
    return {direction == "up", steps};
}

int ParseFilter(const std::string& text)
{
    for (int filter = kFilterOff; filter <= kLastFilter; ++filter) {
        const std::string name = FilterName(filter);
        if (text == name || (filter > 0 && text == "f" + name.substr(1)))
            return filter;
    }
    throw UsageError("--filter must be off or F1 to F7 (got '" + text + "')");
}

} // namespace

std::string FilterName(int filter) { return filter == 0 ? "off" : "F" + std::to_string(filter); }

SetRequest ParseSetOptions(const OptionParser& options)
{
    SetRequest request;
    if (const auto offset = options.integer("offset", kOffsetMinimum, kOffsetMaximum))
        request.offset = static_cast<int>(*offset);
    if (const auto step = options.text("amplitude-step"))
        request.amplitudeStep = ParseStep(*step);
    if (const auto filter = options.text("filter"))
        request.filter = ParseFilter(*filter);
    if (!request.offset && !request.amplitudeStep && !request.filter)
        throw UsageError("give --offset, --amplitude-step or --filter");
    return request;
}

} // namespace dds::cli
