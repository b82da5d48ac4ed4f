#include "chart/view/series_legend.h"

#include "chart/view/text_metrics.h"

#include <QPainter>

#include <algorithm>
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

std::pair<int, std::unique_ptr<TLegend>> TWLegend::takeEntryOf(const TSeries* series) {
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [series](const auto& e) { return series && e->series() == series; });
    if (it == m_entries.end()) return {-1, nullptr};
    const int index = static_cast<int>(it - m_entries.begin());
    std::unique_ptr<TLegend> entry = std::move(*it);
    m_entries.erase(it);
    return {index, std::move(entry)};
}

void TWLegend::insertEntry(int index, std::unique_ptr<TLegend> entry) {
    if (!entry) return;
    const auto at = std::clamp<std::ptrdiff_t>(index, 0, static_cast<std::ptrdiff_t>(m_entries.size()));
    m_entries.insert(m_entries.begin() + at, std::move(entry));
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
    return scaledFont(m_graph, f);
}

QString TWLegend::moreText() const {
    return QStringLiteral("\u2026 and %1 more").arg(m_more);
}

int TWLegend::entryWidth() const {
    const QFont f = font();
    int w = 0;
    for (const auto& e : m_entries)
        w = std::max(w, e->GetWidth(f));
    if (m_more > 0) w = std::max(w, textWidth(m_graph, f, moreText() + kSampleFieldText));
    return w + (m_graph ? scaledPixels(m_graph, 3) : 3);
}

int TWLegend::rowHeight() const {
    return roundEven(1.1 * textHeight(m_graph, font()));
}

void TWLegend::limitTextWidths(int areaWidth) {
    // A name may take a third of the picture's width beside its sample.
    const QFont f = font();
    const int limit = std::max(textWidth(m_graph, f, kSampleFieldText),
                               areaWidth / 3 - textWidth(m_graph, f, kSampleFieldText));
    for (const auto& e : m_entries)
        e->setTextLimit(limit);
}

void TWLegend::arrange(int maxRows, int maxColumns, int& rows, int& columns) {
    const int n = shownCount();
    maxRows = std::max(1, maxRows);
    maxColumns = std::max(1, maxColumns);
    columns = std::min(maxColumns, (n + maxRows - 1) / maxRows);
    columns = std::max(1, columns);
    rows = std::min(maxRows, (n + columns - 1) / columns);
    rows = std::max(1, rows);
    m_drawn = n <= rows * columns ? n : rows * columns - 1;
    m_more = n - m_drawn;
}

void TWLegend::placeEntries(int left, int top, int rows, int drawn, bool downwards, int perRow) {
    const int h = rowHeight();
    const int w = entryWidth();
    auto place = [&](int i) {
        const int column = downwards ? i / std::max(1, rows) : i % std::max(1, perRow);
        const int row = downwards ? i % std::max(1, rows) : i / std::max(1, perRow);
        return QPoint(left + column * w, top + h / 4 + row * h);
    };
    int i = 0;
    for (const auto& e : m_entries) {
        if (!e->isShown()) continue;
        const QPoint at = i < drawn ? place(i) : QPoint(-100000, -100000);
        e->SetPosition(at.x(), at.y());
        ++i;
    }
    m_morePosition = place(drawn);
}

