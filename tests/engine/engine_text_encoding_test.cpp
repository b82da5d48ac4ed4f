// Text handed to the evaluator: one byte per character, whatever the user typed.
#include "engine/engine.h"
#include "engine/input_check.h"

#include <gtest/gtest.h>

namespace brelt::engine {
namespace {

struct EncodingCase {
    const char* utf8;
    const char* latin1;
};

const EncodingCase kCases[] = {
    {"1+2", "1+2"},
    {"3\xC2\xB2", "3\xB2"},   // superscript two
    {"16\xC2\xBD", "16\xBD"}, // one half: the postfix root
    {"2\xE2\x88\x9A"
     "4",
     "2\x01"
     "4"},                            // a square-root sign the language does not know
    {"\xF0\x9F\x98\x80+1", "\x01+1"}, // an emoji is one character
    {"\x80+1", "\x01+1"},             // stray continuation byte
    {"\xC3", "\x01"},                 // cut-off sequence
    {"\xC3+1", "\x01+1"},
};

TEST(EngineTextEncoding, OneByteForEveryCharacter) {
    for (const EncodingCase& c : kCases)
        EXPECT_EQ(toEngineText(c.utf8), c.latin1) << c.utf8;
}

TEST(EngineTextEncoding, ForeignCharacterIsASyntaxErrorAtItsOwnPosition) {
    Engine engine;
    engine.Evaluate(toEngineText("1+\xE2\x82\xAC"
                                 "5")); // a euro sign
    ASSERT_TRUE(engine.ErrorFlag);
    EXPECT_EQ(engine.ErrorCode, kSyntaxError);
    EXPECT_EQ(engine.ErrorPosition, 3);
    EXPECT_EQ(engine.Evaluate(toEngineText("3\xC2\xB2+1")), 10);
}

} // namespace
} // namespace brelt::engine
