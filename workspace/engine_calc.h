#pragma once
// Connects the main window to the expression engine: the CalcEngine the window evaluates through,
// and the engine's host, which the window side answers: a variable request is cancelled until
// the Set variable dialog takes it over, pending messages run (so Stop stays clickable), the
// break question is a Yes/No box, messages are boxes, status texts go to the assistant panel.
#include "engine/engine.h"
#include "engine/host.h"
#include "workspace/calc_engine.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace brelt::workspace {

class EngineCalc final : public CalcEngine, public engine::EngineHost {
public:
    // `engine` is not owned; it gets this object as its host for this object's lifetime.
    explicit EngineCalc(engine::Engine& engine);
    ~EngineCalc() override;

    LineOutcome evaluateLine(const QString& input, int digits) override;
    QString formatLastResult(int digits) override;
    void setNotation(int notation) override;
    void setBase(int base) override;
    void setAngleDegrees(bool degrees) override;
    void setPrecision(int precision) override;
    void requestBreak() override;
    void abortEvaluation() override;
    void clearAll() override;
    QString functionName(int index) const override;
    QString helpText(int index) const override;

    // The window the engine's boxes belong to when no other window is active (the main window).
    void setWindow(QWidget* window) { m_window = window; }
    // Where status texts of long procedures go (the window's assistant panel).
    void setStatusSink(std::function<void(const QString&)> sink) { m_status = std::move(sink); }
    // The Set variable request (true when the user confirmed); unset answers "cancelled".
    void setVariableRequester(std::function<bool(int slot)> requester) {
        m_requestVariable = std::move(requester);
    }
    // Adding or changing a user variable by assignment; unset uses the engine's own list only.
    void setUserVariableAdder(std::function<int(const std::string& name, engine::Real value)> adder) {
        m_addUserVariable = std::move(adder);
    }

    // EngineHost
    bool requestVariable(engine::Engine& engine, int slot, char letter,
                         const std::string& currentText) override;
    int addUserVariable(engine::Engine& engine, const std::string& name, engine::Real value) override;
    void processMessages() override;
    bool confirmBreak(const std::string& question) override;
    void showStatus(const std::string& text) override;
    void showMessage(const std::string& text) override;

private:
    QWidget* dialogParent() const;

    engine::Engine& m_engine;
    QPointer<QWidget> m_window;
    bool m_aborting = false; // abortEvaluation until the next evaluation starts
    std::function<void(const QString&)> m_status;
    std::function<bool(int)> m_requestVariable;
    std::function<int(const std::string&, engine::Real)> m_addUserVariable;
};

} // namespace brelt::workspace
