#pragma once
// The engine's message catalogue: code to text. Codes not in the catalogue read "Undefined".
// Texts are at most 80 characters; the composed user-function message is cut to that length.
#include <string>

namespace brelt::engine {

inline constexpr std::size_t kMaxMessageLength = 80;

// The fixed text of `code` (27 gives only its fixed head, see below).
std::string CatalogueMessage(int code);

// Message 27: User Function Error "inner message position: inner position" and a blank, cut to 80.
std::string ComposeUserFunctionError(int innerCode, int innerPosition);

} // namespace brelt::engine
