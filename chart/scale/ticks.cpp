#include "chart/scale/ticks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace brelt::chart {

namespace {

// More ticks than any axis can show; guards the walk against absurd extensions.
constexpr int kMaxTickCount = 100000;

// round() of the chart: to the nearest integer, halves to the even neighbour.
long double roundEven(long double v) {
    return std::nearbyint(v);
}

std::string formatFixed(double value, int decimals) {
    const int n = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    std::string text(static_cast<size_t>(std::max(n, 0)) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    text.resize(static_cast<size_t>(std::max(n, 0)));
    return text;
}

} // namespace

std::optional<double> roundedToPlaces(double value, int places) {
    const long double scale = std::pow(10.0L, places);
    const long double scaled = scale * value;
    constexpr long double kLow = -2147483648.0L;
    constexpr long double kHigh = 2147483647.0L;
    if (!(scaled > kLow && scaled < kHigh)) return std::nullopt;
    return static_cast<double>(roundEven(scaled) / scale);
}

double viaDecimalText(double value, int decimals) {
    return std::strtod(formatFixed(value, decimals).c_str(), nullptr);
}

std::optional<TickScale> ComputeTicks(double min, double max, const TickOptions& options,
                                      TNiceNumbers& nice) {
    if (min > max) std::swap(min, max);
    const long double span = static_cast<long double>(max) - min;
    if (span == 0 || !std::isfinite(span)) return std::nullopt;

    // Normalise the span into [1, 10) and note the power of ten it was scaled by.
    long double s = span;
    int exponent = 0; // the span is s * 10^exponent
    int k = 0;        // times the span was multiplied by 10
    // A span that is a power of ten may arrive a hair below it (1e-6 is 9.99...e-7 in binary);
    // such a span counts as the power itself.
    constexpr long double kEdge = 1e-12L;
    while (s < 1 - kEdge) {
        s *= 10;
        --exponent;
        ++k;
    }
    while (s >= 10 - 10 * kEdge) {
        s *= 0.1L;
        ++exponent;
    }
    const long double p = std::pow(10.0L, exponent);

    TickScale scale;
    scale.decimals = span < 1 ? k + 1 : (span <= 100 ? 1 : 0);
    long double step;
    if (s < 2) {
        scale.count = static_cast<int>(roundEven(10 * s)) + 1;
        scale.minorPerMajor = 5;
        step = 0.1L * p;
    } else if (s <= 5) {
        scale.count = static_cast<int>(roundEven(5 * s)) + 1;
        scale.minorPerMajor = 5;
        step = 0.2L * p;
    } else {
        scale.count = static_cast<int>(roundEven(2 * s)) + 1;
        scale.minorPerMajor = 4;
        step = 0.5L * p;
    }
    scale.step = static_cast<double>(step);

    const bool adjust = !options.zoomed && !options.log;
    if (options.autoMin && adjust) {
        nice.SetTickCount(scale.count);
        nice.SetRange(min, max);
        min = nice.NiceMin();
    }
    const int places = scale.decimals + 1;
    if (options.autoMax && adjust) {
        if (auto rounded = roundedToPlaces(max, places)) max = *rounded;
    }
    if (auto rounded = roundedToPlaces(min, places))
        scale.firstTick = *rounded;
    else
        scale.firstTick = viaDecimalText(min, scale.decimals);
    scale.min = min;
    scale.max = max;
    scale.labelDecimals = scale.decimals;
    if (auto shown = roundedToPlaces(scale.firstTick, scale.decimals)) {
        if (std::fabs(*shown - scale.firstTick) > 1e-9 * scale.step) scale.labelDecimals = scale.decimals + 1;
    }

    // A nice lower bound below the data leaves the counted ticks short of the upper end; extend
    // the walk so that the ticks reach it.
    const long double covered = (static_cast<long double>(max) - scale.firstTick) / step;
    if (covered > 0 && covered < kMaxTickCount) {
        const int needed = static_cast<int>(snappedFloor(covered)) + 1;
        scale.count = std::max(scale.count, needed);
    }
    return scale;
}

TickScale Extend(TickScale scale, int before, int after) {
    const long double step = scale.step;
    scale.firstTick = static_cast<double>(scale.firstTick - before * step);
    scale.min = std::min(scale.min, scale.firstTick);
    scale.max = static_cast<double>(scale.max + after * step);
    scale.count = std::clamp(scale.count + before + after, 0, kMaxTickCount);
    return scale;
}

namespace {

// Majors fall on whole multiples of the major step (-0.5, 0, 0.5 rather than -0.9, -0.4, 0.1), so
// labels read as round numbers whatever the nice lower bound is. A first tick that is no whole
// number of steps (a range the user typed) keeps its majors counted from the first tick.
int firstMajorIndex(double firstTick, double step, int perMajor) {
    const long double steps = static_cast<long double>(firstTick) / step;
    const long double whole = std::nearbyint(steps);
    if (std::fabs(steps - whole) > 1e-6L || std::fabs(whole) > 1e15L) return 0;
    const long long n = static_cast<long long>(whole);
    return static_cast<int>(((-n) % perMajor + perMajor) % perMajor);
}

} // namespace

std::vector<Tick> linearTicks(const TickScale& scale) {
    std::vector<Tick> ticks;
    if (scale.count <= 0 || !(scale.step > 0)) return ticks;
    const int count = std::min(scale.count, kMaxTickCount);
    const int perMajor = std::max(1, scale.minorPerMajor);
    const int firstMajor = firstMajorIndex(scale.firstTick, scale.step, perMajor);
    // The first major's place in major steps from zero, when the majors fall on whole multiples.
    const long double majorStep = static_cast<long double>(scale.step) * perMajor;
    const long double firstPlace =
        (scale.firstTick + firstMajor * static_cast<long double>(scale.step)) / majorStep;
    const long long firstOrder =
        std::fabs(firstPlace - std::nearbyint(firstPlace)) < 1e-6L && std::fabs(firstPlace) < 1e15L
            ? static_cast<long long>(std::nearbyint(firstPlace))
            : 0;
    ticks.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const long double value = scale.firstTick + static_cast<long double>(i) * scale.step;
        Tick tick;
        tick.value = static_cast<double>(value);
        tick.major = (i - firstMajor) % perMajor == 0;
        if (tick.major) {
            tick.label = tickLabel(value, scale.step, scale.labelDecimals);
            tick.order = firstOrder + (i - firstMajor) / perMajor;
        }
        ticks.push_back(std::move(tick));
    }
    useScientificFormWhenLong(ticks, static_cast<double>(majorStep));
    return ticks;
}

std::string tickLabel(long double value, double step, int decimals) {
    // Through 21 significant digits and back, so that the label starts from the stored double.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.21Lg", value);
    double v = std::strtod(buffer, nullptr);
    // A tick that lands a millionth of a step from zero is zero with representation noise.
    if (v != 0 && std::fabs(step / v) > 1000000) v = 0;
    std::string text = formatFixed(v, std::max(decimals, 0));
    const auto first = text.find_first_not_of(' ');
    text.erase(0, first == std::string::npos ? text.size() : first);
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, ".0") == 0) text.resize(text.size() - 2);
    // No "-0" or "-0.00": a value that prints as zero carries no sign.
    if (!text.empty() && text[0] == '-' && text.find_first_of("123456789") == std::string::npos)
        text.erase(0, 1);
    return text;
}

} // namespace brelt::chart
