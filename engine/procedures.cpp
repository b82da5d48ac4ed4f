#include "engine/procedures.h"

#include "engine/engine.h"
#include "engine/procedure_memory.h"
#include "engine/procedure_support.h"

namespace brelt::engine {

namespace {

// Procedures running on this thread, counted so that a search nested in another procedure's
// function can tell it is not the user's own repetition. The engine runs on one thread.
thread_local int t_procedureDepth = 0;

class ProcedureScope {
public:
    ProcedureScope() { ++t_procedureDepth; }
    ~ProcedureScope() { --t_procedureDepth; }
    ProcedureScope(const ProcedureScope&) = delete;
    ProcedureScope& operator=(const ProcedureScope&) = delete;
};

} // namespace

bool procedures::InsideAnotherProcedure() {
    return t_procedureDepth > 1;
}

Real CallProcedure(Engine& engine, int code) {
    const ProcedureScope scope;
    switch (code) {
    case 0: return procedures::Extremum(engine, false);
    case 37: return procedures::Extremum(engine, true);
    case 22: return procedures::Solve(engine);
    case 27: return procedures::Integral(engine);
    case 38:
    case 39:
    case 41:
    case 43:
    case 44: return procedures::ListProcedure(engine, code);
    case kLoopCode: return procedures::Loop(engine);
    default: engine.SetError(kSyntaxError); return 0;
    }
}

void ClearProcedureMemory(Engine& engine) {
    ProcedureMemory& memory = engine.Procedures;
    memory.previousLow = UndefinedMark;
    memory.previousHigh = UndefinedMark;
    memory.previousText.clear();
    memory.panelCount = 1;
    memory.standardDeviation = UndefinedMark;
}

} // namespace brelt::engine
