#pragma once
// Undo records of whole layers coming and going on a chart: a series deleted from the properties
// dialog (the record keeps the series itself and its place) and a series added by a fit (the
// record names it by its id). Series keep their legend line across the undo.
#include "chart/data/graph_undo.h"
#include "chart/data/layer.h"

#include <memory>

namespace brelt::chart {

class TGraph;

// Takes layer `index` off the chart (its legend line goes with it) and returns the record that
// puts it back at that place; null when there is no such layer.
std::unique_ptr<UndoRecord> deleteLayerWithRecord(TGraph& graph, int index);
// After `layer` was added to the chart: undoing takes it off again.
std::unique_ptr<UndoRecord> layerAddedRecord(const TLayer& layer);

} // namespace brelt::chart
