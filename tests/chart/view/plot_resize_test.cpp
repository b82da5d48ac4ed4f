// A chart drawn because its window is shown or resized runs no other events meanwhile: Qt is then
// walking the window's widgets, and an event run inside (a deferred delete) would free one of them.
#include "chart/data/series.h"
#include "chart/view/plot.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <gtest/gtest.h>

using namespace brelt::chart;

TEST(PlotResize, DrawingForAResizeRunsNoOtherEvents) {
    QWidget window;
    auto* plot = new TPlot(&window);
    plot->resize(300, 200);
    auto series = std::make_unique<TSeries>(&plot->graph(), QStringLiteral("s"), SeriesStyle::Line, clRed);
    series->AddPoint(clRed, QString(), 0, 0);
    series->AddPoint(clRed, QString(), 1, 1);
    plot->graph().AddLayer(std::move(series));
    QPointer<QWidget> sibling = new QWidget(&window);
    sibling->deleteLater();
    window.show(); // the chart draws its layer for its first size
    EXPECT_FALSE(sibling.isNull());
    EXPECT_FALSE(plot->graph().image().isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(sibling.isNull());
}
