#include "windows/tfm_exports.h"

#include "chart/data/series.h"
#include "chart/io/text_file.h"
#include "chart/view/axis.h"
#include "chart/view/graph.h"
#include "chart/view/graph_title.h"
#include "chart/view/ui_services.h"
#include "windows/dialog_parts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace brelt::windows {

using namespace brelt::chart;

namespace {

constexpr int kUserDefine = static_cast<int>(ExportDelimiter::User);
const QString kNone = QStringLiteral("(none)");

} // namespace

TfmExports::TfmExports(TGraph& graph, QWidget* parent) : QDialog(parent), m_graph(graph) {
    setObjectName(QStringLiteral("fmExports"));
    setWindowTitle(QStringLiteral("Export"));
    clSeries = named(new QListWidget, "clSeries");
    for (int i = graph.LayerCount() - 1; i >= 0; --i)
        if (auto* s = dynamic_cast<TSeries*>(graph.Layers(i))) {
            m_series.push_back(s);
            clSeries->addItem(s->Name());
        }
    chName = named(new QCheckBox(QStringLiteral("Name")), "chName");
    chTitle = named(new QCheckBox(QStringLiteral("Title")), "chTitle");
    chXAxis = named(new QCheckBox(QStringLiteral("X Axis")), "chXAxis");
    chYAxis = named(new QCheckBox(QStringLiteral("Y Axis")), "chYAxis");
    chFoot = named(new QCheckBox(QStringLiteral("Foot")), "chFoot");
    chXAxis->setChecked(true);
    chYAxis->setChecked(true);
    edXColumn = named(new QLineEdit(QStringLiteral("1")), "edXColumn");
    edYColumn = named(new QLineEdit(QStringLiteral("2")), "edYColumn");
    auto* delimiters = named(new QGroupBox(QStringLiteral("Delimiters")), "gbDelimiters");
    auto* delimiterLayout = new QVBoxLayout(delimiters);
    rgDelimiters = named(new QButtonGroup(this), "rgDelimiters");
    const QStringList captions = {"Space", "Comma", "Tab", "Slash", "User define"};
    for (int i = 0; i < captions.size(); ++i) {
        auto* radio = new QRadioButton(captions[i]);
        radio->setObjectName(QStringLiteral("rgDelimiters_%1").arg(i));
        rgDelimiters->addButton(radio, i);
        delimiterLayout->addWidget(radio);
    }
    rgDelimiters->button(static_cast<int>(ExportDelimiter::Tab))->setChecked(true);
    edUserDefine = named(new QLineEdit(kNone), "edUserDefine");
    edUserDefine->setEnabled(false);
    delimiterLayout->addWidget(new QLabel(QStringLiteral("User delimiters")));
    delimiterLayout->addWidget(edUserDefine);
    cbClearClipBoard = named(new QCheckBox(QStringLiteral("Clear clipboard")), "cbClearClipBoard");
    cbClearClipBoard->setChecked(true);
    Memo1 = named(new QListWidget, "Memo1");
    btCopyClipboard = named(new QPushButton(QStringLiteral("Copy to &Clipboard")), "btCopyClipboard");
    btCopyFile = named(new QPushButton(QStringLiteral("Copy to &file")), "btCopyFile");
    btClose = named(new QPushButton(QStringLiteral("C&lose")), "btClose");
    for (QPushButton* b : {btCopyClipboard, btCopyFile, btClose})
        b->setAutoDefault(false);

    auto* boxes = new QVBoxLayout;
    for (QCheckBox* c : {chName, chTitle, chXAxis, chYAxis, chFoot})
        boxes->addWidget(c);
    auto* columns = new QGridLayout;
    columns->addWidget(new QLabel(QStringLiteral("X column")), 0, 0);
    columns->addWidget(edXColumn, 0, 1);
    columns->addWidget(new QLabel(QStringLiteral("Y column")), 1, 0);
    columns->addWidget(edYColumn, 1, 1);
    boxes->addLayout(columns);
    boxes->addWidget(cbClearClipBoard);
    boxes->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(clSeries, 1);
    top->addLayout(boxes);
    top->addWidget(delimiters);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btCopyClipboard);
    buttons->addWidget(btCopyFile);
    buttons->addStretch();
    buttons->addWidget(btClose);
    auto* root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addWidget(Memo1, 1);
    root->addLayout(buttons);
    resize(640, 480);

    connect(clSeries, &QListWidget::itemSelectionChanged, this, &TfmExports::UpdateMemo);
    for (QCheckBox* c : {chName, chTitle, chXAxis, chYAxis, chFoot})
        connect(c, &QCheckBox::toggled, this, &TfmExports::UpdateMemo);
    connect(edXColumn, &QLineEdit::editingFinished, this, &TfmExports::UpdateMemo);
    connect(edYColumn, &QLineEdit::editingFinished, this, &TfmExports::UpdateMemo);
    connect(rgDelimiters, &QButtonGroup::idClicked, this, &TfmExports::rgDelimitersClick);
    connect(edUserDefine, &QLineEdit::editingFinished, this, &TfmExports::edUserDefineExit);
    connect(btCopyClipboard, &QPushButton::clicked, this, &TfmExports::btCopyClipboardClick);
    connect(btCopyFile, &QPushButton::clicked, this, &TfmExports::btCopyFileClick);
    connect(btClose, &QPushButton::clicked, this, &QDialog::accept);
}

