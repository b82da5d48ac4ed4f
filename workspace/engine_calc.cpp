#include "workspace/engine_calc.h"

#include "chart/view/ui_services.h"
#include "engine/format_value.h"
#include "engine/function_table.h"
#include "engine/help_table.h"
#include "engine/input_check.h"
#include "engine/line_evaluation.h"
#include "engine/procedure_memory.h"

#include <QApplication>
#include <QWidget>

namespace brelt::workspace {

namespace {

QString fromLatin1(const std::string& text) {
    return QString::fromUtf8(engine::latin1ToUtf8(text));
}

} // namespace

QWidget* EngineCalc::dialogParent() const {
    // The Set variable dialog when it asks, else the window the user works in, else the main window.
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return m_window;
}

EngineCalc::EngineCalc(engine::Engine& engine) : m_engine(engine) {
    m_engine.setHost(this);
}

EngineCalc::~EngineCalc() {
    m_engine.setHost(nullptr);
}

LineOutcome EngineCalc::evaluateLine(const QString& input, int digits) {
    m_aborting = false;
    const engine::LineOutcome line = engine::evaluateLine(m_engine, input.toStdString(), digits);
    LineOutcome outcome;
    outcome.ok = line.evaluated && line.success;
    if (outcome.ok)
        outcome.resultText = QString::fromStdString(line.resultText);
    else
        outcome.errorText = QString::fromStdString(line.resultText);
    outcome.errorStart = line.errorStart;
    outcome.errorLength = line.errorLength;
    outcome.tapeSuffix = QString::fromStdString(line.assignmentSuffix);
    return outcome;
}

QString EngineCalc::formatLastResult(int digits) {
    const std::string text = engine::FormatValue(m_engine, digits, m_engine.LastResult);
    // A mode that cannot show the value shows the message instead of a placeholder.
    if (m_engine.ErrorFlag) {
        const QString message = fromLatin1(m_engine.MessageText(m_engine.ErrorCode));
        m_engine.clearError();
        return message;
    }
    return QString::fromStdString(text);
}

void EngineCalc::setNotation(int notation) {
    m_engine.Notation = notation;
}
void EngineCalc::setBase(int base) {
    m_engine.setBase(base);
}
void EngineCalc::setAngleDegrees(bool degrees) {
    m_engine.AngleUnit = degrees ? 1 : 0;
}
void EngineCalc::setPrecision(int precision) {
    m_engine.IntegrationPrecision = precision;
}
void EngineCalc::requestBreak() {
    m_engine.BreakRequested = true;
}

void EngineCalc::abortEvaluation() {
    m_aborting = true;
    m_engine.BreakRequested = true;
}

void EngineCalc::clearAll() {
    for (int slot = 1; slot <= engine::kVariableSlotCount; ++slot) {
        m_engine.slot(slot).value = engine::UndefinedMark;
        m_engine.slot(slot).formula.clear();
    }
    engine::ClearProcedureMemory(m_engine);
}

QString EngineCalc::functionName(int index) const {
    if (index < 0 || index >= engine::kFunctionCount) return QString();
    return fromLatin1(std::string(engine::FunctionTable[static_cast<std::size_t>(index)].name));
}

QString EngineCalc::helpText(int index) const {
    if (index < 0 || index >= engine::kHelpCount) return QString();
    return fromLatin1(std::string(engine::HelpTable[static_cast<std::size_t>(index)])).trimmed();
}

bool EngineCalc::requestVariable(engine::Engine&, int slot, char, const std::string&) {
    if (m_aborting) return false;
    const bool confirmed = m_requestVariable ? m_requestVariable(slot) : false;
    return confirmed && !m_aborting;
}

int EngineCalc::addUserVariable(engine::Engine& engine, const std::string& name, engine::Real value) {
    return m_addUserVariable ? m_addUserVariable(name, value)
                             : EngineHost::addUserVariable(engine, name, value);
}

void EngineCalc::processMessages() {
    QApplication::processEvents();
}

bool EngineCalc::confirmBreak(const std::string& question) {
    if (m_aborting) return true;
    const bool yes =
        chart::uiServices().confirm(dialogParent(), QStringLiteral("Brelt"), fromLatin1(question));
    // The window was closed while the question stood: break off whatever was answered.
    return yes || m_aborting;
}

void EngineCalc::showStatus(const std::string& text) {
    if (m_status) m_status(fromLatin1(text));
}

void EngineCalc::showMessage(const std::string& text) {
    chart::uiServices().message(dialogParent(), QStringLiteral("Brelt"), fromLatin1(text),
                                chart::MessageKind::Error);
}

} // namespace brelt::workspace
