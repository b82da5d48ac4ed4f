// Ticks of a logarithmic axis: ten equal linear steps per decade, the decade starts major. A range
// too narrow for two decade ticks gets linear nice ticks with value labels; a range of so many
// decades that ten ticks each would merge into a bar keeps a tick on every k-th decade only.
#include "chart/scale/ticks.h"

#include <algorithm>
#include <cmath>

namespace brelt::chart {

namespace {

// More decades than any axis holds (a double spans about 630); guards the walks.
constexpr long double kMaxDecades = 100000;
// Tolerance, in decades, for a tick to count as inside the range.
constexpr long double kInside = 1e-9L;

bool inside(long double position, long double lo, long double hi) {
    return position >= lo - kInside && position <= hi + kInside;
}

// The smallest of 1, 2, 5, 10, 20, 50, ... that is at least x.
long long niceAtLeast(long double x) {
    long long n = 1;
    for (;;) {
        for (const long long digit : {1LL, 2LL, 5LL})
            if (digit * n >= x) return digit * n;
        n *= 10;
    }
}

Tick decadeTick(int decade, bool major, long long order) {
    Tick tick;
    tick.value = static_cast<double>(std::pow(10.0L, decade));
    tick.major = major;
    if (major) {
        tick.label = "10";
        tick.exponent = std::to_string(decade);
        tick.order = order;
    }
    return tick;
}

// Ten equal linear steps per decade from the whole decade at or below lo.
std::vector<Tick> tenPerDecade(long double lo, long double hi) {
    std::vector<Tick> ticks;
    const long double start = std::floor(lo);
    const int count = static_cast<int>(std::nearbyint(10 * (hi - start))) + 1;
    const int firstDecade = static_cast<int>(start);
    ticks.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int decade = firstDecade + i / 10;
        const int inDecade = i % 10;
        const long double base = std::pow(10.0L, decade);
        const long double value = base + inDecade * (10 * base - base) * 0.1L;
        if (!inside(std::log10(value), lo, hi)) continue;
        if (inDecade == 0) {
            ticks.push_back(decadeTick(decade, true, decade));
            continue;
        }
        Tick tick;
        tick.value = static_cast<double>(value);
        ticks.push_back(std::move(tick));
    }
    return ticks;
}

// Every k-th decade gets a tick; decades that are multiples of a rounder step are major, so that
// the majors stand far enough apart to be told from the others.
std::vector<Tick> thinnedDecades(long double lo, long double hi, int maxTicks) {
    const long double decades = hi - lo;
    const long long k = niceAtLeast(decades / std::max(1, maxTicks - 1));
    long long majorStep = niceAtLeast(std::max<long double>(k, 5 * decades / std::max(1, maxTicks)));
    while (majorStep % k != 0)
        majorStep = niceAtLeast(majorStep + 1);
    std::vector<Tick> ticks;
    const long long first = static_cast<long long>(std::ceil(lo - kInside));
    const long long last = static_cast<long long>(std::floor(hi + kInside));
    for (long long decade = first; decade <= last; ++decade) {
        if (decade % k != 0) continue;
        const bool major = decade % majorStep == 0;
        ticks.push_back(decadeTick(static_cast<int>(decade), major, decade / majorStep));
    }
    return ticks;
}

// Linear nice ticks over the values 10^lo to 10^hi, labelled with their values.
std::vector<Tick> linearWithin(long double lo, long double hi) {
    const double low = static_cast<double>(std::pow(10.0L, lo));
    const double high = static_cast<double>(std::pow(10.0L, hi));
    TNiceNumbers unused;
    const auto scale = ComputeTicks(low, high, TickOptions{false, false, true, false}, unused);
    if (!scale) return {};
    TickScale s = *scale;
    // The walk starts at the first multiple of the step at or above the lower end.
    const long double first = snappedCeil(low / static_cast<long double>(s.step)) * s.step;
    s.firstTick = static_cast<double>(first);
    s.count = static_cast<int>(snappedFloor((high - first) / s.step)) + 1;
    s.labelDecimals = s.decimals;
    std::vector<Tick> ticks = linearTicks(s);
    std::erase_if(ticks,
                  [lo, hi](const Tick& t) { return !(t.value > 0) || !inside(std::log10(t.value), lo, hi); });
    return ticks;
}

} // namespace

std::vector<Tick> logTicks(double left, double right, int maxTicks) {
    const long double lo = std::min(left, right);
    const long double hi = std::max(left, right);
    if (!std::isfinite(lo) || !std::isfinite(hi) || hi - lo > kMaxDecades) return {};
    if (maxTicks <= 0) maxTicks = 1000000;

    std::vector<Tick> ticks;
    if (9 * (hi - lo) + 1 > maxTicks) {
        ticks = thinnedDecades(lo, hi, maxTicks);
    } else {
        ticks = tenPerDecade(lo, hi);
        // Fewer than two decade ticks leave the axis without a scale to read: value labels instead.
        const auto decades = std::count_if(ticks.begin(), ticks.end(), [](const Tick& t) { return t.major; });
        if (decades < 2) {
            std::vector<Tick> values = linearWithin(lo, hi);
            if (std::count_if(values.begin(), values.end(), [](const Tick& t) { return t.major; }) >= 2)
                ticks = std::move(values);
        }
    }
    // Decades beyond the range of a double have no value to stand at.
    std::erase_if(ticks, [](const Tick& t) { return !(t.value > 0) || !std::isfinite(t.value); });
    if (left > right) std::reverse(ticks.begin(), ticks.end());
    return ticks;
}

} // namespace brelt::chart
