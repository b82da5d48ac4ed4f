#pragma once
// TGraphAnnotate: the chart's annotation layer, the notes a user writes on a chart. A note is a
// text (font, colour, rotation, an optional frame) or an arrow, placed in data coordinates so that
// it follows zooming and lands in the same place on every picture and printed page; its sizes grow
// with the chart's size factor as fonts and lines do. The chart owns one such layer and draws it
// after its other layers, clipped to the plot area; mouse events reach it before the other layers.
//
// With the mouse: a press on a note selects it and drags it (an arrow's end alone when the press is
// on that end), a double press edits it, the right button opens its menu ("&Edit…", "&Delete"),
// and Delete removes the selected note. Each change leaves an undo record with the chart.
//
// A text note is anchored at the left end of its line, halfway up: the text starts at the point
// and runs to the right (turned about the point by its angle). An arrow points at (x, y) from its
// tail (x2, y2).
//
// Text form: "TGraphAnnotate", the layer's own lines, the note count, then per note a line
// "Kind X Y X2 Y2 Color Angle Frame Width", a font line "Size CharSet Style Name" and the text line;
// then "TGraphAnnotate".
#include "chart/data/layer.h"
#include "chart/view/chart_font.h"

#include <QPolygonF>

#include <functional>
#include <vector>

namespace brelt::chart {

class TGraphUndo;

enum class NoteKind { Text = 0, Arrow = 1 };

struct TAnnotation {
    NoteKind kind = NoteKind::Text;
    double x = 0; // text: the anchor; arrow: the tip
    double y = 0;
    double x2 = 0; // arrow: the tail
    double y2 = 0;
    QString text; // one line
    TChartFont font{QStringLiteral("Arial"), 10};
    TColor color = clBlack; // of the text, its frame and the arrow
    double angle = 0;       // text: degrees, counter-clockwise
    bool frame = false;     // text: a box filled with the plot area's colour around it
    int width = 2;          // arrow: pen width in pixels on screen

    bool operator==(const TAnnotation&) const = default;
};

// The note as the layer keeps it: one-line texts, sizes within bounds, the font in the note's colour,
// the angle within -180..180.
TAnnotation settledNote(TAnnotation note);

// What the chart asks of the window when a note is added with "Add text…" or edited: true when the
// user accepted the changes made to `note`.
using NoteEditor = std::function<bool(TAnnotation& note, bool isNew)>;

class TGraphAnnotate : public TLayer {
public:
    explicit TGraphAnnotate(TGraphContext* graph);

    QString className() const override { return QStringLiteral("TGraphAnnotate"); }
    void LoadFromText(ChartTextReader& reader) override;
    void SaveToText(ChartTextWriter& writer) const override;
    void Clear() override;
    void Draw() override;
    int Count() const override { return static_cast<int>(m_notes.size()); }
    const std::vector<LayerMenuItem>& CreateMenu() override;
    void menuAction(const QString& itemName) override;
    void DeleteHit() override;
    bool MouseMove(int x, int y, ShiftState shift) override;
    bool MouseDown(int x, int y, MouseButton button, ShiftState shift) override;
    bool MouseUp(int x, int y, MouseButton button, ShiftState shift) override;
    // Edits the note under the mouse; true when there was one.
    bool DoubleClick(int x, int y);
    // Delete removes the selected note; true when the key was used.
    bool KeyDown(int key);

    const std::vector<TAnnotation>& notes() const { return m_notes; }
    const TAnnotation& note(int index) const { return m_notes.at(static_cast<std::size_t>(index)); }
    // Without an undo record (loading, the command line); the index of the new note.
    int add(const TAnnotation& note);
    // The user's edits, each with its undo record.
    int addNote(const TAnnotation& note);
    void changeNote(int index, const TAnnotation& note);
    void deleteNote(int index);
    // The note of the chart's "Add text…" at a pixel: the editor is asked first (none: not added).
    // "Add arrow" points an arrow at the pixel from above and to the side.
    bool addTextAt(int x, int y);
    void addArrowAt(int x, int y);
    NoteEditor Editor;

    // The note under a pixel (the last one drawn wins), or -1.
    int hitTest(int x, int y) const;
    // A text note's outline on the current canvas (the screen outside Draw), in pixels.
    QPolygonF textOutline(const TAnnotation& note) const;
    int selected() const { return m_current; }
    bool dragging() const { return m_drag != DragPart::None; }
    void select(int index) { m_current = index >= 0 && index < Count() ? index : -1; }
    // Counts Clear and loads: undo records made before no longer apply.
    std::uint64_t generation() const { return m_generation; }

private:
    friend class NoteRecord;

    void drawText(QPainter& p, const TAnnotation& note) const;
    void drawArrow(QPainter& p, const TAnnotation& note) const;
    void drawSelection(QPainter& p, const TAnnotation& note) const;
    void dragTo(int x, int y);
    QPointF toPixel(double x, double y) const;
    void toData(QPointF pixel, double& x, double& y) const;
    bool onScreen() const;

    // Which end of an arrow a pixel grabs, or its whole (also for a text).
    enum class DragPart { None, Whole, Tip, Tail };
    DragPart partAt(int index, int x, int y) const;

    std::vector<TAnnotation> m_notes;
    int m_current = -1; // the selected note
    bool m_hovering = false;
    std::uint64_t m_generation = 0;
    // The drag in progress: what the note was, where the press was, which part moves.
    DragPart m_drag = DragPart::None;
    int m_dragIndex = -1;
    TAnnotation m_dragStart;
    QPoint m_pressPixel;
};

} // namespace brelt::chart
