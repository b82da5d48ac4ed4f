#include "chart/view/graph.h"

#include "chart/data/graph_undo.h"
#include "chart/data/series.h"
#include "chart/view/axis.h"
#include "chart/view/color_legend.h"
#include "chart/view/graph_annotate.h"
#include "chart/view/graph_info.h"
#include "chart/view/graph_title.h"
#include "chart/view/series_legend.h"
#include "chart/view/text_metrics.h"
#include "chart/view/zoom.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace brelt::chart {

namespace {

constexpr double kUnset = 123454321.0;
// Pixels are kept within a few million so that far-away points of a zoomed chart cannot overflow.

int clampPixel(long double v) {
    // Rounded in double precision: exact for pixel values, and far quicker than the extended form.
    const double d = static_cast<double>(v);
    if (!(d > -4.0e6)) return -4000000;
    if (!(d < 4.0e6)) return 4000000;
    return static_cast<int>(std::lrint(d));
}

} // namespace

TGraph::TGraph()
    : m_legend(std::make_unique<TWLegend>(this)), m_colorLegend(std::make_unique<TColorLegend>(this)),
      m_title(std::make_unique<TGraphTitle>(this)), m_foot(std::make_unique<TGraphTitle>(this)),
      m_info(std::make_unique<TGraphInfo>(this)), m_annotate(std::make_unique<TGraphAnnotate>(this)),
      m_undo(std::make_unique<TGraphUndo>()) {
    createAxesAndZoom();
    measureScaleUnit();
    m_image = QImage(1, 1, QImage::Format_RGB32);
    m_image.fill(Qt::white);
}

TGraph::~TGraph() {
    // Entries talk to their series: free the legend before the layers.
    m_legend->Clear();
    // The steps go before the layers; nobody is told any more.
    m_undo->OnChange = nullptr;
    m_undo->Clear();
    m_layers.clear();
}

TLayer* TGraph::AddLayer(std::unique_ptr<TLayer> layer) {
    if (!layer) return nullptr;
    layer->setGraph(this);
    m_layers.push_back(std::move(layer));
    layersChanged();
    return m_layers.back().get();
}

std::unique_ptr<TLayer> TGraph::DeleteLayer(int index) {
    if (index < 0 || index >= LayerCount()) return nullptr;
    auto it = m_layers.begin() + index;
    std::unique_ptr<TLayer> layer = std::move(*it);
    m_layers.erase(it);
    layersChanged();
    return layer;
}

void TGraph::ClearLayers() {
    // Legend lines of the series go with them, and the steps that would bring a deleted one back.
    for (const auto& layer : m_layers)
        if (auto* series = dynamic_cast<TSeries*>(layer.get())) m_legend->removeEntryOf(series);
    m_undo->Clear();
    retireLayers();
}

bool TGraph::holdsLayer(const TLayer* layer) const {
    for (const auto& held : m_layers)
        if (held.get() == layer) return true;
    return false;
}

void TGraph::layersChanged() {
    if (m_drawing && m_inMessages) m_redrawWanted = true;
}

void TGraph::runMessages() {
    const bool outer = m_inMessages;
    m_inMessages = true;
    m_host->processEvents();
    m_inMessages = outer;
}

void TGraph::retireLayers() {
    if (m_drawing) {
        // The drawing may be inside one of them (the shade runs messages): they are freed when it ends.
        for (auto& layer : m_layers)
            m_retired.push_back(std::move(layer));
        m_redrawWanted = true;
    }
    m_layers.clear();
}

TLayer* TGraph::Layers(int index) const {
    if (index < 0 || index >= LayerCount()) return nullptr;
    return m_layers[static_cast<std::size_t>(index)].get();
}

void TGraph::Clear() {
    m_legend->Clear();
    m_colorLegend->Clear();
    m_info->Clear();
    m_annotate->Clear();
    m_undo->Clear();
    retireLayers();
    clearAxisLabels();
}

Extents TGraph::GetExtents() const {
    Extents all;
    for (const auto& layer : m_layers) {
        if (!layer->Visible() || layer->Count() == 0) continue;
        const Extents e = layer->GetExtents();
        all.minX = std::min(all.minX, e.minX);
        all.maxX = std::max(all.maxX, e.maxX);
        all.minY = std::min(all.minY, e.minY);
        all.maxY = std::max(all.maxY, e.maxY);
    }
    return all;
}

