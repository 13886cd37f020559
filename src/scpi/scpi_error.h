#pragma once
#include <stdexcept>
#include <string>
#include <string_view>

namespace dds::scpi {

// The standard error and event numbers this instrument reports, with their standard texts.
namespace error {
inline constexpr int kNone = 0;
inline constexpr int kCommand = -100;
inline constexpr int kInvalidCharacter = -101;
inline constexpr int kSyntax = -102;
inline constexpr int kInvalidSeparator = -103;
inline constexpr int kDataType = -104;
inline constexpr int kParameterNotAllowed = -108;
inline constexpr int kMissingParameter = -109;
inline constexpr int kMnemonicTooLong = -112;
inline constexpr int kUndefinedHeader = -113;
inline constexpr int kInvalidCharacterInNumber = -121;
inline constexpr int kExponentTooLarge = -123;
inline constexpr int kTooManyDigits = -124;
inline constexpr int kInvalidSuffix = -131;
inline constexpr int kSuffixNotAllowed = -138;
inline constexpr int kInvalidCharacterData = -141;
inline constexpr int kCharacterDataTooLong = -144;
inline constexpr int kInvalidStringData = -151;
inline constexpr int kInvalidBlockData = -161;
inline constexpr int kExpressionNotAllowed = -178;
inline constexpr int kExecution = -200;
inline constexpr int kSettingsConflict = -221;
inline constexpr int kDataOutOfRange = -222;
inline constexpr int kTooMuchData = -223;
inline constexpr int kIllegalParameterValue = -224;
inline constexpr int kHardware = -240;
inline constexpr int kHardwareMissing = -241;
inline constexpr int kQueueOverflow = -350;
inline constexpr int kInputBufferOverrun = -363;
} // namespace error

// "No error", "Undefined header", ...; "Error" for a number of no known class.
std::string_view ErrorText(int code);

// The event status register bit an error sets: command, execution, device-dependent or query error.
int EventStatusBitFor(int code);

// A fault found while parsing or executing a program message unit, with the number it is reported
// under and an optional detail appended to the standard text.
class ScpiError : public std::runtime_error {
public:
    explicit ScpiError(int code, std::string detail = {});
    int code() const { return code_; }
    const std::string& detail() const { return detail_; }

private:
    int code_;
    std::string detail_;
};

} // namespace dds::scpi
