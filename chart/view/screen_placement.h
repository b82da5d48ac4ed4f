#pragma once
// Where a window restored from saved settings may stand: a placement saved on a monitor that is no
// longer there, or read from a damaged file, must not put the window out of the user's reach.
#include <QList>
#include <QRect>

namespace brelt::chart {

// The placement to use for `saved` given the available areas of the current screens (the first is
// the primary screen). A placement whose top strip (where the title bar is grabbed) shows at least
// a hand's width on some screen is kept; otherwise the window is centred on the primary screen. A
// window larger than the primary screen's area is shrunk to it; an empty size is kept as it is.
QRect visiblePlacement(const QRect& saved, const QList<QRect>& screens);

// The same for the screens of the running application (unchanged when there is no screen).
QRect visiblePlacement(const QRect& saved);

} // namespace brelt::chart
