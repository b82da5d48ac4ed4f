#include "app/cli/cli_runner.h"

#include "app/cli/cli_host.h"
#include "app/cli/cli_modes.h"
#include "app/cli/cli_options.h"
#include "app/cli/manual_page.h"
#include "engine/engine.h"
#include "engine/input_check.h"
#include "engine/line_evaluation.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace brelt::app {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Gives a variable its formula and value, as the Set variable dialog does. The value need not be
// one the current notation can show. Returns the error text, empty on success.
std::string setVariable(engine::Engine& engine, const VariableOption& variable) {
    const std::string typed = engine::toEngineText(variable.formula);
    const std::string working = engine::workingExpression(typed);
    engine::ErrorMark mark = engine::checkParentheses(working);
    engine::Real value = 0;
    if (!mark.failed()) {
        engine.clearError();
        const engine::Real lastResult = engine.LastResult;
        value = engine.Evaluate(working);
        engine.LastResult = lastResult;
        if (engine.ErrorFlag) mark = {engine.ErrorCode, engine.ErrorPosition, engine.ErrorLength};
        engine.clearError();
    }
    if (mark.failed()) {
        const engine::TextSpan span = engine::mapToTypedText(typed, mark.position, mark.length);
        return engine.MessageText(mark.code) + ": position " + std::to_string(span.position);
    }
    const int slotNumber = static_cast<int>(engine::kVariableLetters.find(variable.letter)) + 1;
    engine.slot(slotNumber).value = value;
    engine.slot(slotNumber).formula = working;
    return {};
}

bool isBlankLine(const std::string& line) {
    return line.find_first_not_of(" \t") == std::string::npos;
}

// Evaluates one formula and prints its line; false when it failed.
bool runFormula(engine::Engine& engine, const std::string& formula, int digits, std::ostream& out) {
    const engine::LineOutcome outcome = engine::evaluateLine(engine, formula, digits);
    // Each line is out before the next formula starts: a later one may run until it is broken off.
    errno = 0;
    out << outcome.resultText << '\n' << std::flush;
    return !outcome.evaluated || outcome.success;
}

// A full disk or a reader that went away: the results are lost, which is a failure, not success.
int writeFailed(std::ostream& err) {
    const int code = errno;
    err << "brelt: writing the results failed" << (code != 0 ? std::string(": ") + std::strerror(code) : "")
        << '\n';
    return 1;
}

int usageError(std::ostream& err, const std::string& problem) {
    err << "brelt: " << problem << "\n\n" << usageText();
    return 2;
}

} // namespace

int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (const PictureMode* mode = selectedPictureMode(args)) {
        if (std::find(args.begin(), args.end(), "--help") != args.end() ||
            std::find(args.begin(), args.end(), "-h") != args.end()) {
            out << modeHelpText(*mode);
            return 0;
        }
        return mode->command(args, out, err);
    }
    if (args.size() == 1 && args.front() == "--manual-page") {
        out << manualPage(helpText());
        return 0;
    }
    CliParse parse = parseCliOptions(args);
    if (parse.error) return usageError(err, *parse.error);
    CliOptions& options = parse.options;
    if (options.help) {
        errno = 0;
        out << helpText() << std::flush;
        return out ? 0 : writeFailed(err);
    }
    options.home = resolveHome(options.home);
    std::error_code error;
    if (!fs::is_directory(options.home, error)) return usageError(err, "no folder \"" + options.home + "\"");

    CliSession session(err);
    engine::Engine& engine = session.engine();
    engine.Notation = options.notation;
    engine.setBase(options.base);
    engine.AngleUnit = options.angleUnit;
    engine.IntegrationPrecision = options.precision;
    session.loadHomeFiles(options.home, err);

    for (const VariableOption& variable : options.variables) {
        const std::string problem = setVariable(engine, variable);
        if (!problem.empty()) {
            err << "brelt: --var " << variable.letter << '=' << variable.formula << ": " << problem << '\n';
            return 1;
        }
    }

    bool allSucceeded = true;
    for (const std::string& formula : options.formulas) {
        allSucceeded = runFormula(engine, formula, options.digits, out) && allSucceeded;
        if (!out) return writeFailed(err);
        if (interruptPending()) return 1;
    }
    if (options.readInput) {
        std::string line;
        bool first = true;
        while (std::getline(in, line)) {
            if (first && line.rfind(kByteOrderMark, 0) == 0) line.erase(0, kByteOrderMark.size());
            first = false;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (isBlankLine(line)) continue;
            allSucceeded = runFormula(engine, line, options.digits, out) && allSucceeded;
            if (!out) return writeFailed(err);
            if (interruptPending()) return 1;
        }
        if (in.bad()) {
            err << "brelt: reading standard input failed\n";
            return 1;
        }
    }
    return allSucceeded ? 0 : 1;
}

} // namespace brelt::app
