#include "chart/view/print_dialog.h"

#include "chart/view/graph.h"
#include "chart/view/print_preview.h"
#include "chart/view/settings_store.h"
#include "chart/view/ui_services.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace brelt::chart {

namespace {

constexpr int kMaxMargin = 500; // in the display unit; the page itself is the real limit

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString unitName(MarginUnit unit) {
    return unit == MarginUnit::Millimetres ? QStringLiteral("mm") : QStringLiteral("1/10 in");
}

QString fontText(const TChartFont& font) {
    QString text = QStringLiteral("%1, %2 pt").arg(font.name).arg(font.size);
    if (font.bold) text += QStringLiteral(", bold");
    if (font.italic) text += QStringLiteral(", italic");
    return text;
}

TChartFont chartFontOf(const QFont& font, TColor color) {
    TChartFont f;
    f.name = font.family();
    f.size = std::max(1, qRound(font.pointSizeF()));
    f.color = color;
    f.bold = font.bold();
    f.italic = font.italic();
    f.underline = font.underline();
    f.strikeOut = font.strikeOut();
    return f;
}

} // namespace

TPrintDlg::TPrintDlg(PrintSource source, SettingsStore& store, QWidget* parent)
    : QDialog(parent), m_source(std::move(source)), m_store(store) {
    setObjectName(QStringLiteral("PrintDlg"));
    setWindowTitle(QStringLiteral("Print"));
    m_page = loadPageSettings(store);
    m_blocks = loadLabelBlocks(store, QDate::currentDate());
    m_printer.setDocName(QStringLiteral("Brelt chart"));
    // Without a printer the page is the locale's paper until the user chooses one.
    if (!hasPrintTarget(m_printer)) m_printer.setPageSize(QPageSize(localePageSize()));

    auto* layout = new QVBoxLayout(this);
    pcPrint = named(new QTabWidget, "pcPrint");
    auto* layoutPage = named(new QWidget, "tsLayout");
    auto* labelsPage = named(new QWidget, "tsLabels");
    buildLayoutPage(layoutPage);
    buildLabelsPage(labelsPage);
    pcPrint->addTab(layoutPage, QStringLiteral("Page Layout"));
    pcPrint->addTab(labelsPage, QStringLiteral("Plot Labels"));
    layout->addWidget(pcPrint);

    auto* buttons = new QHBoxLayout;
    auto* preview = named(new QPushButton(QStringLiteral("Preview")), "btPreview");
    auto* save = named(new QPushButton(QStringLiteral("&Save")), "btSave");
    auto* print = named(new QPushButton(QStringLiteral("&Print")), "btPrint");
    auto* cancel = named(new QPushButton(QStringLiteral("&Cancel")), "btCancel");
    buttons->addWidget(preview);
    buttons->addStretch(1);
    for (QPushButton* b : {save, print, cancel})
        buttons->addWidget(b);
    print->setDefault(true);
    layout->addLayout(buttons);
    connect(preview, &QPushButton::clicked, this, &TPrintDlg::btPreviewClick);
    connect(save, &QPushButton::clicked, this, &TPrintDlg::btSaveClick);
    connect(print, &QPushButton::clicked, this, &TPrintDlg::btPrintClick);
    connect(cancel, &QPushButton::clicked, this, &TPrintDlg::reject);

    setPageSettings(m_page);
    showBlock();
    showPrinter();
}

TPrintDlg::~TPrintDlg() = default;

