#pragma once
// Character classes of the formula language. Characters are Latin-1 bytes; the postfix square,
// cube and root are the single bytes 178, 179 and 189.
#include "engine/engine.h"

#include <array>
#include <initializer_list>

namespace brelt::engine {

inline constexpr unsigned char kSquareChar = 178;
inline constexpr unsigned char kCubeChar = 179;
inline constexpr unsigned char kRootChar = 189;
// The pi sign that Ctrl+P and the keypad put into the input line; it reads as pi.
inline constexpr unsigned char kPiChar = 182;

// Character classes as bit flags of one 256-entry table: the evaluator asks several of these
// questions per character, and one load answers each of them.
enum CharClass : unsigned char {
    kClassExpressionOperator = 1, // + - & \ |
    kClassTermOperator = 2,       // * / %
    kClassPower = 4,              // ^
    kClassPostfix = 8,            // the square, cube and root bytes
    kClassLetter = 16,            // A..Z a..z
    kClassNameEnd = 32,           // ( ) , = and the end marker (with the operators and postfixes)
    kClassFollowerOnly = 64,      // ) , and the end marker (with the operators and postfixes)
    kClassTermEnd = 128,          // ) and the end marker
};

inline constexpr std::array<unsigned char, 256> kCharClasses = [] {
    std::array<unsigned char, 256> table{};
    for (const unsigned char c : {'+', '-', '&', '\\', '|'})
        table[c] |= kClassExpressionOperator;
    for (const unsigned char c : {'*', '/', '%'})
        table[c] |= kClassTermOperator;
    table['^'] |= kClassPower;
    for (const unsigned char c : {kSquareChar, kCubeChar, kRootChar})
        table[c] |= kClassPostfix;
    for (int c = 'A'; c <= 'Z'; ++c)
        table[static_cast<size_t>(c)] |= kClassLetter;
    for (int c = 'a'; c <= 'z'; ++c)
        table[static_cast<size_t>(c)] |= kClassLetter;
    for (const unsigned char c : std::initializer_list<unsigned char>{'(', ')', ',', '=', kEndMarker})
        table[c] |= kClassNameEnd;
    for (const unsigned char c : std::initializer_list<unsigned char>{')', ',', kEndMarker})
        table[c] |= kClassFollowerOnly;
    table[')'] |= kClassTermEnd;
    table[kEndMarker] |= kClassTermEnd;
    return table;
}();

inline bool hasClass(unsigned char c, unsigned classes) {
    return (kCharClasses[c] & classes) != 0;
}

// "+", "-" and the bitwise "&" (and), "\" (exclusive or), "|" (or): the additive level.
inline bool isExpressionOperator(unsigned char c) {
    return hasClass(c, kClassExpressionOperator);
}

inline bool isTermOperator(unsigned char c) {
    return hasClass(c, kClassTermOperator);
}

inline bool isOperator(unsigned char c) {
    return hasClass(c, kClassExpressionOperator | kClassTermOperator | kClassPower);
}

inline bool isPostfix(unsigned char c) {
    return hasClass(c, kClassPostfix);
}

inline bool isLetter(unsigned char c) {
    return hasClass(c, kClassLetter);
}

// Where a name ends; the delimiter itself is the last character of the collected name.
inline bool isNameDelimiter(unsigned char c) {
    return hasClass(c, kClassNameEnd | kClassExpressionOperator | kClassTermOperator | kClassPower |
                           kClassPostfix);
}

// What may follow a number, "?", a variable or a completed call.
inline bool isValueFollower(unsigned char c) {
    return hasClass(c, kClassFollowerOnly | kClassExpressionOperator | kClassTermOperator | kClassPower |
                           kClassPostfix);
}

// Bytes that belong to no rule of the language: control characters (the tab among them, and
// kRejectedChar, which stands for every character beyond Latin-1) and byte 127. Inside a name they
// are a "Syntax error" where they stand, not part of the name.
inline bool isRejectedByte(unsigned char c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0);
}

// The value of a digit character (0..15), or -1.
inline int digitValue(unsigned char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// After a value the current character must be able to follow one; otherwise "Syntax error" and the
// value is taken back.
inline void Engine::checkFollow(Real& value) {
    if (ErrorFlag || isValueFollower(m_ch)) return;
    SetError(kSyntaxError);
    value = 0;
}

} // namespace brelt::engine
