#pragma once
// The bridge from the catalogue's codes to the special functions: gamma (26), n! (31), erf (25),
// Si (24), Ci (23), Jn (18), Yn (19), In (20), Kn (21) and eFD (32).
#include "engine/real.h"

namespace brelt::engine {

class Engine;

// Applies the special function `code` to a (and b for the two-argument ones; the evaluator has
// already checked that a second argument was given for those). A domain error goes through
// engine.DomainError; the evaluator then marks the whole call.
Real ApplySpecialFunction(Engine& engine, int code, Real a, Real b);

} // namespace brelt::engine
