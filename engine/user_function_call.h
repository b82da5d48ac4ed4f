#pragma once
// The call of a user-defined function, reached when a collected name (such as "f(") names one.
#include "engine/real.h"

namespace brelt::engine {

class Engine;

// Called with the engine positioned just after the name's "(" (the current character is the first
// one of the argument list); `index` is what engine.userFunctionLookup returned for the name.
// Reads the arguments, evaluates the body and leaves the engine on the character after the call's
// closing ")" (or at the end of the text), like a completed built-in call. Returns the value or
// raises the error state (26 "Missing argument", 27 for an error inside the body).
Real CallUserFunction(Engine& engine, int index);

} // namespace brelt::engine
