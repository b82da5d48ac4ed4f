#include "windows/tfm_graph_import.h"

#include "chart/data/series.h"
#include "chart/view/axis.h"
#include "chart/view/graph.h"
#include "chart/view/ui_services.h"
#include "windows/dialog_parts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace brelt::windows {

using namespace brelt::chart;

namespace {

// The caption's text before "[", then "[ name ]".
QString captionWithName(const QString& caption, const QString& name) {
    const qsizetype bracket = caption.indexOf(QLatin1Char('['));
    return (bracket < 0 ? caption + QLatin1Char(' ') : caption.left(bracket)) + QStringLiteral("[ ") + name +
           QStringLiteral(" ]");
}

QString axisCaption(const QString& name, const char* fallback) {
    return name.isEmpty() ? QLatin1String(fallback) : name;
}

} // namespace

TfmGraphImport::TfmGraphImport(TGraph& graph, QWidget* parent) : QDialog(parent), m_graph(graph) {
    setObjectName(QStringLiteral("fmGraphImport"));
    setWindowTitle(QStringLiteral("Paste Series from Clipboard"));
    buildControls();
}

TfmGraphImport::~TfmGraphImport() = default;

void TfmGraphImport::buildControls() {
    auto action = [this](QMenu* menu, const QString& caption, const char* name,
                         void (TfmGraphImport::*slot)()) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    auto* menuBar = new QMenuBar(this);
    QMenu* paste = menuBar->addMenu(QStringLiteral("&Paste"));
    action(paste, QStringLiteral("&As Is"), "miAsIs", &TfmGraphImport::PasteAsIs);
    action(paste, QStringLiteral("&Use Fields Name"), "miUseFields", &TfmGraphImport::PasteByFieldName);
    QMenu* edit = menuBar->addMenu(QStringLiteral("&Edit"));
    action(edit, QStringLiteral("Insert &Row"), "miInsertRow", &TfmGraphImport::InsertRow);
    action(edit, QStringLiteral("D&elete Row"), "miDeleteRow", &TfmGraphImport::DeleteRow);
    action(edit, QStringLiteral("Erase &All"), "miEraseAll", &TfmGraphImport::EraseAll);
    action(edit, QStringLiteral("Erase &Column"), "miEraseColumn", &TfmGraphImport::EraseColumn);
    QMenu* file = menuBar->addMenu(QStringLiteral("&File"));
    action(file, QStringLiteral("Open"), "miOpen", &TfmGraphImport::LoadFromFile);
    m_gridCommands << paste->menuAction() << edit->menuAction() << file->menuAction();

    auto* tools = new QHBoxLayout;
    auto tool = [&](const QString& text, const char* name, void (TfmGraphImport::*slot)()) {
        auto* b = named(new QToolButton, name);
        b->setText(text);
        b->setToolTip(text);
        connect(b, &QToolButton::clicked, this, slot);
        tools->addWidget(b);
        m_gridCommands << b;
    };
    tool(QStringLiteral("Paste from Clipboard"), "sbPaste", &TfmGraphImport::PasteAsIs);
    tool(QStringLiteral("Paste from Clipboard by Fields"), "sbPasteFields",
         &TfmGraphImport::PasteByFieldName);
    tool(QStringLiteral("Load from ASCII file"), "sbLoad", &TfmGraphImport::LoadFromFile);
    tool(QStringLiteral("&Insert Row"), "sbInsertRow", &TfmGraphImport::InsertRow);
    tool(QStringLiteral("&Delete Row"), "sbDeleteRow", &TfmGraphImport::DeleteRow);
    tool(QStringLiteral("&Erase All"), "sbEraseAll", &TfmGraphImport::EraseAll);
    tools->addStretch();

    sgMain = named(new QTableWidget(kGridRows, kGridColumns), "sgMain");
    sgMain->horizontalHeader()->setVisible(false);
    sgMain->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    sgMain->verticalHeader()->setSectionsMovable(true);
    sgMain->verticalHeader()->setDefaultSectionSize(sgMain->fontMetrics().height() + 6);
    sgMain->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const auto& [caption, slot] :
         {std::pair{QStringLiteral("&Paste"), &TfmGraphImport::PasteAsIs},
          std::pair{QStringLiteral("Paste by &Field Name"), &TfmGraphImport::PasteByFieldName},
          std::pair{QStringLiteral("&Insert Row"), &TfmGraphImport::InsertRow},
          std::pair{QStringLiteral("&Delete Row"), &TfmGraphImport::DeleteRow},
          std::pair{QStringLiteral("&Erase All"), &TfmGraphImport::EraseAll}}) {
        auto* a = new QAction(caption, sgMain);
        connect(a, &QAction::triggered, this, slot);
        sgMain->addAction(a);
    }
    edP2 = named(new QLineEdit, "edP2");
    edP3 = named(new QLineEdit, "edP3");
    edP2->setReadOnly(true);
    edP3->setReadOnly(true);
    edName = named(new QLineEdit, "edName");
    edName->setMaxLength(kMaxLayerNameLength);
    cbStyle = named(new QComboBox, "cbStyle");
    cbStyle->addItems(seriesStyleNames());
    cbLineStyle = named(new QComboBox, "cbLineStyle");
    cbLineStyle->addItems(lineStyleNames());
    udLineWidth = named(new QSpinBox, "udLineWidth");
    udLineWidth->setRange(1, 10);
    btColor = named(new QPushButton(QStringLiteral("Color...")), "btColor");
    btSymbols = named(new QPushButton(QStringLiteral("Symbols...")), "btSymbols");
    bbOK = named(new QPushButton(QStringLiteral("&OK")), "bbOK");
    bbCancel = named(new QPushButton(QStringLiteral("Cancel")), "bbCancel");
    for (QPushButton* b : {btColor, btSymbols, bbOK, bbCancel})
        b->setAutoDefault(false);

    auto* captions = new QHBoxLayout;
    captions->addWidget(edP2);
    captions->addWidget(edP3);
    auto* settings = new QGridLayout;
    settings->addWidget(new QLabel(QStringLiteral("Name")), 0, 0);
    settings->addWidget(edName, 0, 1);
    settings->addWidget(new QLabel(QStringLiteral("Style")), 1, 0);
    settings->addWidget(cbStyle, 1, 1);
    settings->addWidget(new QLabel(QStringLiteral("Line style")), 2, 0);
    settings->addWidget(cbLineStyle, 2, 1);
    settings->addWidget(new QLabel(QStringLiteral("Line width")), 3, 0);
    settings->addWidget(udLineWidth, 3, 1);
    settings->addWidget(btColor, 4, 1);
    settings->addWidget(btSymbols, 5, 1);
    settings->setRowStretch(6, 1);
    settings->addWidget(bbOK, 7, 1);
    settings->addWidget(bbCancel, 8, 1);
    auto* grid = new QVBoxLayout;
    grid->addLayout(captions);
    grid->addWidget(sgMain, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(grid, 1);
    body->addLayout(settings);
    auto* root = new QVBoxLayout(this);
    root->setMenuBar(menuBar);
    root->addLayout(tools);
    root->addLayout(body, 1);
    resize(560, 520);

    connect(sgMain, &QTableWidget::cellChanged, this, &TfmGraphImport::gridEdited);
    connect(sgMain->verticalHeader(), &QHeaderView::sectionMoved, this, &TfmGraphImport::rowMoved);
    connect(edName, &QLineEdit::textEdited, this, &TfmGraphImport::edNameChange);
    connect(btColor, &QPushButton::clicked, this, &TfmGraphImport::ColorClick);
    connect(btSymbols, &QPushButton::clicked, this, &TfmGraphImport::SymbolsClick);
    connect(bbOK, &QPushButton::clicked, this, &TfmGraphImport::bbOKClick);
    connect(bbCancel, &QPushButton::clicked, this, &TfmGraphImport::reject);
}

