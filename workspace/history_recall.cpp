#include "workspace/history_recall.h"

#include <algorithm>

namespace brelt::workspace {

namespace {

constexpr int kNotch = 120; // eighths of a degree in one notch of a mouse wheel

} // namespace

std::optional<QString> HistoryRecall::step(int list, int count, const std::function<QString(int)>& entry,
                                           const QString& current, Step direction) {
    const bool walking = m_list >= 0 && current == m_shown;
    if (!walking) m_typed = current; // a new walk, or the user typed since the last step
    if (!walking || list != m_list) {
        m_list = list;
        m_position = -1;
    }
    if (count <= 0) return std::nullopt;
    m_position = std::min(m_position, count - 1);
    int next = m_position;
    switch (direction) {
    case Step::Older: next = std::min(m_position + 1, count - 1); break;
    case Step::Newer: next = std::max(m_position - 1, -1); break;
    case Step::Oldest: next = count - 1; break;
    case Step::Newest: next = 0; break;
    }
    if (next == m_position && walking) return std::nullopt;
    m_position = next;
    m_shown = next < 0 ? m_typed : entry(next);
    return m_shown;
}

void HistoryRecall::reset() {
    m_list = -1;
    m_position = -1;
    m_typed.clear();
    m_shown.clear();
    m_wheelRemainder = 0;
}

int HistoryRecall::wheelNotches(int angleDelta) {
    // A turn the other way drops what was left of the last one.
    if ((angleDelta > 0) != (m_wheelRemainder > 0)) m_wheelRemainder = 0;
    m_wheelRemainder += angleDelta;
    const int notches = m_wheelRemainder / kNotch;
    m_wheelRemainder -= notches * kNotch;
    return notches;
}

} // namespace brelt::workspace
