#include "engine/special_dispatch.h"

#include "engine/engine.h"

namespace brelt::engine {

// Placeholder until the special functions are connected: every call is refused.
Real ApplySpecialFunction(Engine& engine, int /*code*/, Real /*a*/, Real /*b*/) {
    engine.SetError(kSyntaxError);
    return 0;
}

} // namespace brelt::engine
