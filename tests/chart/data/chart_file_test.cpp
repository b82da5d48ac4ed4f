// The chart text file: a saved chart reloads identically, damaged blocks are reported with the
// loader's exact messages and loading goes on with the next layer.
#include "chart/data/chart_loader.h"
#include "chart/data/chart_text.h"
#include "chart/data/series.h"
#include "test_graph.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

namespace brelt::chart {
namespace {

using test::TestGraph;

TEST(ChartText, RealsReadBackExactly) {
    const double values[] = {0.0,         -0.0,
                             1.0,         0.1,
                             -1e-300,     1.7976931348623157e308,
                             4.9e-324,    1.0 / 3,
                             123454321.0, std::numeric_limits<double>::infinity()};
    for (double v : values) {
        const auto back = parseReal(formatReal(v));
        ASSERT_TRUE(back.has_value()) << formatReal(v).toStdString();
        EXPECT_EQ(*back, v) << formatReal(v).toStdString();
        EXPECT_EQ(std::signbit(*back), std::signbit(v));
    }
    EXPECT_EQ(formatReal(0.5), QStringLiteral("5e-01"));
    EXPECT_FALSE(parseReal(u"1e999").has_value());
    EXPECT_FALSE(parseReal(u"12abc").has_value());
    EXPECT_EQ(*parseReal(u"+2.5"), 2.5);
}

TEST(ChartText, FieldsWithTrailingString) {
    ChartTextReader r(QStringLiteral("1 2 3 the name  with blanks\r\n"));
    const QStringList f = r.splitFields(r.readLine(), 3, true);
    ASSERT_EQ(f.size(), 4);
    EXPECT_EQ(f[2], QStringLiteral("3"));
    EXPECT_EQ(f[3], QStringLiteral("the name  with blanks"));
    EXPECT_EQ(r.lineCount(), 1);
    EXPECT_TRUE(r.atEnd());
}

// Two series with everything that must survive a save: names, colours, styles, markers, options.
void fillChart(TestGraph& g) {
    auto* a =
        g.add(std::make_unique<TSeries>(&g, QStringLiteral("f(sin(X))"), SeriesStyle::LineAndPoint, clBlue));
    for (int i = 0; i < 5; ++i)
        a->AddPoint(clBlue, QString(), i * 0.1, std::sin(i * 0.1) / 3);
    a->setMarkerStyle(TMarkerStyle::ms5StarCircle);
    a->setMarkerStep(2);
    a->setLineStyle(LineStyle::DashDot);
    a->setLineWidth(2);
    a->setCaption(QStringLiteral("caption with  blanks"));
    a->options().allowDelete = true;
    a->LinkLegend(g.addLineLegend(*a));
    auto* b = g.add(
        std::make_unique<TSeries>(&g, QStringLiteral("steps"), SeriesStyle::PiecewiseConstant, clMaroon));
    b->AddPoint(clGreen, QStringLiteral("first"), -1e-7, 2.5e12);
    b->AddPoint(clRed, QStringLiteral("second"), 3, -4);
    b->setMarkerFillColor(clYellow);
    b->setBarWidth(0.55);
    b->SetVisible(false);
    g.errors.clear();
}

QString saveChart(const TestGraph& g) {
    ChartTextWriter w;
    std::vector<const TLayer*> layers;
    for (const auto& l : g.m_layers)
        layers.push_back(l.get());
    SaveLayersToText(layers, w);
    return w.text();
}

TEST(ChartFile, SaveAndReloadIsIdentical) {
    TestGraph g;
    fillChart(g);
    const QString text = saveChart(g);

    QTemporaryDir dir;
    ChartTextWriter w;
    w.line(text.chopped(1));
    const QString path = dir.filePath(QStringLiteral("chart.txt"));
    ASSERT_TRUE(w.saveToFile(path));
    auto reader = ChartTextReader::fromFile(path);
    ASSERT_TRUE(reader.has_value());

    TestGraph g2;
    auto layers = LoadLayersFromText(g2, *reader);
    EXPECT_TRUE(g2.errors.isEmpty()) << g2.errors.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(layers.size(), 2u);
    for (size_t k = 0; k < 2; ++k) {
        const auto* s1 = dynamic_cast<const TSeries*>(g.m_layers[k].get());
        const auto* s2 = dynamic_cast<const TSeries*>(layers[k].get());
        ASSERT_NE(s2, nullptr);
        EXPECT_EQ(s2->Name(), s1->Name());
        EXPECT_EQ(s2->GetColor(), s1->GetColor());
        EXPECT_EQ(s2->Visible(), s1->Visible());
        EXPECT_EQ(s2->Style(), s1->Style());
        EXPECT_EQ(s2->lineStyle(), s1->lineStyle());
        EXPECT_EQ(s2->LineWidth(), s1->LineWidth());
        EXPECT_EQ(s2->MarkerStyle(), s1->MarkerStyle());
        EXPECT_EQ(s2->MarkerStep(), s1->MarkerStep());
        EXPECT_EQ(s2->MarkerFillColor(), s1->MarkerFillColor());
        EXPECT_EQ(s2->BarWidth(), s1->BarWidth());
        EXPECT_EQ(s2->Caption(), s1->Caption());
        EXPECT_EQ(s2->options().allowDelete, s1->options().allowDelete);
        ASSERT_EQ(s2->Count(), s1->Count());
        for (int i = 0; i < s1->Count(); ++i) {
            const TGraphData& p1 = s1->record(i);
            const TGraphData& p2 = s2->record(i);
            EXPECT_EQ(p2.Prev, p1.Prev);
            EXPECT_EQ(p2.Pt, p1.Pt);
            EXPECT_EQ(p2.Name, p1.Name);
            EXPECT_EQ(p2.Color, p1.Color);
            ASSERT_EQ(p2.Marker.has_value(), p1.Marker.has_value());
            EXPECT_EQ(p2.Marker->Style, p1.Marker->Style);
            EXPECT_EQ(p2.Marker->FillColor, p1.Marker->FillColor);
        }
    }
    // The series that had a legend line gets one again; the one without does not.
    ASSERT_EQ(g2.legends.size(), 1u);
    EXPECT_EQ(g2.legends[0]->look.name, QStringLiteral("f(sin(X))"));
    // Saving the reloaded chart gives the same text.
    TestGraph g3;
    for (auto& l : layers)
        g3.m_layers.push_back(std::move(l));
    EXPECT_EQ(saveChart(g3), text);
}

TEST(ChartFile, FirstLinesOfASeriesBlock) {
    TestGraph g;
    auto* s = g.add(std::make_unique<TSeries>(&g, QStringLiteral("one"), SeriesStyle::Line, clRed));
    s->AddPoint(clRed, QStringLiteral("p"), 1, 2);
    const QStringList lines = saveChart(g).split(QLatin1Char('\n'));
    const QStringList expected = {
        QStringLiteral("TSeries"),
        QStringLiteral("one"),
        QStringLiteral("255 1 0"),
        QStringLiteral("0 1 4"),
        QStringLiteral("0 1 4 255 255 1 1 1 2 0 7e-01 "),
        QStringLiteral("0 0 0 0 0 1 1 1 0 0 1"),
        QStringLiteral("TGraphData"),
        QStringLiteral("1 1e+00 2e+00 1e+00 2e+00 1 1 0 255 0 0 p"),
        QStringLiteral("TMarker"),
        QStringLiteral("0 5 255 255"),
        QStringLiteral("TMarker"),
        QStringLiteral("TGraphData"),
        QStringLiteral("TSeries"),
    };
    EXPECT_EQ(lines.mid(0, expected.size()), expected);
}

struct DamageCase {
    const char* what;
    QString from, to; // first occurrence replaced
    QString message;
    int seriesLoaded;  // series layers that come back
    int pointsInFirst; // points kept in the damaged series
};

TEST(ChartFile, DamagedBlocksAreReportedAndLoadingGoesOn) {
    TestGraph g;
    auto* a = g.add(std::make_unique<TSeries>(&g, QStringLiteral("a"), SeriesStyle::Line, clRed));
    a->AddPoint(clRed, QString(), 0, 0);
    a->AddPoint(clRed, QString(), 1, 1);
    auto* b = g.add(std::make_unique<TSeries>(&g, QStringLiteral("b"), SeriesStyle::Line, clBlue));
    b->AddPoint(clBlue, QString(), 5, 5);
    const QString good = saveChart(g);

    const DamageCase cases[] = {
        {"bad number in a point", QStringLiteral("1 0e+00 0e+00"), QStringLiteral("1 zz 0e+00"),
         QStringLiteral("Object TGraphData can not load self from line: 8"), 2, 0},
        {"missing point class line", QStringLiteral("TGraphData\n1 0e+00 0e+00 1e+00"),
         QStringLiteral("TGraphDatum\n1 0e+00 0e+00 1e+00"),
         QStringLiteral("Object TGraphData can not load self from line: 13"), 2, 1},
        {"missing marker class line", QStringLiteral("TMarker"), QStringLiteral("TMark"),
         QStringLiteral("Object TMarker can not load self from line: 9"), 2, 0},
    };
    for (const auto& c : cases) {
        QString text = good;
        const qsizetype at = text.indexOf(c.from);
        ASSERT_GE(at, 0) << c.what;
        text.replace(at, c.from.size(), c.to);
        TestGraph g2;
        ChartTextReader reader(text);
        auto layers = LoadLayersFromText(g2, reader);
        ASSERT_EQ(g2.errors.size(), 1) << c.what << ": " << g2.errors.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(g2.errors[0], c.message) << c.what;
        int series = 0;
        for (auto& l : layers)
            if (dynamic_cast<TSeries*>(l.get())) ++series;
        EXPECT_EQ(series, c.seriesLoaded) << c.what;
        auto* last = dynamic_cast<TSeries*>(layers.back().get());
        ASSERT_NE(last, nullptr) << c.what;
        EXPECT_EQ(last->Name(), QStringLiteral("b")) << c.what;
        EXPECT_EQ(last->Count(), 1) << c.what;
        EXPECT_EQ(dynamic_cast<TSeries*>(layers[0].get())->Count(), c.pointsInFirst) << c.what;
    }
}

TEST(ChartFile, UnknownClassGivesAPlainLayerAndTheNextLayerLoads) {
    TestGraph g;
    auto* a = g.add(std::make_unique<TSeries>(&g, QStringLiteral("a"), SeriesStyle::Line, clRed));
    a->AddPoint(clRed, QString(), 0, 0);
    const QString text = QStringLiteral("TBogus\nsome data\nTBogus\n") + saveChart(g);
    TestGraph g2;
    ChartTextReader reader(text);
    auto layers = LoadLayersFromText(g2, reader);
    EXPECT_EQ(g2.errors, QStringList{QStringLiteral("Invalid Class Name")});
    ASSERT_EQ(layers.size(), 2u);
    EXPECT_EQ(layers[0]->className(), QStringLiteral("TLayer"));
    EXPECT_EQ(layers[1]->Name(), QStringLiteral("a"));
    EXPECT_EQ(layers[1]->Count(), 1);
}

TEST(ChartFile, LoadMessageUsesTheChartsFormat) {
    EXPECT_EQ(loadErrorText(QStringLiteral("Object %s can not load self from line: %d"),
                            QStringLiteral("TSeries"), 42),
              QStringLiteral("Object TSeries can not load self from line: 42"));
}

TEST(ChartFile, TruncatedFileKeepsWhatWasRead) {
    TestGraph g;
    auto* a = g.add(std::make_unique<TSeries>(&g, QStringLiteral("a"), SeriesStyle::Line, clRed));
    for (int i = 0; i < 4; ++i)
        a->AddPoint(clRed, QString(), i, i);
    QString text = saveChart(g);
    const qsizetype cut = text.indexOf(QStringLiteral("TGraphData\n1 2e+00 2e+00 3e+00"));
    ASSERT_GT(cut, 0);
    text.truncate(cut);
    TestGraph g2;
    ChartTextReader reader(text);
    auto layers = LoadLayersFromText(g2, reader);
    ASSERT_EQ(layers.size(), 1u);
    EXPECT_EQ(layers[0]->Count(), 3);
    EXPECT_EQ(g2.errors.size(), 1);
}

} // namespace
} // namespace brelt::chart
