#pragma once
// The program's number formats and locale-independent number parsing.
// "." is the decimal point everywhere, whatever the process locale.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelmor {

// General p: the shortest text of the value rounded to p significant digits,
// no trailing zeros; exponent form ("1.5E-7", "1E20") when the decimal
// exponent is below -5 or not below p.
std::string formatOgolny(double v, int p);

// Fixed p/d: the value rounded to p significant digits, shown with exactly
// d decimals; exponent form when it has more than p integer digits.
std::string formatStaly(double v, int p, int d);

// Exponent form with p significant digits, a signed exponent and at least
// `cyfryWykladnika` exponent digits: formatWykladniczy(12345.6, 5, 1) = "1.2346E+4".
std::string formatWykladniczy(double v, int p, int cyfryWykladnika);

std::string formatCalkowity(long long v);

// Conversion of a whole text to a real: optional surrounding spaces, an
// optional sign, digits with an optional "." and an optional exponent.
// Refuses everything else (empty text, "nan", "inf", hex, overflow).
std::optional<double> naLiczbe(std::string_view s);
// Conversion to a 32-bit integer: optional spaces and sign, decimal digits.
std::optional<int32_t> naCalkowita(std::string_view s);

}  // namespace kelmor
