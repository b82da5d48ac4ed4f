#pragma once
// Preparing a typed formula for the evaluator, and pointing errors back at what the user typed.
//
// The user types UTF-8 with blanks; the evaluator reads Latin-1 bytes without blanks. Every typed
// character becomes exactly one byte ("²" 178, "³" 179, "½" 189, "¶" 182), so a position counted
// in bytes of the engine text is a position counted in typed characters. Characters the language
// cannot hold (beyond Latin-1, control characters, invalid UTF-8) become the engine's
// kRejectedChar, which the evaluator refuses as a "Syntax error" where it stands.
#include "engine/engine.h"

#include <string>
#include <string_view>

namespace brelt::engine {

// Typed UTF-8 -> engine text, one byte per typed character.
std::string toEngineText(std::string_view utf8);

// Engine (Latin-1) text -> UTF-8, for names and values the engine hands back.
std::string latin1ToUtf8(std::string_view latin1);

// The working expression: the engine text with every blank removed.
std::string workingExpression(std::string_view engineText);

// An error code with its 1-based position and length; code < 0 means no error.
struct ErrorMark {
    int code = -1;
    int position = 0;
    int length = 0;
    bool failed() const { return code >= 0; }
};

// Message codes of the parenthesis check (and kSyntaxError).
inline constexpr int kTooManyClosing = 16; // Too many ")"
inline constexpr int kMissingClosing = 18; // Missing ")"

// Checks the balance of "(" and ")" in the working expression before the evaluator runs. Balanced
// counts with a ")" before its "(" are a syntax error at that ")"; more ")" than "(" mark the first
// ")" that closes nothing; more "(" than ")" mark the last character.
ErrorMark checkParentheses(std::string_view working);

// A 1-based position and a length in the typed text.
struct TextSpan {
    int position = 0;
    int length = 0;
};

// Moves an error span from the working expression back onto the typed engine text it was made
// from (blanks kept): the blanks before the position are added to it, the blanks inside the span
// to its length.
TextSpan mapToTypedText(std::string_view typed, int position, int length);

} // namespace brelt::engine
