#include "chart/view/series_legend.h"

#include "chart/view/text_metrics.h"

#include <QPainter>

#include <cmath>

namespace brelt::chart {

TWLegend::TWLegend(TGraphContext* graph) : TLayer(graph, QStringLiteral("Legend")) {}

TWLegend::~TWLegend() = default;

void TWLegend::Clear() {
    m_entries.clear();
    m_box = QRect();
}

TLineLegend* TWLegend::AddEntry(const QString& text) {
    auto entry = std::make_unique<TLineLegend>(m_graph, text);
    TLineLegend* raw = entry.get();
    m_entries.push_back(std::move(entry));
    return raw;
}

TContourLegend* TWLegend::AddContourEntry(const QString& text) {
    auto entry = std::make_unique<TContourLegend>(m_graph, text);
    TContourLegend* raw = entry.get();
    m_entries.push_back(std::move(entry));
    return raw;
}

void TWLegend::AddEntry(std::unique_ptr<TLegend> entry) {
    if (entry) m_entries.push_back(std::move(entry));
}

void TWLegend::removeEntryOf(const TSeries* series) {
    if (!series) return;
    std::erase_if(m_entries, [series](const auto& e) { return e->series() == series; });
}

int TWLegend::shownCount() const {
    int n = 0;
    for (const auto& e : m_entries)
        if (e->isShown()) ++n;
    return n;
}

QFont TWLegend::font() const {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    return f;
}

int TWLegend::entryWidth() const {
    const QFont f = font();
    int w = 0;
    for (const auto& e : m_entries)
        w = std::max(w, e->GetWidth(f));
    return w + 3;
}

int TWLegend::rowHeight() const {
    return roundEven(1.1 * textHeight(m_graph, font()));
}

void TWLegend::placeEntries(int left, int top) {
    const int h = rowHeight();
    int i = 0;
    for (const auto& e : m_entries) {
        if (!e->isShown()) continue;
        e->SetPosition(left, top + h / 4 + i * h);
        ++i;
    }
}

void TWLegend::layout(QRect& r, bool printingOrPreview, int yLabelSpace) {
    (void)printingOrPreview;
    if (!takesSpace()) {
        m_box = QRect();
        return;
    }
    if (Style == TLegendStyle::lsInside) {
        layoutInside();
        return;
    }
    const int n = shownCount();
    const int w = entryWidth();
    const int h = rowHeight();
    const int rw = r.right() - r.left();
    const int rh = r.bottom() - r.top();
    const int d = m_graph ? m_graph->depth3D() : 0;
    switch (Style) {
    case TLegendStyle::lsRight: {
        const int right = r.right();
        const int left = right - w;
        const int top = r.top() == 0 ? roundEven(0.045 * r.bottom()) : r.top() + roundEven(0.01 * rh);
        const int bottom = top + n * h + roundEven(h / 4.0);
        m_box = QRect(QPoint(left + d, top), QPoint(right + d, bottom));
        placeEntries(left + d, top);
        r.setRight(left - roundEven(0.01 * rw));
        break;
    }
    case TLegendStyle::lsLeft: {
        // The box stands left of the Y axis labels; the plot moves right past both.
        const int left = r.left() - yLabelSpace + roundEven(0.01 * rw);
        const int top = r.top() == 0 ? roundEven(0.045 * r.bottom()) : r.top() + roundEven(0.01 * rh);
        const int bottom = top + n * h + roundEven(h / 4.0);
        m_box = QRect(QPoint(left, top), QPoint(left + w, bottom));
        placeEntries(left, top);
        r.setLeft(left + w + roundEven(0.01 * rw) + yLabelSpace);
        break;
    }
    case TLegendStyle::lsBottom:
    case TLegendStyle::lsTop: {
        const int perRow = std::max(1, rw / std::max(1, w));
        const int rows = (n + perRow - 1) / perRow;
        const int bandHeight = rows * h + roundEven(h / 4.0);
        const int gap = roundEven(0.02 * rh);
        const int columns = std::min(n, perRow);
        const int left = r.left() + std::max(0, (rw - columns * w) / 2);
        int top = 0;
        if (Style == TLegendStyle::lsBottom) {
            top = r.bottom() - gap - bandHeight;
            r.setBottom(r.bottom() - bandHeight - gap);
        } else {
            top = r.top();
            r.setTop(r.top() + bandHeight + gap);
        }
        m_box = QRect(QPoint(left, top), QPoint(left + columns * w, top + bandHeight));
        int i = 0;
        for (const auto& e : m_entries) {
            if (!e->isShown()) continue;
            e->SetPosition(left + (i % perRow) * w, top + h / 4 + (i / perRow) * h);
            ++i;
        }
        break;
    }
    case TLegendStyle::lsInside: break;
    }
}

void TWLegend::layoutInside() {
    if (!takesSpace() || !m_graph) {
        m_box = QRect();
        return;
    }
    const double x = m_graph->xAxisLog() ? std::pow(10.0, InsideX) : InsideX;
    const double y = m_graph->yAxisLog() ? std::pow(10.0, InsideY) : InsideY;
    const int left = m_graph->XToPixel(x);
    const int top = m_graph->YToPixel(y);
    const int h = rowHeight();
    const int right = left + roundEven(1.05 * entryWidth());
    const int bottom = top + shownCount() * h + roundEven(h / 4.0);
    m_box = QRect(QPoint(left, top), QPoint(right, bottom));
    placeEntries(left, top);
}

void TWLegend::Draw() {
    if (!takesSpace() || !m_graph || !m_graph->canvas()) return;
    QPainter& p = *m_graph->canvas();
    p.save();
    p.setClipping(false);
    const int u = std::max(1, m_graph->scaleUnit());
    if (ShadowVisible && ShadowThickness > 0) {
        // An L along the right and bottom edges, s + 1 lines each one pixel further out.
        const int s = u * ShadowThickness;
        p.setPen(QPen(toQColor(ShadowColor), 1));
        for (int k = 1; k <= s + 1; ++k) {
            p.drawLine(m_box.right() + k, m_box.top() + k, m_box.right() + k, m_box.bottom() + k);
            p.drawLine(m_box.left() + k, m_box.bottom() + k, m_box.right() + k, m_box.bottom() + k);
        }
    }
    const QRect fill(m_box.left(), m_box.top(), m_box.right() - m_box.left(), m_box.bottom() - m_box.top());
    if (!TransparentBackGround) p.fillRect(fill, toQColor(Color));
    if (FrameVisible && FrameStyle != 5) {
        p.setPen(QPen(toQColor(FrameColor), std::max(1, FrameThickness), penStyleOf(FrameStyle)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(fill);
    }
    const QFont f = font();
    const int h = rowHeight();
    for (const auto& e : m_entries)
        e->Draw(p, f, h);
    p.restore();
}

void TWLegend::beginDrag(int x, int y) {
    m_dragging = true;
    m_dragOffset = QPoint(x, y) - m_box.topLeft();
}

void TWLegend::dragTo(int x, int y) {
    if (!m_dragging || !m_graph || Style != TLegendStyle::lsInside) return;
    const QPoint corner = QPoint(x, y) - m_dragOffset;
    InsideX = m_graph->PixelToX(corner.x());
    InsideY = m_graph->PixelToY(corner.y());
    layoutInside();
}

} // namespace brelt::chart
