#include "workspace/variables_logic.h"

#include "engine/format_value.h"
#include "engine/input_check.h"
#include "engine/user_variable_file.h"

#include <QFile>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace brelt::workspace {

namespace {

// Everything of the engine a side evaluation must not change.
struct EngineSnapshot {
    explicit EngineSnapshot(engine::Engine& e)
        : m_engine(e), m_reading(e.saveReading()), m_lastResult(e.LastResult), m_usedNames(e.UsedNames),
          m_usedValues(e.UsedValues), m_errorFlag(e.ErrorFlag), m_errorCode(e.ErrorCode),
          m_errorPosition(e.ErrorPosition), m_errorLength(e.ErrorLength) {}
    ~EngineSnapshot() {
        m_engine.restoreReading(m_reading);
        m_engine.LastResult = m_lastResult;
        m_engine.UsedNames = std::move(m_usedNames);
        m_engine.UsedValues = std::move(m_usedValues);
        m_engine.ErrorFlag = m_errorFlag;
        m_engine.ErrorCode = m_errorCode;
        m_engine.ErrorPosition = m_errorPosition;
        m_engine.ErrorLength = m_errorLength;
    }
    EngineSnapshot(const EngineSnapshot&) = delete;
    EngineSnapshot& operator=(const EngineSnapshot&) = delete;

private:
    engine::Engine& m_engine;
    engine::ReadingState m_reading;
    engine::Real m_lastResult;
    std::vector<std::string> m_usedNames;
    std::vector<std::string> m_usedValues;
    bool m_errorFlag;
    int m_errorCode;
    int m_errorPosition;
    int m_errorLength;
};

std::string withoutBlanks(const std::string& text) {
    std::string result;
    for (char c : text)
        if (c != ' ' && c != '\t') result += c;
    return result;
}

} // namespace

QString fromEngineText(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toEngineText(const QString& text) {
    return engine::toEngineText(text.toUtf8().toStdString());
}

std::string nativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString slotLetter(int slot) {
    if (slot < 1 || slot > kCalculatorVariables) return QString();
    return QString(QLatin1Char(engine::kVariableLetters[static_cast<std::size_t>(slot - 1)]));
}

FormulaOutcome evaluateFormula(engine::Engine& engine, const QString& typed, int digits) {
    FormulaOutcome outcome;
    const std::string engineText = toEngineText(typed);
    outcome.working = engine::workingExpression(engineText);
    if (outcome.working.empty()) {
        outcome.empty = true;
        return outcome;
    }
    const EngineSnapshot snapshot(engine);
    engine.clearError();
    engine::ErrorMark mark = engine::checkParentheses(outcome.working);
    if (!mark.failed()) {
        const engine::Real value = engine.Evaluate(outcome.working);
        if (engine.ErrorFlag) {
            mark = {engine.ErrorCode, engine.ErrorPosition, engine.ErrorLength};
        } else {
            outcome.ok = true;
            outcome.value = value;
            outcome.valueText = displayValueText(engine, value, digits);
        }
    }
    if (mark.failed()) {
        const engine::TextSpan span = engine::mapToTypedText(engineText, mark.position, mark.length);
        outcome.errorText = fromEngineText(engine.MessageText(mark.code)) + QStringLiteral(": position ") +
                            QString::number(span.position);
        outcome.errorStart = std::max(span.position - 1, 0);
        outcome.errorLength = std::max(span.length, 0);
    }
    return outcome;
}

std::string workingExpressionOf(const QString& typed) {
    return engine::workingExpression(toEngineText(typed));
}

QString displayValueText(const engine::Engine& engine, engine::Real value, int digits) {
    engine::FormatOutcome text = engine::formatNumber(value, digits, engine.Base(), engine.Notation);
    if (!text.ok()) text = engine::formatNumber(value, digits, 0, 0);
    return QString::fromStdString(text.text).trimmed();
}

QString slotValueText(const engine::Engine& engine, int slot, int digits, UndefinedWording wording) {
    const engine::VariableSlot& target = engine.VariableSlots[static_cast<std::size_t>(slot - 1)];
    // A slot holding the marker has no value, whether or not a formula stands in it.
    if (!target.isSet())
        return wording == UndefinedWording::Dialog ? QStringLiteral("undefined") : QStringLiteral("Undefind");
    return displayValueText(engine, target.value, digits);
}

FormulaOutcome evaluateVariable(engine::Engine& engine, int slot, const QString& typed, int digits) {
    FormulaOutcome outcome = evaluateFormula(engine, typed, digits);
    if (outcome.ok) {
        engine::VariableSlot& target = engine.slot(slot);
        target.formula = outcome.working;
        target.value = outcome.value;
    }
    return outcome;
}

std::string extendedText(engine::Real value) {
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 20);
    if (error != std::errc()) return " 0.00000000000000000000E+0000";
    const std::string text(buffer, end);
    const std::size_t e = text.find('e');
    const int exponent = std::stoi(text.substr(e + 1));
    char exponentText[16];
    std::snprintf(exponentText, sizeof exponentText, "E%c%04d", exponent < 0 ? '-' : '+', std::abs(exponent));
    std::string result(1, std::signbit(value) ? '-' : ' ');
    result.append(text, 0, e);
    result.append(exponentText);
    return result;
}

std::vector<std::string> variablesFileLines(const engine::Engine& engine) {
    std::vector<std::string> lines;
    for (int i = 0; i < kCalculatorVariables; ++i)
        lines.push_back(extendedText(engine.VariableSlots[static_cast<std::size_t>(i)].value));
    for (int i = 0; i < kCalculatorVariables; ++i)
        lines.push_back(engine.VariableSlots[static_cast<std::size_t>(i)].formula);
    return lines;
}

bool parseVariablesFile(const std::vector<std::string>& lines,
                        std::array<engine::VariableSlot, kCalculatorVariables>& loaded) {
    if (lines.size() < 2 * kCalculatorVariables) return false;
    std::array<engine::VariableSlot, kCalculatorVariables> read;
    for (int i = 0; i < kCalculatorVariables; ++i) {
        engine::Real value = 0;
        if (!engine::parseDecimal(lines[static_cast<std::size_t>(i)], value)) return false;
        // A file written with fewer digits still brings an undefined slot back undefined.
        if (std::fabs(value - engine::UndefinedMark) < 1e-17L) value = engine::UndefinedMark;
        read[static_cast<std::size_t>(i)].value = value;
        read[static_cast<std::size_t>(i)].formula =
            withoutBlanks(lines[static_cast<std::size_t>(i + kCalculatorVariables)]);
    }
    loaded = read;
    return true;
}

bool readFileLines(const QString& path, std::vector<std::string>& lines) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(nativePath(path), error)) return false;
    std::ifstream in(nativePath(path), std::ios::binary);
    if (!in.is_open()) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) return false;
    std::string_view text = buffer.view();
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3); // a UTF-8 byte order mark
    lines.clear();
    for (const std::string_view line : engine::splitLines(text))
        lines.emplace_back(line);
    return true;
}

} // namespace brelt::workspace