void TfmGraphImport::prepare(TSeries* series) {
    m_newSeries.reset();
    m_locked = false;
    if (series) {
        m_series = series;
        setWindowTitle(QStringLiteral("Edit Series - [ ") + series->Name() + QStringLiteral(" ]"));
        edName->setText(series->Name());
        m_grid.fill(*series);
    } else {
        const TColor free = m_graph.FreeColor();
        m_newSeries = std::make_unique<TSeries>(&m_graph, QStringLiteral("New Series"),
                                                SeriesStyle::LineAndPoint, free < 0 ? clBlack : free);
        m_series = m_newSeries.get();
        setWindowTitle(QStringLiteral("Add Series - [ New Series ]"));
        edName->setText(QStringLiteral("Series %1").arg(m_graph.LayerCount() + 1));
        m_grid.eraseAll();
    }
    edP2->setText(axisCaption(m_graph.XAxis().Name(), "X"));
    edP3->setText(axisCaption(m_graph.YAxis().Name(), "Y"));
    cbStyle->setCurrentIndex(styleIndexOf(m_series->Style()));
    cbLineStyle->setCurrentIndex(static_cast<int>(m_series->lineStyle()));
    udLineWidth->setValue(std::clamp(m_series->LineWidth(), 1, 10));
    m_color = m_series->GetColor();
    showGrid();
    setEditable(true);
    if (m_series->Count() > kGridRows) {
        m_locked = true;
        setEditable(false);
        uiServices().message(
            this, kBoxTitle,
            QStringLiteral("The series has %1 points and the grid holds %2: the points are shown "
                           "up to the %2th and cannot be changed here.")
                .arg(m_series->Count())
                .arg(kGridRows),
            MessageKind::Information);
    }
}

