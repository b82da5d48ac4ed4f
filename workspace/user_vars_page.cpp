#include "workspace/user_vars_page.h"

#include "chart/view/ui_services.h"
#include "engine/user_variable_file.h"
#include "workspace/profile_file.h"
#include "workspace/variables_logic.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace brelt::workspace {

namespace {

const QString kTitle = QStringLiteral("Brelt");

bool isAsciiLetter(QChar c) {
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

void showError(QWidget* parent, const QString& text) {
    chart::uiServices().message(parent, kTitle, text, chart::MessageKind::Error);
}

} // namespace

bool filterCharacters(QString& text, int& cursor, const std::function<bool(QChar)>& allowed) {
    QString kept;
    int firstRemoved = -1;
    for (int i = 0; i < text.size(); ++i) {
        if (allowed(text.at(i))) {
            kept += text.at(i);
        } else if (firstRemoved < 0) {
            firstRemoved = i;
        }
    }
    if (firstRemoved < 0) return false;
    text = kept;
    cursor = std::min(std::max(firstRemoved, 1), static_cast<int>(text.size()));
    return true;
}

bool keepLettersOnly(QString& text, int& cursor) {
    return filterCharacters(text, cursor, isAsciiLetter);
}

QString userVariableLine(const engine::Engine& engine, const engine::UserVariable& record, int digits) {
    return fromEngineText(record.name) + QStringLiteral(" = ") +
           displayValueText(engine, record.value, digits);
}

UserVarsPage::UserVarsPage(engine::Engine& engine, QString variablesFile, QString iniPath,
                           std::function<int()> digits, QWidget* parent)
    : QWidget(parent), m_engine(engine), m_variablesFile(std::move(variablesFile)),
      m_iniPath(std::move(iniPath)), m_digits(std::move(digits)) {
    setObjectName(QStringLiteral("tsUserVar"));
    lbVars = new QListWidget;
    lbVars->setObjectName(QStringLiteral("lbVars"));
    lbVars->setToolTip(QStringLiteral("Double click for modify"));
    edName = new QLineEdit;
    edName->setObjectName(QStringLiteral("edName"));
    edName->setMaxLength(static_cast<int>(engine::kMaxUserVariableName));
    edValue = new QLineEdit;
    edValue->setObjectName(QStringLiteral("edValue"));

    auto makeButton = [](const QString& caption, const char* name) {
        auto* button = new QPushButton(caption);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        return button;
    };
    QPushButton* btAdd = makeButton(QStringLiteral("&Add/Modify"), "btAdd");
    QPushButton* btDelete = makeButton(QStringLiteral("&Delete"), "btDelete");
    QPushButton* bbSave = makeButton(QStringLiteral("&Save"), "bbSave");
    QPushButton* btLoad = makeButton(QStringLiteral("&Load"), "btLoad");
    QPushButton* bbSaveAs = makeButton(QStringLiteral("Save &As"), "bbSaveAs");

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Name")), 0, 0);
    fields->addWidget(edName, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Value")), 1, 0);
    fields->addWidget(edValue, 1, 1);
    auto* buttons = new QGridLayout;
    buttons->addWidget(btAdd, 0, 0);
    buttons->addWidget(btDelete, 0, 1);
    buttons->addWidget(btLoad, 1, 0);
    buttons->addWidget(bbSave, 1, 1);
    buttons->addWidget(bbSaveAs, 2, 1);
    auto* side = new QVBoxLayout;
    side->addLayout(fields);
    side->addLayout(buttons);
    side->addStretch();
    auto* root = new QHBoxLayout(this);
    root->addWidget(lbVars, 1);
    root->addLayout(side);

    connect(edName, &QLineEdit::textChanged, this, &UserVarsPage::edNameChange);
    connect(edName, &QLineEdit::returnPressed, this, &UserVarsPage::btAddClick);
    connect(edValue, &QLineEdit::returnPressed, this, &UserVarsPage::btAddClick);
    connect(btAdd, &QPushButton::clicked, this, &UserVarsPage::btAddClick);
    connect(btDelete, &QPushButton::clicked, this, &UserVarsPage::btDeleteClick);
    connect(bbSave, &QPushButton::clicked, this, &UserVarsPage::bbSaveClick);
    connect(bbSaveAs, &QPushButton::clicked, this, &UserVarsPage::bnSaveAsClick);
    connect(btLoad, &QPushButton::clicked, this, &UserVarsPage::btLoadClick);
    connect(lbVars, &QListWidget::itemDoubleClicked, this, &UserVarsPage::lbVarsDblClick);
    rebuildList();
}

void UserVarsPage::edNameChange() {
    QString text = edName->text();
    int cursor = edName->cursorPosition();
    if (!keepLettersOnly(text, cursor)) return;
    edName->setText(text); // re-enters once and finds nothing left to remove
    edName->setCursorPosition(cursor);
}

void UserVarsPage::rebuildList() {
    const int current = lbVars->currentRow();
    lbVars->clear();
    for (const engine::UserVariable& record : m_engine.UserVariableList)
        lbVars->addItem(userVariableLine(m_engine, record, digits()));
    if (current >= 0 && current < lbVars->count()) lbVars->setCurrentRow(current);
}

void UserVarsPage::selectRecord(int index) {
    if (index >= 0 && index < lbVars->count()) lbVars->setCurrentRow(index);
}

int UserVarsPage::addUserVariable(const std::string& name, engine::Real value) {
    const int code = engine::addOrModifyUserVariable(m_engine, name, value);
    rebuildList();
    for (int i = 0; i < static_cast<int>(m_engine.UserVariableList.size()); ++i)
        if (m_engine.UserVariableList[static_cast<std::size_t>(i)].code == code) selectRecord(i);
    return code;
}

void UserVarsPage::btAddClick() {
    const QString name = edName->text().trimmed();
    if (name.isEmpty() || edValue->text().trimmed().isEmpty()) {
        showError(this, QStringLiteral("Varible name or value invalid!"));
        return;
    }
    // A name the calculator already knows (a variable letter, "pi", "e", "random") would be read as
    // that and never as the user's value.
    const std::string engineName = toEngineText(name);
    if (const std::string meaning = engine::reservedVariableMeaning(engineName); !meaning.empty()) {
        showError(this, QStringLiteral("The name ") + name + QStringLiteral(" belongs to the calculator (") +
                            QString::fromStdString(meaning) + QLatin1Char(')'));
        return;
    }
    const FormulaOutcome outcome = evaluateFormula(m_engine, edValue->text(), digits());
    if (!outcome.ok) {
        showError(this, outcome.errorText);
        return;
    }
    addUserVariable(engineName, outcome.value);
}

void UserVarsPage::lbVarsDblClick() {
    QListWidgetItem* item = lbVars->currentItem();
    if (!item) return;
    const QString line = item->text();
    const QString separator = QStringLiteral(" = ");
    const int at = line.indexOf(separator);
    if (at < 0) {
        edName->setText(line);
        edValue->clear();
        return;
    }
    edName->setText(line.left(at));
    edValue->setText(line.mid(at + separator.size(), static_cast<int>(engine::kMaxValueText)));
}

void UserVarsPage::btDeleteClick() {
    const int row = lbVars->currentRow();
    if (row < 0 || !engine::deleteUserVariable(m_engine, row)) return;
    rebuildList();
    selectRecord(std::min(row, lbVars->count() - 1));
}

void UserVarsPage::bbSaveClick() {
    if (!engine::writeUserVariableFile(nativePath(m_variablesFile), m_engine.UserVariableList))
        showError(this, QStringLiteral("Can't create file ") + m_variablesFile);
}

void UserVarsPage::bnSaveAsClick() {
    chart::FileDialogRequest request;
    request.title = QStringLiteral("Save variables to File");
    request.defaultSuffix = QStringLiteral("USR");
    request.filters = QStringLiteral("User variables files (*.USR)");
    request.overwritePrompt = true;
    const QString name = chart::uiServices().saveFile(this, request).fileName;
    if (name.isEmpty()) return;
    if (!engine::writeUserVariableFile(nativePath(name), m_engine.UserVariableList)) {
        showError(this, QStringLiteral("Can't create file ") + name);
        return;
    }
    // The next start loads this file; "&Save" keeps writing the current one until then.
    ProfileFile ini(m_iniPath);
    ini.load();
    ini.writeString(QStringLiteral("Files"), QStringLiteral("Variables"), name);
    ini.save();
}

void UserVarsPage::btLoadClick() {
    chart::FileDialogRequest request;
    request.title = QStringLiteral("Load variables from File");
    request.defaultSuffix = QStringLiteral("USR");
    request.filters = QStringLiteral("User variables files (*.USR)");
    request.overwritePrompt = false;
    const QString name = chart::uiServices().openFile(this, request).fileName;
    if (!name.isEmpty()) loadFile(name);
}

bool UserVarsPage::loadAtStartup(const QString& path) {
    if (!QFileInfo::exists(path)) return true;
    return loadFile(path);
}

bool UserVarsPage::loadFile(const QString& path) {
    std::vector<engine::SkippedLine> skipped;
    if (!engine::loadUserVariables(m_engine, nativePath(path), &skipped)) {
        showError(this, QStringLiteral("Can't read file ") + path);
        return false;
    }
    lbVars->clear();
    rebuildList();
    const std::string message = engine::skippedLinesMessage(nativePath(path), skipped);
    if (!message.empty())
        chart::uiServices().message(this, kTitle, QString::fromLocal8Bit(message.c_str()),
                                    chart::MessageKind::Warning);
    return true;
}

} // namespace brelt::workspace
