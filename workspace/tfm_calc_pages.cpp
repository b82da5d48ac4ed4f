// TfmCalc's tab pages besides the Calculator tab, and the pages other parts of the program put
// in their place.
#include "workspace/rescu.h"

#include "workspace/graphics_page.h"
#include "workspace/widget_naming.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace brelt::workspace {

using namespace widgets;

void TfmCalc::replacePage(QWidget*& placeholder, QWidget* page) {
    if (!page) return;
    const int index = pcCalc->indexOf(placeholder);
    const QString caption = pcCalc->tabText(index);
    const QString name = placeholder->objectName();
    const QSignalBlocker block(pcCalc);
    pcCalc->removeTab(index);
    delete placeholder;
    page->setObjectName(name);
    pcCalc->insertTab(index, page, caption);
    placeholder = page;
}

void TfmCalc::installPages(const TfmCalcPages& pages) {
    m_pages = pages;
    const int current = pcCalc->currentIndex();
    replacePage(tsConst, pages.constants);
    replacePage(tsVariables, pages.variables);
    replacePage(tsUserVar, pages.userVars);
    replacePage(tsFuncs, pages.userFuncs);
    pcCalc->setCurrentIndex(current);
    // The controls the window addresses by name now live in the supplied pages.
    edFind = findChild<QLineEdit*>(QStringLiteral("edFind"));
    lbConst = findChild<QListWidget*>(QStringLiteral("lbConst"));
    lbFuncs = findChild<QListWidget*>(QStringLiteral("lbFuncs"));
    edName = findChild<QLineEdit*>(QStringLiteral("edName"));
    edValue = findChild<QLineEdit*>(QStringLiteral("edValue"));
    edXVar = findChild<QLineEdit*>(QStringLiteral("edXVar"));
    if (pages.variableButtons) {
        for (QToolButton* button : m_letterButtons)
            delete button;
        m_letterButtons.clear();
        m_pad->addWidget(pages.variableButtons, m_variableRow, 0, 2, 5);
        pages.variableButtons->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        if (auto* inner = qobject_cast<QGridLayout*>(pages.variableButtons->layout())) {
            inner->setContentsMargins(0, 0, 0, 0);
            // The two rows of letters take the height; the check box below keeps its own.
            inner->setRowStretch(0, 1);
            inner->setRowStretch(1, 1);
        }
        // Rows share the height evenly, the spanned rows of the letter keys included.
        for (int r = 0; r < m_pad->rowCount(); ++r)
            m_pad->setRowStretch(r, 2);
        m_pad->setRowStretch(m_variableRow, 3);
        m_pad->setRowStretch(m_variableRow + 1, 2);
        // The letter keys look and grow like the rest of the pad.
        for (QToolButton* button : pages.variableButtons->findChildren<QToolButton*>()) {
            button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            button->setMinimumHeight(button->fontMetrics().height() + 10);
        }
    }
}

QWidget* TfmCalc::buildTapeTab() {
    auto* page = named(new QWidget, "tsTape");
    auto* layout = new QHBoxLayout(page);
    mmTape = named(new QPlainTextEdit, "mmTape");
    mmTape->setReadOnly(true);
    mmTape->setLineWrapMode(QPlainTextEdit::NoWrap);
    mmTape->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    mmTape->setMouseTracking(true);
    layout->addWidget(mmTape, 1);
    auto* buttons = new QVBoxLayout;
    btCopy = named(new QPushButton(QStringLiteral("Copy")), "btCopy");
    btCut = named(new QPushButton(QStringLiteral("Cut")), "btCut");
    btPrint = named(new QPushButton(QStringLiteral("Print")), "btPrint");
    btToFile = named(new QPushButton(QStringLiteral("To File...")), "btToFile");
    auto* help = named(new QPushButton(QStringLiteral("Help")), "BitBtn1");
    for (QPushButton* b : {btCopy, btCut, btPrint, btToFile, help})
        buttons->addWidget(b);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(btCopy, &QPushButton::clicked, this, &TfmCalc::btCopyClick);
    connect(btCut, &QPushButton::clicked, this, &TfmCalc::btCutClick);
    connect(btPrint, &QPushButton::clicked, this, &TfmCalc::btPrintClick);
    connect(btToFile, &QPushButton::clicked, this, &TfmCalc::btToFileClick);
    connect(help, &QPushButton::clicked, this, [this] { openHelp(21); });
    connect(mmTape, &QPlainTextEdit::textChanged, this, &TfmCalc::updateTapeButtons);
    connect(mmTape, &QPlainTextEdit::selectionChanged, this, &TfmCalc::updateTapeButtons);
    return page;
}

QWidget* TfmCalc::buildConstantsTab() {
    auto* page = named(new QWidget, "tsConst");
    auto* layout = new QGridLayout(page);
    edFind = namedEdit("edFind");
    edFind->setPlaceholderText(QStringLiteral("Find a constant"));
    lbConst = named(new QListWidget, "lbConst");
    layout->addWidget(edFind, 0, 0);
    layout->addWidget(lbConst, 1, 0, 3, 1);
    auto* paste = named(new QPushButton(QStringLiteral("Paste")), "bbPaste");
    auto* edit = named(new QPushButton(QStringLiteral("Edit...")), "bbEdit");
    auto* reload = named(new QPushButton(QStringLiteral("Reload")), "bbReload");
    auto* help = named(new QPushButton(QStringLiteral("Help")), "BitBtn2");
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {paste, edit, reload, help})
        buttons->addWidget(b);
    buttons->addStretch();
    layout->addLayout(buttons, 0, 1, 4, 1);
    connect(help, &QPushButton::clicked, this, [this] { openHelp(8); });
    return page;
}

