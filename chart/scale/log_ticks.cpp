// Ticks of a logarithmic axis: ten equal linear steps per decade, the decade starts major.
#include "chart/scale/ticks.h"

#include <algorithm>
#include <cmath>

namespace brelt::chart {

namespace {

// Decades beyond this many are not walked tick by tick (a range of 1e-300 to 1e300 still is).
constexpr long double kMaxDecades = 1000;
// Tolerance, in decades, for a tick to count as inside the range.
constexpr long double kInside = 1e-9L;

} // namespace

std::vector<Tick> logTicks(double left, double right) {
    std::vector<Tick> ticks;
    const long double lo = std::min(left, right);
    const long double hi = std::max(left, right);
    if (!std::isfinite(lo) || !std::isfinite(hi) || hi - lo > kMaxDecades) return ticks;

    // Start at the whole decade at or below the lower end; count ten ticks per decade from there.
    const long double start = std::floor(lo);
    const int count = static_cast<int>(std::nearbyint(10 * (hi - start))) + 1;
    const int firstDecade = static_cast<int>(start);
    ticks.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int decade = firstDecade + i / 10;
        const int inDecade = i % 10;
        const long double base = std::pow(10.0L, decade);
        const long double value = base + inDecade * (10 * base - base) * 0.1L;
        const long double position = std::log10(value);
        if (position < lo - kInside || position > hi + kInside) continue;
        Tick tick;
        tick.value = static_cast<double>(value);
        tick.major = inDecade == 0;
        if (tick.major) {
            tick.label = "10";
            tick.exponent = std::to_string(decade);
        }
        ticks.push_back(std::move(tick));
    }
    // A range inside one decade holds no decade tick: without help the axis would show no number
    // at all, so its ticks carry their values instead.
    const bool anyMajor = std::any_of(ticks.begin(), ticks.end(), [](const Tick& t) { return t.major; });
    if (!anyMajor) {
        for (Tick& tick : ticks) {
            const int decade = static_cast<int>(std::floor(std::log10(tick.value) + 1e-9));
            const double step = 0.9 * std::pow(10.0, decade);
            tick.major = true;
            tick.label = tickLabel(tick.value, step, std::max(0, 1 - decade));
        }
    }
    if (left > right) std::reverse(ticks.begin(), ticks.end());
    return ticks;
}

} // namespace brelt::chart