bool TfmGraphImport::EditSeries(TSeries* series) {
    prepare(series);
    return exec() == QDialog::Accepted;
}

void TfmGraphImport::setEditable(bool editable) {
    sgMain->setEditTriggers(editable ? QAbstractItemView::AllEditTriggers
                                     : QAbstractItemView::NoEditTriggers);
    sgMain->setContextMenuPolicy(editable ? Qt::ActionsContextMenu : Qt::NoContextMenu);
    for (QObject* o : m_gridCommands) {
        if (auto* w = qobject_cast<QWidget*>(o))
            w->setEnabled(editable);
        else if (auto* a = qobject_cast<QAction*>(o))
            a->setEnabled(editable);
    }
}

void TfmGraphImport::showGrid() {
    m_filling = true;
    for (int r = 0; r < kGridRows; ++r)
        for (int c = 0; c < kGridColumns; ++c) {
            const QString text = m_grid.cell(r, c);
            QTableWidgetItem* item = sgMain->item(r, c);
            if (!item && text.isEmpty()) continue;
            if (!item) sgMain->setItem(r, c, item = new QTableWidgetItem);
            item->setText(text);
        }
    m_filling = false;
}

void TfmGraphImport::gridEdited(int row, int column) {
    if (m_filling) return;
    const QTableWidgetItem* item = sgMain->item(row, column);
    m_grid.setCell(row, column, item ? item->text() : QString());
}

void TfmGraphImport::rowMoved(int, int oldVisual, int newVisual) {
    // The grid's order is the model's: move the row there and put the header back in order.
    m_grid.moveRow(oldVisual, newVisual);
    QHeaderView* header = sgMain->verticalHeader();
    header->blockSignals(true);
    header->moveSection(newVisual, oldVisual);
    header->blockSignals(false);
    showGrid();
}

int TfmGraphImport::currentRow() const {
    return std::max(sgMain->currentRow(), 0);
}

void TfmGraphImport::edNameChange(const QString& name) {
    setWindowTitle(captionWithName(windowTitle(), name));
}

void TfmGraphImport::InsertRow() {
    m_grid.insertRow(currentRow());
    showGrid();
}

void TfmGraphImport::DeleteRow() {
    m_grid.deleteRow(currentRow());
    showGrid();
}

void TfmGraphImport::EraseAll() {
    m_grid.eraseAll();
    showGrid();
}

void TfmGraphImport::EraseColumn() {
    m_grid.eraseColumn(std::max(sgMain->currentColumn(), 0));
    showGrid();
}

void TfmGraphImport::reject() {
    m_newSeries.reset(); // a new series goes; an edited one was not touched
    QDialog::reject();
}

} // namespace brelt::windows
