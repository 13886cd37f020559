#include "scpi/command_call.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "scpi/scpi_error.h"
#include "scpi/session.h"

namespace dds::scpi {
namespace {

const Mnemonic kMinimum{"MINimum"};
const Mnemonic kMaximum{"MAXimum"};

double DecimalValue(const ProgramData& data)
{
    double value = 0;
    const char* end = data.text.data() + data.text.size();
    const char* first = data.text.data() + (data.text.front() == '+' ? 1 : 0);
    const auto result = std::from_chars(first, end, value);
    if (result.ec == std::errc::result_out_of_range)
        throw ScpiError(error::kDataOutOfRange);
    if (result.ec != std::errc() || result.ptr != end)
        throw ScpiError(error::kInvalidCharacterInNumber);
    return value;
}

double ApplySuffix(double value, const std::string& suffix, std::span<const UnitSuffix> units)
{
    if (suffix.empty())
        return value;
    if (units.empty())
        throw ScpiError(error::kSuffixNotAllowed);
    const auto unit =
        std::find_if(units.begin(), units.end(), [&](const UnitSuffix& u) { return Mnemonic{u.name}.Matches(suffix); });
    if (unit == units.end())
        throw ScpiError(error::kInvalidSuffix, suffix);
    return value * unit->factor;
}

} // namespace

void CommandCall::Respond(std::string text)
{
    session_.AddResponse(std::move(text));
}

void CommandCall::ExpectParameters(std::size_t count) const
{
    if (unit_.parameters.size() < count)
        throw ScpiError(error::kMissingParameter);
    if (unit_.parameters.size() > count)
        throw ScpiError(error::kParameterNotAllowed);
}

const ProgramData& CommandCall::Parameter(std::size_t index) const
{
    if (index >= unit_.parameters.size())
        throw ScpiError(error::kMissingParameter);
    return unit_.parameters[index];
}

double CommandCall::Real(std::size_t index, NumericBounds bounds, std::span<const UnitSuffix> units) const
{
    const ProgramData& data = Parameter(index);
    double value = 0;
    switch (data.type) {
    case ProgramData::Type::Character:
        if (kMinimum.Matches(data.text))
            return bounds.minimum;
        if (kMaximum.Matches(data.text))
            return bounds.maximum;
        throw ScpiError(error::kInvalidCharacterData, data.text);
    case ProgramData::Type::Decimal:
        value = ApplySuffix(DecimalValue(data), data.suffix, units);
        break;
    case ProgramData::Type::NonDecimal:
        value = static_cast<double>(data.value);
        break;
    default:
        throw ScpiError(error::kDataType);
    }
    if (!(value >= bounds.minimum && value <= bounds.maximum))
        throw ScpiError(error::kDataOutOfRange);
    return value;
}

int32_t CommandCall::Integer(std::size_t index, int32_t minimum, int32_t maximum) const
{
    // Rounding may carry a number just outside the bounds onto them, as an instrument rounds to
    // its resolution before checking.
    const ProgramData& data = Parameter(index);
    if (data.type == ProgramData::Type::Character)
        return static_cast<int32_t>(Real(index, {static_cast<double>(minimum), static_cast<double>(maximum)}));
    const NumericBounds widened{minimum - 0.5, maximum + 0.5};
    const double rounded = std::nearbyint(Real(index, widened));
    if (rounded < minimum || rounded > maximum)
        throw ScpiError(error::kDataOutOfRange);
    return static_cast<int32_t>(rounded);
}

std::size_t CommandCall::Choice(std::size_t index, std::span<const Mnemonic> choices) const
{
    const ProgramData& data = Parameter(index);
    if (data.type != ProgramData::Type::Character)
        throw ScpiError(error::kDataType);
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i].Matches(data.text))
            return i;
    throw ScpiError(error::kIllegalParameterValue, data.text);
}

std::string CommandCall::Codes(std::size_t index) const
{
    const ProgramData& first = Parameter(index);
    if (first.type == ProgramData::Type::Block) {
        ExpectParameters(index + 1);
        return first.text;
    }
    std::string codes;
    codes.reserve(unit_.parameters.size() - index);
    for (std::size_t i = index; i < unit_.parameters.size(); ++i)
        codes += static_cast<char>(Integer(i, 0, 255));
    return codes;
}

} // namespace dds::scpi
