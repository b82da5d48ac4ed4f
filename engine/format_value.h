#pragma once
// Number formatting: an extended value as the text the calculator shows, records on the tape and
// writes into lists. Decimal values follow the notation (scientific, fixed, engineering or
// sexagesimal hours:minutes:seconds); hexadecimal and binary show the integer part only.
//
// `digits` is a field width, as the runtime's number-to-text conversion takes it: a scientific
// text of width w carries w - 8 significant digits (2 to 18), and the characters freed by
// trimming are given back to the mantissa, so 12 digits show 12345 as 1.2345E+4.
//
// The pure core `formatNumber` only computes; `FormatValue` reads the modes from the engine and
// writes the error state when the value cannot be shown.
#include "engine/real.h"

#include <string>

namespace brelt::engine {

class Engine;

// Widths beyond this are cut to it, as the runtime conversion does.
inline constexpr int kMaxFormatWidth = 255;

// The values hexadecimal and binary output (and sexagesimal seconds) can hold.
inline constexpr Real kMaxShownInteger = 2147483647.0L;

// Message codes the formatter raises.
inline constexpr int kFormatOverflow = 11;       // "Overflow"
inline constexpr int kFormatChangeNotation = 23; // "Change notation"

// The text of a value, or the message code that says why it cannot be shown. On error the text
// is the placeholder the caller would have shown ("0.0" or "0:0:0"), never a result.
struct FormatOutcome {
    std::string text;
    int error = -1;
    bool ok() const { return error < 0; }
};

// base: 0 decimal, 1 hexadecimal, 2 binary. notation: 0 scientific, 1 fixed, 2 engineering,
// 3 sexagesimal (decimal base only). Values that are not finite are "Overflow" in every mode.
FormatOutcome formatNumber(Real x, int digits, int base, int notation);

// The scientific text of the runtime conversion for x >= 0: a blank in the sign place, one digit,
// ".", the further digits, "E", the exponent's sign and four exponent digits, blank-padded on the
// left to `width` (at most 255). Correctly rounded.
std::string scientificField(Real x, int width);

// The decimal text made step by step with two conversions, as the runtime conversion does it;
// formatNumber gives the same text with one. Kept as the reference the faster path is tested against.
std::string decimalTextReference(Real x, int digits, int notation);

// Formats x under the engine's base and notation. A value that cannot be shown sets the engine's
// error state ("Overflow" or "Change notation") at one past the end of the working expression,
// length 1; sexagesimal text of an engine already in error is "0:0:0".
std::string FormatValue(Engine& engine, int digits, Real x);

} // namespace brelt::engine
