#pragma once
// TLayer: base of everything a chart draws in its plot area or as an overlay (series, contour
// maps, legends, the information bubble). The chart owns its layers and draws them first to last;
// a layer reaches its chart only through TGraphContext. The virtual operations follow the order
// the chart calls them in: load, save, show/hide, changed flag, clear, draw, extents, count, menu,
// delete, properties, mouse, colour.
//
// Text form of the base part (inside the derived class's block): one line with the name, one line
// "Color Visible Selected".
#include "chart/data/color.h"
#include "chart/data/graph_context.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace brelt::chart {

class ChartTextReader;
class ChartTextWriter;

// Data extents of a layer; an empty layer keeps the start values (minima 1e38, maxima -1e38).
struct Extents {
    double minX = 1e38;
    double maxX = -1e38;
    double minY = 1e38;
    double maxY = -1e38;
    bool isEmpty() const { return minX > maxX || minY > maxY; }
};

// One item of a layer's pop-up menu; the view turns the list into a real menu and calls
// TLayer::menuAction with the item's name when one is chosen.
struct LayerMenuItem {
    QString name;
    QString caption;
    int imageIndex = -1;
    bool enabled = true;
    bool visible = true;
};

constexpr int kMaxLayerNameLength = 255;

class TLayer {
public:
    TLayer(TGraphContext* graph, const QString& name);
    virtual ~TLayer() = default;
    TLayer(const TLayer&) = delete;
    TLayer& operator=(const TLayer&) = delete;

    // The class name that opens and closes this layer's block in a chart file.
    virtual QString className() const { return QStringLiteral("TLayer"); }
    // Reads the body of the block after the opening class line (slot 0). Throws ChartReadError
    // through the reader on a malformed line; the chart loader catches it.
    virtual void LoadFromText(ChartTextReader& reader);
    // Writes the whole block, class lines included (slot 1).
    virtual void SaveToText(ChartTextWriter& writer) const;

    virtual void SetVisible(bool visible);
    bool Visible() const { return m_visible; }
    virtual bool IsChanged() const { return m_changed; }
    virtual void ClearChanged() { m_changed = false; }
    virtual void Clear() {}
    virtual void Draw() {}
    virtual Extents GetExtents() const { return {}; }
    virtual int Count() const { return 0; }
    // Rebuilds the pop-up menu items (slot 11) and returns them.
    virtual const std::vector<LayerMenuItem>& CreateMenu();
    const std::vector<LayerMenuItem>& menuItems() const { return m_menu; }
    virtual void menuAction(const QString& itemName);
    virtual void DeleteHit() {}    // handler of "&Delete"
    virtual void EditProperties(); // handler of "&Properties"
    // Mouse handlers take pixel positions; they return true when the layer claims the event
    // (the hit index is then >= 0).
    virtual bool MouseMove(int x, int y, ShiftState shift);
    virtual bool MouseDown(int x, int y, MouseButton button, ShiftState shift);
    virtual bool MouseUp(int x, int y, MouseButton button, ShiftState shift);
    virtual TColor GetColor() const { return m_color; }
    virtual void SetColor(TColor color);

    const QString& Name() const { return m_name; }
    void setName(const QString& name); // cut at 255 characters
    bool Selected() const { return m_selected; }
    void setSelected(bool selected) { m_selected = selected; }
    int hitIndex() const { return m_hitIndex; }
    // A number no other layer of the program run has: undo records name their layer by it.
    std::uint64_t layerId() const { return m_id; }
    TGraphContext* graph() const { return m_graph; }
    void setGraph(TGraphContext* graph) { m_graph = graph; }

protected:
    void readLayerLines(ChartTextReader& reader);
    void writeLayerLines(ChartTextWriter& writer) const;
    void markChanged() { m_changed = true; }

    TGraphContext* m_graph = nullptr;
    QString m_name;
    TColor m_color = clBlack;
    bool m_visible = true;
    bool m_selected = false;
    bool m_changed = false;
    int m_hitIndex = -1;
    std::vector<LayerMenuItem> m_menu;

private:
    std::uint64_t m_id;
};

// The chart's layer with that id; null when it has none.
TLayer* findLayer(const TGraphContext& graph, std::uint64_t id);

} // namespace brelt::chart
