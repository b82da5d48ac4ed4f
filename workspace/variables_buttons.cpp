#include "workspace/variables_buttons.h"

#include "workspace/rcvar.h"
#include "workspace/variables_logic.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QToolButton>

namespace brelt::workspace {

VariableButtons::VariableButtons(TSetVar& dialog, std::function<void(const QString&)> insertText,
                                 std::function<void()> returnClick, std::function<int()> digits,
                                 QWidget* parent)
    : QWidget(parent), m_dialog(dialog), m_insertText(std::move(insertText)),
      m_returnClick(std::move(returnClick)), m_digits(std::move(digits)) {
    setObjectName(QStringLiteral("pnVariables"));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    for (int slot = 1; slot <= kCalculatorVariables; ++slot) {
        const QString letter = slotLetter(slot);
        auto* button = new QToolButton;
        button->setObjectName(QStringLiteral("bt") + letter);
        button->setText(letter);
        button->setToolTip(QStringLiteral("Variable ") + letter);
        button->setMinimumSize(32, 26);
        connect(button, &QToolButton::clicked, this, [this, slot] { btClick(slot); });
        layout->addWidget(button, (slot - 1) / 5, (slot - 1) % 5);
        m_buttons[static_cast<std::size_t>(slot - 1)] = button;
    }
    cbEval = new QCheckBox(QStringLiteral("Evaluate"));
    cbEval->setObjectName(QStringLiteral("cbEval"));
    cbEval->setToolTip(QStringLiteral("Set the variable in a dialog instead of typing its letter"));
    layout->addWidget(cbEval, 2, 0, 1, 5);
}

void VariableButtons::btClick(int slot) {
    if (slot < 1 || slot > kCalculatorVariables) return;
    if (!cbEval->isChecked()) {
        if (m_insertText) m_insertText(slotLetter(slot));
        return;
    }
    const bool confirmed = m_dialog.Execute(slot, m_digits ? m_digits() : 12);
    if (!m_dialog.evaluateAfter()) return;
    if (slot == engine::kSlotX && !confirmed) return;
    if (m_returnClick) m_returnClick();
}

} // namespace brelt::workspace