void TWLegend::layout(QRect& r, bool printingOrPreview, int yLabelSpace) {
    (void)printingOrPreview;
    m_drawn = m_more = 0;
    if (!takesSpace()) {
        m_box = QRect();
        return;
    }
    limitTextWidths(r.right() - r.left() + yLabelSpace);
    if (Style == TLegendStyle::lsInside) {
        layoutInside();
        return;
    }
    const int n = shownCount();
    const int h = rowHeight();
    const int rw = r.right() - r.left();
    const int rh = r.bottom() - r.top();
    const int d = m_graph ? m_graph->depth3D() : 0;
    int rows = n, columns = 1;
    switch (Style) {
    case TLegendStyle::lsRight:
    case TLegendStyle::lsLeft: {
        const int top = r.top() == 0 ? roundEven(0.045 * r.bottom()) : r.top() + roundEven(0.01 * rh);
        // Rows down to the bottom of the area; columns up to half its width.
        const int maxRows = (r.bottom() - top - roundEven(h / 4.0)) / std::max(1, h);
        m_more = 0;
        const int oneColumn = entryWidth();
        arrange(maxRows, (rw + yLabelSpace) / 2 / std::max(1, oneColumn), rows, columns);
        const int w = entryWidth(); // the "… and N more" line may widen the columns
        const int bottom = top + rows * h + roundEven(h / 4.0);
        if (Style == TLegendStyle::lsRight) {
            const int right = r.right() - shadowExtent();
            const int left = right - columns * w;
            m_box = QRect(QPoint(left + d, top), QPoint(right + d, bottom));
            placeEntries(left + d, top, rows, m_drawn, true, 0);
            r.setRight(left - roundEven(0.01 * rw));
        } else {
            // The box stands left of the Y axis labels; the plot moves right past both.
            const int left = r.left() - yLabelSpace + roundEven(0.01 * rw);
            m_box = QRect(QPoint(left, top), QPoint(left + columns * w, bottom));
            placeEntries(left, top, rows, m_drawn, true, 0);
            r.setLeft(left + columns * w + roundEven(0.01 * rw) + yLabelSpace);
        }
        break;
    }
    case TLegendStyle::lsBottom:
    case TLegendStyle::lsTop: {
        // Rows of as many entries as fit side by side, in a band of at most a third of the area.
        m_more = 0;
        const int maxRows = std::max(1, rh / 3 / std::max(1, h));
        columns = std::max(1, std::min(n, rw / std::max(1, entryWidth())));
        rows = (n + columns - 1) / columns;
        m_drawn = n;
        if (rows > maxRows) {
            rows = maxRows;
            m_more = n; // the "… and N more" line may widen the entries
            columns = std::max(1, std::min(columns, rw / std::max(1, entryWidth())));
            m_drawn = rows * columns - 1;
            m_more = n - m_drawn;
        }
        const int w = entryWidth();
        const int bandHeight = rows * h + roundEven(h / 4.0);
        const int gap = roundEven(0.02 * rh);
        const int left = r.left() + std::max(0, (rw - columns * w) / 2);
        int top = 0;
        if (Style == TLegendStyle::lsBottom) {
            top = r.bottom() - gap - bandHeight - shadowExtent();
            r.setBottom(top);
        } else {
            top = r.top();
            r.setTop(r.top() + bandHeight + gap);
        }
        m_box = QRect(QPoint(left, top), QPoint(left + columns * w, top + bandHeight));
        placeEntries(left, top, rows, m_drawn, false, columns);
        break;
    }
    case TLegendStyle::lsInside: break;
    }
}

void TWLegend::layoutInside() {
    m_drawn = m_more = 0;
    if (!takesSpace() || !m_graph) {
        m_box = QRect();
        return;
    }
    const double x = m_graph->xAxisLog() ? std::pow(10.0, InsideX) : InsideX;
    const double y = m_graph->yAxisLog() ? std::pow(10.0, InsideY) : InsideY;
    int left = m_graph->XToPixel(x);
    int top = m_graph->YToPixel(y);
    const int h = rowHeight();
    // As many rows as the plot area is high; the box stays inside the plot area.
    const QRect plot = m_graph->GetPlotRect();
    int rows = 1, columns = 1;
    arrange((plot.height() - roundEven(h / 4.0)) / std::max(1, h), 1, rows, columns);
    const int width = roundEven(1.05 * entryWidth());
    const int height = rows * h + roundEven(h / 4.0);
    left = std::max(plot.left(), std::min(left, plot.right() - width));
    top = std::max(plot.top(), std::min(top, plot.bottom() - height));
    m_box = QRect(QPoint(left, top), QPoint(left + width, top + height));
    placeEntries(left, top, rows, m_drawn, true, 0);
}

int TWLegend::shadowExtent() const {
    const int u = m_graph ? std::max(1, m_graph->scaleUnit()) : 1;
    return ShadowVisible && ShadowThickness > 0 ? u * ShadowThickness + 1 : 0;
}

void TWLegend::Draw() {
    if (!takesSpace() || !m_graph || !m_graph->canvas()) return;
    QPainter& p = *m_graph->canvas();
    p.save();
    p.setClipping(false);
    // The box and the samples' lines run along the pixel grid; markers are smoothed as always.
    p.setRenderHint(QPainter::Antialiasing, false);
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
        p.setPen(QPen(toQColor(FrameColor), penPixels(m_graph, std::max(1, FrameThickness)),
                      penStyleOf(FrameStyle)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(fill);
    }
    const QFont f = font();
    const int h = rowHeight();
    int i = 0;
    for (const auto& e : m_entries) {
        if (!e->isShown()) continue;
        if (i++ >= m_drawn) break;
        e->Draw(p, f, h);
    }
    if (m_more > 0) {
        p.setFont(f);
        p.setPen(Qt::black);
        const int field = textWidth(m_graph, f, kSampleFieldText);
        p.drawText(QPoint(m_morePosition.x() + field,
                          m_morePosition.y() + h / 8 + QFontMetrics(f, p.device()).ascent()),
                   moreText());
    }
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
