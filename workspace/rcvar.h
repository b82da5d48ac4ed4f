#pragma once
// TSetVar, the Set variable dialog: shows one calculator variable (X..N), lets the user type its
// formula, and on OK evaluates it into the slot. It is opened by the variable buttons (and their
// Alt+letter keys) and by the engine itself when a formula reads a variable that has no value;
// one dialog lives as long as the main window, so "Evaluate after settings" keeps its state.
//
// Wiring (the main window):
//   TSetVar setVar(engine, &window);                   // once, after the window
//   EngineHost::requestVariable(engine, slot, ...)  -> return askVariable(setVar, slot, digits);
//   help: setVar.setHelpHandler([&](int topic) { ... });
// OK stores the formula and the value in the slot; Cancel leaves the slot as it was.
#include "engine/engine.h"

#include <QDialog>

#include <functional>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brelt::workspace {

class TSetVar : public QDialog {
    Q_OBJECT
public:
    explicit TSetVar(engine::Engine& engine, QWidget* parent = nullptr);

    // Fills the dialog for slot 1..10 (letter, formula, value with `digits`).
    void prepare(int slot, int digits);
    // prepare, then modal; true when closed with OK (the slot then holds the new formula and value).
    bool Execute(int slot, int digits);

    // Cancel (and Esc): the slot keeps the formula it had when the dialog opened.
    void reject() override;

    // The OK button: store the formula, evaluate it; on an error show it and stay open.
    void OKBtnClick();

    // "Evaluate after settings": whether the caller should evaluate the input line afterwards.
    bool evaluateAfter() const;
    int currentSlot() const { return m_slot; }
    void setHelpHandler(std::function<void(int topic)> handler) { m_help = std::move(handler); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    engine::Engine& m_engine;
    int m_slot = 1;
    int m_digits = 12;
    std::string m_formulaBefore; // put back when the dialog is cancelled
    std::function<void(int)> m_help;

    QLabel* lbExp = nullptr;
    QLabel* lbValue = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QCheckBox* cbEval = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;
};

// The Set variable request of the engine's host: opens `dialog` for `slot`; true on OK.
bool askVariable(TSetVar& dialog, int slot, int digits);

} // namespace brelt::workspace
