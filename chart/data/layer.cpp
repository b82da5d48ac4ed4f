#include "chart/data/layer.h"

#include "chart/data/chart_text.h"

#include <atomic>

namespace brelt::chart {

namespace {
std::uint64_t nextLayerId() {
    static std::atomic<std::uint64_t> counter{0};
    return ++counter;
}
} // namespace

TLayer::TLayer(TGraphContext* graph, const QString& name) : m_graph(graph), m_id(nextLayerId()) {
    setName(name);
}

TLayer* findLayer(const TGraphContext& graph, std::uint64_t id) {
    for (int i = 0; i < graph.LayerCount(); ++i)
        if (TLayer* layer = graph.Layers(i); layer && layer->layerId() == id) return layer;
    return nullptr;
}

void TLayer::setName(const QString& name) {
    m_name = name.left(kMaxLayerNameLength);
}

void TLayer::LoadFromText(ChartTextReader& reader) {
    readLayerLines(reader);
}

void TLayer::SaveToText(ChartTextWriter& writer) const {
    writer.line(className());
    writeLayerLines(writer);
    writer.line(className());
}

void TLayer::readLayerLines(ChartTextReader& reader) {
    setName(reader.readLine());
    const QStringList f = reader.splitFields(reader.readLine(), 3, false);
    m_color = static_cast<TColor>(ChartTextReader::toInteger(f[0]));
    m_visible = ChartTextReader::toBool(f[1]);
    m_selected = ChartTextReader::toBool(f[2]);
}

void TLayer::writeLayerLines(ChartTextWriter& writer) const {
    writer.line(m_name);
    writer.fields({ChartTextWriter::integer(m_color), ChartTextWriter::boolean(m_visible),
                   ChartTextWriter::boolean(m_selected)});
}

void TLayer::SetVisible(bool visible) {
    if (m_visible == visible) return;
    m_visible = visible;
    markChanged();
}

void TLayer::SetColor(TColor color) {
    m_color = color;
    markChanged();
}

const std::vector<LayerMenuItem>& TLayer::CreateMenu() {
    m_menu = {
        {QStringLiteral("miErase"), QStringLiteral("&Delete  <Ctrl>"), 13, true, true},
        {QStringLiteral("miProperties"), QStringLiteral("&Properties"), -1, true, true},
    };
    return m_menu;
}

void TLayer::menuAction(const QString& itemName) {
    if (itemName == QLatin1String("miErase"))
        DeleteHit();
    else if (itemName == QLatin1String("miProperties"))
        EditProperties();
}

void TLayer::EditProperties() {
    if (m_graph) m_graph->showLayerProperties(*this);
}

bool TLayer::MouseMove(int, int, ShiftState) {
    m_hitIndex = -1;
    return false;
}

bool TLayer::MouseDown(int, int, MouseButton, ShiftState) {
    return m_hitIndex >= 0;
}

bool TLayer::MouseUp(int, int, MouseButton, ShiftState) {
    return false;
}

} // namespace brelt::chart
