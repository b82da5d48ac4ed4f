#pragma once
// TGraphContext: what a layer may ask of the chart it lives in. The chart engine (TGraph) implements
// it; tests implement it with a plain rectangle and a QImage. Layers never hold a QPainter of
// their own: they draw on canvas() while the chart runs its Draw.
//
// Coordinates: ranges and PixelTo* results are in axis space (decimal logarithms on a
// logarithmic axis); XToPixel/YToPixel take data values and apply the logarithm themselves.
// Implementations must keep the returned pixels in a safe integer range (a few million) so that
// far-away points of a zoomed chart cannot overflow.
#include "chart/data/color.h"
#include "chart/data/marker_style.h"

#include <QFont>
#include <QPointF>
#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>

class QPainter;

namespace brelt::chart {

class TLayer;
class TSeries;
class SeriesLegendEntry;
class TGraphUndo;
class UndoRecord;

// Modifier keys as the series' modifier masks count them.
using ShiftState = std::uint8_t;
constexpr ShiftState kShift = 1;
constexpr ShiftState kAlt = 2;
constexpr ShiftState kCtrl = 4;

enum class MouseButton { Left, Right, Middle };

// How the chart arranges the bars of several bar series at one point index.
enum class BarMode { Clustered, ZOrdered, Stacked, Stacked100 };

// Mouse cursors the chart draws itself; the numbers are the resource numbers.
enum class ChartCursor {
    Default = 0,
    Hourglass = 1,
    ZoomIn = 100,
    MoveIt = 101,
    SerAdd = 102,
    SerDel = 103,
    SerSel = 104,
    Transform = 105,
    AniZoom = 106,
    PanRea = 107,
    PanPro = 108,
    SerInf = 200,
};

// Four range values of a chart in axis space. With an inverted axis left (bottom) is the larger.
struct ChartRanges {
    double left = 0;
    double bottom = 0;
    double right = 1;
    double top = 1;
};

// Receives line segments while a drawing-exchange export runs. Brelt's exporter implements it;
// until then no chart hands one out and series draw on the canvas.
class DxfSink {
public:
    virtual ~DxfSink() = default;
    virtual void line(const QString& layerName, double x1, double y1, double x2, double y2, TColor color) = 0;
};

class TGraphContext {
public:
    virtual ~TGraphContext() = default;

    // Transforms (rounded to the nearest pixel, halves to even).
    virtual int XToPixel(double x) const = 0;
    virtual int YToPixel(double y) const = 0;
    virtual double PixelToX(int px) const = 0;
    virtual double PixelToY(int py) const = 0;
    virtual QRect GetPlotRect() const = 0;
    virtual ChartRanges ranges() const = 0;
    virtual bool xAxisLog() const = 0;
    virtual bool yAxisLog() const = 0;
    virtual double minLogValue() const { return 1e-10; }

    // Drawing state, valid while the chart draws.
    virtual QPainter* canvas() const = 0;
    virtual int scaleUnit() const = 0; // height of "a" in the canvas font at size 1, in pixels
    virtual QFont chartFont() const = 0;
    // How many times larger than on screen the chart is drawn (a large picture, a print): fonts,
    // line widths, markers and gaps all grow by it. 1 on screen.
    virtual double sizeFactor() const { return 1.0; }
    // A point's pixel position before rounding, for lines drawn smoothed between pixels.
    virtual QPointF toPixelF(double x, double y) const { return QPointF(XToPixel(x), YToPixel(y)); }
    virtual int depth3D() const { return 0; } // 0 in the flat view
    virtual bool isPrinting() const { return false; }
    virtual bool isDrawing() const = 0;
    virtual TColor plotAreaColor() const { return clWhite; }
    virtual DxfSink* dxfSink() const { return nullptr; }

    // The layer list (owned by the chart) and what is derived from it.
    virtual int LayerCount() const = 0;
    virtual TLayer* Layers(int index) const = 0;
    virtual BarMode barMode() const { return BarMode::Clustered; }
    virtual TColor FreeColor() const { return clRed; }
    virtual TMarkerStyle FreeMarker() const { return TMarkerStyle::msRect; }

    // Lets pending window messages run from inside a long Draw (the colour shade); the chart
    // does nothing while printing, previewing or animated. The layer may be freed meanwhile.
    virtual void processPendingEvents() {}

    // Services a layer calls on user actions. The defaults do nothing, so a bare chart works.
    virtual void Redraw() {}
    virtual void showError(const QString& text) { (void)text; } // modal box with one OK button
    virtual QString loadErrorFormat() const {
        return QStringLiteral("Object %s can not load self from line: %d");
    }
    // Creates a line entry in the series legend for the series and returns it (null: no legend).
    virtual SeriesLegendEntry* addLineLegend(TSeries& series) {
        (void)series;
        return nullptr;
    }
    virtual void showInfo(TSeries& series, int index) {
        (void)series;
        (void)index;
    }
    virtual void beginDrag(TSeries& series, int index) {
        (void)series;
        (void)index;
    }
    virtual bool editSeriesData(TSeries& series) {
        (void)series;
        return false;
    }
    // The chart's undo store (chart/data/graph_undo.h); none in a bare chart, which then keeps no
    // records.
    virtual TGraphUndo* undoStore() const { return nullptr; }
    // Hands an edit's record to the undo store, if any.
    void recordUndo(std::unique_ptr<UndoRecord> record);
    virtual void setCursor(ChartCursor cursor) { (void)cursor; }
    virtual void showLayerProperties(TLayer& layer) { (void)layer; }
};

} // namespace brelt::chart
