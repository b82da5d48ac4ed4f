#include "chart/fit/fit_series.h"

#include <vector>

namespace brelt::chart {

QString fitSeriesName(const QString& sourceName, int degree) {
    return sourceName + QStringLiteral("Fit") + QString::number(degree);
}

TFitSeries::TFitSeries(const TSeries& source, int pointCount, int degree)
    : TSeries(source.graph(), fitSeriesName(source.Name(), degree), SeriesStyle::Line,
              darken(source.GetColor(), 64)),
      m_degree(degree) {
    const int n = source.Count();
    std::vector<double> xs(static_cast<size_t>(n)), ys(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const WorldPoint p = source.pointAt(i);
        xs[static_cast<size_t>(i)] = p.X;
        ys[static_cast<size_t>(i)] = p.Y;
    }
    m_fit = fitPolynomial(xs, ys, degree);
    if (!m_fit || pointCount < 1) return;
    const auto coefficients = m_fit->powerCoefficients();
    for (int k = 0; k <= degree; ++k)
        Coefficients[static_cast<size_t>(k)] = static_cast<double>(coefficients[static_cast<size_t>(k)]);

    const Extents e = source.GetExtents();
    const long double minX = e.minX, maxX = e.maxX;
    const long double step = pointCount > 1 ? (maxX - minX) / (pointCount - 1) : 0;
    for (int k = 0; k < pointCount; ++k) {
        const long double x = k == pointCount - 1 && pointCount > 1 ? maxX : minX + k * step;
        AddPoint(GetColor(), QString(), static_cast<double>(x), static_cast<double>((*m_fit)(x)));
    }
}

} // namespace brelt::chart
