#include "workspace/variables_page.h"

#include "chart/view/ui_services.h"
#include "engine/user_variable_file.h"
#include "workspace/variables_logic.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace brelt::workspace {

namespace {

const QString kTitle = QStringLiteral("Brelt");

// The formula edits and value fields keep the names the window's keyboard code knows: "edXVar"
// and "edXVal" for X, "edYvar" and "edYval" (lower-case v) for the others.
QString formulaName(int slot) {
    return slot == 1 ? QStringLiteral("edXVar") : QStringLiteral("ed%1var").arg(slotLetter(slot));
}
QString valueName(int slot) {
    return slot == 1 ? QStringLiteral("edXVal") : QStringLiteral("ed%1val").arg(slotLetter(slot));
}

} // namespace

VariablesPage::VariablesPage(engine::Engine& engine, std::function<int()> digits, QWidget* parent)
    : QWidget(parent), m_engine(engine), m_digits(std::move(digits)) {
    setObjectName(QStringLiteral("tsVariables"));
    auto* grid = new QGridLayout;
    for (int slot = 1; slot <= kCalculatorVariables; ++slot) {
        const auto i = static_cast<std::size_t>(slot - 1);
        auto* formula = new QLineEdit;
        formula->setObjectName(formulaName(slot));
        auto* value = new QLineEdit;
        value->setObjectName(valueName(slot));
        value->setEnabled(false);
        auto* button = new QPushButton(QStringLiteral("Calculate"));
        button->setObjectName(QStringLiteral("bb%1eval").arg(slotLetter(slot)));
        button->setAutoDefault(false);
        const int row = (slot - 1) % 5;
        const int column = ((slot - 1) / 5) * 4;
        grid->addWidget(new QLabel(slotLetter(slot) + QStringLiteral(" =")), row, column);
        grid->addWidget(formula, row, column + 1);
        grid->addWidget(value, row, column + 2);
        grid->addWidget(button, row, column + 3);
        m_formulas[i] = formula;
        m_values[i] = value;
        m_calculate[i] = button;
        connect(button, &QPushButton::clicked, this, [this, slot] { calculate(slot); });
        connect(formula, &QLineEdit::returnPressed, this, [this, slot] { calculate(slot); });
    }

    lbError = new QLabel;
    lbError->setObjectName(QStringLiteral("lbError"));
    QPalette red = lbError->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    lbError->setPalette(red);

    // Kept for the stored layout's sake; it has no behaviour and stays hidden.
    auto* useBox = new QGroupBox(QStringLiteral("Use"));
    useBox->setObjectName(QStringLiteral("gbUse"));
    auto* useLayout = new QHBoxLayout(useBox);
    rgUse = new QButtonGroup(this);
    rgUse->setObjectName(QStringLiteral("rgUse"));
    int id = 0;
    for (const QString& caption : {QStringLiteral("Value"), QStringLiteral("Expression")}) {
        auto* radio = new QRadioButton(caption);
        rgUse->addButton(radio, id++);
        useLayout->addWidget(radio);
    }
    rgUse->button(0)->setChecked(true);
    useBox->hide();

    auto* all = new QPushButton(QStringLiteral("Calculate &All"));
    all->setObjectName(QStringLiteral("BitBtn3"));
    auto* save = new QPushButton(QStringLiteral("&Save"));
    save->setObjectName(QStringLiteral("BitBtn13"));
    auto* load = new QPushButton(QStringLiteral("&Load"));
    load->setObjectName(QStringLiteral("BitBtn14"));
    auto* help = new QPushButton(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("BitBtn4"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lbError, 1);
    for (QPushButton* button : {all, save, load, help}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    connect(all, &QPushButton::clicked, this, &VariablesPage::BitBtn3Click);
    connect(save, &QPushButton::clicked, this, &VariablesPage::BitBtn13Click);
    connect(load, &QPushButton::clicked, this, &VariablesPage::BitBtn14Click);
    connect(help, &QPushButton::clicked, this, [this] {
        if (m_help) m_help(3);
    });

    auto* root = new QVBoxLayout(this);
    root->addLayout(grid);
    root->addWidget(useBox);
    root->addLayout(buttons);
    root->addStretch();
}

void VariablesPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Opening the tab refreshes it; the window coming back from the task bar does not.
    if (!event->spontaneous()) refresh();
}

void VariablesPage::refresh() {
    for (int slot = 1; slot <= kCalculatorVariables; ++slot) {
        const auto i = static_cast<std::size_t>(slot - 1);
        m_values[i]->setText(slotValueText(m_engine, slot, digits(), UndefinedWording::Tab));
        m_formulas[i]->setText(fromEngineText(m_engine.slot(slot).formula));
    }
    m_formulas[0]->setFocus();
}

bool VariablesPage::calculate(int slot) {
    if (slot < 1 || slot > kCalculatorVariables) return false;
    const auto i = static_cast<std::size_t>(slot - 1);
    QLineEdit* formula = m_formulas[i];
    const FormulaOutcome outcome = evaluateVariable(m_engine, slot, formula->text(), digits());
    if (outcome.empty) return true;
    if (!outcome.ok) {
        lbError->setText(outcome.errorText);
        formula->setFocus();
        formula->setSelection(outcome.errorStart, std::max(outcome.errorLength, 1));
        return false;
    }
    m_values[i]->setText(outcome.valueText);
    lbError->clear();
    return true;
}

void VariablesPage::BitBtn3Click() {
    for (int slot = 1; slot <= kCalculatorVariables; ++slot) {
        engine::VariableSlot& target = m_engine.slot(slot);
        target.formula = workingExpressionOf(m_formulas[static_cast<std::size_t>(slot - 1)]->text());
        target.value = engine::UndefinedMark;
    }
    // The first failure stays on show (and keeps the focus); later successes do not clear it.
    int firstFailure = 0;
    QString firstError;
    for (int slot = 1; slot <= kCalculatorVariables; ++slot) {
        if (!calculate(slot) && firstFailure == 0) {
            firstFailure = slot;
            firstError = lbError->text();
        }
    }
    if (firstFailure != 0) {
        lbError->setText(firstError);
        m_formulas[static_cast<std::size_t>(firstFailure - 1)]->setFocus();
    }
    for (int slot = 1; slot <= kCalculatorVariables; ++slot)
        m_values[static_cast<std::size_t>(slot - 1)]->setText(
            slotValueText(m_engine, slot, digits(), UndefinedWording::Tab));
}

void VariablesPage::BitBtn13Click() {
    BitBtn3Click();
    chart::FileDialogRequest request;
    request.title = QStringLiteral("Save variables to File");
    request.defaultSuffix = QStringLiteral("VAR");
    request.filters = QStringLiteral("Variables files (*.VAR)");
    request.overwritePrompt = true;
    const QString name = chart::uiServices().saveFile(this, request).fileName;
    if (name.isEmpty()) return;
    if (!engine::writeLinesAtomically(nativePath(name), variablesFileLines(m_engine)))
        chart::uiServices().message(this, kTitle, QStringLiteral("Can't create file ") + name,
                                    chart::MessageKind::Error);
}

void VariablesPage::BitBtn14Click() {
    chart::FileDialogRequest request;
    request.title = QStringLiteral("Load variables from File");
    request.defaultSuffix = QStringLiteral("VAR");
    request.filters = QStringLiteral("User variables files (*.VAR)");
    request.overwritePrompt = false;
    const QString name = chart::uiServices().openFile(this, request).fileName;
    if (!name.isEmpty()) {
        std::vector<std::string> lines;
        if (!readFileLines(name, lines)) {
            chart::uiServices().message(this, kTitle, QStringLiteral("Can't open file ") + name,
                                        chart::MessageKind::Error);
            return;
        }
        std::array<engine::VariableSlot, kCalculatorVariables> loaded;
        if (!parseVariablesFile(lines, loaded)) {
            // A file that is no variables file changes nothing.
            chart::uiServices().message(
                this, kTitle, QStringLiteral("File ") + name + QStringLiteral(" holds no variables"),
                chart::MessageKind::Error);
            return;
        }
        for (int i = 0; i < kCalculatorVariables; ++i)
            m_engine.VariableSlots[static_cast<std::size_t>(i)] = loaded[static_cast<std::size_t>(i)];
    }
    refresh();
    BitBtn3Click();
}

} // namespace brelt::workspace
