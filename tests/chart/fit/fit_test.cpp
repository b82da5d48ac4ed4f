// Least-squares fits: the exact cases of well-conditioned data, the refusals, and agreement with
// numpy's fits on awkward data (degree 10 over X in 1000..1010, degree 20 on Chebyshev points,
// degree 40 on 1001 points), whose figures tests/chart/fit/data/make_fit_reference.py wrote once.
#include "chart/fit/fit_series.h"
#include "chart/fit/least_squares.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace brelt::chart;

namespace {

std::unique_ptr<TSeries> seriesOf(const std::vector<WorldPoint>& points, const QString& name = "s") {
    auto s = std::make_unique<TSeries>(nullptr, name, SeriesStyle::LineAndPoint, clRed);
    for (const WorldPoint& p : points)
        s->AddPoint(clRed, QString(), p.X, p.Y);
    return s;
}

struct Reference {
    int degree = 0;
    std::vector<double> x, y, sampleX, sampleY;
};

Reference readReference(const char* name) {
    QFile file(QStringLiteral(BRELT_TEST_DATA "/data/%1.txt").arg(QLatin1String(name)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    Reference ref;
    std::vector<double>*xs = nullptr, *ys = nullptr;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QList<QByteArray> f = raw.trimmed().split(' ');
        if (raw.startsWith('#') || f.size() != 2) continue;
        if (f[0] == "degree")
            ref.degree = f[1].toInt();
        else if (f[0] == "points")
            xs = &ref.x, ys = &ref.y;
        else if (f[0] == "samples")
            xs = &ref.sampleX, ys = &ref.sampleY;
        else
            xs->push_back(f[0].toDouble()), ys->push_back(f[1].toDouble());
    }
    return ref;
}

} // namespace

TEST(LeastSquares, AgreesWithNumpyOnAwkwardData) {
    for (const char* name : {"wide_range_deg10", "chebyshev_deg20", "uniform_deg40"}) {
        const Reference ref = readReference(name);
        ASSERT_EQ(ref.sampleX.size(), 200u) << name;
        const auto fit = fitPolynomial(ref.x, ref.y, ref.degree);
        ASSERT_TRUE(fit) << name;
        for (size_t k = 0; k < ref.sampleX.size(); ++k)
            EXPECT_NEAR(static_cast<double>((*fit)(ref.sampleX[k])), ref.sampleY[k],
                        1e-8 * std::fabs(ref.sampleY[k]))
                << name << " sample " << k;

        // The fit series samples the same X values.
        std::vector<WorldPoint> points;
        for (size_t i = 0; i < ref.x.size(); ++i)
            points.push_back({ref.x[i], ref.y[i]});
        const auto source = seriesOf(points);
        const TFitSeries series(*source, kFitSamples, ref.degree);
        ASSERT_EQ(series.Count(), 200) << name;
        for (int k = 0; k < 200; ++k) {
            EXPECT_NEAR(series.pointAt(k).X, ref.sampleX[static_cast<size_t>(k)],
                        1e-15 * std::fabs(ref.sampleX[static_cast<size_t>(k)]) + 1e-15)
                << name;
            EXPECT_NEAR(series.pointAt(k).Y, ref.sampleY[static_cast<size_t>(k)],
                        1e-8 * std::fabs(ref.sampleY[static_cast<size_t>(k)]))
                << name;
        }
    }
}

TEST(LeastSquares, ExactOnWellConditionedData) {
    // (0, 1), (1, 3), (2, 5) with degree 1: c0 = 1, c1 = 2, samples on the line from (0, 1) to (2, 5).
    const auto line = seriesOf({{0, 1}, {1, 3}, {2, 5}}, QStringLiteral("f(x)"));
    const TFitSeries fit1(*line, kFitSamples, 1);
    EXPECT_NEAR(fit1.Coefficients[0], 1.0, 1e-15);
    EXPECT_NEAR(fit1.Coefficients[1], 2.0, 1e-15);
    EXPECT_EQ(fit1.Coefficients[2], 0.0);
    ASSERT_EQ(fit1.Count(), 200);
    EXPECT_EQ(fit1.pointAt(0), (WorldPoint{0, 1}));
    EXPECT_EQ(fit1.pointAt(199), (WorldPoint{2, 5}));
    for (int k = 0; k < 200; ++k)
        EXPECT_NEAR(fit1.pointAt(k).Y, 1 + 2 * fit1.pointAt(k).X, 1e-14);
    EXPECT_EQ(fit1.Name(), QStringLiteral("f(x)Fit1"));
    EXPECT_EQ(fit1.GetColor(), rgbColor(191, 0, 0)); // red darkened by 64
    EXPECT_EQ(fit1.Style(), SeriesStyle::Line);

    // Points on y = x^3 (x = -2..2) with degree 3 give the cubic back.
    const auto cubic = seriesOf({{-2, -8}, {-1, -1}, {0, 0}, {1, 1}, {2, 8}});
    const TFitSeries fit3(*cubic, kFitSamples, 3);
    const double expected[4] = {0, 0, 0, 1};
    for (int k = 0; k < 4; ++k)
        EXPECT_NEAR(fit3.Coefficients[static_cast<size_t>(k)], expected[k], 1e-14) << k;
    for (int k = 0; k < 200; ++k)
        EXPECT_NEAR(fit3.pointAt(k).Y, std::pow(fit3.pointAt(k).X, 3), 1e-13);
}

TEST(LeastSquares, UndeterminedFitsLeaveTheSeriesEmpty) {
    struct Case {
        std::vector<WorldPoint> points;
        int degree;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {{{1, 1}, {1, 2}, {1, 5}}, 1},         // all X equal
        {{{0, 1}, {1, 2}, {2, 5}}, 3},         // three points cannot fix a cubic
        {{{0, 1}, {0, 2}, {1, 5}, {1, 7}}, 2}, // two distinct X, degree 2
        {{{0, 1}, {1, 2}, {nan, 5}}, 2},       // the NaN point is left out
        {{}, 1},                               // no points
    };
    for (const Case& c : cases) {
        const auto source = seriesOf(c.points, QStringLiteral("data"));
        const TFitSeries fit(*source, kFitSamples, c.degree);
        EXPECT_EQ(fit.Count(), 0) << c.points.size() << " points, degree " << c.degree;
        EXPECT_FALSE(fit.fit());
        EXPECT_EQ(fit.Name(), QStringLiteral("dataFit%1").arg(c.degree));
    }
    const std::vector<double> x = {0, 1, 2}, y = {1, 2, 3};
    EXPECT_FALSE(fitPolynomial(x, y, 0));
    EXPECT_FALSE(fitPolynomial(x, y, 41));
    EXPECT_TRUE(fitPolynomial(x, y, 2));
}
