#pragma once
// Nice axis bounds: turns a data range into bounds and a tick spacing of 1, 2 or 5 times a power
// of ten (loose labelling after Heckbert, "Nice Numbers for Graph Labels", with thresholds a hair
// above 1.5, 3, 7 and 1, 2, 5 so that a factor that is exactly on a boundary takes the lower
// digit). The axes share one instance; an axis reads the results right after its own SetRange.
// Values are stored as doubles and computed in long double.

namespace brelt::chart {

// The value a nice number takes for a span that is not positive (the chart's "no value").
inline constexpr double kNiceNoValue = 123454321.0;

// Stateless: one nice number.
class TNiceNum {
public:
    // x rounded to 1, 2, 5 or 10 times a power of ten; rounded picks the nearest digit, otherwise
    // the digit at or above x. kNiceNoValue when x is not positive (or not finite).
    long double NiceNum(long double x, bool rounded) const;
};

class TNiceNumbers {
public:
    explicit TNiceNumbers(int tickCount = 10, double a = 0.0, double b = 1.0);

    // Stores both ends unchanged (callers pass min <= max) and recomputes when either differs.
    void SetRange(double min, double max);
    // Stores n and recomputes when it differs.
    void SetTickCount(int n);

    double Min() const { return m_min; }
    double Max() const { return m_max; }
    double NiceMin() const { return m_niceMin; }
    double NiceMax() const { return m_niceMax; }
    double Step() const { return m_step; }
    int TickCount() const { return m_tickCount; }
    const TNiceNum& calculator() const { return m_calculator; }

private:
    void compute();

    double m_min = 0.0;
    double m_max = 1.0;
    double m_niceMin = 0.0;
    double m_niceMax = 1.0;
    double m_step = 0.1;
    int m_tickCount = 10;
    TNiceNum m_calculator;
};

// The one instance every axis uses: 10 ticks over [0, 1] until an axis sets its own. GUI thread
// only; it is not reentrant.
TNiceNumbers& sharedNiceNumbers();

// floor and ceil of a quotient that should be a whole number but may carry representation noise
// (0.3 / 0.1 is 2.9999999999999996 in binary): a quotient within a relative 1e-12 of a whole
// number counts as that number.
long double snappedFloor(long double q);
long double snappedCeil(long double q);

} // namespace brelt::chart
