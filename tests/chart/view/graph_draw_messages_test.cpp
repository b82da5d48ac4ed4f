// A screen drawing runs pending messages between its layers (and the colour shade inside its
// layer). Messages that clear the chart, remove, free or add layers, or ask for another drawing
// meanwhile must leave the drawing on live layers only, and the last state on the screen.
#include "chart/contour/contour.h"
#include "chart/view/graph.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using namespace brelt::chart;

namespace {

// What happened to the probe layers, in order: "draw A", "free A".
using Log = std::vector<std::string>;

class ProbeLayer : public TLayer {
public:
    ProbeLayer(TGraphContext* graph, const char* name, Log& log)
        : TLayer(graph, QString::fromLatin1(name)), m_log(log) {}
    ~ProbeLayer() override { m_log.push_back("free " + Name().toStdString()); }
    void Draw() override { m_log.push_back("draw " + Name().toStdString()); }

private:
    Log& m_log;
};

// Runs one action from the messages the chart lets run, the n-th time it does.
class MessageHost : public ChartHost {
public:
    void setStatusPanel(int, const QString&, int) override {}
    void setChartCursor(ChartCursor) override {}
    void processEvents() override {
        ++calls;
        if (calls == at && action) action();
    }
    int calls = 0;
    int at = 1;
    std::function<void()> action;
};

class GraphDrawMessages : public ::testing::Test {
protected:
    void SetUp() override {
        graph.SetImageSize(QSize(200, 150));
        graph.setHost(&host);
        for (const char* name : {"A", "B", "C"})
            graph.AddLayer(std::make_unique<ProbeLayer>(&graph, name, log));
    }
    void TearDown() override { graph.setHost(nullptr); }

    Log log;
    MessageHost host;
    TGraph graph;
};

TEST_F(GraphDrawMessages, ClearingTheChartBetweenLayers) {
    // Messages run before each layer: the second run clears the chart after A was drawn.
    host.at = 2;
    host.action = [this] { graph.Clear(); };
    graph.Draw();
    // B and C are not drawn; all three are freed once the drawing has ended, and the chart is
    // drawn again, empty.
    EXPECT_EQ(log, (Log{"draw A", "free A", "free B", "free C"}));
    EXPECT_EQ(graph.LayerCount(), 0);
    EXPECT_FALSE(graph.isDrawing());
}

TEST_F(GraphDrawMessages, RemovingAndAddingLayersBetweenLayers) {
    host.at = 1;
    host.action = [this] {
        graph.AddLayer(std::make_unique<ProbeLayer>(&graph, "D", log));
        for (int i = 0; i < 40; ++i) // the list grows past its room: nothing may walk the old one
            graph.AddLayer(std::make_unique<TLayer>(&graph, QStringLiteral("filler")));
        graph.DeleteLayer(1); // B leaves the chart and is freed at once by its new owner
    };
    graph.Draw();
    // This drawing skips B; the drawing asked for by the change shows A, C and D.
    EXPECT_EQ(log, (Log{"free B", "draw A", "draw C", "draw A", "draw C", "draw D"}));
}

TEST_F(GraphDrawMessages, ADrawAskedForMeanwhileFollows) {
    int draws = 0;
    graph.setAfterDraw([&draws](TGraph&) { ++draws; });
    host.at = 2;
    host.action = [this] { graph.Draw(); };
    graph.Draw();
    EXPECT_EQ(draws, 2);
    // Without messages (a picture, a printed page) nothing is run between the layers.
    host.calls = 0;
    QImage picture(100, 80, QImage::Format_RGB32);
    graph.DrawTo(picture, QRect(0, 0, 100, 80), OutputKind::Bitmap);
    EXPECT_EQ(host.calls, 0);
}

TEST_F(GraphDrawMessages, ClearingTheChartWhileTheShadeDraws) {
    graph.ClearLayers();
    TVector x(3), y(3);
    TMatrix z(3, 3);
    for (int i = 1; i <= 3; ++i)
        x.set(i, i), y.set(i, i);
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            z.set(i, j, i * j);
    graph.AddLayer(std::make_unique<TContour>(&graph, true, 1, z, y, x));
    graph.AddLayer(std::make_unique<ProbeLayer>(&graph, "after", log));
    log.clear(); // A, B and C are gone already
    graph.SetImageSize(QSize(400, 300));
    // The first run is before the contour, the next ones are inside its shade.
    host.at = 3;
    host.action = [this] { graph.Clear(); };
    graph.Draw();
    EXPECT_GT(host.calls, 3);
    EXPECT_EQ(log, (Log{"free after"}));
    EXPECT_EQ(graph.LayerCount(), 0);
}

} // namespace
