#pragma once
// The assistant's texts, apart from any widget: the word under the cursor, the catalogue entry it
// names, the help caption with the angle unit filled in and the greeting by time of day.
#include <QString>
#include <QStringList>

#include <functional>

namespace brelt::workspace {

// Rows of the catalogue the assistant searches: 0 to 66 without row 30.
inline constexpr int kAssistantLastEntry = 66;
inline constexpr int kAssistantSkippedEntry = 30;

// The name around the cursor; `cursor` counts the characters before it. Name characters are
// "a".."z", "_" and the capitals C, I, J, K, S, Y; "(" counts when reading forward, so the word
// under "sin(X)" is "sin(". Empty when no name character is near the cursor.
QString wordAtCursor(const QString& text, int cursor);

// The first catalogue row whose name occurs within `word`, or -1.
int findCatalogueEntry(const QString& word, const std::function<QString(int)>& nameOfRow);

// The help text with "%A" replaced by the angle unit's name.
QString helpWithAngleUnit(QString help, bool degrees);

// The greeting for a window first shown at `dayFraction` (0 = midnight, 0.5 = noon).
QString greetingText(double dayFraction, const QString& name);
// The first word of the account's full name, else the login name, else "Sir/Madam".
QString userFirstName();

} // namespace brelt::workspace
