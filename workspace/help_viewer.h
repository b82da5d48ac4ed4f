#pragma once
// Brelt's built-in manual: HTML pages compiled into the program (workspace/help.qrc) and one
// non-modal help window that shows them. The program opens help by topic number (F1, the Help
// buttons of the tabs and of the Set variable dialog); each topic number has its own page, and a
// topic without a page opens the contents, so a Help button never leads nowhere.
#include <QString>
#include <QUrl>

class QWidget;

namespace brelt::workspace {

// The polar plot type has no topic number of its own in the Graphics tab's Help button; this one
// opens the polar section of the plotting page, so that Help is never a dead button.
inline constexpr int kPolarPlotHelpTopic = 22;

// The resource path (":/help/....html") of the page for a topic number; the contents page for a
// number that has no page of its own.
QString helpPageForTopic(int topic);

// The same page as a URL the help browser can load ("qrc:/help/....html"), with the section's
// anchor for topics that open a section of a page.
QUrl helpUrlForTopic(int topic);

// Opens the help window at the page of `topic`, or brings the already open window to the front
// and moves it to that page. The window is not modal: the user keeps calculating while reading.
// It belongs to parent's window (so it stays usable beside a modal dialog that asked for help)
// and is hidden, not destroyed, when the user closes it.
void showHelpTopic(QWidget* parent, int topic);

} // namespace brelt::workspace
