#include "workspace/constants_page.h"

#include "chart/view/ui_services.h"
#include "workspace/constants_catalogue.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QShowEvent>
#include <QUrl>
#include <QVBoxLayout>

namespace brelt::workspace {

namespace {

const QString kTitle = QStringLiteral("Brelt");

} // namespace

ConstantsPage::ConstantsPage(QString cataloguePath, std::function<void(const QString&)> insertText,
                             QWidget* parent)
    : QWidget(parent), m_path(std::move(cataloguePath)), m_insertText(std::move(insertText)),
      m_launch([](const QString& program, const QStringList& arguments) {
          return QProcess::startDetached(program, arguments);
      }) {
    setObjectName(QStringLiteral("tsConst"));
    edFind = new QLineEdit;
    edFind->setObjectName(QStringLiteral("edFind"));
    lbConst = new QListWidget;
    lbConst->setObjectName(QStringLiteral("lbConst"));
    auto makeButton = [](const QString& caption, const char* name) {
        auto* button = new QPushButton(caption);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        return button;
    };
    QPushButton* bbPaste = makeButton(QStringLiteral("&Paste"), "bbPaste");
    QPushButton* bbEdit = makeButton(QStringLiteral("&Edit"), "bbEdit");
    bbReload = makeButton(QStringLiteral("&Reload"), "bbReload");
    bbReload->setEnabled(false);
    QPushButton* help = makeButton(QStringLiteral("Help"), "BitBtn2");

    auto* findRow = new QHBoxLayout;
    findRow->addWidget(new QLabel(QStringLiteral("Find")));
    findRow->addWidget(edFind, 1);
    auto* left = new QVBoxLayout;
    left->addLayout(findRow);
    left->addWidget(lbConst, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {bbPaste, bbEdit, bbReload, help})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* root = new QHBoxLayout(this);
    root->addLayout(left, 1);
    root->addLayout(buttons);

    connect(edFind, &QLineEdit::textEdited, this, &ConstantsPage::edFindChange);
    connect(lbConst, &QListWidget::itemClicked, this, &ConstantsPage::lbConstClick);
    connect(bbPaste, &QPushButton::clicked, this, &ConstantsPage::bbPasteClick);
    connect(bbEdit, &QPushButton::clicked, this, &ConstantsPage::bbEditClick);
    connect(bbReload, &QPushButton::clicked, this, &ConstantsPage::bbReloadClick);
    connect(help, &QPushButton::clicked, this, [this] {
        if (m_help) m_help(8);
    });
}

void ConstantsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) edFind->setFocus();
}

bool ConstantsPage::load(const QString& missingSuffix) {
    QStringList lines;
    const bool ok = loadCatalogue(m_path, lines);
    m_lines = ok ? lines : QStringList();
    fillList();
    if (!ok)
        chart::uiServices().message(this, kTitle,
                                    QStringLiteral("File <") + m_path + QStringLiteral(">") + missingSuffix,
                                    chart::MessageKind::Warning);
    return ok;
}

void ConstantsPage::fillList() {
    lbConst->clear();
    lbConst->addItems(m_lines);
}

bool ConstantsPage::loadAtStartup() {
    return load(QStringLiteral(" not found."));
}

void ConstantsPage::edFindChange() {
    const int row = findConstant(m_lines, edFind->text());
    if (row >= 0) {
        lbConst->setCurrentRow(row);
        lbConst->scrollToItem(lbConst->item(row));
        return;
    }
    chart::uiServices().message(this, kTitle, constantNotFoundText(edFind->text()),
                                chart::MessageKind::Warning);
}

void ConstantsPage::lbConstClick() {
    bbPasteClick();
}

void ConstantsPage::bbPasteClick() {
    // With nothing selected there is nothing to paste; the input line stays as it is.
    QListWidgetItem* item = lbConst->currentItem();
    if (!item || !item->isSelected() || !m_insertText) return;
    m_insertText(constantPasteText(item->text()));
}

void ConstantsPage::bbEditClick() {
    const EditorCommand command =
        editorCommand(qEnvironmentVariable("VISUAL"), qEnvironmentVariable("EDITOR"), m_path);
    bool started = false;
    if (!command.program.isEmpty()) started = m_launch && m_launch(command.program, command.arguments);
    if (!started) started = chart::uiServices().openUrl(QUrl::fromLocalFile(m_path));
    if (!started)
        chart::uiServices().message(this, kTitle, QStringLiteral("Can't start an editor for ") + m_path,
                                    chart::MessageKind::Warning);
    bbReload->setEnabled(true);
}

void ConstantsPage::bbReloadClick() {
    load(QStringLiteral(" not found"));
    bbReload->setEnabled(false);
}

} // namespace brelt::workspace
