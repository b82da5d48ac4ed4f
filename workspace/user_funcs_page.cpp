#include "workspace/user_funcs_page.h"

#include "chart/view/ui_services.h"
#include "engine/user_variable_file.h"
#include "workspace/profile_file.h"
#include "workspace/user_vars_page.h"
#include "workspace/variables_logic.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringDecoder>
#include <QVBoxLayout>

namespace brelt::workspace {

namespace {

const QString kTitle = QStringLiteral("Brelt");
constexpr int kMaxExpressionText = 255;
constexpr int kMaxShownLine = 300;

// A line as the file holds it: UTF-8 when it reads as such, else Latin-1.
QString fromFileText(const std::string& line) {
    const QByteArray bytes = QByteArray::fromStdString(line);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? fromEngineText(line) : text;
}

bool isNameCharacter(QChar c) {
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || c == QLatin1Char('(') ||
           c == QLatin1Char(')') || c == QLatin1Char(',');
}

chart::FileDialogRequest functionsRequest(const QString& title, bool save) {
    chart::FileDialogRequest request;
    request.title = title;
    request.defaultSuffix = QStringLiteral("FNC");
    request.filters = QStringLiteral("User functions files (*.FNC)");
    request.overwritePrompt = save;
    return request;
}

} // namespace

bool keepFunctionNameCharacters(QString& text, int& cursor) {
    return filterCharacters(text, cursor, isNameCharacter);
}

UserFuncsPage::UserFuncsPage(engine::TUserFunctions& functions, QString functionsFile, QString iniPath,
                             QWidget* parent)
    : QWidget(parent), m_functions(functions), m_list(functions), m_functionsFile(std::move(functionsFile)),
      m_iniPath(std::move(iniPath)) {
    setObjectName(QStringLiteral("tsFuncs"));
    lbFuncs = new QListWidget;
    lbFuncs->setObjectName(QStringLiteral("lbFuncs"));
    edFuncName = new QLineEdit;
    edFuncName->setObjectName(QStringLiteral("edFuncName"));
    edFuncExpres = new QLineEdit;
    edFuncExpres->setObjectName(QStringLiteral("edFuncExpres"));
    auto makeButton = [](const QString& caption, const char* name) {
        auto* button = new QPushButton(caption);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        return button;
    };
    QPushButton* add = makeButton(QStringLiteral("&Add/Modify"), "bbAddFunc");
    QPushButton* remove = makeButton(QStringLiteral("&Delete"), "bbDeleteFunc");
    QPushButton* save = makeButton(QStringLiteral("&Save"), "BitBtn7");
    QPushButton* saveAs = makeButton(QStringLiteral("Save &As"), "BitBtn5");
    QPushButton* load = makeButton(QStringLiteral("&Load"), "BitBtn8");

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Name")), 0, 0);
    fields->addWidget(edFuncName, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Expression")), 1, 0);
    fields->addWidget(edFuncExpres, 1, 1);
    auto* buttons = new QGridLayout;
    buttons->addWidget(add, 0, 0);
    buttons->addWidget(remove, 0, 1);
    buttons->addWidget(load, 1, 0);
    buttons->addWidget(save, 1, 1);
    buttons->addWidget(saveAs, 2, 1);
    auto* side = new QVBoxLayout;
    side->addLayout(fields);
    side->addLayout(buttons);
    side->addStretch();
    auto* root = new QHBoxLayout(this);
    root->addWidget(lbFuncs, 1);
    root->addLayout(side);

    connect(edFuncName, &QLineEdit::textChanged, this, &UserFuncsPage::edFuncNameChange);
    connect(edFuncName, &QLineEdit::returnPressed, this, &UserFuncsPage::bbAddFuncClick);
    connect(edFuncExpres, &QLineEdit::returnPressed, this, &UserFuncsPage::bbAddFuncClick);
    connect(lbFuncs, &QListWidget::itemClicked, this, &UserFuncsPage::lbFuncsClick);
    connect(add, &QPushButton::clicked, this, &UserFuncsPage::bbAddFuncClick);
    connect(remove, &QPushButton::clicked, this, &UserFuncsPage::bbDeleteFuncClick);
    connect(save, &QPushButton::clicked, this, &UserFuncsPage::BitBtn7Click);
    connect(saveAs, &QPushButton::clicked, this, &UserFuncsPage::BitBtn5Click);
    connect(load, &QPushButton::clicked, this, &UserFuncsPage::BitBtn8Click);
    rebuildList();
}

void UserFuncsPage::edFuncNameChange() {
    QString text = edFuncName->text();
    int cursor = edFuncName->cursorPosition();
    if (!keepFunctionNameCharacters(text, cursor)) return;
    edFuncName->setText(text);
    edFuncName->setCursorPosition(cursor);
}

void UserFuncsPage::rebuildList() {
    lbFuncs->clear();
    const std::vector<std::string> lines = m_list.displayLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool loaded = static_cast<int>(i) < m_list.functionCount();
        QString text = loaded ? fromEngineText(lines[i]) : fromFileText(lines[i]);
        // A line not loaded is only shown (saving writes it whole): a damaged file's megabyte line
        // must not make the list lay out a megabyte of text.
        if (!loaded && text.size() > kMaxShownLine) text = text.left(kMaxShownLine) + QStringLiteral("...");
        auto* item = new QListWidgetItem(text, lbFuncs);
        // The notice and the lines not loaded are shown, not edited: they cannot be selected.
        if (!loaded) {
            item->setFlags(Qt::NoItemFlags);
            item->setForeground(Qt::gray);
        }
    }
}

void UserFuncsPage::lbFuncsClick() {
    const int row = lbFuncs->currentRow();
    if (row < 0 || row >= m_list.functionCount()) return;
    const QString line = lbFuncs->item(row)->text();
    const int equals = line.indexOf(QLatin1Char('='));
    if (equals < 0) {
        edFuncName->setText(line.trimmed());
        edFuncExpres->clear();
        return;
    }
    edFuncName->setText(line.left(equals).trimmed());
    edFuncExpres->setText(line.mid(equals + 1, kMaxExpressionText).trimmed());
}

void UserFuncsPage::bbAddFuncClick() {
    const std::string warning =
        m_list.addOrReplace(toEngineText(edFuncName->text()), toEngineText(edFuncExpres->text()));
    if (!warning.empty()) {
        chart::uiServices().message(this, kTitle, fromEngineText(warning), chart::MessageKind::Warning);
        return;
    }
    rebuildList();
    lbFuncs->setCurrentRow(0);
}

void UserFuncsPage::bbDeleteFuncClick() {
    const int row = lbFuncs->currentRow();
    if (row < 0 || !lbFuncs->item(row)->isSelected() || !m_list.remove(row)) return;
    rebuildList();
}

void UserFuncsPage::BitBtn7Click() {
    if (!engine::writeLinesAtomically(nativePath(m_functionsFile), m_list.fileLines()))
        chart::uiServices().message(this, kTitle, QStringLiteral("Can't create file ") + m_functionsFile,
                                    chart::MessageKind::Error);
}

void UserFuncsPage::BitBtn5Click() {
    const QString name = chart::uiServices()
                             .saveFile(this, functionsRequest(QStringLiteral("Save functions to File"), true))
                             .fileName;
    if (name.isEmpty()) return;
    if (!engine::writeLinesAtomically(nativePath(name), m_list.fileLines())) {
        chart::uiServices().message(this, kTitle, QStringLiteral("Can't create file ") + name,
                                    chart::MessageKind::Error);
        return;
    }
    // The next start loads this file; "&Save" keeps writing the current one until then.
    ProfileFile ini(m_iniPath);
    ini.load();
    ini.writeString(QStringLiteral("Files"), QStringLiteral("Functions"), name);
    ini.save();
}

void UserFuncsPage::BitBtn8Click() {
    const QString name =
        chart::uiServices()
            .openFile(this, functionsRequest(QStringLiteral("Load functions from File"), false))
            .fileName;
    if (!name.isEmpty()) loadFile(name);
}

bool UserFuncsPage::loadFile(const QString& path) {
    const bool read = m_list.load(nativePath(path));
    rebuildList();
    return read;
}

} // namespace brelt::workspace
