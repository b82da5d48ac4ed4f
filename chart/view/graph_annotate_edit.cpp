// The annotation layer's edits: adding, changing and deleting notes with their undo records, the
// mouse (select, drag, double press), the Delete key and the note's pop-up menu.
#include "chart/data/graph_undo.h"
#include "chart/view/graph_annotate.h"

#include <cmath>

namespace brelt::chart {

// Puts one note back as it was before an edit: takes an added note out, puts a deleted one back at
// its place, or restores a changed one.
class NoteRecord : public UndoRecord {
public:
    enum class Kind { Added, Removed, Changed };

    NoteRecord(TGraphAnnotate& layer, Kind kind, int index, TAnnotation before)
        : m_layer(layer), m_kind(kind), m_index(index), m_before(std::move(before)),
          m_generation(layer.generation()) {}

    bool applies(const TGraphContext&) const override {
        if (m_layer.generation() != m_generation) return false;
        return m_kind == Kind::Removed ? m_index <= m_layer.Count() : m_index < m_layer.Count();
    }
    void undo(TGraphContext&) override {
        auto& notes = m_layer.m_notes;
        const auto at = notes.begin() + m_index;
        switch (m_kind) {
        case Kind::Added: notes.erase(at); break;
        case Kind::Removed: notes.insert(at, m_before); break;
        case Kind::Changed: *at = m_before; break;
        }
        m_layer.m_current = -1;
        m_layer.m_drag = TGraphAnnotate::DragPart::None;
        m_layer.markChanged();
    }

private:
    TGraphAnnotate& m_layer; // the chart's own layer, which lives as long as the chart and its store
    Kind m_kind;
    int m_index;
    TAnnotation m_before;
    std::uint64_t m_generation;
};

int TGraphAnnotate::addNote(const TAnnotation& n) {
    const int index = add(n);
    if (m_graph)
        m_graph->recordUndo(
            std::make_unique<NoteRecord>(*this, NoteRecord::Kind::Added, index, TAnnotation{}));
    m_current = index;
    return index;
}

void TGraphAnnotate::changeNote(int index, const TAnnotation& n) {
    if (index < 0 || index >= Count()) return;
    auto& slot = m_notes[static_cast<std::size_t>(index)];
    if (m_graph)
        m_graph->recordUndo(std::make_unique<NoteRecord>(*this, NoteRecord::Kind::Changed, index, slot));
    slot = settledNote(n);
    markChanged();
}

void TGraphAnnotate::deleteNote(int index) {
    if (index < 0 || index >= Count()) return;
    const auto at = m_notes.begin() + index;
    if (m_graph)
        m_graph->recordUndo(std::make_unique<NoteRecord>(*this, NoteRecord::Kind::Removed, index, *at));
    m_notes.erase(at);
    m_current = -1;
    m_hitIndex = -1;
    markChanged();
}

void TGraphAnnotate::toData(QPointF pixel, double& x, double& y) const {
    x = m_graph->PixelToX(static_cast<int>(std::lround(pixel.x())));
    y = m_graph->PixelToY(static_cast<int>(std::lround(pixel.y())));
    if (m_graph->xAxisLog()) x = std::pow(10.0, x);
    if (m_graph->yAxisLog()) y = std::pow(10.0, y);
}

bool TGraphAnnotate::addTextAt(int x, int y) {
    if (!m_graph || !Editor) return false;
    TAnnotation n;
    toData(QPointF(x, y), n.x, n.y);
    if (!Editor(n, true) || n.text.trimmed().isEmpty()) return false;
    addNote(n);
    return true;
}

void TGraphAnnotate::addArrowAt(int x, int y) {
    if (!m_graph) return;
    TAnnotation n;
    n.kind = NoteKind::Arrow;
    toData(QPointF(x, y), n.x, n.y);
    // The tail up and to the right of the tip, or wherever the plot area leaves room for it.
    const QRect plot = m_graph->GetPlotRect();
    const int dx = std::max(24, plot.width() / 12), dy = std::max(18, plot.height() / 12);
    const int tx = x + dx <= plot.right() ? x + dx : x - dx;
    const int ty = y - dy >= plot.top() ? y - dy : y + dy;
    toData(QPointF(tx, ty), n.x2, n.y2);
    addNote(n);
}

// ---- mouse and keys ----

bool TGraphAnnotate::MouseMove(int x, int y, ShiftState) {
    if (!m_graph) return false;
    if (m_drag != DragPart::None) {
        dragTo(x, y);
        return true;
    }
    const bool over = hitTest(x, y) >= 0;
    if (over || m_hovering) m_graph->setCursor(over ? ChartCursor::MoveIt : ChartCursor::Default);
    m_hovering = over;
    return over;
}

bool TGraphAnnotate::MouseDown(int x, int y, MouseButton button, ShiftState) {
    if (!m_graph) return false;
    m_hitIndex = hitTest(x, y);
    if (m_hitIndex < 0) {
        if (m_current >= 0) {
            m_current = -1;
            m_graph->Redraw();
        }
        return false;
    }
    m_current = m_hitIndex;
    if (button == MouseButton::Left) {
        m_drag = partAt(m_hitIndex, x, y);
        m_dragIndex = m_hitIndex;
        m_dragStart = note(m_hitIndex);
        m_pressPixel = QPoint(x, y);
    }
    m_graph->Redraw();
    return true;
}

bool TGraphAnnotate::MouseUp(int, int, MouseButton, ShiftState) {
    if (m_drag == DragPart::None) return false;
    m_drag = DragPart::None;
    if (m_dragIndex < Count() && note(m_dragIndex) != m_dragStart && m_graph)
        m_graph->recordUndo(
            std::make_unique<NoteRecord>(*this, NoteRecord::Kind::Changed, m_dragIndex, m_dragStart));
    return true;
}

void TGraphAnnotate::dragTo(int x, int y) {
    if (m_dragIndex < 0 || m_dragIndex >= Count()) {
        m_drag = DragPart::None;
        return;
    }
    const QPointF delta(x - m_pressPixel.x(), y - m_pressPixel.y());
    TAnnotation n = m_dragStart;
    if (m_drag == DragPart::Whole || m_drag == DragPart::Tip)
        toData(toPixel(m_dragStart.x, m_dragStart.y) + delta, n.x, n.y);
    if ((m_drag == DragPart::Whole && n.kind == NoteKind::Arrow) || m_drag == DragPart::Tail)
        toData(toPixel(m_dragStart.x2, m_dragStart.y2) + delta, n.x2, n.y2);
    m_notes[static_cast<std::size_t>(m_dragIndex)] = n;
    markChanged();
    m_graph->setCursor(ChartCursor::MoveIt);
    m_graph->Redraw();
}

bool TGraphAnnotate::DoubleClick(int x, int y) {
    const int hit = hitTest(x, y);
    if (hit < 0) return false;
    m_current = hit;
    m_drag = DragPart::None;
    TAnnotation edited = note(hit);
    if (Editor && Editor(edited, false) && settledNote(edited) != note(hit)) changeNote(hit, edited);
    return true;
}

bool TGraphAnnotate::KeyDown(int key) {
    if (key != Qt::Key_Delete || m_current < 0 || m_current >= Count()) return false;
    deleteNote(m_current);
    return true;
}

// ---- the note's pop-up menu ----

const std::vector<LayerMenuItem>& TGraphAnnotate::CreateMenu() {
    m_menu = {
        {QStringLiteral("miEditNote"), QStringLiteral("&Edit\u2026"), -1, true, true},
        {QStringLiteral("miErase"), QStringLiteral("&Delete  <Del>"), 13, true, true},
    };
    return m_menu;
}

void TGraphAnnotate::menuAction(const QString& itemName) {
    if (m_hitIndex < 0 || m_hitIndex >= Count()) return;
    if (itemName == QLatin1String("miErase")) {
        DeleteHit();
    } else if (itemName == QLatin1String("miEditNote")) {
        TAnnotation edited = note(m_hitIndex);
        if (Editor && Editor(edited, false) && settledNote(edited) != note(m_hitIndex))
            changeNote(m_hitIndex, edited);
    }
}

void TGraphAnnotate::DeleteHit() {
    deleteNote(m_hitIndex);
}

} // namespace brelt::chart
