#pragma once
// TWLegend: the series legend, a layer that owns one entry per series or contour map and draws
// them in a framed box with a shadow beside the plot (right, left, bottom, top) or inside it at a
// data point that the user can drag. Layout reserves its space from the rectangle the chart is
// shrinking; the geometry rules are those of the chart's layout, in pixels of the current canvas.
// A legend never leaves the picture: entries that do not fit one column go into more columns (side
// styles), and what still does not fit ends in a line "… and N more"; a long name loses its middle.
#include "chart/data/layer.h"
#include "chart/view/legend.h"

#include <QFont>
#include <QRect>

#include <memory>
#include <vector>

namespace brelt::chart {

enum class TLegendStyle { lsRight, lsLeft, lsBottom, lsTop, lsInside };

class TWLegend : public TLayer {
public:
    explicit TWLegend(TGraphContext* graph);
    ~TWLegend() override;

    QString className() const override { return QStringLiteral("TWLegend"); }
    void Clear() override; // frees all entries
    void Draw() override;
    TColor GetColor() const override { return Color; }
    void SetColor(TColor color) override { Color = color; }

    TLineLegend* AddEntry(const QString& text);
    TContourLegend* AddContourEntry(const QString& text);
    void AddEntry(std::unique_ptr<TLegend> entry);
    int Count() const override { return static_cast<int>(m_entries.size()); }
    TLegend* entry(int index) const { return m_entries.at(static_cast<std::size_t>(index)).get(); }
    void removeEntryOf(const TSeries* series); // frees the entries of a series being deleted
    // Takes out the first entry of a series with its place (-1 and null when it has none), and puts
    // one back at a place (the undo of a series deletion).
    std::pair<int, std::unique_ptr<TLegend>> takeEntryOf(const TSeries* series);
    void insertEntry(int index, std::unique_ptr<TLegend> entry);
    int shownCount() const; // entries of visible series

    QFont font() const;
    // W: widest entry + 3 (and the "… and N more" line); H: round(1.1 x the height of "()").
    int entryWidth() const;
    int rowHeight() const;
    // Reserves the legend's side or band from `r` and places the box and entries. Inside the plot
    // rectangle (lsInside) nothing is reserved.
    void layout(QRect& r, bool printingOrPreview, int yLabelSpace);
    void layoutInside();
    QRect box() const { return m_box; }
    // After layout: how many entries the box shows, and how many its last line sums up.
    int drawnCount() const { return m_drawn; }
    int moreCount() const { return m_more; }
    QString moreText() const; // "… and N more"
    bool takesSpace() const { return Visible() && shownCount() > 0; }

    // Dragging the box (lsInside): press, move, release in pixels.
    bool contains(int x, int y) const { return takesSpace() && m_box.contains(x, y); }
    void beginDrag(int x, int y);
    void dragTo(int x, int y);
    void endDrag() { m_dragging = false; }
    bool dragging() const { return m_dragging; }

    bool TransparentBackGround = false;
    TColor Color = clWhite;
    int ShadowThickness = 3; // scale units
    TLegendStyle Style = TLegendStyle::lsRight;
    TColor ShadowColor = clBlack;
    bool ShadowVisible = true;
    TColor FrameColor = clBlack;
    bool FrameVisible = true;
    int FrameThickness = 1;
    int FrameStyle = 0; // pen style index
    double InsideX = 0; // top left corner for lsInside, in axis space
    double InsideY = 1;

private:
    // Places the shown entries in `columns` columns of `rows` rows, filled downwards, at most
    // `drawn` of them; the place after the last holds the "… and N more" line.
    void placeEntries(int left, int top, int rows, int drawn, bool downwards, int perRow);
    // How many rows and columns the shown entries take when at most maxRows x maxColumns fit.
    void arrange(int maxRows, int maxColumns, int& rows, int& columns);
    void limitTextWidths(int areaWidth);
    int shadowExtent() const; // how far the shadow reaches beyond the box's right and bottom

    std::vector<std::unique_ptr<TLegend>> m_entries;
    QRect m_box; // edges: right() and bottom() are the outline's last pixels
    int m_drawn = 0;
    int m_more = 0;
    QPoint m_morePosition;
    bool m_dragging = false;
    QPoint m_dragOffset;
};

} // namespace brelt::chart
