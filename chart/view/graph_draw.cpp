// The chart's drawing: the steps from the background to the notes, on the screen, on a picture or
// on a printed page.
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

// Clears the drawing flag and the canvas whatever happens inside Draw.
class DrawingGuard {
public:
    DrawingGuard(bool& flag, QPainter*& canvas) : m_flag(flag), m_canvas(canvas) { m_flag = true; }
    ~DrawingGuard() {
        if (m_canvas) m_canvas->setClipping(false);
        m_canvas = nullptr;
        m_flag = false;
    }
    DrawingGuard(const DrawingGuard&) = delete;
    DrawingGuard& operator=(const DrawingGuard&) = delete;

private:
    bool& m_flag;
    QPainter*& m_canvas;
};

} // namespace

void TGraph::Draw() {
    if (m_drawing) {
        // Asked for by a message run between the layers: the picture is drawn again afterwards.
        // The drawing's own callbacks asking for it are ignored.
        if (m_output == OutputKind::Screen && m_inMessages) m_redrawWanted = true;
        return;
    }
    // Each pass runs messages that may change the chart again; a few passes show the last state.
    constexpr int kPasses = 3;
    for (int pass = 0; pass < kPasses; ++pass) {
        m_redrawWanted = false;
        drawScreen();
        m_retired.clear();
        if (!m_redrawWanted) break;
    }
    m_redrawWanted = false;
}

