#include "engine/user_function_call.h"

#include "engine/engine.h"

namespace brelt::engine {

// Placeholder until user functions are written: every call is refused.
Real CallUserFunction(Engine& engine, int /*index*/) {
    engine.SetError(kSyntaxError);
    return 0;
}

} // namespace brelt::engine
