#pragma once
// Character classes of the formula language. Characters are Latin-1 bytes; the postfix square,
// cube and root are the single bytes 178, 179 and 189.
#include "engine/engine.h"

namespace brelt::engine {

inline constexpr unsigned char kSquareChar = 178;
inline constexpr unsigned char kCubeChar = 179;
inline constexpr unsigned char kRootChar = 189;

// "+", "-" and the bitwise "&" (and), "\" (exclusive or), "|" (or): the additive level.
inline bool isExpressionOperator(unsigned char c) {
    return c == '+' || c == '-' || c == '&' || c == '\\' || c == '|';
}

inline bool isTermOperator(unsigned char c) {
    return c == '*' || c == '/' || c == '%';
}

inline bool isOperator(unsigned char c) {
    return isExpressionOperator(c) || isTermOperator(c) || c == '^';
}

inline bool isPostfix(unsigned char c) {
    return c == kSquareChar || c == kCubeChar || c == kRootChar;
}

inline bool isLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Where a name ends; the delimiter itself is the last character of the collected name.
inline bool isNameDelimiter(unsigned char c) {
    return c == '(' || c == ')' || c == ',' || c == '=' || c == '^' || c == kEndMarker || isPostfix(c) ||
           isTermOperator(c) || isExpressionOperator(c);
}

// What may follow a number, "?", a variable or a completed call.
inline bool isValueFollower(unsigned char c) {
    return c == ')' || c == ',' || c == '^' || c == kEndMarker || isPostfix(c) || isTermOperator(c) ||
           isExpressionOperator(c);
}

// The value of a digit character (0..15), or -1.
inline int digitValue(unsigned char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace brelt::engine
