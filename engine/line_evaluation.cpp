#include "engine/line_evaluation.h"

#include "engine/engine.h"
#include "engine/format_value.h"
#include "engine/input_check.h"

#include <algorithm>

namespace brelt::engine {

namespace {

// Fewer entries than this are listed on the tape; a formula that used more lists none.
constexpr size_t kMaxListedNames = 10;

// Fills the failure fields from an error mark counted in the working expression.
void fail(LineOutcome& outcome, const Engine& engine, const std::string& engineText, const ErrorMark& mark) {
    const TextSpan span = mapToTypedText(engineText, mark.position, mark.length);
    outcome.success = false;
    outcome.errorCode = mark.code;
    outcome.resultText = engine.MessageText(mark.code) + ": position " + std::to_string(span.position);
    outcome.errorStart = std::max(span.position - 1, 0);
    outcome.errorLength = std::max(span.length, 0);
}

ErrorMark engineError(const Engine& engine) {
    return {engine.ErrorCode, engine.ErrorPosition, engine.ErrorLength};
}

} // namespace

std::string assignmentSuffix(const Engine& engine) {
    std::string suffix = "; ";
    if (engine.UsedNames.size() >= kMaxListedNames) return suffix;
    const size_t count = std::min(engine.UsedNames.size(), engine.UsedValues.size());
    for (size_t i = 0; i < count; ++i) {
        const std::string& name = engine.UsedNames[i];
        if (name.empty() || name == std::string(1, '\0')) continue;
        const std::string entry = latin1ToUtf8(name) + "=";
        // Each entry follows "; ", so this finds the name itself, not a longer name ending in it.
        if (suffix.find("; " + entry) != std::string::npos) continue;
        suffix += entry + latin1ToUtf8(engine.UsedValues[i]) + "; ";
    }
    return suffix;
}

LineOutcome evaluateLine(Engine& engine, const std::string& typed, int digits) {
    LineOutcome outcome;
    engine.clearError();
    const std::string engineText = toEngineText(typed);
    const std::string working = workingExpression(engineText);
    if (working.empty()) return outcome;
    outcome.evaluated = true;
    engine.BreakRequested = false;

    const ErrorMark pairing = checkParentheses(working);
    if (pairing.failed()) {
        fail(outcome, engine, engineText, pairing);
        return outcome;
    }

    const Real previousResult = engine.LastResult;
    engine.UsedNames.clear();
    engine.UsedValues.clear();
    const Real value = engine.Evaluate(working);
    std::string text;
    if (!engine.ErrorFlag) text = FormatValue(engine, digits, value);
    if (engine.ErrorFlag) {
        fail(outcome, engine, engineText, engineError(engine));
        engine.clearError();
        engine.LastResult = previousResult;
        return outcome;
    }

    outcome.success = true;
    outcome.value = value;
    outcome.resultText = std::move(text);
    engine.LastResult = value;
    outcome.assignmentSuffix = assignmentSuffix(engine);
    outcome.tapeLine = typed + " = " + outcome.resultText + outcome.assignmentSuffix;
    return outcome;
}

} // namespace brelt::engine
