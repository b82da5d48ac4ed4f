#pragma once
// A chart for tests: a QImage canvas, a fixed plot rectangle, the chart's linear transform
// (pixel y grows downwards), owned layers, and records of the services layers call.
#include "chart/data/graph_context.h"
#include "chart/data/layer.h"
#include "chart/data/legend_link.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <cmath>
#include <memory>
#include <vector>

namespace brelt::chart::test {

class FakeLegendEntry : public SeriesLegendEntry {
public:
    void takeSeriesLook(TSeries& s, const SeriesLook& l) override {
        series = &s;
        look = l;
        ++looks;
    }
    void setEntryVisible(bool v) override { visible = v; }
    void seriesDestroyed() override { series = nullptr; }
    TSeries* series = nullptr;
    SeriesLook look;
    int looks = 0;
    bool visible = true;
};

class TestGraph : public TGraphContext {
public:
    explicit TestGraph(QSize size = {400, 300}, QRect plot = {50, 20, 300, 200})
        : m_image(size, QImage::Format_RGB32), m_plot(plot) {
        m_image.fill(Qt::white);
    }

    void setRanges(double left, double bottom, double right, double top) {
        m_ranges = {left, bottom, right, top};
    }
    void setLog(bool x, bool y) {
        m_logX = x;
        m_logY = y;
    }

    // Transform as the chart computes it: Xleft at the left edge, Ybottom at the bottom edge.
    double xAxis(double x) const { return m_logX ? std::log10(std::max(x, minLogValue())) : x; }
    double yAxis(double y) const { return m_logY ? std::log10(std::max(y, minLogValue())) : y; }
    double kx() const { return (m_plot.left() - plotRight()) / (m_ranges.left - m_ranges.right); }
    double bx() const {
        return (plotRight() * m_ranges.left - m_plot.left() * m_ranges.right) /
               (m_ranges.left - m_ranges.right);
    }
    double ky() const { return (m_plot.top() - plotBottom()) / (m_ranges.top - m_ranges.bottom); }
    double by() const { return plotBottom() - ky() * m_ranges.bottom; }
    double plotRight() const { return m_plot.left() + m_plot.width(); }
    double plotBottom() const { return m_plot.top() + m_plot.height(); }

    int XToPixel(double x) const override {
        return static_cast<int>(std::nearbyint(clampPx(kx() * xAxis(x) + bx())));
    }
    int YToPixel(double y) const override {
        return static_cast<int>(std::nearbyint(clampPx(ky() * yAxis(y) + by())));
    }
    double PixelToX(int px) const override { return (px - bx()) / kx(); }
    double PixelToY(int py) const override { return (py - by()) / ky(); }
    QRect GetPlotRect() const override { return m_plot; }
    ChartRanges ranges() const override { return m_ranges; }
    bool xAxisLog() const override { return m_logX; }
    bool yAxisLog() const override { return m_logY; }

    QPainter* canvas() const override { return m_painter.get(); }
    int scaleUnit() const override { return 1; }
    QFont chartFont() const override { return QFont(QStringLiteral("Arial"), 8); }
    int depth3D() const override { return m_depth; }
    bool isDrawing() const override { return m_painter != nullptr; }
    BarMode barMode() const override { return m_barMode; }

    int LayerCount() const override { return static_cast<int>(m_layers.size()); }
    TLayer* Layers(int i) const override { return m_layers.at(static_cast<size_t>(i)).get(); }

    template <class L> L* add(std::unique_ptr<L> layer) {
        L* raw = layer.get();
        m_layers.push_back(std::move(layer));
        return raw;
    }

    // Draws every visible layer into a fresh white image, clipped to the plot rectangle.
    const QImage& drawAll() {
        m_image.fill(Qt::white);
        m_painter = std::make_unique<QPainter>(&m_image);
        for (auto& l : m_layers) {
            m_painter->setClipRect(m_plot.adjusted(-1, -1, 0, 0));
            if (l->Visible()) l->Draw();
        }
        m_painter.reset();
        return m_image;
    }
    const QImage& image() const { return m_image; }

    void Redraw() override { ++redraws; }
    void showError(const QString& text) override { errors << text; }
    SeriesLegendEntry* addLineLegend(TSeries&) override {
        legends.push_back(std::make_unique<FakeLegendEntry>());
        return legends.back().get();
    }
    void showInfo(TSeries&, int index) override { infoIndexes.push_back(index); }
    void setCursor(ChartCursor c) override { cursor = c; }

    QStringList errors;
    std::vector<std::unique_ptr<FakeLegendEntry>> legends;
    std::vector<int> infoIndexes;
    ChartCursor cursor = ChartCursor::Default;
    int redraws = 0;
    int m_depth = 0;
    BarMode m_barMode = BarMode::Clustered;
    std::vector<std::unique_ptr<TLayer>> m_layers;

private:
    static double clampPx(double v) { return std::clamp(v, -4.0e6, 4.0e6); }
    QImage m_image;
    QRect m_plot;
    ChartRanges m_ranges;
    bool m_logX = false;
    bool m_logY = false;
    std::unique_ptr<QPainter> m_painter;
};

} // namespace brelt::chart::test
