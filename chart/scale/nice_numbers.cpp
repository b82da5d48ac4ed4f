#include "chart/scale/nice_numbers.h"

#include <algorithm>
#include <cmath>

namespace brelt::chart {

namespace {

// How close to a whole number a quotient must be to count as one.
constexpr long double kSnapTolerance = 1e-12L;

long double snapped(long double q) {
    const long double whole = std::nearbyint(q);
    const long double tolerance = kSnapTolerance * std::max(1.0L, std::fabs(q));
    return std::fabs(q - whole) <= tolerance ? whole : q;
}

} // namespace

long double snappedFloor(long double q) {
    return std::floor(snapped(q));
}

long double snappedCeil(long double q) {
    return std::ceil(snapped(q));
}

long double TNiceNum::NiceNum(long double x, bool rounded) const {
    if (!(x > 0) || !std::isfinite(x)) return kNiceNoValue;
    long double e = std::floor(std::log10(x));
    long double f = x / std::pow(10.0L, e);
    // log10 of an exact power of ten may land a hair off; keep the fraction in [1, 10).
    if (f >= 10) {
        f /= 10;
        e += 1;
    } else if (f < 1) {
        f *= 10;
        e -= 1;
    }
    long double digit;
    if (rounded) {
        if (f < 1.50001L)
            digit = 1;
        else if (f < 3.0001L)
            digit = 2;
        else if (f < 7.0001L)
            digit = 5;
        else
            digit = 10;
    } else {
        if (f < 1.0001L)
            digit = 1;
        else if (f < 2.0001L)
            digit = 2;
        else if (f <= 5.0001L)
            digit = 5;
        else
            digit = 10;
    }
    return digit * std::pow(10.0L, e);
}

TNiceNumbers::TNiceNumbers(int tickCount, double a, double b)
    : m_min(std::min(a, b)), m_max(std::max(a, b)), m_tickCount(tickCount) {
    compute();
}

void TNiceNumbers::SetRange(double min, double max) {
    if (min == m_min && max == m_max) return;
    m_min = min;
    m_max = max;
    compute();
}

void TNiceNumbers::SetTickCount(int n) {
    if (n == m_tickCount) return;
    m_tickCount = n;
    compute();
}

void TNiceNumbers::compute() {
    if (m_min == m_max) return;
    if (!std::isfinite(m_min) || !std::isfinite(m_max)) return;
    // Fewer than two ticks have no interval between them; count them as two.
    const int intervals = std::max(1, m_tickCount - 1);
    const long double range = m_calculator.NiceNum(static_cast<long double>(m_max) - m_min, false);
    const long double step = m_calculator.NiceNum(range / intervals, true);
    m_step = static_cast<double>(step);
    m_niceMin = static_cast<double>(snappedFloor(m_min / step) * step);
    m_niceMax = static_cast<double>(snappedCeil(m_max / step) * step);
}

TNiceNumbers& sharedNiceNumbers() {
    static TNiceNumbers instance(10, 0.0, 1.0);
    return instance;
}

} // namespace brelt::chart