void TPrintDlg::buildLayoutPage(QWidget* page) {
    auto* grid = new QGridLayout(page);
    auto* margins = new QGroupBox(QStringLiteral("Margins"));
    auto* marginGrid = new QGridLayout(margins);
    const char* names[] = {"edLeft", "edRight", "edTop", "edBottom"};
    const QString captions[] = {QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Top"),
                                QStringLiteral("Bottom")};
    QSpinBox** edits[] = {&edLeft, &edRight, &edTop, &edBottom};
    for (int i = 0; i < 4; ++i) {
        *edits[i] = named(new QSpinBox, names[i]);
        (*edits[i])->setRange(0, kMaxMargin);
        unitLabels[i] = new QLabel;
        marginGrid->addWidget(new QLabel(captions[i]), i, 0);
        marginGrid->addWidget(*edits[i], i, 1);
        marginGrid->addWidget(unitLabels[i], i, 2);
        connect(*edits[i], &QSpinBox::valueChanged, this, [this, i] { marginEdited(i); });
    }
    grid->addWidget(margins, 0, 0);

    auto* units = named(new QGroupBox(QStringLiteral("Units")), "gbUnits");
    auto* unitsLayout = new QVBoxLayout(units);
    rgUnits = named(new QButtonGroup(this), "rgUnits");
    const QString unitCaptions[] = {QStringLiteral("mm"), QStringLiteral("inches")};
    for (int i = 0; i < 2; ++i) {
        auto* radio = new QRadioButton(unitCaptions[i]);
        rgUnits->addButton(radio, i);
        unitsLayout->addWidget(radio);
    }
    unitsLayout->addStretch(1);
    connect(rgUnits, &QButtonGroup::idClicked, this, [this] { rgUnitsClick(); });
    grid->addWidget(units, 0, 1);

    auto* labels = new QGroupBox(QStringLiteral("Print"));
    auto* labelsLayout = new QVBoxLayout(labels);
    chOwner = named(new QCheckBox(QStringLiteral("Company Logo")), "chOwner");
    chProject = named(new QCheckBox(QStringLiteral("Project Title")), "chProject");
    chComment = named(new QCheckBox(QStringLiteral("Comment")), "chComment");
    chBorders = named(new QCheckBox(QStringLiteral("Borders")), "chBorders");
    for (QCheckBox* box : {chOwner, chProject, chComment, chBorders}) {
        labelsLayout->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this] { choicesEdited(); });
    }
    grid->addWidget(labels, 0, 2);

    grid->addWidget(new QLabel(QStringLiteral("Comment:")), 1, 0, 1, 3);
    mmComment = named(new QPlainTextEdit, "mmComment");
    mmComment->setTabChangesFocus(true);
    mmComment->setPlainText(m_blocks.comment.text);
    mmComment->setMaximumHeight(90);
    connect(mmComment, &QPlainTextEdit::textChanged, this,
            [this] { m_blocks.comment.text = mmComment->toPlainText(); });
    grid->addWidget(mmComment, 2, 0, 1, 3);

    auto* printerRow = new QHBoxLayout;
    lbPrinter = named(new QLabel, "lbPrinter");
    lbPrinter->setWordWrap(true);
    auto* setup = named(new QPushButton(QStringLiteral("Setup")), "btSetup");
    connect(setup, &QPushButton::clicked, this, &TPrintDlg::btSetupClick);
    printerRow->addWidget(lbPrinter, 1);
    printerRow->addWidget(setup);
    grid->addLayout(printerRow, 3, 0, 1, 3);
}

