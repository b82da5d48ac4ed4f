#pragma once
// Every file Brelt writes goes through here: the text lands in a temporary file beside the target
// and is renamed over it only when the whole text was written, so a crash or a full disk in the
// middle of a save leaves the previous file as it was.
#include <QString>
#include <QStringList>

namespace brelt::workspace {

// Writes `text` (UTF-8) to `path` atomically; false when anything failed (the old file is kept).
bool writeTextFileAtomically(const QString& path, const QString& text);

// Joins `lines` with CR LF after every line, the line end of every text file Brelt writes.
QString joinCrLf(const QStringList& lines);

// Splits a text file's contents into lines, accepting CR LF, LF or CR alone.
QStringList splitLines(const QString& text);

// Reads a whole text file as UTF-8; false when it cannot be opened.
bool readTextFile(const QString& path, QString& text);

} // namespace brelt::workspace
