#include "chart/data/graph_undo.h"

#include "chart/data/graph_context.h"

#include <algorithm>

namespace brelt::chart {

namespace {

// The records of one user action, undone newest first.
class GroupRecord : public UndoRecord {
public:
    explicit GroupRecord(std::vector<std::unique_ptr<UndoRecord>> parts) : m_parts(std::move(parts)) {}

    bool applies(const TGraphContext& graph) const override {
        return std::any_of(m_parts.begin(), m_parts.end(),
                           [&graph](const auto& p) { return p->applies(graph); });
    }
    void undo(TGraphContext& graph) override {
        for (auto it = m_parts.rbegin(); it != m_parts.rend(); ++it)
            if ((*it)->applies(graph)) (*it)->undo(graph);
    }

private:
    std::vector<std::unique_ptr<UndoRecord>> m_parts;
};

} // namespace

void TGraphContext::recordUndo(std::unique_ptr<UndoRecord> record) {
    if (TGraphUndo* store = undoStore()) store->Add(std::move(record));
}

void TGraphUndo::Add(std::unique_ptr<UndoRecord> record) {
    if (!record || m_undoing) return;
    if (m_groupDepth > 0) {
        m_group.push_back(std::move(record));
        return;
    }
    m_records.push_back(std::move(record));
    while (static_cast<int>(m_records.size()) > kDepth)
        m_records.pop_front();
    changed();
}

bool TGraphUndo::CanUndo(const TGraphContext& graph) const {
    return std::any_of(m_records.begin(), m_records.end(),
                       [&graph](const auto& r) { return r->applies(graph); });
}

bool TGraphUndo::Undo(TGraphContext& graph) {
    if (m_undoing || m_groupDepth > 0) return false;
    bool done = false;
    while (!m_records.empty() && !done) {
        std::unique_ptr<UndoRecord> record = std::move(m_records.back());
        m_records.pop_back();
        if (!record->applies(graph)) continue;
        m_undoing = true;
        record->undo(graph);
        m_undoing = false;
        done = true;
    }
    changed();
    return done;
}

void TGraphUndo::Clear() {
    m_records.clear();
    m_group.clear();
    changed();
}

void TGraphUndo::beginGroup() {
    ++m_groupDepth;
}

void TGraphUndo::endGroup() {
    if (m_groupDepth == 0 || --m_groupDepth > 0) return;
    std::vector<std::unique_ptr<UndoRecord>> parts = std::move(m_group);
    m_group.clear();
    if (parts.empty()) return;
    if (parts.size() == 1)
        Add(std::move(parts.front()));
    else
        Add(std::make_unique<GroupRecord>(std::move(parts)));
}

void TGraphUndo::changed() const {
    if (OnChange) OnChange();
}

} // namespace brelt::chart
