#pragma once
// The evaluator reads Latin-1 bytes, one per character; programs around it hold UTF-8 (the
// command line) or UTF-16 (the window). These conversions keep one byte per character, so error
// positions count the characters the user sees. A code point the language cannot hold (above 255)
// or a malformed UTF-8 sequence becomes kRejectedChar, which every rule of the language refuses.
#include <string>
#include <string_view>

namespace brelt::engine {

std::string Latin1FromUtf8(std::string_view utf8);
std::string Utf8FromLatin1(std::string_view latin1);

} // namespace brelt::engine
