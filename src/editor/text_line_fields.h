#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace dds {

// One field of a line of a CSV or TXT file. No member has a default: the splitter fills each
// field whole, and a line's slots are not cleared for every line read.
struct TextField {
    enum class Kind : unsigned char { Empty, Number, Text };
    Kind kind;
    bool whole;            // a number written with neither a decimal mark nor an exponent
    bool plain;            // a number written as the C++ library reads it: no plus sign, no comma
    bool converted;        // `value` holds the number's value
    std::size_t column;    // where it starts in the line, from 1
    std::string_view text; // without the blanks around it and without its quotes
    double value;
};

// What the reader needs of a line: how many fields it has, the first one that is not a number,
// and the last two (the value is the last one, or the one before a trailing separator).
struct TextLine {
    std::size_t fieldCount = 0;
    std::optional<TextField> firstText;
    // Field k (from 0) is kept in slot k % 2, so that no field is copied on the way.
    std::array<TextField, 2> slots;

    const TextField& last() const { return slots[(fieldCount + 1) % 2]; } // with one field or more
    const TextField& beforeLast() const { return slots[fieldCount % 2]; } // with two fields or more
};

// The characters that decide how a line splits, one bit each (kept in one word, which a caller
// reads back at once). Where a separator is found, those after it in the order ';', tab, ','
// may be left unsought; kSpace is left out only where the line surely holds no space.
struct LineChars {
    enum Bit : unsigned { kSemicolon = 1, kTab = 2, kComma = 4, kQuote = 8, kInk = 16, kSpace = 32 };
    unsigned bits = 0;
    bool has(Bit bit) const { return (bits & bit) != 0; }
};
LineChars CharsOf(std::string_view line);

// Splits a line (without its line end; `chars` are its CharsOf) at its separator: ';' where it
// holds one outside quotes, else a tab, else ',', else runs of spaces; runs of spaces also where
// that makes the line numbers with decimal commas ("0,5 1,25"). A blank line has no field. A field
// may be quoted ("a ""b""" holds a "b"). A number is a sign, digits with at most one decimal mark
// (a point, or a comma where the separator is not a comma) and an optional exponent; nothing else
// ("inf", "0x10" and "1e5x" are text).
TextLine SplitTextLine(std::string_view line, const LineChars& chars);

// The value of a number field that is not `converted` yet; nothing when it lies beyond the
// doubles (1e999).
std::optional<double> NumberValue(const TextField& field);

} // namespace dds
