#pragma once
#include <cstddef>
#include <optional>
#include <string_view>

namespace dds {

// One field of a line of a CSV or TXT file.
struct TextField {
    enum class Kind { Empty, Number, Text };
    Kind kind = Kind::Empty;
    std::string_view text;  // without the blanks around it and without its quotes
    std::size_t column = 0; // where it starts in the line, from 1
    bool whole = false;     // a number written with neither a decimal mark nor an exponent
};

// What the reader needs of a line: how many fields it has, the first one that is not a number,
// and the last two (the value is the last one, or the one before a trailing separator).
struct TextLine {
    std::size_t fieldCount = 0;
    std::optional<TextField> firstText;
    TextField last;
    TextField beforeLast;
    bool decimalComma = false;
};

// Splits a line (without its line end) at its separator: ';' where it holds one outside quotes,
// else a tab, else ',', else runs of spaces; runs of spaces also where that makes the line numbers
// with decimal commas ("0,5 1,25"). A field may be quoted ("a ""b""" holds a "b"). A
// number is a sign, digits with at most one decimal mark (a point, or a comma where the separator
// is not a comma) and an optional exponent; nothing else ("inf", "0x10" and "1e5x" are text).
TextLine SplitTextLine(std::string_view line);

// The value of a number field; nothing when it lies beyond the doubles (1e999).
std::optional<double> NumberValue(const TextField& field, bool decimalComma);

} // namespace dds
