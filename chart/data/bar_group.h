#pragma once
// Bars of the bar style are drawn by the chart as one group, index by index: for each point index
// every visible bar series in layer order, so that stacked modes can start one series' bar where
// the previous one ended. The first bar series of the chart draws the group when its Draw runs.
#include "chart/data/color.h"

#include <QRectF>
#include <vector>

class QPainter;

namespace brelt::chart {

class TGraphContext;
class TSeries;

// Visible series of the bar style, in layer order.
std::vector<TSeries*> barGroupSeries(const TGraphContext& graph);
// Largest point count among the given series.
int largestCount(const std::vector<TSeries*>& series);

// Pixel rectangles of all bars: result[s][i] for series s and point i (normalised rectangles).
std::vector<std::vector<QRectF>> barGroupGeometry(const TGraphContext& graph,
                                                  const std::vector<TSeries*>& series);
void drawBarGroup(TGraphContext& graph);

// The value bars stand on: 0 held inside the visible Y range, or its lower edge on a log axis.
double barBaseline(const TGraphContext& graph);
// Width in pixels of one point's slot times barWidth, for maxCount points over the visible X range.
double barPixelWidth(const TGraphContext& graph, double barWidth, int maxCount);
// One bar; in the 3D view (depth > 0) with a top and a side face.
void paintBar(QPainter& painter, const QRectF& rect, TColor color, int depth, double penWidth);

} // namespace brelt::chart
