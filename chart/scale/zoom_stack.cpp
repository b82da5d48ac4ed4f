#include "chart/scale/zoom_stack.h"

#include <algorithm>
#include <cmath>

namespace brelt::chart {

namespace {

// The smallest rectangle, as a share of the range, that counts as a zoom and not as a click.
constexpr double kMinZoomShare = 1e-4;

double share(double part, double whole) {
    return whole != 0 ? part / whole : 0.0;
}

} // namespace

void ZoomStack::push(const ZoomRecord& current) {
    if (m_records.empty()) m_home = current;
    m_records.push_back(current);
}

std::optional<ZoomRecord> ZoomStack::pop() {
    if (m_records.empty()) return std::nullopt;
    ZoomRecord last = m_records.back();
    m_records.pop_back();
    return last;
}

double toAxisSpace(double value, bool log, double minLogValue) {
    return log ? std::log10(std::max(value, minLogValue)) : value;
}

AnimatedZoomFactors animatedZoomFactors(const ZoomRecord& r, double x, double y, TZoomStyle style) {
    const double f = style == TZoomStyle::zsIn ? 1.0 : -1.0;
    const double width = r.xRight - r.xLeft;
    const double height = r.yTop - r.yBottom;
    AnimatedZoomFactors factors;
    factors.left = f * share(x - r.xLeft, width);
    factors.right = f * share(r.xRight - x, width);
    factors.bottom = f * share(y - r.yBottom, height);
    factors.top = f * share(r.yTop - y, height);
    return factors;
}

ZoomRecord animatedZoomStep(const ZoomRecord& r, const AnimatedZoomFactors& f, double k) {
    const long double width = static_cast<long double>(r.xRight) - r.xLeft;
    const long double height = static_cast<long double>(r.yTop) - r.yBottom;
    ZoomRecord next;
    next.xLeft = static_cast<double>(r.xLeft + k * width * f.left);
    next.yBottom = static_cast<double>(r.yBottom + k * height * f.bottom);
    next.xRight = static_cast<double>(r.xRight - k * width * f.right);
    next.yTop = static_cast<double>(r.yTop - k * height * f.top);
    return next;
}

std::vector<ZoomRecord> animatedZoomPath(const ZoomRecord& ranges, double x, double y, TZoomStyle style,
                                         int steps, double k) {
    std::vector<ZoomRecord> path;
    const AnimatedZoomFactors factors = animatedZoomFactors(ranges, x, y, style);
    ZoomRecord now = ranges;
    for (int i = 0; i < steps; ++i) {
        now = animatedZoomStep(now, factors, k);
        path.push_back(now);
    }
    return path;
}

std::optional<ZoomRecord> rectangleZoom(const ZoomRecord& current, const RectangleZoomInput& in) {
    const double x0 = toAxisSpace(in.x0, in.xLog, in.minLogValue);
    const double x1 = toAxisSpace(in.x1, in.xLog, in.minLogValue);
    const double y0 = toAxisSpace(in.y0, in.yLog, in.minLogValue);
    const double y1 = toAxisSpace(in.y1, in.yLog, in.minLogValue);
    const double xLow = std::min(x0, x1);
    const double xHigh = std::max(x0, x1);
    const double yLow = std::min(y0, y1);
    const double yHigh = std::max(y0, y1);
    if (!std::isfinite(xLow) || !std::isfinite(xHigh) || !std::isfinite(yLow) || !std::isfinite(yHigh))
        return std::nullopt;
    if (yHigh - yLow < kMinZoomShare * std::fabs(current.yTop - current.yBottom)) return std::nullopt;
    if (xHigh - xLow < kMinZoomShare * std::fabs(current.xRight - current.xLeft)) return std::nullopt;
    // A zero-width rectangle on a zero-width range is no zoom either.
    if (xHigh == xLow || yHigh == yLow) return std::nullopt;

    const bool xInverted = current.xLeft > current.xRight;
    const bool yInverted = current.yBottom > current.yTop;
    ZoomRecord next;
    next.xLeft = xInverted ? xHigh : xLow;
    next.xRight = xInverted ? xLow : xHigh;
    next.yBottom = yInverted ? yHigh : yLow;
    next.yTop = yInverted ? yLow : yHigh;
    return next;
}

} // namespace brelt::chart
