#pragma once
// The Variables tab (`tsVariables`): for each calculator variable X..N a formula edit, its value
// and a "Calculate" button; "Calculate &All", "&Save" and "&Load" of *.VAR files, "Help".
// Each variable is evaluated on its own, with the engine's state around it left alone, so the tab
// can be used in the middle of work on the input line.
//
// Wiring (the main window): `new VariablesPage(engine, [this] { return digits(); })` as the page
// of the "Variables" tab; call refresh() (or just show the page: showing it refreshes) when the
// tab is opened; setHelpHandler for topic 3. Return in a formula edit calculates that variable;
// the window's own Return handling may also press "bb<letter>eval", which does the same.
#include "engine/engine.h"

#include <QWidget>

#include <array>
#include <functional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brelt::workspace {

class VariablesPage : public QWidget {
    Q_OBJECT
public:
    VariablesPage(engine::Engine& engine, std::function<int()> digits, QWidget* parent = nullptr);

    // Fills every value field and formula edit from the slots; focus to `edXVar`.
    void refresh();
    // "Calculate" of slot 1..10 (`bbXeval` … `bbNeval`, and Return in its formula edit).
    // False when the formula failed (the error is then in `lbError`).
    bool calculate(int slot);
    void BitBtn3Click();  // "Calculate &All"
    void BitBtn13Click(); // "&Save"
    void BitBtn14Click(); // "&Load"

    void setHelpHandler(std::function<void(int topic)> handler) { m_help = std::move(handler); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    int digits() const { return m_digits ? m_digits() : 12; }

    engine::Engine& m_engine;
    std::function<int()> m_digits;
    std::function<void(int)> m_help;
    std::array<QLineEdit*, 10> m_formulas{};
    std::array<QLineEdit*, 10> m_values{};
    std::array<QPushButton*, 10> m_calculate{};
    QLabel* lbError = nullptr;
    QButtonGroup* rgUse = nullptr;
};

} // namespace brelt::workspace
