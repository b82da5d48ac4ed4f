#pragma once
// TFitSeries: the least-squares polynomial of a chosen degree through the points of another series,
// drawn as a line of evenly spaced samples over the source's X range. It is named after the source
// with "Fit" and the degree (f(x) fitted with degree 2 is f(x)Fit2) and drawn in the source's colour
// darkened by 64. When the points do not determine the polynomial (all X equal, fewer distinct X
// than degree + 1) the series stays empty; the caller still adds it to the chart with its legend
// line. It saves and loads as a plain series ("TSeries" block): the samples are its data.
#include "chart/data/series.h"
#include "chart/fit/least_squares.h"

#include <array>
#include <optional>

namespace brelt::chart {

// The sample count the chart's fit command passes.
inline constexpr int kFitSamples = 200;

class TFitSeries : public TSeries {
public:
    // Fits `degree` (1..40) through `source`'s points and samples it at `pointCount` X values from
    // the source's smallest to its largest X (the last exactly the largest).
    TFitSeries(const TSeries& source, int pointCount, int degree);

    int degree() const { return m_degree; }
    // The fit itself; none when it failed.
    const std::optional<PolynomialFit>& fit() const { return m_fit; }
    // c0..c40, c_k belonging to X^k (zeros beyond the degree, all zeros after a failed fit). For
    // reading only: the samples come from the centred form.
    std::array<double, kMaxFitDegree + 1> Coefficients{};

private:
    int m_degree;
    std::optional<PolynomialFit> m_fit;
};

// The name a fit of `degree` through a series named `sourceName` gets.
QString fitSeriesName(const QString& sourceName, int degree);

} // namespace brelt::chart
