// Number reading and number formats: the one place where text becomes a number and back.
//
// Reading always uses "." as the decimal point, whatever the system locale: a project file or
// a grid typed on one machine must design the same on every other. A decimal comma is not a
// number here ("1,5" fails the strict conversion, so the input gate rejects it).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace jw {

// Longest numeric prefix after removing every blank, tab and line feed ("1 5" reads 15):
// optional sign, digits with at most one ".", optional exponent "E" or "D"; "&H"/"&O" prefixes
// read a hexadecimal or octal integer. Anything else reads 0. The result may be infinite for
// an exponent past the range of a double; the input gate rejects such texts first.
double LeadingNumber(std::string_view text);

// The whole text (blanks around it allowed) must be one finite number; otherwise nothing.
std::optional<double> StrictNumber(std::string_view text);

// A count rounded half to even; nothing when it falls outside -32768..32767.
std::optional<std::int16_t> RoundCount(double value);

// Fixed "0.00" and "0.0", halves away from zero.
std::string FormatFixed(double value, int decimals);
// At most `decimals` decimals, halves away from zero, trailing zeros and a bare point dropped
// ("3.1416", "0.65", "1170"): numbers written into formulas and data files.
std::string FormatTrimmed(double value, int decimals);
// "#": whole number without leading zeros; 0 gives the empty text.
std::string FormatWhole(double value);
// "#.##": at most two decimals, point always written ("12.", ".5", "3.14").
std::string FormatUpToTwo(double value);

// The plain number-to-text conversion used where a number is joined into a text: no fixed
// decimals, no leading blank, up to 7 significant digits for a single-precision value and 15 for
// a double ("230", "12.5").
std::string FormatPlain(double value, bool singlePrecision = false);

// A ratio as shown to two decimals and read back: what every verdict compares with 1.
double RoundRatio(double ratio);

// Formats by pattern text, for callers that carry the pattern as data ("0.00", "0.0", "#",
// "#.##"). Any other pattern gives the number with up to 15 significant digits.
std::string FormatNumber(double value, std::string_view pattern);

}  // namespace jw
