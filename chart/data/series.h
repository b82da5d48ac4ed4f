#pragma once
// TSeries: a named, coloured sequence of points in world coordinates, drawn in one of seven
// styles with optional markers. Points stay in insertion order; each record owns its marker.
// The chart owns the series; the series links to (never owns) its legend line.
//
// Reals are stored as doubles and computed in long double. An empty series answers NoValue
// from ValueAt and NearestX and -1 from NearestIndex.
#include "chart/data/graph_data.h"
#include "chart/data/layer.h"
#include "chart/data/legend_link.h"

#include <QPoint>
#include <functional>
#include <memory>
#include <vector>

namespace brelt::chart {

constexpr double NoValue = 123454321.0;

enum class SeriesStyle : std::uint8_t {
    Points = 1,
    Line = 2,
    LineAndPoint = 3,
    PiecewiseConstant = 4,
    Area = 5,
    Bar = 6,
    SingleBar = 7,
};

// Pen styles by their stored index.
enum class LineStyle : std::uint8_t { Solid, Dash, Dot, DashDot, DashDotDot, Clear };

// The eleven saved option flags, in file order (the last, "no legend entry", is derived).
struct SeriesOptions {
    bool highlightSelected = false; // display: the selected series is drawn with a wider pen
    bool allowDelete = false;
    bool allowHide = false;
    bool selectable = false;
    bool selectWhenHidden = false; // with selectable: selection is offered even when hidden
    bool hitTestable = true;       // the series answers the mouse at all
    bool allowInfo = true;
    bool allowDrag = true;
    bool showHitPoint = false; // display: ring around the point under the mouse
    bool allowEdit = false;
};

// Marker rule: a marker at every step-th point and the last one; with few points, at all.
bool markerDrawnAt(int index, int count, int markerStep);

class TSeries : public TLayer {
public:
    using PointHitHandler =
        std::function<void(TSeries&, ShiftState, double x, double y, int index, QPoint pixel)>;
    using MouseUpHandler = std::function<void(TSeries&, ShiftState, double x, double y)>;

    TSeries(TGraphContext* graph, const QString& name, SeriesStyle style, TColor color);
    // Creates an empty series to be filled by LoadFromText.
    explicit TSeries(TGraphContext* graph);
    ~TSeries() override;

    QString className() const override { return QStringLiteral("TSeries"); }
    void LoadFromText(ChartTextReader& reader) override;
    void SaveToText(ChartTextWriter& writer) const override;

    void SetVisible(bool visible) override;
    void Clear() override;
    void Draw() override;
    Extents GetExtents() const override;
    int Count() const override { return static_cast<int>(m_points.size()); }
    const std::vector<LayerMenuItem>& CreateMenu() override;
    void menuAction(const QString& itemName) override;
    void DeleteHit() override;
    bool MouseMove(int x, int y, ShiftState shift) override;
    bool MouseDown(int x, int y, MouseButton button, ShiftState shift) override;
    bool MouseUp(int x, int y, MouseButton button, ShiftState shift) override;
    void SetColor(TColor color) override;

    // Slots the series adds: info bubble, drag, selection, hiding, cursor choice.
    virtual void ShowHitInfo();
    virtual void BeginDrag();
    virtual void ToggleSelection();
    virtual void HideSeries();
    virtual ChartCursor ChooseCursor(ShiftState shift) const;

    TGraphData* AddPoint(TColor color, const QString& name, double x, double y);
    TGraphData* GetData(int index);
    WorldPoint GetPoint(int index);
    QString GetPointName(int index) const;
    // The coordinates of point i without touching CurrentIndex (i in 0..Count-1).
    WorldPoint pointAt(int index) const;
    const TGraphData& record(int index) const { return *m_points[static_cast<size_t>(index)]; }
    double ValueAt(double x) const;
    int NearestIndex(double x) const;
    double NearestX(double x) const;
    // Removes the hit point (DeletePoint) or point k, repairing the successor's Prev.
    void DeletePoint();
    void deletePointAt(int index);
    void EditData();

    // Hit testing in pixels (layer slot 17 without the side effects); -1 when nothing is hit.
    int hitTest(int x, int y) const;
    // Pixel distance from the mouse to point `index`, for choosing between several hit series.
    double hitDistance(int x, int y, int index) const;

