#pragma once
// Icons drawn from SVG pictures compiled into the program. The picture is rendered at whatever size
// and scale the button asks for, so an icon stays sharp on a 2x screen; the disabled look is the
// style's greyed version of the same rendering.
#include <QIcon>
#include <QString>

namespace brelt::windows {

// `name` is a picture of the plot windows' set, e.g. "zoom_in" for ":/plot/icons/zoom_in.svg".
QIcon plotIcon(const QString& name);

} // namespace brelt::windows
