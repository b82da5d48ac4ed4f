#include "chart/view/layer_undo.h"

#include "chart/data/series.h"
#include "chart/view/graph.h"
#include "chart/view/legend.h"
#include "chart/view/series_legend.h"

#include <algorithm>

namespace brelt::chart {

namespace {

int indexOf(const TGraphContext& graph, std::uint64_t id) {
    for (int i = 0; i < graph.LayerCount(); ++i)
        if (graph.Layers(i) && graph.Layers(i)->layerId() == id) return i;
    return -1;
}

class LayerDeleted : public UndoRecord {
public:
    LayerDeleted(std::unique_ptr<TLayer> layer, int index, std::pair<int, std::unique_ptr<TLegend>> legend)
        : m_layer(std::move(layer)), m_index(index), m_legend(std::move(legend)) {}
    bool applies(const TGraphContext& graph) const override {
        return m_layer && dynamic_cast<const TGraph*>(&graph) != nullptr;
    }
    void undo(TGraphContext& context) override {
        auto& graph = static_cast<TGraph&>(context);
        const int count = graph.LayerCount();
        const int place = std::min(m_index, count);
        TLayer* layer = graph.AddLayer(std::move(m_layer));
        // AddLayer appends: the layers that stood after it go behind it again.
        for (int i = place; i < count; ++i)
            graph.AddLayer(graph.DeleteLayer(place));
        // The series' own legend line, at its place.
        auto* series = dynamic_cast<TSeries*>(layer);
        if (auto* line = dynamic_cast<TLineLegend*>(m_legend.second.get()); series && line) {
            graph.Legend().insertEntry(m_legend.first, std::move(m_legend.second));
            series->LinkLegend(line);
        }
    }

private:
    std::unique_ptr<TLayer> m_layer;
    int m_index;
    std::pair<int, std::unique_ptr<TLegend>> m_legend;
};

class LayerAdded : public UndoRecord {
public:
    explicit LayerAdded(const TLayer& layer) : m_id(layer.layerId()) {}
    bool applies(const TGraphContext& graph) const override {
        return dynamic_cast<const TGraph*>(&graph) && indexOf(graph, m_id) >= 0;
    }
    void undo(TGraphContext& context) override {
        auto& graph = static_cast<TGraph&>(context);
        const int index = indexOf(graph, m_id);
        if (auto* series = dynamic_cast<TSeries*>(graph.Layers(index))) graph.Legend().removeEntryOf(series);
        graph.DeleteLayer(index);
    }

private:
    std::uint64_t m_id;
};

} // namespace

std::unique_ptr<UndoRecord> deleteLayerWithRecord(TGraph& graph, int index) {
    TLayer* layer = graph.Layers(index);
    if (!layer) return nullptr;
    auto* series = dynamic_cast<TSeries*>(layer);
    auto legend = graph.Legend().takeEntryOf(series);
    graph.Legend().removeEntryOf(series); // any further line of it
    return std::make_unique<LayerDeleted>(graph.DeleteLayer(index), index, std::move(legend));
}

std::unique_ptr<UndoRecord> layerAddedRecord(const TLayer& layer) {
    return std::make_unique<LayerAdded>(layer);
}

} // namespace brelt::chart
