#pragma once
// Whole charts in their text form: layers one after another, each block opened and closed by a
// line with its class name. The class name chooses the layer class; TSeries is known from the
// start, other layer kinds (contour maps, fit series) register themselves. A block that cannot
// be read is reported through the chart and loading goes on with the next layer.
#include "chart/data/layer.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace brelt::chart {

class ChartTextReader;
class ChartTextWriter;

using LayerFactory = std::function<std::unique_ptr<TLayer>(TGraphContext* graph)>;
void registerLayerClass(const QString& className, LayerFactory factory);

// The load message with %s replaced by the class name and %d by the line number.
QString loadErrorText(const QString& format, const QString& className, int line);

std::vector<std::unique_ptr<TLayer>> LoadLayersFromText(TGraphContext& graph, ChartTextReader& reader);
// Writes every layer that has a text form (plain TLayer placeholders have none).
void SaveLayersToText(const std::vector<const TLayer*>& layers, ChartTextWriter& writer);

} // namespace brelt::chart