void TPrintDlg::buildLabelsPage(QWidget* page) {
    auto* grid = new QGridLayout(page);
    cbLogoType = named(new QComboBox, "cbLogoType");
    cbLogoType->addItems({QStringLiteral("Company Logo"), QStringLiteral("Project Title")});
    grid->addWidget(new QLabel(QStringLiteral("Block:")), 0, 0);
    grid->addWidget(cbLogoType, 0, 1, 1, 2);

    auto* font = named(new QPushButton(QStringLiteral("Font...")), "btFont");
    lbFont = named(new QLabel, "lbFont");
    grid->addWidget(font, 1, 0);
    grid->addWidget(lbFont, 1, 1, 1, 2);

    cbJustify = named(new QComboBox, "cbJustify");
    cbJustify->addItems({QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Center")});
    grid->addWidget(new QLabel(QStringLiteral("Justify:")), 2, 0);
    grid->addWidget(cbJustify, 2, 1, 1, 2);

    mmLogo = named(new QPlainTextEdit, "mmLogo");
    mmLogo->setTabChangesFocus(true);
    grid->addWidget(new QLabel(QStringLiteral("Text:")), 3, 0, Qt::AlignTop);
    grid->addWidget(mmLogo, 3, 1, 1, 2);

    lbPicture = named(new QLabel, "lbPicture");
    auto* browse = named(new QPushButton(QStringLiteral("Browse...")), "btBrowse");
    auto* remove = named(new QPushButton(QStringLiteral("Delete")), "btDelete");
    grid->addWidget(new QLabel(QStringLiteral("Bitmap:")), 4, 0);
    grid->addWidget(lbPicture, 4, 1, 1, 2);
    auto* pictureButtons = new QHBoxLayout;
    pictureButtons->addStretch(1);
    pictureButtons->addWidget(browse);
    pictureButtons->addWidget(remove);
    grid->addLayout(pictureButtons, 5, 0, 1, 3);

    connect(cbLogoType, &QComboBox::currentIndexChanged, this, [this] { cbLogoTypeChange(); });
    connect(font, &QPushButton::clicked, this, &TPrintDlg::btFontClick);
    connect(cbJustify, &QComboBox::currentIndexChanged, this, [this] { blockEdited(); });
    connect(mmLogo, &QPlainTextEdit::textChanged, this, [this] { blockEdited(); });
    connect(browse, &QPushButton::clicked, this, &TPrintDlg::btBrowseClick);
    connect(remove, &QPushButton::clicked, this, &TPrintDlg::btDeleteClick);
}

void TPrintDlg::setPageSettings(const PageSettings& settings) {
    m_showing = true;
    m_page = settings;
    const MarginUnit unit = settings.unit();
    rgUnits->button(unit == MarginUnit::Millimetres ? 0 : 1)->setChecked(true);
    edLeft->setValue(displayFromMm(settings.left, unit));
    edRight->setValue(displayFromMm(settings.right, unit));
    edTop->setValue(displayFromMm(settings.top, unit));
    edBottom->setValue(displayFromMm(settings.bottom, unit));
    for (QLabel* label : unitLabels)
        label->setText(unitName(unit));
    chOwner->setChecked(settings.owner);
    chProject->setChecked(settings.project);
    chComment->setChecked(settings.comment);
    chBorders->setChecked(settings.borders);
    m_showing = false;
}

void TPrintDlg::marginEdited(int index) {
    if (m_showing) return;
    // Only the edited margin: the others keep their millimetres, which the edits may show rounded.
    const MarginUnit unit = m_page.unit();
    switch (index) {
    case 0: m_page.left = mmFromDisplay(edLeft->value(), unit); break;
    case 1: m_page.right = mmFromDisplay(edRight->value(), unit); break;
    case 2: m_page.top = mmFromDisplay(edTop->value(), unit); break;
    default: m_page.bottom = mmFromDisplay(edBottom->value(), unit); break;
    }
}

void TPrintDlg::choicesEdited() {
    if (m_showing) return;
    m_page.owner = chOwner->isChecked();
    m_page.project = chProject->isChecked();
    m_page.comment = chComment->isChecked();
    m_page.borders = chBorders->isChecked();
}

void TPrintDlg::rgUnitsClick() {
    const MarginUnit from = m_page.unit();
    const MarginUnit to = rgUnits->checkedId() == 1 ? MarginUnit::TenthsOfInch : MarginUnit::Millimetres;
    if (from == to) return;
    m_showing = true;
    for (QSpinBox* edit : {edLeft, edRight, edTop, edBottom})
        edit->setValue(convertDisplay(edit->value(), from, to));
    for (QLabel* label : unitLabels)
        label->setText(unitName(to));
    m_showing = false;
    // The edits now hold the converted values: the margins become what they show.
    m_page.setUnit(to);
    for (int i = 0; i < 4; ++i)
        marginEdited(i);
}

TLabelBlock& TPrintDlg::editedBlock() {
    return cbLogoType->currentIndex() == 1 ? m_blocks.project : m_blocks.owner;
}

void TPrintDlg::showBlock() {
    m_showing = true;
    const TLabelBlock& block = editedBlock();
    lbFont->setText(fontText(block.font));
    cbJustify->setCurrentIndex(static_cast<int>(block.justify));
    mmLogo->setPlainText(block.text);
    lbPicture->setText(block.pictureFile.isEmpty() ? QStringLiteral("not selected")
                                                   : QFileInfo(block.pictureFile).fileName());
    lbPicture->setToolTip(block.pictureFile);
    m_showing = false;
}

void TPrintDlg::blockEdited() {
    if (m_showing) return;
    TLabelBlock& block = editedBlock();
    block.text = mmLogo->toPlainText();
    block.justify = static_cast<LabelJustify>(std::max(0, cbJustify->currentIndex()));
    m_logoChanged = true;
}

void TPrintDlg::cbLogoTypeChange() {
    showBlock();
}

void TPrintDlg::btFontClick() {
    TLabelBlock& block = editedBlock();
    const auto font = uiServices().chooseFont(this, block.font.toQFont(), QStringLiteral("Font"));
    if (!font) return;
    block.font = chartFontOf(*font, block.font.color);
    m_logoChanged = true;
    showBlock();
}

void TPrintDlg::btBrowseClick() {
    FileDialogRequest request;
    request.title = QStringLiteral("Open Picture");
    request.filters = QStringLiteral("Pictures (*.bmp *.png *.jpg *.jpeg *.gif *.svg);;All files (*)");
    request.overwritePrompt = false;
    const FileDialogResult chosen = uiServices().openFile(this, request);
    if (chosen.fileName.isEmpty()) return;
    QImageReader reader(chosen.fileName);
    if (!reader.canRead()) {
        uiServices().message(this, QStringLiteral("Print"),
                             QStringLiteral("%1\nis not a picture Brelt can read.").arg(chosen.fileName),
                             MessageKind::Warning);
        return;
    }
    editedBlock().pictureFile = chosen.fileName;
    m_logoChanged = true;
    showBlock();
}

void TPrintDlg::btDeleteClick() {
    TLabelBlock& block = editedBlock();
    if (block.pictureFile.isEmpty()) return;
    block.pictureFile.clear();
    m_logoChanged = true;
    showBlock();
}

void TPrintDlg::btSaveClick() {
    saveLabelBlocks(m_store, m_blocks);
    m_logoChanged = false;
}

bool TPrintDlg::askToSaveLogo() {
    if (!m_logoChanged) return false;
    if (uiServices().confirm(this, QStringLiteral("Print"), QStringLiteral("New Logo not saved!\nSave?")))
        btSaveClick();
    return true;
}

void TPrintDlg::showPrinter() {
    QString text;
    if (m_printer.outputFormat() == QPrinter::PdfFormat && !m_printer.outputFileName().isEmpty())
        text = QStringLiteral("Printing to the file %1").arg(m_printer.outputFileName());
    else if (hasPrintTarget(m_printer))
        text = QStringLiteral("Printer: %1").arg(m_printer.printerName());
    else
        text = QStringLiteral("No printer is installed: choose \"Print to File (PDF)\" under Setup.");
    lbPrinter->setText(text);
}

void TPrintDlg::btSetupClick() {
    uiServices().setUpPrinter(this, m_printer);
    showPrinter();
}

void TPrintDlg::btPreviewClick() {
    askToSaveLogo();
    TPreView preview(
        m_source.paint, m_page, m_blocks, m_printer, [this] { printNow(); }, this);
    preview.exec();
    setPageSettings(m_page);
    showPrinter();
}

void TPrintDlg::btPrintClick() {
    askToSaveLogo();
    printNow();
}

void TPrintDlg::printNow() {
    if (m_printer.printerState() == QPrinter::Active) return; // already printing
    if (!ensurePrintTarget(m_printer, this)) return;
    showPrinter();
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString error;
    const PrintResult result = printPage(m_printer, {m_page, m_blocks}, m_source.paint, &error);
    if (result == PrintResult::Printed) m_printed = true;
    QApplication::restoreOverrideCursor();
    saveLabelChoices(m_store, m_page);
    if (m_source.afterPrint) m_source.afterPrint();
    setEnabled(true);
    if (result == PrintResult::Failed || result == PrintResult::NoRoom)
        uiServices().message(this, QStringLiteral("Print"), error, MessageKind::Error);
}

void TPrintDlg::done(int result) {
    if (m_printed) savePageMargins(m_store, m_page);
    QDialog::done(result);
}

void printChart(TGraph& graph, QWidget* parent, SettingsStore& store) {
    TPrintDlg dialog({chartPagePainter(graph), [&graph] { graph.Draw(); }}, store, parent);
    dialog.exec();
}

void printDrawing(const std::function<void(QPainter&, const QRect&)>& draw, QWidget* parent,
                  SettingsStore& store) {
    PagePainter paint = [draw](QPainter& painter, const QRect& area, OutputKind) {
        if (!draw) return;
        painter.save();
        draw(painter, area);
        painter.restore();
    };
    TPrintDlg dialog({std::move(paint), {}}, store, parent);
    dialog.exec();
}

} // namespace brelt::chart
