#include "engine/input_check.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace brelt::engine;

namespace {

// The blank-by-blank walk that moves an error span onto the typed text, followed literally: it is
// the reference the direct count must agree with.
TextSpan literalMapping(std::string copy, const std::string& working, int p, int n) {
    auto part = [](const std::string& s, long from, long count) {
        if (from < 0) from = 0;
        if (from >= static_cast<long>(s.size()) || count <= 0) return std::string();
        return s.substr(static_cast<size_t>(from), static_cast<size_t>(count));
    };
    int c1 = 0;
    while (part(copy, 0, p) != part(working, 0, p) && copy.find(' ') != std::string::npos) {
        copy.erase(copy.find(' '), 1);
        ++c1;
    }
    int c2 = 0;
    while (part(copy, p - 1, n) != part(working, p - 1, n) && copy.find(' ') != std::string::npos) {
        copy.erase(copy.find(' '), 1);
        ++c2;
    }
    return {p + c1, n + c2};
}

} // namespace

TEST(EngineText, TypedCharactersBecomeOneByteEach) {
    struct Case {
        const char* utf8;
        std::string expected;
    };
    const Case cases[] = {
        {"2+3", "2+3"},
        {"3\xC2\xB2", "3\xB2"},           // 3² -> byte 178
        {"2\xC2\xB3", "2\xB3"},           // ³ -> 179
        {"9\xC2\xBD", "9\xBD"},           // ½ -> 189
        {"\xC2\xB6*2", "\xB6*2"},         // ¶ -> 182
        {"1+\xE2\x82\xAC", "1+\x01"},     // € is outside Latin-1
        {"\xF0\x9F\x98\x80+1", "\x01+1"}, // so is a four-byte character, still one position
        {"1\t+2", "1\x01+2"},             // control characters
        {"1\x7F", "1\x01"},               // never the end marker
        {"\xB2+1", "\x01+1"},             // a stray Latin-1 byte is not UTF-8
        {"\xE2\x82", "\x01\x01"},         // truncated sequence
        {"\xC0\xB2", "\x01\x01"},         // overlong form
        {"\xED\xA0\x80", "\x01\x01\x01"}, // surrogate
    };
    for (const Case& c : cases)
        EXPECT_EQ(toEngineText(c.utf8), c.expected) << c.utf8;
    EXPECT_EQ(toEngineText(std::string("1\0+2", 4)), std::string("1\x01+2"));
}

TEST(EngineText, Latin1RoundTrip) {
    std::string all;
    for (int c = 0x20; c <= 0xFF; ++c)
        if (c != 0x7F) all.push_back(static_cast<char>(c));
    EXPECT_EQ(toEngineText(latin1ToUtf8(all)), all);
    EXPECT_EQ(latin1ToUtf8("X\xB2"), "X\xC2\xB2");
}

TEST(WorkingExpression, BlanksGo) {
    EXPECT_EQ(workingExpression(" 4 / 0 "), "4/0");
    EXPECT_EQ(workingExpression("   "), "");
    EXPECT_EQ(workingExpression("sin (1)"), "sin(1)");
}

TEST(CheckParentheses, CodesAndPositions) {
    struct Case {
        const char* working;
        int code;
        int position;
    };
    const Case cases[] = {
        {"(1+2)*3", -1, 0}, {"2", -1, 0},
        {"", -1, 0},        {")(", 0, 1},      // balanced, but closed before opened
        {"(1))+(2", 0, 4},                     // balanced, the fourth character closes nothing
        {"(1+2))", 16, 6},                     // one too many
        {"1)+(2)", 16, 2},                     // the first ")" that closes nothing, not the last one
        {")))", 16, 1},     {"((1+2)", 18, 6}, // unclosed: the last character
        {"sin(1", 18, 5},   {"(", 18, 1},
    };
    for (const Case& c : cases) {
        const ErrorMark mark = checkParentheses(c.working);
        EXPECT_EQ(mark.code, c.code) << c.working;
        if (c.code >= 0) {
            EXPECT_EQ(mark.position, c.position) << c.working;
            EXPECT_EQ(mark.length, 1);
        }
    }
}

TEST(MapToTypedText, BlanksMoveAndWidenTheSpan) {
    struct Case {
        const char* typed;
        int position;
        int length;
        int mappedPosition;
        int mappedLength;
    };
    const Case cases[] = {
        {"4/0", 3, 1, 3, 1},         {"4 / 0", 3, 1, 5, 1}, {"  4/0", 1, 1, 3, 1},
        {"sin( 1 ,2)", 1, 8, 1, 10}, // a span over the whole call takes its inner blanks
        {"1 + foo bar", 3, 6, 5, 7}, {"1+2  ", 4, 1, 6, 1}, // one past the end stays past the trailing blanks
        {"1 +2", 4, 1, 5, 1},
    };
    for (const Case& c : cases) {
        const TextSpan span = mapToTypedText(c.typed, c.position, c.length);
        EXPECT_EQ(span.position, c.mappedPosition) << c.typed;
        EXPECT_EQ(span.length, c.mappedLength) << c.typed;
    }
}

TEST(MapToTypedText, AgreesWithTheBlankByBlankWalk) {
    std::mt19937 random(20261207);
    const char alphabet[] = "  ab(+1";
    for (int round = 0; round < 20000; ++round) {
        std::string typed;
        const int size = static_cast<int>(random() % 12);
        for (int i = 0; i < size; ++i)
            typed.push_back(alphabet[random() % (sizeof alphabet - 1)]);
        const std::string working = workingExpression(typed);
        const int p = 1 + static_cast<int>(random() % (working.size() + 1));
        const int n = 1 + static_cast<int>(random() % 4);
        const TextSpan expected = literalMapping(typed, working, p, n);
        const TextSpan span = mapToTypedText(typed, p, n);
        ASSERT_EQ(span.position, expected.position) << '"' << typed << "\" " << p << ' ' << n;
        ASSERT_EQ(span.length, expected.length) << '"' << typed << "\" " << p << ' ' << n;
    }
}
