#pragma once
// TColorLegend: the colour scale of a colour-shaded contour map, a framed column of colour cells
// beside the plot with the level values written as "%10.5g". The contour window hands it the
// contour (the cells are then the colour scale's eight break points over the range the contour
// draws with, in their colours) or the cells themselves (value and colour, lowest first), and its
// kind; it takes space only while it has cells and is visible.
#include "chart/data/layer.h"

#include <QRect>
#include <vector>

namespace brelt::chart {

struct ColorCell {
    double value = 0;
    TColor color = clBlack;
};

class TColorLegend : public TLayer {
public:
    explicit TColorLegend(TGraphContext* graph);

    QString className() const override { return QStringLiteral("TColorLegend"); }
    void Clear() override {
        m_cells.clear();
        m_contour = nullptr;
    }
    void Draw() override;
    int Count() const override { return static_cast<int>(m_cells.size()); }

    void setCells(std::vector<ColorCell> cells) { m_cells = std::move(cells); }
    // Shows the colour scale of `contour` (a layer of this chart) from the next layout on.
    void setContour(const TLayer* contour) { m_contour = contour; }
    const std::vector<ColorCell>& cells() const { return m_cells; }
    int kind() const { return m_kind; }
    void setKind(int kind) { m_kind = kind; }
    bool takesSpace() const { return Visible() && !m_cells.empty(); }

    static QString valueText(double value); // "%10.5g" without the leading blanks
    // Reserves a column at the right of r.
    void layout(QRect& r);
    QRect box() const { return m_box; }

private:
    void cellsFromContour();

    std::vector<ColorCell> m_cells;
    const TLayer* m_contour = nullptr; // looked up among the chart's layers before use
    int m_kind = 0;
    QRect m_box;
};

} // namespace brelt::chart
