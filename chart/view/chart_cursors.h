#pragma once
// The chart's mouse cursors, drawn by Brelt itself at first use: a magnifier for zooming, a cross
// of arrows for moving the legend, and marks for adding, deleting, selecting and inspecting
// points. Each keeps the resource number it is known by (100 "ZOOM_IN" ... 200 "SERINF").
#include "chart/data/graph_context.h"

#include <QCursor>

namespace brelt::chart {

QCursor chartCursor(ChartCursor cursor);
// The resource name of a cursor ("ZOOM_IN", "MOVEIT", ...); empty for the standard ones.
QString chartCursorName(ChartCursor cursor);

} // namespace brelt::chart
