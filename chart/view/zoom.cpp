#include "chart/view/zoom.h"

#include "chart/view/graph.h"
#include "chart/view/settings_store.h"

#include <QLocale>
#include <QPainter>

#include <cmath>

namespace brelt::chart {

TZoom::TZoom(TGraph& graph) : m_graph(graph) {}

void TZoom::SetChangePerStep(double k) {
    // A step that covers the whole distance or more would collapse or turn the range over.
    if (std::isfinite(k) && k > 0 && k < 1) m_changePerStep = k;
}

void TZoom::ZoomIn() {
    m_enabled = true;
    m_graph.SetAnimated(false);
}

void TZoom::SwitchAnimatedZoom() {
    m_enabled = !m_enabled;
    if (m_enabled) {
        m_rememberedAnimated = m_graph.Animated();
        m_graph.SetAnimated(true);
    } else {
        m_graph.SetAnimated(m_rememberedAnimated);
    }
}

void TZoom::ZoomOut() {
    const bool zoomed = !m_stack.empty() || m_dragging;
    m_stack.clear();
    m_dragging = false;
    m_drawn = QRect();
    m_enabled = false;
    if (zoomed || m_stack.home()) m_graph.SetRanges(m_graph.homeRanges());
    m_graph.Draw();
}

bool TZoom::ZoomPrevious() {
    const auto last = m_stack.pop();
    if (!last) return false;
    applyRanges(*last);
    m_graph.Draw();
    return !m_stack.empty();
}

ZoomRecord TZoom::currentRanges() const {
    const ChartRanges r = m_graph.ranges();
    return {r.left, r.bottom, r.right, r.top};
}

void TZoom::applyRanges(const ZoomRecord& r) {
    m_graph.SetRanges(r.xLeft, r.yBottom, r.xRight, r.yTop);
}

void TZoom::pushCurrentRanges() {
    if (m_stack.empty()) m_graph.saveHomeRanges();
    m_stack.push(currentRanges());
}

void TZoom::MouseDown(int x, int y) {
    if (!m_enabled) return;
    if (m_graph.Animated()) {
        animatedZoom(x, y);
        return;
    }
    const double ax = m_graph.PixelToX(x);
    const double ay = m_graph.PixelToY(y);
    m_pressX = m_graph.xAxisLog() ? std::pow(10.0, ax) : ax;
    m_pressY = m_graph.yAxisLog() ? std::pow(10.0, ay) : ay;
    m_drawn = QRect();
    m_dragging = true;
    if (m_stack.empty()) {
        m_graph.saveHomeRanges();
        m_stack.setHome(currentRanges());
    }
}

void TZoom::animatedZoom(int x, int y) {
    // The click's shares are taken in axis space, so that a logarithmic axis zooms evenly.
    const AnimatedZoomFactors factors =
        animatedZoomFactors(currentRanges(), m_graph.PixelToX(x), m_graph.PixelToY(y), m_style);
    if (m_autoStop) m_dragging = false;
    for (int i = 0; i < m_steps; ++i) {
        const ZoomRecord next = animatedZoomStep(currentRanges(), factors, m_changePerStep);
        pushCurrentRanges();
        applyRanges(next);
        m_graph.Draw();
        if (m_graph.host()) m_graph.host()->processEvents();
    }
    if (m_autoStop) {
        m_enabled = false;
        m_graph.SetAnimated(false);
        m_graph.setCursor(ChartCursor::Default);
    }
}

void TZoom::MouseMove(int x, int y) {
    if (!m_dragging || m_inMove) return;
    m_inMove = true;
    if (!m_drawn.isNull()) drawRubberBand(m_drawn);
    const QPoint press(m_graph.XToPixel(m_pressX), m_graph.YToPixel(m_pressY));
    m_drawn = QRect(press, QPoint(x, y)).normalized();
    drawRubberBand(m_drawn);
    m_inMove = false;
}

bool TZoom::MouseUp(int x, int y) {
    if (!m_dragging) return false;
    const double ax = m_graph.PixelToX(x);
    const double ay = m_graph.PixelToY(y);
    RectangleZoomInput input;
    input.x0 = m_pressX;
    input.y0 = m_pressY;
    input.x1 = m_graph.xAxisLog() ? std::pow(10.0, ax) : ax;
    input.y1 = m_graph.yAxisLog() ? std::pow(10.0, ay) : ay;
    input.xLog = m_graph.xAxisLog();
    input.yLog = m_graph.yAxisLog();
    input.minLogValue = m_graph.minLogValue();
    const auto target = rectangleZoom(currentRanges(), input);
    m_drawn = QRect(); // the engine's Draw paints over the band
    if (target) {
        pushCurrentRanges();
        if (m_autoStop)
            m_enabled = false;
        else
            m_graph.SetAnimated(false);
        m_dragging = false;
        applyRanges(*target);
    } else {
        // A click or a sliver: leave zoom mode, keep the view.
        m_enabled = false;
        m_dragging = false;
    }
    return true;
}

std::optional<ChartCursor> TZoom::cursor() const {
    if (m_dragging) return ChartCursor::ZoomIn;
    if (!m_enabled) return std::nullopt;
    return m_graph.Animated() ? ChartCursor::AniZoom : ChartCursor::ZoomIn;
}

void TZoom::drawRubberBand(const QRect& rect) {
    // The screen bitmap is the engine's; the band is drawn onto it with inverted pixels so that
    // drawing the same band again restores the picture exactly.
    auto& image = const_cast<QImage&>(m_graph.image());
    if (image.isNull() || rect.isNull()) return;
    {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(QBrush(toQColor(m_color), Qt::SolidPattern));
        painter.drawRect(rect);
    }
    if (m_graph.host()) m_graph.host()->imageChanged();
}

void TZoom::SaveSettings(SettingsStore& store, const QString& section) const {
    store.writeInt(section, QStringLiteral("Plot_Zoom_Style"), static_cast<int>(m_style));
    store.writeBool(section, QStringLiteral("Plot_Zoom_ZoomAutoStop"), m_autoStop);
    store.writeInt(section, QStringLiteral("Plot_Zoom_Steps"), m_steps);
    // This key has always held the change per step; written with a point so that it never reads
    // as a colour.
    QString text = QString::number(m_changePerStep, 'g', QLocale::FloatingPointShortest);
    if (!text.contains(QLatin1Char('.')) && !text.contains(QLatin1Char('e'))) text += QStringLiteral(".0");
    store.writeString(section, QStringLiteral("Plot_Zoom_Color"), text);
}

void TZoom::LoadSettings(const SettingsStore& store, const QString& section) {
    const int style = store.readInt(section, QStringLiteral("Plot_Zoom_Style"), static_cast<int>(m_style));
    if (style == 0 || style == 1) m_style = static_cast<TZoomStyle>(style);
    m_autoStop = store.readBool(section, QStringLiteral("Plot_Zoom_ZoomAutoStop"), m_autoStop);
    SetSteps(std::clamp(store.readInt(section, QStringLiteral("Plot_Zoom_Steps"), m_steps), 1, 1000));
    if (const auto value = store.read(section, QStringLiteral("Plot_Zoom_Color"))) {
        const QString text = value->trimmed();
        bool isInteger = false;
        const int colour = text.toInt(&isInteger);
        bool isNumber = false;
        const double k = text.toDouble(&isNumber);
        if (isInteger)
            m_color = colour; // an older file that held the colour here
        else if (isNumber)
            SetChangePerStep(k);
    }
}

} // namespace brelt::chart
