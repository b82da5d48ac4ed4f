// TSetVar: the Set variable dialog and the engine's Set variable request.
#include "workspace/rcvar.h"

#include "workspace/variables_logic.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

namespace brelt::workspace {

namespace {

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

TSetVar::TSetVar(engine::Engine& engine, QWidget* parent) : QDialog(parent), m_engine(engine) {
    setObjectName(QStringLiteral("SetVar"));
    setWindowTitle(QStringLiteral("Set variable"));
    setModal(true);

    lbExp = named(new QLabel, "lbExp");
    lbValue = named(new QLabel, "lbValue");
    Edit1 = named(new QLineEdit, "Edit1");
    Edit2 = named(new QLineEdit, "Edit2");
    Edit2->setEnabled(false);
    cbEval = named(new QCheckBox(QStringLiteral("Evaluate after settings")), "cbEval");
    cbEval->setChecked(true);
    OKBtn = named(new QPushButton(QStringLiteral("OK")), "OKBtn");
    CancelBtn = named(new QPushButton(QStringLiteral("Cancel")), "CancelBtn");
    HelpBtn = named(new QPushButton(QStringLiteral("Help")), "HelpBtn");
    OKBtn->setDefault(true);
    OKBtn->setAutoDefault(true);
    CancelBtn->setAutoDefault(false);
    HelpBtn->setAutoDefault(false);

    auto* form = new QGridLayout;
    form->addWidget(lbExp, 0, 0);
    form->addWidget(new QLabel(QStringLiteral("expession")), 0, 1);
    form->addWidget(Edit1, 0, 2);
    form->addWidget(lbValue, 1, 0);
    form->addWidget(new QLabel(QStringLiteral("value")), 1, 1);
    form->addWidget(Edit2, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cbEval);
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(HelpBtn);
    auto* root = new QVBoxLayout(this);
    root->addLayout(form);
    root->addLayout(buttons);
    Edit1->setMinimumWidth(320);

    connect(OKBtn, &QPushButton::clicked, this, &TSetVar::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TSetVar::reject);
    connect(HelpBtn, &QPushButton::clicked, this, [this] {
        if (m_help) m_help(3);
    });
}

void TSetVar::prepare(int slot, int digits) {
    m_slot = std::clamp(slot, 1, kCalculatorVariables);
    m_digits = digits;
    const QString letter = slotLetter(m_slot);
    lbExp->setText(letter + QStringLiteral(" ="));
    lbValue->setText(letter + QStringLiteral(" ="));
    m_formulaBefore = m_engine.slot(m_slot).formula;
    Edit1->setText(fromEngineText(m_formulaBefore));
    Edit2->setText(slotValueText(m_engine, m_slot, m_digits, UndefinedWording::Dialog));
    Edit2->setEnabled(false);
    Edit2->setPalette(QPalette());
}

bool TSetVar::Execute(int slot, int digits) {
    if (isVisible()) {
        // The formula being confirmed reads another variable that has no value: ask for that one
        // in a dialog of its own, leaving this one as the user left it.
        TSetVar nested(m_engine, this);
        nested.m_help = m_help;
        nested.cbEval->setChecked(cbEval->isChecked());
        return nested.Execute(slot, digits);
    }
    prepare(slot, digits);
    return exec() == QDialog::Accepted;
}

bool TSetVar::evaluateAfter() const {
    return cbEval->isChecked();
}

void TSetVar::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Edit1->setFocus();
    Edit1->selectAll();
}

void TSetVar::reject() {
    // A formula stored by an OK that failed must not outlive the cancel.
    m_engine.slot(m_slot).formula = m_formulaBefore;
    QDialog::reject();
}

void TSetVar::OKBtnClick() {
    const QString typed = Edit1->text();
    const FormulaOutcome outcome = evaluateFormula(m_engine, typed, m_digits);
    engine::VariableSlot& target = m_engine.slot(m_slot);
    target.formula = outcome.working;
    if (outcome.empty) {
        // Nothing to evaluate: the dialog stays open for a formula.
        Edit1->setFocus();
        return;
    }
    if (!outcome.ok) {
        QPalette red = Edit2->palette();
        red.setColor(QPalette::Text, Qt::red);
        red.setColor(QPalette::Disabled, QPalette::Text, Qt::red);
        Edit2->setEnabled(true);
        Edit2->setPalette(red);
        Edit2->setText(outcome.errorText);
        Edit1->setFocus();
        Edit1->setSelection(outcome.errorStart, std::max(outcome.errorLength, 1));
        return;
    }
    target.value = outcome.value;
    accept();
}

bool askVariable(TSetVar& dialog, int slot, int digits) {
    return dialog.Execute(slot, digits);
}

} // namespace brelt::workspace
