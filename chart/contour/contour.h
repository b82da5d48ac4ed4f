#pragma once
// TContour: the chart layer of a function of two variables on a rectilinear grid, drawn as
// contour lines with level labels or as a colour shade of the whole plot area.
//
// For the contour window and the calculator:
//  - create it from the tabulated grid (Z matrix nx x ny with Z(i, j) = f(X_i, Y_j), the Y and X
//    vectors, ascending) with a level count and the shade switch; it copies the grid. In line mode
//    it generates LevelCount levels at once, in shade mode it sets the colour scale's cut-offs to
//    the grid's extremes (flags off) and generates nothing;
//  - add it to the chart (TPlot::AddContour); the chart owns it;
//  - SetEditMode for the mouse (ContourEditMode, 0..5): none, add a contour through the clicked
//    point, delete every polyline of the clicked level, move a label, show and move a label, hide
//    a label. A left press in the plot then runs the action and redraws the chart; the cursor
//    follows the mode. The chart's zoom takes left presses first, so it is switched off while a
//    mode other than none is on. The actions are also callable with world coordinates;
//  - a chart with a contour map shows "Z=" under the mouse; the colour legend shows its scale
//    once given the contour (TColorLegend::setContour), the series legend takes a contour entry
//    (TPlotLegend::AddContourEntry);
//  - the colour scale is programColorScale() (chart/contour/color_scale.h); scaleRange() says
//    which range it takes while this layer draws, as the colour legend shows it;
//  - ValueAt(x, y) is the grid interpolated at a world point (the status bar's "Z=");
//  - each edit action leaves an undo record with the chart (chart/contour/contour_undo.h).
// Coordinates of the edit calls and of the lines are world coordinates.
#include "chart/contour/contour_join.h"
#include "chart/contour/contour_label.h"
#include "chart/contour/contour_trace.h"
#include "chart/data/grid.h"
#include "chart/data/layer.h"

#include <QFont>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace brelt::chart {

// The contour's EditMode, numbered as the contour window's buttons count them (0..5).
enum class ContourEditMode { None, AddContour, DeleteContour, MoveLabel, ShowLabel, HideLabel };

// A segment of a polyline: from points[index] to points[index + 1].
struct ContourSegmentHit {
    ContourPolyline* line = nullptr;
    int index = 0;
};

class TContour : public TLayer {
public:
    TContour(TGraphContext* graph, bool colorShade, int levelCount, const TMatrix& zGrid,
             const TVector& yGrid, const TVector& xGrid);
    ~TContour() override;

    QString className() const override { return QStringLiteral("TContour"); }
    void Draw() override;
    Extents GetExtents() const override; // X range of XGrid, Y range of YGrid
    int Count() const override;          // grid points: a contour map always has extents
    bool MouseMove(int x, int y, ShiftState shift) override;
    bool MouseDown(int x, int y, MouseButton button, ShiftState shift) override;

    // The grid and what is derived from it.
    const TVector& XGrid() const { return m_x; }
    const TVector& YGrid() const { return m_y; }
    const TMatrix& ZGrid() const { return m_z; }
    double ValueAt(double x, double y) const;
    double ZMin() const { return m_zMin; }
    double ZMax() const { return m_zMax; }
    double LevelMin() const { return m_levelMin; }
    double LevelMax() const { return m_levelMax; }
    double LevelStep() const { return m_levelStep; }
    int LevelCount() const { return m_levelCount; }
    // Discards all lines and labels and generates `count` levels with their labels.
    void GenerateLevels(int count);

    bool ColorShade() const { return m_colorShade; }
    // Switching to lines generates LevelCount levels when there are none; labels show in line mode.
    void SetColorShade(bool shade);
    int LabelDigits() const { return m_labelDigits; }
    void SetLabelDigits(int digits); // rewrites every label's text
    bool LabelsVisible() const { return m_labelsVisible; }
    void SetLabelsVisible(bool visible) { m_labelsVisible = visible; }
    QFont LabelFont;             // "Arial" 8
    TColor LabelColor = clBlack; // the label font's colour
    ContourEditMode EditMode() const { return m_editMode; }
    void SetEditMode(ContourEditMode mode) { m_editMode = mode; }

    // The colour scale's range while this layer draws: (top, bottom). Lines: ZMax, ZMin. Shade:
    // the upper cut-off when its flag is set, else ZMax; the lower one likewise, else ZMin.
    std::pair<double, double> scaleRange() const;

    const std::vector<std::unique_ptr<ContourPolyline>>& Lines() const { return m_lines; }
    const std::vector<std::unique_ptr<TContourLabel>>& Labels() const { return m_labels; }
    TContourLabel* labelOf(const ContourPolyline* line) const;

    // The edit actions at a world point.
    void AddContourAt(double x, double y);
    void DeleteContourAt(double x, double y);
    void MoveLabelTo(double x, double y);
    void ShowLabelAt(double x, double y);
    void HideLabelAt(double x, double y);
    // Over all segments with distinct ends, the smallest |x1 - x| + |x2 - x| + |y1 - y| + |y2 - y|;
    // the first found wins a tie; none without lines.
    std::optional<ContourSegmentHit> NearestSegment(double x, double y) const;

    // Traces level h (rounded to 12 digits; nothing outside ZMin..ZMax) into polylines, in order.
    std::vector<std::unique_ptr<ContourPolyline>> traceLevel(double h) const;

    // Changes when the lines are generated anew: undo records of clicks made before no longer apply.
    std::uint64_t generation() const { return m_generation; }

private:
    friend struct ContourUndoAccess; // the undo records put lines and labels back in place

    void moveLabel(const ContourSegmentHit& hit);
    std::vector<std::unique_ptr<ContourPolyline>> traceLevel(double h, ContourJoiner& joiner,
                                                             std::vector<ContourSegment>& pieces) const;
    GridView gridView() const;
    void addLines(std::vector<std::unique_ptr<ContourPolyline>> lines, bool labelled);
    void drawLines();
    void drawLabels();
    void drawShade();
    bool insidePlot(int x, int y) const;

    TVector m_x;
    TVector m_y;
    TMatrix m_z;
    bool m_gridOk = false; // sizes fit together and both axes ascend
    bool m_colorShade = false;
    int m_levelCount = 0;
    double m_zMin = 1e38;
    double m_zMax = -1e38;
    double m_levelMin = 0;
    double m_levelMax = 0;
    double m_levelStep = 0;
    int m_labelDigits = 2;
    bool m_labelsVisible = true;
    ContourEditMode m_editMode = ContourEditMode::None;
    std::vector<std::unique_ptr<ContourPolyline>> m_lines;
    std::vector<std::unique_ptr<TContourLabel>> m_labels;
    std::unique_ptr<ContourTracer> m_tracer;
    JoinTolerance m_tolerance;
    std::uint64_t m_generation = 0;
    // Cleared when the layer dies: the shade lets messages run while it draws, and one of them
    // may free the chart's layers.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

} // namespace brelt::chart
