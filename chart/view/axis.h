#pragma once
// The chart's axes. TAxis keeps what one axis shows (range switches, colours, fonts, tick looks,
// custom labels) and the ticks computed for its last range; TXAxis and TYAxis draw it along the
// bottom and the left edge of the plot area. The tick arithmetic itself is chart/scale's
// ComputeTicks: an axis only stores its result and paints it, so drawing and numbers are tested
// apart. The chart engine (TGraph) owns one axis of each kind.
//
// How the engine uses an axis:
//  - TGraph::SetRanges stores its four ranges, then calls XAxis().UpdateRange(m_ranges) and
//    YAxis().UpdateRange(m_ranges): each axis computes its ticks and, unless a zoom is in force,
//    writes its rounded automatic ends back into the ranges it was given. Then Layout runs.
//  - TGraph::Draw (step 10) calls XAxis().Draw() and YAxis().Draw() while the canvas is set.
//  - Decimals() gives the digits of the status-bar read-out.
#include "chart/data/color.h"
#include "chart/scale/ticks.h"
#include "chart/view/chart_font.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

class QPainter;
class QPaintDevice;

namespace brelt::chart {

class TGraph;
class SettingsStore;
struct ChartRanges;

// A Minimum or Maximum that holds this value takes the data's end instead.
inline constexpr double kAxisUnset = 123454321.0;

enum class TTicksDirection { tdOut, tdIN };

struct TAxisTicks {
    TTicksDirection Direction = TTicksDirection::tdOut;
    bool MajorVisible = true;
    bool MinorVisible = true;
    int MajorLength = 8; // in scale units
    int MinorLength = 3;
    bool operator==(const TAxisTicks&) const = default;
};

// A text shown instead of the numbers at a value of the axis (with numeric labels off).
struct AxisCustomLabel {
    QString text;
    double value = 0.0;
};

class TAxis {
public:
    explicit TAxis(TGraph& graph);
    virtual ~TAxis() = default;
    TAxis(const TAxis&) = delete;
    TAxis& operator=(const TAxis&) = delete;

    // Slots, in the order the chart's engine knows them.
    virtual void SetColor(TColor color) { m_color = color; }
    virtual TColor GetColor() const { return m_color; }
    virtual void Draw() = 0;
    // Room for bars: the first tick moves `before` steps down, the upper end `after` steps up,
    // and the chart takes the new ends.
    virtual void Extend(int before, int after);
    // Ticks for [min, max] in axis space (either order); false, keeping the previous ticks, for a
    // zero or non-finite range.
    virtual bool ComputeTicks(double min, double max);
    virtual void UpdateRange(ChartRanges& ranges);

    // Published properties.
    bool Visible() const { return m_visible; }
    void SetVisible(bool v) { m_visible = v; }
    bool Grid() const { return m_grid; }
    void SetGrid(bool v) { m_grid = v; }
    TColor GridColor() const { return m_gridColor; }
    void SetGridColor(TColor c) { m_gridColor = c; }
    bool AutoMin() const { return m_autoMin; }
    void SetAutoMin(bool v) { m_autoMin = v; }
    bool AutoMax() const { return m_autoMax; }
    void SetAutoMax(bool v) { m_autoMax = v; }
    bool Log() const { return m_log; }
    void SetLog(bool v) { m_log = v; }
    bool Invert() const { return m_invert; }
    void SetInvert(bool v) { m_invert = v; }
    double Minimum() const { return m_minimum; }
    void SetMinimum(double v) { m_minimum = v; }
    double Maximum() const { return m_maximum; }
    void SetMaximum(double v) { m_maximum = v; }
    const QString& Name() const { return m_name; }
    void SetName(const QString& name) { m_name = name.left(255); }
    TChartFont& Font() { return m_font; }
    const TChartFont& Font() const { return m_font; }
    TChartFont& NameFont() { return m_nameFont; }
    const TChartFont& NameFont() const { return m_nameFont; }
    TAxisTicks& Ticks() { return m_ticks; }
    const TAxisTicks& Ticks() const { return m_ticks; }

    // Engine-side switches.
    bool axisLine() const { return m_axisLine; } // off in the 3D view
    void setAxisLine(bool v) { m_axisLine = v; }
    bool numericLabels() const { return m_numericLabels; }
    void setNumericLabels(bool v) { m_numericLabels = v; }
    int labelInterval() const { return m_labelInterval; } // every n-th major tick is labelled
    void setLabelInterval(int n) { m_labelInterval = n > 0 ? n : 1; }
    int lineWidth() const { return m_lineWidth; }

    void AddCustomLabel(const QString& text, double value) { m_customLabels.push_back({text, value}); }
    void ClearCustomLabels() { m_customLabels.clear(); }
    const std::vector<AxisCustomLabel>& customLabels() const { return m_customLabels; }

