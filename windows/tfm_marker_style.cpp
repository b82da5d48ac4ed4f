#include "windows/tfm_marker_style.h"

#include "chart/data/marker.h"
#include "chart/data/series.h"
#include "chart/data/series_undo.h"
#include "chart/view/graph.h"
#include "chart/view/ui_services.h"
#include "windows/dialog_parts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace brelt::windows {

using namespace brelt::chart;

namespace {

QPixmap markerPicture(TMarkerStyle style, int side, double symbol, TColor fill, TColor pen) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    TMarker::drawShape(painter, style, QPointF(side / 2.0, side / 2.0), symbol, fill, pen);
    return pixmap;
}

} // namespace

TfmMarkerStyle::TfmMarkerStyle(TGraph& graph, std::vector<TSeries*> series, QWidget* parent)
    : QDialog(parent), m_graph(graph), m_series(std::move(series)) {
    setObjectName(QStringLiteral("fmMarkerStyle"));
    setWindowTitle(QStringLiteral("Markers"));
    lbMarkers = named(new QListWidget, "lbMarkers");
    imPreview = named(new QLabel, "imPreview");
    imPreview->setFixedSize(64, 64);
    edSize = named(new QSpinBox, "edSize");
    edSize->setRange(1, 100);
    btFill = named(new QPushButton(QStringLiteral("Fill Color...")), "btFill");
    btPen = named(new QPushButton(QStringLiteral("Pen Color...")), "btPen");
    btClose = named(new QPushButton(QStringLiteral("Close")), "btClose");

    auto* side = new QVBoxLayout;
    side->addWidget(imPreview);
    side->addWidget(new QLabel(QStringLiteral("Size of Marker")));
    side->addWidget(edSize);
    side->addWidget(btFill);
    side->addWidget(btPen);
    side->addStretch();
    side->addWidget(btClose);
    auto* root = new QHBoxLayout(this);
    root->addWidget(lbMarkers, 1);
    root->addLayout(side);

    load();
    connect(lbMarkers, &QListWidget::itemChanged, this, &TfmMarkerStyle::lbMarkersItemChanged);
    connect(edSize, &QSpinBox::valueChanged, this, &TfmMarkerStyle::edSizeChange);
    connect(btFill, &QPushButton::clicked, this, &TfmMarkerStyle::btFillClick);
    connect(btPen, &QPushButton::clicked, this, &TfmMarkerStyle::btPenClick);
    connect(btClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TfmMarkerStyle::load() {
    m_loading = true;
    const TSeries* first = m_series.empty() ? nullptr : m_series.front();
    const TMarkerStyle current = first ? first->MarkerStyle() : TMarkerStyle::msNone;
    lbMarkers->clear();
    for (int i = 0; i < kMarkerStyleCount; ++i) {
        const auto style = markerStyleFromInt(i);
        auto* item =
            new QListWidgetItem(QIcon(markerPicture(style, 16, 10, clSilver, clBlack)), markerName(style));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(style == current ? Qt::Checked : Qt::Unchecked);
        lbMarkers->addItem(item);
    }
    lbMarkers->setCurrentRow(toInt(current));
    edSize->setValue(first ? std::clamp(first->MarkerSize(), 1, 100) : 4);
    updatePreview();
    m_loading = false;
}

void TfmMarkerStyle::updatePreview() {
    const TSeries* first = m_series.empty() ? nullptr : m_series.front();
    if (!first) return;
    imPreview->setPixmap(markerPicture(first->MarkerStyle(), 64, 8 + 0.4 * first->MarkerSize(),
                                       first->MarkerFillColor(), first->MarkerPenColor()));
}

template <typename Change> void TfmMarkerStyle::applyToAll(Change change) {
    if (m_loading) return;
    UndoGroup step(m_graph.undoStore());
    for (TSeries* s : m_series) {
        m_graph.recordUndo(seriesLookRecord(*s));
        change(*s);
    }
    updatePreview();
    m_graph.Redraw();
}

void TfmMarkerStyle::lbMarkersItemChanged(QListWidgetItem* item) {
    if (m_loading) return;
    if (item->checkState() != Qt::Checked) {
        // Unticking the symbol in force leaves it in force.
        if (!m_series.empty() && lbMarkers->row(item) == toInt(m_series.front()->MarkerStyle())) {
            m_loading = true;
            item->setCheckState(Qt::Checked);
            m_loading = false;
        }
        return;
    }
    const TMarkerStyle style = markerStyleFromInt(lbMarkers->row(item));
    // One symbol at a time: the list behaves as a choice.
    m_loading = true;
    for (int i = 0; i < lbMarkers->count(); ++i)
        if (lbMarkers->item(i) != item) lbMarkers->item(i)->setCheckState(Qt::Unchecked);
    m_loading = false;
    lbMarkers->setCurrentItem(item);
    applyToAll([style](TSeries& s) { s.setMarkerStyle(style); });
}

void TfmMarkerStyle::edSizeChange(int size) {
    applyToAll([size](TSeries& s) { s.setMarkerSize(size); });
}

void TfmMarkerStyle::btFillClick() {
    if (m_series.empty()) return;
    const auto color = uiServices().chooseColor(this, toQColor(m_series.front()->MarkerFillColor()),
                                                QStringLiteral("Fill Color"));
    if (color) applyToAll([c = fromQColor(*color)](TSeries& s) { s.setMarkerFillColor(c); });
}

void TfmMarkerStyle::btPenClick() {
    if (m_series.empty()) return;
    const auto color = uiServices().chooseColor(this, toQColor(m_series.front()->MarkerPenColor()),
                                                QStringLiteral("Pen Color"));
    if (color) applyToAll([c = fromQColor(*color)](TSeries& s) { s.setMarkerPenColor(c); });
}

} // namespace brelt::windows
