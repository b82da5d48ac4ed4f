#include "engine/procedures.h"

#include "engine/engine.h"

namespace brelt::engine {

// Placeholder until the procedures are written: every procedure is refused.
Real CallProcedure(Engine& engine, int /*code*/) {
    engine.SetError(kSyntaxError);
    return 0;
}

} // namespace brelt::engine
