#pragma once
// The history file "Brelt.HST": a count line, that many formulas (newest first), a count line,
// that many results (newest first); CR LF line ends. Reading cuts every entry to 255 characters and
// copes with a truncated or damaged file by keeping what could be read.
#include <QString>
#include <QStringList>

namespace brelt::workspace {

struct CalcHistory {
    QStringList formulas; // `cbHistory`, newest first
    QStringList results;  // `cbResults`, newest first
};

inline constexpr int kHistoryEntryLimit = 255;

// Parses history text; a bad count ends the list it opens (and everything after it).
CalcHistory parseHistory(const QString& text);
QString historyToText(const CalcHistory& history);

// False when the file cannot be opened (both lists empty).
bool readHistoryFile(const QString& path, CalcHistory& history);
// Atomic; false when the file could not be written (the previous file stays intact).
bool writeHistoryFile(const QString& path, const CalcHistory& history);

} // namespace brelt::workspace
