#pragma once
// The constants catalogue "Brelt.CON": one constant a line, "name = value", with the unit in the
// name ("c (m/s) = 299792458"); blanks anywhere; a line without "=" pastes as a whole. The tab
// lists the lines sorted alphabetically without regard to case, finds a line by the beginning of
// its name and pastes its value into the input line.
#include <QString>
#include <QStringList>

namespace brelt::workspace {

// The catalogue's non-blank lines, sorted; false when the file cannot be read.
bool loadCatalogue(const QString& path, QStringList& lines);
// The same from the file's text.
QStringList parseCatalogue(const QString& text);

// Sorts alphabetically without regard to case; lines equal but for case keep a fixed order.
void sortCatalogue(QStringList& lines);

// The first line that begins with `prefix` (case ignored), or -1; an empty prefix finds nothing.
int findConstant(const QStringList& lines, const QString& prefix);

// The warning for a prefix that begins no line.
QString constantNotFoundText(const QString& prefix);

// The text a line pastes: every blank removed, then everything up to and including the first "=".
QString constantPasteText(const QString& line);

// How the catalogue is opened for editing: the program named by $VISUAL or else $EDITOR (split
// into program and arguments as a command line is, without a shell) followed by the file; an
// empty program means "let the desktop open the file".
struct EditorCommand {
    QString program;
    QStringList arguments;
};
EditorCommand editorCommand(const QString& visual, const QString& editor, const QString& file);

} // namespace brelt::workspace