    void LinkLegend(SeriesLegendEntry* entry);
    void unlinkLegend() { m_legend = nullptr; }
    SeriesLegendEntry* LegendEntry() const { return m_legend; }
    SeriesLook look() const;

    SeriesStyle Style() const { return m_style; }
    void setSeriesStyle(SeriesStyle style);
    LineStyle lineStyle() const { return m_lineStyle; }
    void setLineStyle(LineStyle style);
    int LineWidth() const { return m_lineWidth; }
    void setLineWidth(int width);
    TMarkerStyle MarkerStyle() const { return m_markerStyle; }
    void setMarkerStyle(TMarkerStyle style);
    int MarkerSize() const { return m_markerSize; }
    void setMarkerSize(int size);
    TColor MarkerFillColor() const { return m_markerFillColor; }
    void setMarkerFillColor(TColor color);
    TColor MarkerPenColor() const { return m_markerPenColor; }
    void setMarkerPenColor(TColor color);
    int MarkerStep() const { return m_markerStep; }
    void setMarkerStep(int step) { m_markerStep = step; }
    double BarWidth() const { return m_barWidth; }
    void setBarWidth(double width) { m_barWidth = width; }
    bool PenFollowsColor() const { return m_penFollowsColor; }
    void setPenFollowsColor(bool follows) { m_penFollowsColor = follows; }
    const QString& Caption() const { return m_caption; }
    void setCaption(const QString& caption) { m_caption = caption; }
    SeriesOptions& options() { return m_options; }
    const SeriesOptions& options() const { return m_options; }
    int CurrentIndex() const { return m_currentIndex; }
    // Modifier masks choosing the action of a press on a point: drag, info, delete.
    ShiftState dragMask() const { return m_dragMask; }
    ShiftState infoMask() const { return m_infoMask; }
    ShiftState deleteMask() const { return m_deleteMask; }
    void setMasks(ShiftState drag, ShiftState info, ShiftState del);
    double hitFraction() const { return m_hitFraction; }

    PointHitHandler OnPointHit;
    MouseUpHandler OnMouseUp;

    // Pen width in device pixels: LineWidth on screen, the width of "a" at LineWidth points when
    // printing.
    double devicePenWidth() const;
    // Derived bar width in pixels for the bar styles (also written into MarkerSize).
    void updateBarMarkerSize();
    // Changes whenever the points are replaced as a whole (Clear): undo records of single points
    // made before no longer apply.
    std::uint64_t pointsSerial() const { return m_pointsSerial; }

private:
    friend struct SeriesUndoAccess; // the undo records put back points and looks exactly

    void relinkLegend();
    void drawLines(QPainter& painter) const;
    void drawSteps(QPainter& painter) const;
    void drawArea(QPainter& painter) const;
    void drawSingleBars(QPainter& painter);
    int singleBarMaxCount() const;
    void drawMarkers(QPainter& painter) const;
    void drawSegment3D(QPainter& painter, QPoint a, QPoint b) const;
    bool insideVisible(const WorldPoint& p) const;
    void readPoint(ChartTextReader& reader);
    void readPointBody(ChartTextReader& reader);
    void finishLoading(bool hadLegend);
    void moveHitPoint(int x, int y);

    std::vector<std::unique_ptr<TGraphData>> m_points;
    SeriesStyle m_style = SeriesStyle::Line;
    LineStyle m_lineStyle = LineStyle::Solid;
    int m_lineWidth = 1;
    TMarkerStyle m_markerStyle = TMarkerStyle::msNone;
    int m_markerSize = 4;
    TColor m_markerFillColor = clBlack;
    TColor m_markerPenColor = clBlack;
    int m_markerStep = 1;
    double m_barWidth = 0.7;
    bool m_penFollowsColor = true;
    SeriesLegendEntry* m_legend = nullptr;
    QString m_caption;
    ShiftState m_dragMask = 0;
    ShiftState m_infoMask = kShift;
    ShiftState m_deleteMask = kCtrl;
    SeriesOptions m_options;
    int m_currentIndex = 0;
    double m_hitFraction = 0.01;
    bool m_dragging = false;
    bool m_dragRecorded = false; // the drag has left its undo record
    std::uint64_t m_pointsSerial = 0;
};

} // namespace brelt::chart
