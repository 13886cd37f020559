#pragma once
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "scpi/mnemonic.h"
#include "scpi/program_parser.h"

namespace dds::scpi {

class Session;

struct NumericBounds {
    double minimum;
    double maximum;
};

// A unit suffix with the factor it multiplies the number by.
struct UnitSuffix {
    std::string_view name;
    double factor;
};

// One command being executed: its parameters, read with the checks every command shares, and the
// session it runs in. The readers raise ScpiError with the standard number for what is wrong.
class CommandCall {
public:
    CommandCall(const ProgramUnit& unit, Session& session) : unit_(unit), session_(session) {}

    Session& session() { return session_; }
    void Respond(std::string text);

    // -109 when fewer, -108 when more parameters were given.
    void ExpectParameters(std::size_t count) const;
    // A number in any decimal or #H/#Q/#B form, or MINimum/MAXimum, inside `bounds` (-222).
    // A suffix must be one of `units` (none allowed when empty).
    double Real(std::size_t index, NumericBounds bounds, std::span<const UnitSuffix> units = {}) const;
    // The same, rounded to the nearest whole number.
    int32_t Integer(std::size_t index, int32_t minimum, int32_t maximum) const;
    // Which of `choices` the character data names (-224 for none of them).
    std::size_t Choice(std::size_t index, std::span<const Mnemonic> choices) const;
    // Codes 0..255: a definite-length block of bytes, or the parameters from `index` on as numbers.
    std::string Codes(std::size_t index) const;

private:
    const ProgramData& Parameter(std::size_t index) const;

    const ProgramUnit& unit_;
    Session& session_;
};

} // namespace dds::scpi
