#pragma once
// What the engine asks of the program around it. The evaluator never shows a window itself: when
// a formula needs a value only the user can give, or a long computation wants to stay responsive,
// it calls its host. The default host answers as if the user cancelled every request, which is
// what a headless caller (a test, a batch run) wants.
#include "engine/real.h"

#include <string>

namespace brelt::engine {

class Engine;

class EngineHost {
public:
    virtual ~EngineHost() = default;

    // The Set variable request for slot 1..10: letter is the slot's letter, currentText its value
    // as shown ("undefined" when not set). Returns true when the user confirmed; the host has then
    // stored the new formula text and value in the slot. The engine saves and restores its reading
    // state around the call, so the host may evaluate text with the same engine.
    virtual bool requestVariable(Engine& engine, int slot, char letter, const std::string& currentText);

    // Adds (or replaces) the user variable `name` with `value` in engine.UserVariableList and
    // returns its code (1000 and above), or a negative number when the user refused.
    virtual int addUserVariable(Engine& engine, const std::string& name, Real value);

    // Evaluates the formula text of slot 1..10 into its value. Returns false when that failed;
    // the engine's error state then tells why. The default evaluates with the engine itself.
    virtual bool evaluateVariableFormula(Engine& engine, int slot);

    // Lets pending window messages run (the Stop button must stay clickable).
    virtual void processMessages() {}

    // Asks "Do you realy wont break calculation?"; true means Yes. The default says Yes: a break
    // request that nobody can answer ends the computation.
    virtual bool confirmBreak(const std::string& question);

    // Shows a text in the status line (a procedure's intermediate result).
    virtual void showStatus(const std::string& text);

    // Shows a modal message box with an OK button (the user-function loader's refusals).
    virtual void showMessage(const std::string& text);
};

} // namespace brelt::engine
