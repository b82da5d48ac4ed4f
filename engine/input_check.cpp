#include "engine/input_check.h"

#include <algorithm>

namespace brelt::engine {

namespace {

// Length of the UTF-8 sequence a lead byte announces, or 0 for a byte that cannot lead one.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The byte the engine reads for one typed character.
char engineByte(unsigned long codePoint) {
    if (codePoint < 0x20 || codePoint == 0x7F || codePoint > 0xFF) return static_cast<char>(kRejectedChar);
    return static_cast<char>(static_cast<unsigned char>(codePoint));
}

} // namespace

std::string toEngineText(std::string_view utf8) {
    std::string text;
    text.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = sequenceLength(lead);
        bool valid = length > 0 && i + static_cast<size_t>(length) <= utf8.size();
        unsigned long codePoint = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; valid && k < length; ++k) {
            const auto byte = static_cast<unsigned char>(utf8[i + static_cast<size_t>(k)]);
            valid = isContinuation(byte);
            codePoint = (codePoint << 6) | (byte & 0x3F);
        }
        // Overlong three- and four-byte forms and surrogates are not characters either.
        if (valid && length == 3 && (codePoint < 0x800 || (codePoint >= 0xD800 && codePoint <= 0xDFFF)))
            valid = false;
        if (valid && length == 4 && (codePoint < 0x10000 || codePoint > 0x10FFFF)) valid = false;
        if (!valid) {
            // One rejected byte per stray byte: the rest of the text is still read as typed.
            text.push_back(static_cast<char>(kRejectedChar));
            ++i;
            continue;
        }
        text.push_back(engineByte(codePoint));
        i += static_cast<size_t>(length);
    }
    return text;
}

std::string latin1ToUtf8(std::string_view latin1) {
    std::string text;
    text.reserve(latin1.size());
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text.push_back(c);
        } else {
            text.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            text.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return text;
}

std::string workingExpression(std::string_view engineText) {
    std::string working;
    working.reserve(engineText.size());
    for (const char c : engineText)
        if (c != ' ') working.push_back(c);
    return working;
}

ErrorMark checkParentheses(std::string_view working) {
    const auto opening = std::count(working.begin(), working.end(), '(');
    const auto closing = std::count(working.begin(), working.end(), ')');
    if (opening > closing) return {kMissingClosing, static_cast<int>(working.size()), 1};
    // With equal counts a ")" that comes before its "(" is a syntax error; with more ")" than "(" the
    // first ")" that closes nothing is the one too many.
    const int code = opening == closing ? kSyntaxError : kTooManyClosing;
    long depth = 0;
    for (size_t i = 0; i < working.size(); ++i) {
        if (working[i] == '(') ++depth;
        if (working[i] == ')' && --depth < 0) return {code, static_cast<int>(i) + 1, 1};
    }
    return {};
}

TextSpan mapToTypedText(std::string_view typed, int position, int length) {
    // The blanks in front of the position-th non-blank character move the position; those up to
    // the last character of the span widen it. Past the end, every remaining blank counts.
    const long first = std::max(position, 1);
    const long last = first + std::max(length, 1) - 1;
    long nonBlank = 0;
    long blanksBefore = 0;
    long blanksInside = 0;
    for (const char c : typed) {
        if (c != ' ') {
            ++nonBlank;
            if (nonBlank >= last) break;
            continue;
        }
        if (nonBlank < first)
            ++blanksBefore;
        else
            ++blanksInside;
    }
    if (position < 1) blanksBefore = 0;
    if (length < 1) blanksInside = 0;
    return {position + static_cast<int>(blanksBefore), length + static_cast<int>(blanksInside)};
}

} // namespace brelt::engine
