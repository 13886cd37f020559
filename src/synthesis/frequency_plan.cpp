#include "synthesis/frequency_plan.h"

#include <array>
#include <charconv>

namespace dds {
namespace {

struct RangeRow {
    int32_t clock;     // samples per second
    int32_t decimals;  // digits after the point in the display
    bool kilohertz;    // the display shows f / 1000 with " kHz"
};

constexpr std::array<RangeRow, 8> kRanges{{
    {0, 0, false},
    {320, 2, false},
    {3'200, 1, false},
    {32'000, 0, false},
    {320'000, 0, false},
    {3'200'000, 0, false},
    {16'000'000, 0, true},
    {32'000'000, 0, true},
}};

// Range 7 above position 40 does not continue the 10 kHz steps: positions fall into bands.
struct Band {
    int32_t lastPosition;
    int32_t frequency;
};
constexpr std::array<Band, 10> kRange7Bands{{
    {47, 550'000}, {52, 600'000}, {57, 650'000}, {62, 700'000}, {67, 750'000},
    {72, 800'000}, {77, 850'000}, {82, 900'000}, {87, 950'000}, {90, 1'000'000},
}};

int32_t range7BandFrequency(int32_t position)
{
    for (const Band& band : kRange7Bands)
        if (position <= band.lastPosition)
            return band.frequency;
    return kRange7Bands.back().frequency;
}

// The set frequency in hertz. Ranges 1 and 2 are evaluated in extended precision and only then
// stored as a 64-bit real; the others are whole numbers.
double frequencyHertz(int32_t range, int32_t v)
{
    switch (range) {
    case 1: return static_cast<double>(static_cast<long double>(v) * 0.01L + 0.1L);
    case 2: return static_cast<double>(static_cast<long double>(v) * 0.1L + 1.0L);
    case 3: return 10 + v;
    case 4: return 100 + 10 * v;
    case 5: return 1'000 + 100 * v;
    case 6: return 10'000 + 1'000 * v;
    default: return v <= 40 ? 100'000 + 10'000 * v : range7BandFrequency(v);
    }
}

// std::to_chars ignores the C locale, which the window's toolkit sets from the environment.
std::string formatFixed(double value, int32_t decimals)
{
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                static_cast<int>(decimals));
    return std::string(buffer, result.ptr);
}

// General number format: up to 15 significant digits, no trailing zeros.
std::string formatGeneral(double value, char decimalSeparator)
{
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    for (char& c : text)
        if (c == '.')
            c = decimalSeparator;
    return text;
}

} // namespace

long double PlayedHertz(const FrequencyPlan& plan)
{
    return static_cast<long double>(plan.rangeClock) / plan.sampleCount;
}

std::string PlayedFrequencyText(const FrequencyPlan& plan, int32_t extraDecimals)
{
    const RangeRow& row = kRanges.at(static_cast<std::size_t>(plan.range));
    const long double played = row.kilohertz ? PlayedHertz(plan) / 1000 : PlayedHertz(plan);
    return formatFixed(static_cast<double>(played), row.decimals + extraDecimals) + plan.unit;
}

std::optional<FrequencyPlan> PlanFrequency(int32_t range, int32_t position, char decimalSeparator)
{
    if (range < kFirstRange || range > kLastRange)
        return std::nullopt;
    const RangeRow& row = kRanges[static_cast<std::size_t>(range)];
    FrequencyPlan plan;
    plan.range = range;
    plan.rangeClock = row.clock;
    plan.frequency = frequencyHertz(range, position);

    // The quotient is truncated; only range 1 mends its 3199 at position 0.
    plan.sampleCount = static_cast<int32_t>(static_cast<long double>(row.clock) /
                                            static_cast<long double>(plan.frequency));
    if (range == 1 && plan.sampleCount == 3199)
        plan.sampleCount = 3200;

    const double displayed = row.kilohertz ? plan.frequency / 1000 : plan.frequency;
    if (range == 7)
        plan.frequency /= 1000;
    plan.frequencyText = formatFixed(displayed, row.decimals);
    plan.unit = row.kilohertz ? " kHz" : " Hz";
    plan.diagnosticText = "Freq:= " + formatGeneral(plan.frequency, decimalSeparator) +
                          " - Nbre Echanti= " + std::to_string(plan.sampleCount);
    return plan;
}

} // namespace dds
