#pragma once
// Evaluates a typed line exactly as the Return key does, without any window: blanks removed, the
// parentheses checked, the formula evaluated, the error position moved back onto the typed text,
// the value formatted. The main window shows the outcome (blue result or red error with the span
// selected) and records it; the command line prints it.
//
// A line either succeeds with a value the mode can show, or fails with a message; a value that the
// base or notation cannot show ("Overflow" in hexadecimal or binary, "Change notation" in
// sexagesimal) is a failure like any other, never a placeholder text. A failure leaves the last
// result as it was.
#include "engine/real.h"

#include <string>

namespace brelt::engine {

class Engine;

struct LineOutcome {
    bool evaluated = false; // false for a line with nothing but blanks: nothing to show or record
    bool success = false;
    Real value = 0;
    // The result line: the formatted value, or the message, ": position " and the position counted
    // in typed characters, blanks included.
    std::string resultText;
    int errorCode = -1;
    // The faulty span of the typed text for the selection: 0-based start and length, in characters.
    int errorStart = 0;
    int errorLength = 0;
    // "; " followed by "name=value; " for each variable the formula used (none with 10 or more).
    std::string assignmentSuffix;
    // The tape line of a success: typed text, " = ", the result text and the suffix.
    std::string tapeLine;
};

// `typed` is UTF-8 as the user typed it; `digits` the result width (see FormatValue). Clears the
// error state, BreakRequested and the used-name lists first; on success stores the value as
// LastResult. The engine's error state is clear again on return.
LineOutcome evaluateLine(Engine& engine, const std::string& typed, int digits);

// The suffix of a tape line from the engine's used-name lists (Latin-1, returned as UTF-8).
std::string assignmentSuffix(const Engine& engine);

} // namespace brelt::engine
