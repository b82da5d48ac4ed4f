#include "chart/view/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>

namespace brelt::chart {

namespace {

constexpr int kGrabWidth = 64; // how much of the title strip must show to drag the window back
constexpr int kGrabHeight = 24;

} // namespace

QRect visiblePlacement(const QRect& saved, const QList<QRect>& screens) {
    if (screens.isEmpty()) return saved;
    const QRect titleStrip(saved.left(), saved.top(), saved.width(), kGrabHeight);
    for (const QRect& screen : screens) {
        const QRect shown = screen.intersected(titleStrip);
        if (shown.width() >= qMin(kGrabWidth, saved.width()) &&
            shown.height() >= qMin(kGrabHeight, saved.height()))
            return saved;
    }
    const QRect& primary = screens.first();
    QSize size = saved.size();
    if (size.width() > primary.width()) size.setWidth(primary.width());
    if (size.height() > primary.height()) size.setHeight(primary.height());
    QRect placed(QPoint(0, 0), size);
    placed.moveCenter(primary.center());
    return placed;
}

QRect visiblePlacement(const QRect& saved) {
    QList<QRect> areas;
    if (const QScreen* primary = QGuiApplication::primaryScreen()) areas.append(primary->availableGeometry());
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen()) areas.append(screen->availableGeometry());
    return visiblePlacement(saved, areas);
}

} // namespace brelt::chart