QWidget* TfmCalc::buildGraphicsTab() {
    m_graphics = new GraphicsPage;
    return m_graphics;
}

QWidget* TfmCalc::buildVariablesTab() {
    auto* page = named(new QWidget, "tsVariables");
    auto* layout = new QGridLayout(page);
    const char* letters[] = {"X", "Y", "Z", "V", "W", "I", "J", "K", "M", "N"};
    for (int i = 0; i < 10; ++i) {
        const QString letter = QLatin1String(letters[i]);
        auto* formula = new QLineEdit;
        formula->setObjectName(i == 0 ? QStringLiteral("edXVar") : QStringLiteral("ed%1var").arg(letter));
        auto* value = new QLineEdit;
        value->setObjectName(i == 0 ? QStringLiteral("edXVal") : QStringLiteral("ed%1val").arg(letter));
        value->setReadOnly(true);
        auto* eval = new QPushButton(QStringLiteral("Calculate"));
        eval->setObjectName(QStringLiteral("bb%1eval").arg(letter));
        const int r = i % 5;
        const int c = (i / 5) * 4;
        layout->addWidget(new QLabel(letter + QStringLiteral(" =")), r, c);
        layout->addWidget(formula, r, c + 1);
        layout->addWidget(value, r, c + 2);
        layout->addWidget(eval, r, c + 3);
        if (i == 0) edXVar = formula;
    }
    auto* help = named(new QPushButton(QStringLiteral("Help")), "BitBtn4");
    layout->addWidget(help, 5, 7);
    connect(help, &QPushButton::clicked, this, [this] { openHelp(3); });
    return page;
}

QWidget* TfmCalc::buildUserVarsTab() {
    auto* page = named(new QWidget, "tsUserVar");
    auto* layout = new QGridLayout(page);
    layout->addWidget(named(new QListWidget, "lbVars"), 0, 0, 4, 1);
    edName = namedEdit("edName");
    edValue = namedEdit("edValue");
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Name"), edName);
    form->addRow(named(new QLabel(QStringLiteral("Value")), "lbValue"), edValue);
    layout->addLayout(form, 0, 1);
    auto* buttons = new QGridLayout;
    buttons->addWidget(named(new QPushButton(QStringLiteral("&Add/Modify")), "btAdd"), 0, 0);
    buttons->addWidget(named(new QPushButton(QStringLiteral("Delete")), "btDelete"), 0, 1);
    buttons->addWidget(named(new QPushButton(QStringLiteral("Load...")), "btLoad"), 1, 0);
    buttons->addWidget(named(new QPushButton(QStringLiteral("Save")), "bbSave"), 1, 1);
    buttons->addWidget(named(new QPushButton(QStringLiteral("Save As...")), "bbSaveAs"), 2, 0);
    layout->addLayout(buttons, 1, 1);
    layout->setRowStretch(3, 1);
    return page;
}

QWidget* TfmCalc::buildFuncsTab() {
    auto* page = named(new QWidget, "tsFuncs");
    auto* layout = new QGridLayout(page);
    lbFuncs = named(new QListWidget, "lbFuncs");
    layout->addWidget(lbFuncs, 0, 0, 4, 1);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Name"), namedEdit("edFuncName"));
    form->addRow(QStringLiteral("Body"), namedEdit("edFuncExpres"));
    layout->addLayout(form, 0, 1);
    auto* buttons = new QGridLayout;
    buttons->addWidget(named(new QPushButton(QStringLiteral("Add")), "bbAddFunc"), 0, 0);
    buttons->addWidget(named(new QPushButton(QStringLiteral("Delete")), "bbDeleteFunc"), 0, 1);
    buttons->addWidget(named(new QPushButton(QStringLiteral("Save")), "bbSaveFuncs"), 1, 0);
    buttons->addWidget(named(new QPushButton(QStringLiteral("Save As...")), "bnSaveAs"), 1, 1);
    layout->addLayout(buttons, 1, 1);
    layout->setRowStretch(3, 1);
    return page;
}

QWidget* TfmCalc::buildAboutTab() {
    auto* page = named(new QWidget, "tsAbout");
    auto* layout = new QVBoxLayout(page);
    layout->addStretch();
    auto* title = named(new QLabel(QStringLiteral("Brelt98 version 4.1")), "lbProduct");
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title->setFont(big);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    auto* credits = named(
        new QLabel(QStringLiteral("An engineer's calculator in 80-bit extended precision.\n"
                                  "Evaluator, procedures and charts written by the Brelt team.\n"
                                  "Built with Qt; thanks to everyone who reported a wrong last digit.")),
        "lbCredits");
    credits->setAlignment(Qt::AlignHCenter);
    layout->addWidget(credits, 0, Qt::AlignHCenter);
    auto* mail = named(new QPushButton(QStringLiteral("Write to us")), "BitBtn6");
    connect(mail, &QPushButton::clicked, this, &TfmCalc::BitBtn6Click);
    layout->addWidget(mail, 0, Qt::AlignHCenter);
    layout->addStretch();
    return page;
}

} // namespace brelt::workspace