void TGraph::SetImageSize(const QSize& size) {
    if (m_drawing) return; // never under the painter
    const QSize s(std::max(1, size.width()), std::max(1, size.height()));
    if (m_image.size() == s) return;
    m_image = QImage(s, QImage::Format_RGB32);
    m_image.fill(Qt::white);
}

void TGraph::saveHomeRanges() {
    m_homeRanges = m_ranges;
    m_homePlotRect = m_plotRect;
}

void TGraph::SetRanges(double left, double bottom, double right, double top) {
    m_ranges = {left, bottom, right, top};
    updateAxes();
    Layout();
}

int TGraph::XToPixel(double x) const {
    long double v = x;
    if (xAxisLog()) v = std::log10(std::max<long double>(x, m_minLogValue));
    return clampPixel(m_kx * v + m_bx);
}

int TGraph::YToPixel(double y) const {
    long double v = y;
    if (yAxisLog()) v = std::log10(std::max<long double>(y, m_minLogValue));
    return clampPixel(m_ky * v + m_by);
}

double TGraph::PixelToX(int px) const {
    return static_cast<double>((px - m_bx) / m_kx);
}

double TGraph::PixelToY(int py) const {
    return static_cast<double>((py - m_by) / m_ky);
}

void TGraph::computeTransform() {
    // Degenerate ranges and rectangles are widened so that the transform never divides by zero.
    if (m_ranges.left == m_ranges.right) m_ranges.left -= 1, m_ranges.right += 1;
    if (m_ranges.bottom == m_ranges.top) m_ranges.bottom -= 1, m_ranges.top += 1;
    if (m_plotRect.left() == m_plotRect.right())
        m_plotRect = QRect(QPoint(m_plotRect.left() - 1, m_plotRect.top()),
                           QPoint(m_plotRect.right() + 1, m_plotRect.bottom()));
    if (m_plotRect.top() == m_plotRect.bottom())
        m_plotRect = QRect(QPoint(m_plotRect.left(), m_plotRect.top() - 1),
                           QPoint(m_plotRect.right(), m_plotRect.bottom() + 1));
    const long double left = m_plotRect.left(), right = m_plotRect.right();
    const long double top = m_plotRect.top(), bottom = m_plotRect.bottom();
    const long double xl = m_ranges.left, xr = m_ranges.right, yb = m_ranges.bottom, yt = m_ranges.top;
    m_ky = (top - bottom) / (yt - yb);
    m_by = bottom - m_ky * yb;
    m_kx = (left - right) / (xl - xr);
    m_bx = (right * xl - left * xr) / (xl - xr);
}

int TGraph::framePixelWidth() const {
    if (!m_frame.Visible) return 0;
    return m_frame.Width < 2 ? penPixels(std::max(0, m_frame.Width)) * (m_frame.Width > 0)
                             : unitsToPixels(m_frame.Width);
}

int TGraph::textHeight(const QFont& font, const QString& text) const {
    return chart::textHeight(this, font, text);
}

int TGraph::textWidth(const QFont& font, const QString& text) const {
    return chart::textWidth(this, font, text);
}

void TGraph::measureScaleUnit() {
    // Measured at size 1 and then grown: a font of a fraction of a point measures too coarsely to
    // grow in step with the picture.
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(1.0);
    m_unitOne = std::max(1, chart::textHeight(this, font, QStringLiteral("a")));
    m_scaleUnit = std::max(1, unitsToPixels(1));
}

int TGraph::unitsToPixels(double units) const {
    return roundEven(m_unitOne * m_sizeFactor * units);
}

int TGraph::scaledPixels(double pixels) const {
    return chart::scaledPixels(this, pixels);
}

int TGraph::penPixels(int width) const {
    return chart::penPixels(this, width);
}

QPointF TGraph::toPixelF(double x, double y) const {
    auto pixel = [](long double v) {
        const double d = static_cast<double>(v);
        return std::isfinite(d) ? std::clamp(d, -4.0e6, 4.0e6) : (d > 0 ? 4.0e6 : -4.0e6);
    };
    const double xv = xAxisLog() ? std::log10(std::max(x, m_minLogValue)) : x;
    const double yv = yAxisLog() ? std::log10(std::max(y, m_minLogValue)) : y;
    return QPointF(pixel(m_kx * xv + m_bx), pixel(m_ky * yv + m_by));
}

void TGraph::SetView3D(double v) {
    const double value = std::clamp(v, 0.0, 100.0);
    if (value == m_view3D) return;
    m_view3D = value;
    if (value != 0)
        SetTicks3D();
    else
        SetTicks2D();
}

