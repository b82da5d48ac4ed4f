#pragma once
// The chart's zoom history without any widget: ranges are pushed before each zoom step and taken
// back one at a time; the home ranges are the ones in force before the first zoom. The zoom
// geometry (animated steps towards or away from a point, the rectangle of a drag) is computed
// here too, in the chart's axis space (decimal logarithms on a logarithmic axis).
#include <cstddef>
#include <optional>
#include <vector>

namespace brelt::chart {

struct ZoomRecord {
    double xLeft = 0.0;
    double yBottom = 0.0;
    double xRight = 1.0;
    double yTop = 1.0;
    bool operator==(const ZoomRecord&) const = default;
};

enum class TZoomStyle { zsIn, zsOut };

class ZoomStack {
public:
    // Pushes the ranges in force before a zoom step; the first push also makes them home.
    void push(const ZoomRecord& current);
    // Takes the last record off (empty when there is none).
    std::optional<ZoomRecord> pop();
    void clear() { m_records.clear(); }
    // Remembers the ranges a drag starts from (only while nothing is stacked).
    void setHome(const ZoomRecord& home) { m_home = home; }

    bool empty() const { return m_records.empty(); }
    std::size_t size() const { return m_records.size(); }
    const std::vector<ZoomRecord>& records() const { return m_records; }
    std::optional<ZoomRecord> home() const { return m_home; }

private:
    std::vector<ZoomRecord> m_records;
    std::optional<ZoomRecord> m_home;
};

// Share of each range end's distance to the clicked point, fixed at the click: positive towards
// the point (zoom in), negative away from it (zoom out).
struct AnimatedZoomFactors {
    double left = 0.0;
    double right = 0.0;
    double bottom = 0.0;
    double top = 0.0;
};

// x and y are the clicked point in axis space.
AnimatedZoomFactors animatedZoomFactors(const ZoomRecord& ranges, double x, double y, TZoomStyle style);

// One animated step: every end moves k of the range times its factor.
ZoomRecord animatedZoomStep(const ZoomRecord& ranges, const AnimatedZoomFactors& factors, double k);

// The ranges after `steps` animated steps, one record per step, each computed from the previous.
std::vector<ZoomRecord> animatedZoomPath(const ZoomRecord& ranges, double x, double y, TZoomStyle style,
                                         int steps, double k);

struct RectangleZoomInput {
    double x0 = 0.0; // press and release points in data values (not logarithms)
    double y0 = 0.0;
    double x1 = 0.0;
    double y1 = 0.0;
    bool xLog = false;
    bool yLog = false;
    double minLogValue = 1e-10;
};

// The ranges a dragged rectangle zooms to, keeping each axis's direction (an inverted axis stays
// inverted); empty when the rectangle is below 1e-4 of the range in either direction (a click).
std::optional<ZoomRecord> rectangleZoom(const ZoomRecord& current, const RectangleZoomInput& input);

// Axis-space value of a data value: its decimal logarithm (floored at minLogValue) on a log axis.
double toAxisSpace(double value, bool log, double minLogValue);

} // namespace brelt::chart
