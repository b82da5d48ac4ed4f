#include "chart/data/chart_loader.h"

#include "chart/data/chart_text.h"
#include "chart/data/series.h"

#include <map>

namespace brelt::chart {

namespace {

std::map<QString, LayerFactory>& registry() {
    static std::map<QString, LayerFactory> factories = {
        {QStringLiteral("TSeries"), [](TGraphContext* g) { return std::make_unique<TSeries>(g); }},
    };
    return factories;
}

// After a damaged or unknown block: skip to its closing class line so the next layer starts clean.
void skipBlock(ChartTextReader& reader, const QString& className) {
    while (!reader.atEnd())
        if (reader.readLine().trimmed() == className) return;
}

} // namespace

void registerLayerClass(const QString& className, LayerFactory factory) {
    registry()[className] = std::move(factory);
}

QString loadErrorText(const QString& format, const QString& className, int line) {
    QString text = format;
    text.replace(QLatin1String("%s"), className);
    text.replace(QLatin1String("%d"), QString::number(line));
    return text;
}

std::vector<std::unique_ptr<TLayer>> LoadLayersFromText(TGraphContext& graph, ChartTextReader& reader) {
    std::vector<std::unique_ptr<TLayer>> layers;
    while (!reader.atEnd()) {
        const QString cls = reader.readLine().trimmed();
        if (cls.isEmpty()) continue;
        const auto it = registry().find(cls);
        if (it == registry().end()) {
            graph.showError(QStringLiteral("Invalid Class Name"));
            layers.push_back(std::make_unique<TLayer>(&graph, QString()));
            skipBlock(reader, cls);
            continue;
        }
        std::unique_ptr<TLayer> layer = it->second(&graph);
        try {
            layer->LoadFromText(reader);
        } catch (const ChartReadError& e) {
            const int line = reader.lineCount();
            graph.showError(
                loadErrorText(graph.loadErrorFormat(), e.className.isEmpty() ? cls : e.className, line));
            skipBlock(reader, cls);
        }
        layers.push_back(std::move(layer));
    }
    return layers;
}

void SaveLayersToText(const std::vector<const TLayer*>& layers, ChartTextWriter& writer) {
    for (const TLayer* layer : layers)
        if (layer && layer->className() != QLatin1String("TLayer")) layer->SaveToText(writer);
}

} // namespace brelt::chart