TColor TGraph::FreeColor() const {
    static constexpr TColor palette[] = {
        clRed,    clBlue, clGreen, clTeal,    clMaroon, clNavy, clPurple, clOlive,
        clSilver, clGray, clBlack, clFuchsia, clLime,   clAqua, clYellow, rgbColor(206, 193, 168)};
    auto used = [this](TColor c) {
        for (const auto& layer : m_layers)
            if (layer->GetColor() == c) return true;
        return false;
    };
    for (TColor c : palette) {
        if (used(c)) continue;
        if (c != m_color) return c;
        break;
    }
    for (TColor c : palette) {
        const TColor dark = darken(c, 32);
        if (!used(dark) && dark != m_color) return dark;
    }
    return -1;
}

TMarkerStyle TGraph::FreeMarker() const {
    for (int style = 1; style <= 48; ++style) {
        bool used = false;
        for (const auto& layer : m_layers) {
            const auto* series = dynamic_cast<const TSeries*>(layer.get());
            if (series && toInt(series->MarkerStyle()) == style) {
                used = true;
                break;
            }
        }
        if (!used) return markerStyleFromInt(style);
    }
    return TMarkerStyle::msRect;
}

int TGraph::MaxMarkerSize() const {
    int size = 0;
    for (const auto& layer : m_layers) {
        const auto* series = dynamic_cast<const TSeries*>(layer.get());
        if (series && series->Visible()) size = std::max(size, series->MarkerSize());
    }
    return size;
}

void TGraph::computeRanges() {
    int bars = 0;
    for (const auto& layer : m_layers) {
        const auto* series = dynamic_cast<const TSeries*>(layer.get());
        if (series && (series->Style() == SeriesStyle::Bar || series->Style() == SeriesStyle::SingleBar))
            ++bars;
    }
    if (bars >= 2 && (m_barMode == BarMode::Stacked || m_barMode == BarMode::Stacked100)) switchOffYAutoMin();
    if (zoomInForce()) {
        SetRanges(m_ranges);
        return;
    }
    Extents e = GetExtents();
    if (e.minX > e.maxX) e.minX = 0, e.maxX = 1; // no data: 0 to 1
    if (e.minY > e.maxY) e.minY = 0, e.maxY = 1;
    auto end = [this](const AxisFacts& a, bool isMin, double data) {
        double v = data;
        const bool automatic = isMin ? a.autoMin : a.autoMax;
        const double fixed = isMin ? a.minimum : a.maximum;
        if (!automatic && fixed != kUnset) v = fixed;
        if (a.log) v = std::log10(std::max(v, m_minLogValue));
        return v;
    };
    const AxisFacts x = xFacts();
    const AxisFacts y = yFacts();
    double left = end(x, true, e.minX), right = end(x, false, e.maxX);
    double bottom = end(y, true, e.minY), top = end(y, false, e.maxY);
    if (x.invert) std::swap(left, right);
    if (y.invert) std::swap(bottom, top);
    SetRanges(left, bottom, right, top);
}

void TGraph::applyMarkerMargins() {
    if (m_clipMarkers || zoomInForce() || m_layers.empty()) return;
    bool bars = false;
    for (const auto& layer : m_layers) {
        const auto* series = dynamic_cast<const TSeries*>(layer.get());
        if (series && (series->Style() == SeriesStyle::Bar || series->Style() == SeriesStyle::SingleBar))
            bars = true;
    }
    const AxisFacts x = xFacts();
    const AxisFacts y = yFacts();
    if (bars && x.log) return;
    const int m = MaxMarkerSize();
    const int a = bars ? roundEven(m * 2.0 / 3.0) : unitsToPixels(m * 1.6);
    const long double pixels = m == 0 ? 2 : a + 1;
    const double dx = static_cast<double>(pixels / std::fabs(m_kx));
    const double dy = static_cast<double>(pixels / std::fabs(m_ky));
    // Inverted: the minimum is at the right end, the maximum at the left.
    if (x.autoMin) {
        if (x.invert)
            m_ranges.right -= dx;
        else
            m_ranges.left -= dx;
    }
    if (x.autoMax) {
        if (x.invert)
            m_ranges.left += dx;
        else
            m_ranges.right += dx;
    }
    const double yRange = std::fabs(m_ranges.top - m_ranges.bottom);
    const double lowValue = y.invert ? m_ranges.top : m_ranges.bottom;
    double minMargin = dy, maxMargin = dy;
    if (bars) {
        minMargin = (y.invert || lowValue == 0) ? 0 : 0.05 * yRange;
        maxMargin = 0.05 * yRange;
    }
    if (y.autoMin) {
        if (y.invert)
            m_ranges.top -= minMargin;
        else
            m_ranges.bottom -= minMargin;
    }
    if (y.autoMax) {
        if (y.invert)
            m_ranges.bottom += maxMargin;
        else
            m_ranges.top += maxMargin;
    }
    computeTransform();
}

