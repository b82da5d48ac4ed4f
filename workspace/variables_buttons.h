#pragma once
// The variable buttons of the Calculator tab, `btX` … `btN`, with their check box `cbEval`
// ("Evaluate"). With the box off a button types its letter into the input line like any key;
// with it on, the button opens the Set variable dialog for its slot and afterwards, when the
// dialog's "Evaluate after settings" is on, evaluates the input line. X is the running variable
// of plots and procedures, so a cancelled dialog for X evaluates nothing; for the other letters
// the input line is evaluated however the dialog was closed.
//
// Wiring (the main window's Calculator tab): construct with the one TSetVar, the window's
// insertText, its ReturnClick and its current Digits, and put it where the letter buttons stood.
// Alt+X … Alt+N keep working: they press the buttons by objectName.
#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QToolButton;

namespace brelt::workspace {

class TSetVar;

class VariableButtons : public QWidget {
    Q_OBJECT
public:
    VariableButtons(TSetVar& dialog, std::function<void(const QString&)> insertText,
                    std::function<void()> returnClick, std::function<int()> digits,
                    QWidget* parent = nullptr);

    // btXClick … btNClick for slot 1..10.
    void btClick(int slot);

    QCheckBox* evaluateBox() const { return cbEval; }

private:
    TSetVar& m_dialog;
    std::function<void(const QString&)> m_insertText;
    std::function<void()> m_returnClick;
    std::function<int()> m_digits;
    std::array<QToolButton*, 10> m_buttons{};
    QCheckBox* cbEval = nullptr;
};

} // namespace brelt::workspace
