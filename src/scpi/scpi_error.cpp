#include "scpi/scpi_error.h"

#include <algorithm>
#include <iterator>

#include "scpi/status_registers.h"

namespace dds::scpi {
namespace {

struct KnownError {
    int code;
    std::string_view text;
};

// clang-format off
constexpr KnownError kKnownErrors[] = {
    {error::kNone,                      "No error"},
    {error::kCommand,                   "Command error"},
    {error::kInvalidCharacter,          "Invalid character"},
    {error::kSyntax,                    "Syntax error"},
    {error::kInvalidSeparator,          "Invalid separator"},
    {error::kDataType,                  "Data type error"},
    {error::kParameterNotAllowed,       "Parameter not allowed"},
    {error::kMissingParameter,          "Missing parameter"},
    {error::kMnemonicTooLong,           "Program mnemonic too long"},
    {error::kUndefinedHeader,           "Undefined header"},
    {error::kInvalidCharacterInNumber,  "Invalid character in number"},
    {error::kExponentTooLarge,          "Exponent too large"},
    {error::kTooManyDigits,             "Too many digits"},
    {error::kInvalidSuffix,             "Invalid suffix"},
    {error::kSuffixNotAllowed,          "Suffix not allowed"},
    {error::kInvalidCharacterData,      "Invalid character data"},
    {error::kCharacterDataTooLong,      "Character data too long"},
    {error::kInvalidStringData,         "Invalid string data"},
    {error::kInvalidBlockData,          "Invalid block data"},
    {error::kExpressionNotAllowed,      "Expression data not allowed"},
    {error::kExecution,                 "Execution error"},
    {error::kSettingsConflict,          "Settings conflict"},
    {error::kDataOutOfRange,            "Data out of range"},
    {error::kTooMuchData,               "Too much data"},
    {error::kIllegalParameterValue,     "Illegal parameter value"},
    {error::kHardware,                  "Hardware error"},
    {error::kHardwareMissing,           "Hardware missing"},
    {error::kQueueOverflow,             "Queue overflow"},
    {error::kInputBufferOverrun,        "Input buffer overrun"},
};
// clang-format on

} // namespace

std::string_view ErrorText(int code)
{
    const auto known = std::find_if(std::begin(kKnownErrors), std::end(kKnownErrors),
                                    [code](const KnownError& e) { return e.code == code; });
    return known == std::end(kKnownErrors) ? std::string_view("Error") : known->text;
}

int EventStatusBitFor(int code)
{
    if (code <= -100 && code > -200)
        return esr::kCommandError;
    if (code <= -200 && code > -300)
        return esr::kExecutionError;
    if (code <= -400 && code > -500)
        return esr::kQueryError;
    return esr::kDeviceError;
}

ScpiError::ScpiError(int code, std::string detail)
    : std::runtime_error(std::string(ErrorText(code)) + (detail.empty() ? "" : ";" + detail)), code_(code),
      detail_(std::move(detail))
{
}

} // namespace dds::scpi