void TGraph::Layout() {
    const AxisFacts x = xFacts();
    const AxisFacts y = yFacts();
    const QRect area = m_wholeArea;
    int left = area.left(), top = area.top(), right = area.right(), bottom = area.bottom();
    // 1. Room at the right.
    if (y.visible) {
        const bool side = m_legend->takesSpace() && (m_legend->Style == TLegendStyle::lsRight ||
                                                     m_legend->Style == TLegendStyle::lsLeft);
        right = roundEven((side ? 0.98 : 0.97) * right);
    }
    // 2. Depth of the 3D view.
    m_depth3D = roundEven((right - left) * m_view3D / 200.0);
    right -= m_depth3D;
    // 3. The Y labels and name at the left.
    if (y.visible) {
        left = area.left() + roundEven(1.8 * textHeight(y.labelFont, QStringLiteral("()")));
        if (y.ticksOut) left += unitsToPixels(y.majorLength);
        if (!y.name.isEmpty()) left += textHeight(y.nameFont, QStringLiteral("()"));
    }
    // 4. Title, legends, foot.
    QRect r(QPoint(left, top), QPoint(right, bottom));
    // The title keeps a third of its line height from the top edge.
    if (m_title->shown())
        r.setTop(
            r.top() +
            roundEven(textHeight(scaledFont(this, m_title->Font.toQFont()), QStringLiteral("()")) / 3.0));
    m_title->reserveTop(r);
    m_legend->layout(r, m_output == OutputKind::Printer || m_output == OutputKind::Preview,
                     left - area.left());
    m_colorLegend->layout(r);
    m_foot->reserveBottom(r);
    m_title->setSpan(r.left(), r.right());
    m_foot->setSpan(r.left(), r.right());
    left = r.left(), top = r.top(), right = r.right(), bottom = r.bottom();
    // 5. A wide frame.
    const int w = framePixelWidth();
    if (m_frame.Visible && w > 1) left += w - 1, top += w - 1, right -= w - 1, bottom -= w - 1;
    // 6. Top gap.
    const int height = bottom - top;
    double gap = x.visible ? 0.05 * height : 0;
    if (m_title->hasText()) gap = 0.01 * height;
    top += roundEven(gap) + m_depth3D;
    // 7. Bottom: ticks, labels, name.
    if (x.visible) {
        if (x.ticksOut) bottom -= unitsToPixels(x.majorLength);
        const double factor = m_foot->hasText() ? 1.75 : 2.1;
        bottom -= roundEven(factor * textHeight(x.labelFont, QStringLiteral("()")));
        if (!x.name.isEmpty()) bottom -= textHeight(x.nameFont, QStringLiteral("()"));
    }
    // 8. Aspect lock.
    if (m_exaggerate > 0) {
        const long double a = std::fabs(static_cast<long double>(m_ranges.right) - m_ranges.left);
        const long double b =
            m_exaggerate * std::fabs(static_cast<long double>(m_ranges.top) - m_ranges.bottom);
        const int width = right - left, h = bottom - top;
        if (a > 0 && b > 0 && width > 0 && h > 0) {
            int newW = width, newH = h;
            if (a > b) {
                newH = static_cast<int>(std::trunc(b * width / a));
                if (newH > h) newH = h, newW = static_cast<int>(std::trunc(a * h / b));
            } else {
                newW = static_cast<int>(std::trunc(a * h / b));
                if (newW > width) newW = width, newH = static_cast<int>(std::trunc(b * width / a));
            }
            left += (width - newW) / 2;
            top += (h - newH) / 2;
            right = left + newW;
            bottom = top + newH;
        }
    }
    // 9 and 10. Degenerate cases are widened inside the transform.
    m_plotRect = QRect(QPoint(left, top), QPoint(std::max(left, right), std::max(top, bottom)));
    computeTransform();
    // 11.
    if (m_legend->Style == TLegendStyle::lsInside) m_legend->layoutInside();
}

} // namespace brelt::chart
