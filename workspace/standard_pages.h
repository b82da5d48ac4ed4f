#pragma once
// The program's own tab pages for the main window: the constants catalogue, the variables, the
// user variables and the user functions, the variable buttons with the Set variable dialog, and the
// engine host's requests that those pages answer. The program passes standardPages(...) to TfmCalc.
#include "engine/engine.h"
#include "engine/user_functions.h"
#include "workspace/rescu.h"

namespace brelt::workspace {

class EngineCalc;
class TSetVar;

// What the pages work on; everything must outlive the window.
struct ProgramParts {
    engine::Engine& engine;
    engine::TUserFunctions& functions;
    EngineCalc& calc;
    TSetVar* setVar = nullptr; // made with the window as its parent (and owner)
};

TfmCalcPageFactory standardPages(ProgramParts& parts);

} // namespace brelt::workspace
