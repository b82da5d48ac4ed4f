#include "chart/contour/contour_undo.h"

#include "chart/contour/contour.h"

#include <algorithm>

namespace brelt::chart {

struct ContourUndoAccess {
    static std::vector<std::unique_ptr<ContourPolyline>>& lines(TContour& c) { return c.m_lines; }
    static std::vector<std::unique_ptr<TContourLabel>>& labels(TContour& c) { return c.m_labels; }
    static void changed(TContour& c) { c.markChanged(); }
};

namespace {

// A record of one contour layer as its lines stood: it applies while the layer is on the chart and
// its lines have not been generated anew.
class ContourRecord : public UndoRecord {
public:
    explicit ContourRecord(const TContour& c) : m_id(c.layerId()), m_generation(c.generation()) {}
    bool applies(const TGraphContext& graph) const override {
        const TContour* c = contour(graph);
        return c && c->generation() == m_generation;
    }

protected:
    TContour* contour(const TGraphContext& graph) const {
        return dynamic_cast<TContour*>(findLayer(graph, m_id));
    }

private:
    std::uint64_t m_id;
    std::uint64_t m_generation;
};

class ContourAdded : public ContourRecord {
public:
    ContourAdded(const TContour& c, std::size_t lines, std::size_t labels)
        : ContourRecord(c), m_lines(lines), m_labels(labels) {}
    void undo(TGraphContext& graph) override {
        TContour& c = *contour(graph);
        auto& lines = ContourUndoAccess::lines(c);
        auto& labels = ContourUndoAccess::labels(c);
        // The added contour's labels went to the end of the list with its lines.
        if (labels.size() > m_labels) labels.resize(m_labels);
        if (lines.size() > m_lines) lines.resize(m_lines);
        ContourUndoAccess::changed(c);
    }

private:
    std::size_t m_lines;
    std::size_t m_labels;
};

class ContourDeleted : public ContourRecord {
public:
    ContourDeleted(const TContour& c, ContourRemoval removed)
        : ContourRecord(c), m_removed(std::move(removed)) {}
    void undo(TGraphContext& graph) override {
        TContour& c = *contour(graph);
        // In ascending order of their former places, each goes back where it was.
        auto& lines = ContourUndoAccess::lines(c);
        for (auto& [index, line] : m_removed.lines)
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(std::min(index, lines.size())),
                         std::move(line));
        auto& labels = ContourUndoAccess::labels(c);
        for (auto& [index, label] : m_removed.labels)
            labels.insert(labels.begin() + static_cast<std::ptrdiff_t>(std::min(index, labels.size())),
                          std::move(label));
        m_removed = {};
        ContourUndoAccess::changed(c);
    }

private:
    ContourRemoval m_removed;
};

class LabelChanged : public ContourRecord {
public:
    LabelChanged(const TContour& c, const ContourPolyline& line) : ContourRecord(c), m_line(&line) {
        m_segment = line.labelSegment;
        if (const TContourLabel* label = c.labelOf(&line)) {
            m_labelEnds = {label->x1(), label->y1(), label->x2(), label->y2(), 0};
            m_visible = label->Visible;
        }
    }
    bool applies(const TGraphContext& graph) const override {
        if (!ContourRecord::applies(graph)) return false;
        const auto& lines = contour(graph)->Lines();
        return std::any_of(lines.begin(), lines.end(), [this](const auto& l) { return l.get() == m_line; });
    }
    void undo(TGraphContext& graph) override {
        TContour& c = *contour(graph);
        auto& lines = ContourUndoAccess::lines(c);
        const auto it =
            std::find_if(lines.begin(), lines.end(), [this](const auto& l) { return l.get() == m_line; });
        (*it)->labelSegment = m_segment;
        if (TContourLabel* label = c.labelOf(m_line)) {
            label->moveTo(m_labelEnds.x1, m_labelEnds.y1, m_labelEnds.x2, m_labelEnds.y2);
            label->Visible = m_visible;
        }
        ContourUndoAccess::changed(c);
    }

private:
    const ContourPolyline* m_line; // owned by the contour; alive while the record applies
    LabelSegment m_segment;
    LabelSegment m_labelEnds;
    bool m_visible = true;
};

} // namespace

std::unique_ptr<UndoRecord> contourAddedRecord(const TContour& contour, std::size_t lines,
                                               std::size_t labels) {
    return std::make_unique<ContourAdded>(contour, lines, labels);
}

std::unique_ptr<UndoRecord> contourDeletedRecord(const TContour& contour, ContourRemoval removed) {
    return std::make_unique<ContourDeleted>(contour, std::move(removed));
}

std::unique_ptr<UndoRecord> contourLabelRecord(const TContour& contour, const ContourPolyline& line) {
    return std::make_unique<LabelChanged>(contour, line);
}

} // namespace brelt::chart