QStringList TfmExports::previewLines() const {
    QStringList lines;
    for (int i = 0; i < Memo1->count(); ++i)
        lines << Memo1->item(i)->text();
    return lines;
}

ExportSource TfmExports::sourceOf(const TSeries& series) const {
    ExportSource s;
    s.seriesName = series.Name();
    s.title = m_graph.Title().lines();
    s.foot = m_graph.Foot().lines();
    // Unnamed axes head their columns "X" and "Y", as the data editor shows them.
    s.xName = m_graph.XAxis().Name().isEmpty() ? QStringLiteral("X") : m_graph.XAxis().Name();
    s.yName = m_graph.YAxis().Name().isEmpty() ? QStringLiteral("Y") : m_graph.YAxis().Name();
    s.points.reserve(static_cast<size_t>(series.Count()));
    for (int i = 0; i < series.Count(); ++i)
        s.points.push_back(series.pointAt(i));
    return s;
}

void TfmExports::UpdateMemo() {
    const QList<QListWidgetItem*> chosen = clSeries->selectedItems();
    if (chosen.isEmpty()) return; // nothing happens while no series is chosen
    const int row = clSeries->row(chosen.front());
    ExportOptions options;
    options.name = chName->isChecked();
    options.title = chTitle->isChecked();
    options.xAxis = chXAxis->isChecked();
    options.yAxis = chYAxis->isChecked();
    options.foot = chFoot->isChecked();
    options.xColumn = edXColumn->text();
    options.yColumn = edYColumn->text();
    options.delimiter =
        delimiterChar(static_cast<ExportDelimiter>(rgDelimiters->checkedId()), m_userDelimiter);
    const ExportLines out = buildExportLines(sourceOf(*m_series[static_cast<size_t>(row)]), options);
    Memo1->clear();
    Memo1->addItems(out.lines);
    if (out.columnError) {
        uiServices().message(this, kBoxTitle, kExportColumnMessage, MessageKind::Error);
        edXColumn->setFocus();
    }
}

void TfmExports::rgDelimitersClick(int index) {
    if (index == kUserDefine) {
        edUserDefine->clear();
        edUserDefine->setEnabled(true);
        edUserDefine->setFocus();
        return;
    }
    edUserDefine->setText(kNone);
    edUserDefine->setEnabled(false);
    UpdateMemo();
}

void TfmExports::edUserDefineExit() {
    if (!edUserDefine->isEnabled()) return;
    const auto user = userDelimiterFrom(edUserDefine->text());
    if (!user) {
        rgDelimiters->button(static_cast<int>(ExportDelimiter::Tab))->setChecked(true);
        edUserDefine->setText(kNone);
        edUserDefine->setEnabled(false);
    } else {
        m_userDelimiter = *user;
    }
    UpdateMemo();
}

void TfmExports::btCopyClipboardClick() {
    const QStringList lines = previewLines();
    if (lines.isEmpty()) return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (cbClearClipBoard->isChecked()) clipboard->clear();
    clipboard->setText(crlfText(lines));
}

void TfmExports::btCopyFileClick() {
    FileDialogRequest request;
    request.title = QStringLiteral("Save to file");
    request.filters = QStringLiteral("TEXT files (*.*)");
    request.overwritePrompt = true;
    const FileDialogResult chosen = uiServices().saveFile(this, request);
    if (chosen.fileName.isEmpty()) return;
    if (!writeFileAtomically(chosen.fileName, crlfText(previewLines()).toUtf8()))
        uiServices().message(this, kBoxTitle, QStringLiteral("Can not create file ") + chosen.fileName,
                             MessageKind::Error);
}

} // namespace brelt::windows
