// for J to K step M do(body): the body runs with J = J, J + M, ... while J <= K; "?" in it is the
// previous pass's value. With M <= 0 only a confirmed break ends it.
#include "engine/procedure_support.h"

namespace brelt::engine::procedures {

namespace {

// J, K and M must hold values: a formula text is evaluated, otherwise the user is asked.
bool EnsureSet(Engine& engine) {
    const int slots[] = {kSlotJ, kSlotK, kSlotM};
    for (int round = 0; round < 3; ++round) {
        bool allSet = true;
        for (const int slot : slots) {
            if (engine.slot(slot).isSet()) continue;
            allSet = false;
            if (!engine.slot(slot).formula.empty() && engine.host().evaluateVariableFormula(engine, slot))
                continue;
            if (engine.ErrorFlag) return false;
            if (!engine.askVariable(slot)) return false;
        }
        if (allSet) return true;
    }
    engine.SetError(kUserBreak);
    return false;
}

} // namespace

Real Loop(Engine& engine) {
    const int bodyStart = engine.currentChar() == kEndMarker
                              ? static_cast<int>(engine.workingExpression().size()) + 1
                              : engine.position();
    if (!EnsureSet(engine)) return 0;
    engine.seek(bodyStart);
    const SlotKeeper keepJ(engine, kSlotJ);
    VariableSlot& j = engine.slot(kSlotJ);

    Real result = 0;
    int bodyEnd = 0;
    std::size_t namesKept = 0, valuesKept = 0;
    for (;;) {
        engine.seek(bodyStart);
        engine.setSubExpressionStart(bodyStart);
        result = engine.readExpression();
        if (engine.ErrorFlag) return 0;
        if (bodyEnd == 0) {
            if (engine.currentChar() != ')' && engine.currentChar() != kEndMarker) {
                engine.SetError(kSyntaxError);
                return 0;
            }
            bodyEnd = engine.currentChar() == kEndMarker
                          ? static_cast<int>(engine.workingExpression().size()) + 1
                          : engine.position();
            namesKept = engine.UsedNames.size();
            valuesKept = engine.UsedValues.size();
        } else {
            // Each pass reads the same names: the tape wants them once.
            if (engine.UsedNames.size() > namesKept) engine.UsedNames.resize(namesKept);
            if (engine.UsedValues.size() > valuesKept) engine.UsedValues.resize(valuesKept);
        }
        engine.LastResult = result;
        if (engine.breakConfirmed()) return 0;
        j.value += engine.slot(kSlotM).value;
        if (j.value > engine.slot(kSlotK).value) break;
    }
    engine.seek(bodyEnd);
    return result;
}

} // namespace brelt::engine::procedures
