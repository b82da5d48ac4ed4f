#pragma once
// TGraphUndo: the chart's undo store. Every edit of a chart's content leaves one small record of
// what it changed (a deleted point, a series' former look, the polylines a contour click removed,
// a note's former place), made where the edit happens and handed to the chart with
// TGraphContext::recordUndo. Undo puts back the newest record; the store keeps the last 100.
//
// Records name their layer by its id, never by pointer, so a record whose layer has gone (freed,
// or rebuilt by a non-undoable change) no longer applies and is passed over. Records made while an
// undo runs are dropped. Edits of one user action that touch several things (the properties
// dialog on three series) are bundled with UndoGroup into one step.
#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace brelt::chart {

class TGraphContext;

class UndoRecord {
public:
    virtual ~UndoRecord() = default;
    // False when what the edit changed is no longer there to be put back.
    virtual bool applies(const TGraphContext& graph) const {
        (void)graph;
        return true;
    }
    // Puts back the state before the edit. Called only when applies() holds.
    virtual void undo(TGraphContext& graph) = 0;
};

class TGraphUndo {
public:
    static constexpr int kDepth = 100;

    TGraphUndo() = default;
    TGraphUndo(const TGraphUndo&) = delete;
    TGraphUndo& operator=(const TGraphUndo&) = delete;

    // Keeps the record as the newest step (inside a group: as part of the group's step); the
    // oldest step goes when there are more than kDepth.
    void Add(std::unique_ptr<UndoRecord> record);
    // True when some step still applies to the chart.
    bool CanUndo(const TGraphContext& graph) const;
    // Undoes the newest step that still applies, dropping newer ones that do not; true when one
    // was undone.
    bool Undo(TGraphContext& graph);
    void Clear();
    int Count() const { return static_cast<int>(m_records.size()); }
    bool undoing() const { return m_undoing; }

    void beginGroup();
    void endGroup();

    // Called after every change of the steps (a window enables its Undo command from it).
    std::function<void()> OnChange;

private:
    void changed() const;

    std::deque<std::unique_ptr<UndoRecord>> m_records; // oldest first
    std::vector<std::unique_ptr<UndoRecord>> m_group;  // parts of the open group
    int m_groupDepth = 0;
    bool m_undoing = false;
};

// Bundles the records made during its life into one step. A null store is allowed.
class UndoGroup {
public:
    explicit UndoGroup(TGraphUndo* store) : m_store(store) {
        if (m_store) m_store->beginGroup();
    }
    ~UndoGroup() {
        if (m_store) m_store->endGroup();
    }
    UndoGroup(const UndoGroup&) = delete;
    UndoGroup& operator=(const UndoGroup&) = delete;

private:
    TGraphUndo* m_store;
};

} // namespace brelt::chart