void TGraph::drawScreen() {
    {
        QPainter painter(&m_image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        m_canvas = &painter;
        m_output = OutputKind::Screen;
        m_wholeArea = QRect(QPoint(0, 0), QPoint(m_image.width(), m_image.height()));
        drawSteps();
        m_canvas = nullptr;
    }
    if (m_host) m_host->imageChanged();
}

void TGraph::paintOver(const GraphEvent& paint) {
    if (m_drawing || !paint) return;
    {
        QPainter painter(&m_image);
        DrawingGuard guard(m_drawing, m_canvas);
        m_canvas = &painter;
        m_output = OutputKind::Screen;
        paint(*this);
    }
    if (m_host) m_host->imageChanged();
}

void TGraph::DrawTo(QPaintDevice& device, const QRect& area, OutputKind kind, double sizeFactor) {
    if (m_drawing) return;
    QPainter painter(&device);
    DrawOn(painter, area, kind, sizeFactor);
}

void TGraph::DrawOn(QPainter& painter, const QRect& area, OutputKind kind, double sizeFactor) {
    if (m_drawing) return;
    const QRect screenArea = m_wholeArea;
    const ChartRanges screenRanges = m_ranges;
    painter.save();
    m_canvas = &painter;
    m_output = kind;
    m_wholeArea = area;
    m_sizeFactor = sizeFactor > 0 && std::isfinite(sizeFactor) ? sizeFactor : 1.0;
    drawSteps();
    m_canvas = nullptr;
    m_retired.clear(); // no messages run here, but a layer's own drawing might still retire some
    painter.restore();
    // Back to the screen: its own measures, ranges and plot rectangle.
    m_output = OutputKind::Screen;
    m_sizeFactor = 1.0;
    m_wholeArea = screenArea;
    measureScaleUnit();
    m_ranges = screenRanges;
    Layout();
}

void TGraph::drawSteps() {
    QPainter& p = *m_canvas;
    DrawingGuard guard(m_drawing, m_canvas);
    if (m_host) m_host->setChartCursor(ChartCursor::Hourglass);
    measureScaleUnit();
    p.setClipping(false);
    // Frames, axes and ticks run along the pixel grid and stay sharp; curves are smoothed below.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setPen(Qt::black);
    for (const auto& layer : m_layers) {
        auto* series = dynamic_cast<TSeries*>(layer.get());
        if (!series || !series->Visible()) continue;
        if (series->Style() == SeriesStyle::Bar || series->Style() == SeriesStyle::SingleBar)
            series->setSeriesStyle(m_barMode == BarMode::ZOrdered ? SeriesStyle::SingleBar
                                                                  : SeriesStyle::Bar);
    }
    computeRanges();
    applyMarkerMargins();
    if (m_legend->Style == TLegendStyle::lsInside) m_legend->layoutInside();
    drawBackground();
    if (m_picture.Style == TPictureStyle::psFix) drawPicture();
    drawFrame();
    if (m_picture.Style != TPictureStyle::psFix) drawPicture();
    m_title->Draw(p, monochromeText());
    m_foot->Draw(p, monochromeText());
    drawAxes();
    if (m_legend->Style != TLegendStyle::lsInside) m_legend->Draw();
    m_colorLegend->Draw();
    if (m_beforeDraw) m_beforeDraw(*this);
    const bool quiet = m_animated || m_output != OutputKind::Screen;
    // The layers as they stand now: messages run between them may add, remove or free layers, so
    // each is looked up again before it is drawn.
    std::vector<TLayer*> order;
    order.reserve(m_layers.size());
    for (const auto& layer : m_layers)
        order.push_back(layer.get());
    for (TLayer* layer : order) {
        if (!holdsLayer(layer)) continue;
        if (m_host && !m_animated) {
            const QString verb =
                isPrinting() ? QStringLiteral("\rNow printing ") : QStringLiteral("\tNow draw ");
            m_host->setStatusPanel(2, verb + layer->Name(), -1);
        }
        if (m_host && !quiet) {
            runMessages();
            if (!holdsLayer(layer)) continue;
        }
        setLayerClip();
        if (layer->Visible()) {
            p.save();
            p.setRenderHint(QPainter::Antialiasing, m_antialiased);
            layer->Draw();
            p.restore();
        }
    }
    if (m_annotate->Visible()) {
        setLayerClip();
        p.save();
        p.setRenderHint(QPainter::Antialiasing, m_antialiased);
        m_annotate->Draw();
        p.restore();
    }
    if (m_afterDraw) m_afterDraw(*this);
    p.setClipping(false);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (m_legend->Style == TLegendStyle::lsInside) m_legend->Draw();
    if (m_info->Visible()) m_info->Draw();
    if (m_host) {
        m_host->setChartCursor(ChartCursor::Default);
        m_host->setStatusPanel(2, QString(), -1);
    }
}

void TGraph::drawBackground() {
    QPainter& p = *m_canvas;
    const bool paper = m_output == OutputKind::Printer || m_output == OutputKind::Preview;
    const QRect area(m_wholeArea.left(), m_wholeArea.top(), m_wholeArea.right() - m_wholeArea.left(),
                     m_wholeArea.bottom() - m_wholeArea.top());
    if (!dxfSink()) p.fillRect(area, paper ? QColor(Qt::white) : toQColor(m_backColor));
    if (!m_gradient.Visible || m_gradient.Style == TGradientStyle::gsNone) return;
    // n bands; the first (left or top) has EndColor, the last StartColor.
    const bool horizontal = m_gradient.Style == TGradientStyle::gsLeftRight;
    const int extent = horizontal ? area.width() : area.height();
    const int n = std::min(extent, 256);
    if (n <= 0) return;
    const TColor s = m_gradient.StartColor, e = m_gradient.EndColor;
    auto mix = [n](int end, int start, int i) {
        if (n == 1) return end;
        const long long num = static_cast<long long>(start - end) * i;
        return end + static_cast<int>(std::llround(static_cast<double>(num) / (n - 1)));
    };
    for (int i = 0; i < n; ++i) {
        const int from = static_cast<int>(static_cast<long long>(extent) * i / n);
        const int to = static_cast<int>(static_cast<long long>(extent) * (i + 1) / n);
        const QColor c(mix(redOf(e), redOf(s), i), mix(greenOf(e), greenOf(s), i),
                       mix(blueOf(e), blueOf(s), i));
        if (horizontal)
            p.fillRect(QRect(area.left() + from, area.top(), to - from, area.height()), c);
        else
            p.fillRect(QRect(area.left(), area.top() + from, area.width(), to - from), c);
    }
}

void TGraph::drawFrame() {
    QPainter& p = *m_canvas;
    const TColor frameColor = m_frame.Color == clPlotAreaColor ? m_color : m_frame.Color;
    const TColor lineColor = frameColor == m_color ? darken(frameColor, 128) : frameColor;
    const int w = framePixelWidth();
    const QRect plot(m_plotRect.left(), m_plotRect.top(), m_plotRect.right() - m_plotRect.left(),
                     m_plotRect.bottom() - m_plotRect.top());
    const int d = m_depth3D;
    p.save();
    if (d > 0) {
        // A box: back wall d pixels up and right, the left wall and the floor joining it.
        const QRect back = plot.translated(d, -d);
        p.fillRect(back, toQColor(m_color));
        const QPoint leftWall[] = {plot.topLeft(), back.topLeft(), back.bottomLeft(), plot.bottomLeft()};
        p.setPen(Qt::NoPen);
        p.setBrush(toQColor(darken(m_color, 100)));
        p.drawPolygon(leftWall, 4);
        const QPoint floor[] = {plot.bottomLeft(), back.bottomLeft(), back.bottomRight(), plot.bottomRight()};
        p.setBrush(toQColor(darken(frameColor, 80)));
        p.drawPolygon(floor, 4);
        p.setPen(QPen(toQColor(darken(frameColor, 128)), penPixels(1)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(back);
        p.setPen(QPen(toQColor(lineColor), penPixels(1)));
        p.drawLine(plot.topLeft(), back.topLeft());
        p.drawLine(plot.bottomLeft(), back.bottomLeft());
        p.drawLine(plot.bottomRight(), back.bottomRight());
    } else {
        p.fillRect(plot, toQColor(m_color));
        if (m_frame.Visible && w > 1) {
            // Edges: the outline runs on l, r, t and b; the bands lie just outside it.
            const QColor band = toQColor(frameColor);
            const int l = m_plotRect.left(), r = m_plotRect.right(), t = m_plotRect.top(),
                      b = m_plotRect.bottom();
            p.fillRect(QRect(l - w, t - w, r - l + 2 * w + 1, w), band);
            p.fillRect(QRect(l - w, b + 1, r - l + 2 * w + 1, w), band);
            p.fillRect(QRect(l - w, t, w, b - t + 1), band);
            p.fillRect(QRect(r + 1, t, w, b - t + 1), band);
        }
        if (m_frame.Visible && m_frame.Style != TBorderStyle::bsNone) {
            p.setPen(QPen(toQColor(lineColor), penPixels(1)));
            p.setBrush(Qt::NoBrush);
            p.drawRect(plot);
        }
    }
    p.restore();
}

void TGraph::drawPicture() {
    if (!m_picture.Visible || m_picture.image.isNull()) return;
    QPainter& p = *m_canvas;
    const QRect plot(m_plotRect.left(), m_plotRect.top(), m_plotRect.right() - m_plotRect.left(),
                     m_plotRect.bottom() - m_plotRect.top());
    switch (m_picture.Style) {
    case TPictureStyle::psFix: p.drawImage(m_wholeArea.topLeft(), m_picture.image); break;
    case TPictureStyle::psStretch: p.drawImage(plot, m_picture.image); break;
    case TPictureStyle::psTile:
        p.save();
        p.setClipRect(plot);
        p.drawTiledPixmap(plot, QPixmap::fromImage(m_picture.image));
        p.restore();
        break;
    }
}

void TGraph::setLayerClip() {
    const int d = m_depth3D;
    const QPoint topLeft(m_plotRect.left() - 1, m_plotRect.top() - 1 - d);
    const QPoint bottomRight(m_plotRect.right() - 1 + d, m_plotRect.bottom() - 1);
    m_canvas->setClipRect(QRect(topLeft, bottomRight));
}

} // namespace brelt::chart