    // Results of the last tick computation.
    const TickScale& tickScale() const { return m_scale; }
    int Decimals() const { return m_scale.decimals; }
    double firstTick() const { return m_scale.firstTick; }
    double tickStep() const { return m_scale.step; }
    int tickCount() const { return m_scale.count; }
    int minorTicksPerMajor() const { return m_scale.minorPerMajor; }
    // The ticks Draw walks, in data values, from the left (bottom) end of the chart's range.
    std::vector<Tick> ticksToDraw() const;

    // "Plot_" + keyName() + suffix in `section`.
    virtual QString keyName() const = 0;
    void SaveSettings(SettingsStore& store, const QString& section) const;
    void LoadSettings(const SettingsStore& store, const QString& section);

protected:
    // This axis's two ends in the chart's ranges: (left, right) or (bottom, top).
    virtual std::pair<double, double> endsOf(const ChartRanges& ranges) const = 0;
    virtual void setEnds(ChartRanges& ranges, double first, double second) const = 0;
    virtual int axisLength() const = 0; // pixels along the axis
    // Pen and text colour: black on paper and in picture files.
    QColor penColor() const;
    QColor textColor() const;
    // The label fonts on the current canvas: a label, and the exponent raised after it ("10" and
    // the decade, "1.5×10" and the scientific exponent).
    struct LabelLook {
        LabelLook(const TAxis& axis, const QPaintDevice* device);
        int width(const Tick& tick) const;
        int height(bool withExponent) const;
        // The label with its left edge at `left` and its top (the exponent's top) at `top`.
        void draw(QPainter& painter, int left, int top, const Tick& tick) const;

        QFont base;
        QFont small;
        QFontMetrics baseMetrics;
        QFontMetrics smallMetrics;
        int gap = 1;   // between a label and its exponent
        int raise = 0; // how much lower a label with an exponent sits than the exponent's top
    };
    // Which of `ticks` get their label: all majors when they stand clear of each other, else only
    // every n-th, n = 1, 2, 5, 10, ... times the label interval, counted on the majors' places.
    // `along` gives a value's position in walking order, `farEdge` the axis's end in that measure.
    std::vector<bool> labelledTicks(const std::vector<Tick>& ticks, const std::function<int(double)>& along,
                                    int farEdge, const LabelLook& look) const;

    TGraph& m_graph;

private:
    bool m_visible = true;
    TColor m_color = clBlack;
    TColor m_gridColor = clSilver;
    bool m_autoMin = true;
    bool m_autoMax = true;
    bool m_invert = false;
    bool m_log = false;
    bool m_grid = false;
    double m_minimum = kAxisUnset;
    double m_maximum = kAxisUnset;
    int m_lineWidth = 1;
    double m_rangeLow = 0.0; // the ends last given to the tick computation
    double m_rangeHigh = 1.0;
    TickScale m_scale;
    bool m_hasScale = false; // ticks were computed at least once
    int m_labelInterval = 1;
    QString m_name;
    TChartFont m_font;
    TChartFont m_nameFont;
    TAxisTicks m_ticks;
    bool m_axisLine = true;
    bool m_numericLabels = true;
    bool m_extending = false; // Extend is handing its ends to the chart: keep the ticks
    std::vector<AxisCustomLabel> m_customLabels;
};

class TXAxis final : public TAxis {
public:
    explicit TXAxis(TGraph& graph) : TAxis(graph) {}
    void Draw() override;
    void Extend(int before, int after) override { TAxis::Extend(before, after); }
    void UpdateRange(ChartRanges& ranges) override { TAxis::UpdateRange(ranges); }
    QString keyName() const override { return QStringLiteral("XAxis"); }

protected:
    std::pair<double, double> endsOf(const ChartRanges& ranges) const override;
    void setEnds(ChartRanges& ranges, double first, double second) const override;
    int axisLength() const override;
};

class TYAxis final : public TAxis {
public:
    explicit TYAxis(TGraph& graph) : TAxis(graph) {}
    void Draw() override;
    void Extend(int before, int after) override { TAxis::Extend(before, after); }
    void UpdateRange(ChartRanges& ranges) override { TAxis::UpdateRange(ranges); }
    QString keyName() const override { return QStringLiteral("YAxis"); }

protected:
    std::pair<double, double> endsOf(const ChartRanges& ranges) const override;
    void setEnds(ChartRanges& ranges, double first, double second) const override;
    int axisLength() const override;
};

// Tick presets of the 3D and the flat view (TGraph::SetTicks3D / SetTicks2D call these).
// 2D leaves the Y major length as it was.
void applyTicks3D(TXAxis& x, TYAxis& y, int frameWidth);
void applyTicks2D(TXAxis& x, TYAxis& y);

} // namespace brelt::chart
