#pragma once
// A scripted host for evaluator tests: answers the Set variable request with a prepared formula (or
// cancels), adds user variables to the engine's list, and counts what it was asked.
#include "engine/engine.h"

#include <map>
#include <string>
#include <vector>

namespace brelt::engine::testing {

class FakeHost : public EngineHost {
public:
    // Formula text the "user" types for a slot; a slot without an answer is cancelled.
    std::map<int, std::string> answers;
    std::vector<std::string> requestTexts; // the current value shown with each request
    bool refuseUserVariables = false;
    bool breakAnswer = true;
    int breakQuestions = 0;

    bool requestVariable(Engine& engine, int slot, char letter, const std::string& currentText) override {
        requestTexts.push_back(std::string(1, letter) + "=" + currentText);
        const auto answer = answers.find(slot);
        if (answer == answers.end()) return false;
        // Like the dialog: evaluate the text with the same engine and store it.
        engine.slot(slot).formula = answer->second;
        const Real value = engine.Evaluate(answer->second);
        if (engine.ErrorFlag) return false;
        engine.slot(slot).value = value;
        return true;
    }

    int addUserVariable(Engine& engine, const std::string& name, Real value) override {
        if (refuseUserVariables) return -1;
        return engine.addUserVariableRecord(name, value);
    }

    bool confirmBreak(const std::string&) override {
        ++breakQuestions;
        return breakAnswer;
    }
};

} // namespace brelt::engine::testing
