#include "engine/host.h"

#include "engine/engine.h"

namespace brelt::engine {

bool EngineHost::requestVariable(Engine&, int, char, const std::string&) {
    return false;
}

int EngineHost::addUserVariable(Engine&, const std::string&, Real) {
    return -1;
}

bool EngineHost::evaluateVariableFormula(Engine& engine, int slot) {
    return engine.evaluateSlotFormula(slot);
}

bool EngineHost::confirmBreak(const std::string&) {
    return true;
}

void EngineHost::showStatus(const std::string&) {}

void EngineHost::showMessage(const std::string&) {}

} // namespace brelt::engine
