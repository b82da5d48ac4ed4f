#pragma once
// Walking through the history (or the results) from the input line, as in any command history:
// Up and the wheel turned away from the user step to an older entry, Down and the wheel turned
// towards the user to a newer one, Page Up jumps to the oldest entry and Page Down to the newest.
// Each step replaces the whole input line by the entry; stepping down past the newest entry
// brings back the line the user was typing before the walk began. Typing in between starts a
// new walk from the typed text.
#include <QString>

#include <functional>
#include <optional>

namespace brelt::workspace {

class HistoryRecall {
public:
    enum class Step { Older, Newer, Oldest, Newest };

    // One step through list `list` (any number naming the list: a walk that changes list starts
    // again at its newest entry, keeping the typed line) of `count` entries, newest first, with
    // the input line standing at `current`. Returns the input line's new text, or nothing when
    // the walk is already at its end in that direction.
    std::optional<QString> step(int list, int count, const std::function<QString(int)>& entry,
                                const QString& current, Step step);

    // Forgets the walk (after an evaluation recorded an entry or a list changed).
    void reset();

    // The wheel: adds a turn in eighths of a degree and returns how many whole notches it makes
    // (positive away from the user), keeping the remainder for the next turn.
    int wheelNotches(int angleDelta);

private:
    int m_list = -1;     // the list walked, -1 none
    int m_position = -1; // the entry shown, -1 for the typed line
    QString m_typed;     // the line as typed before the walk
    QString m_shown;     // what the walk last put into the input line
    int m_wheelRemainder = 0;
};

} // namespace brelt::workspace
