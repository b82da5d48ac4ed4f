#include "chart/view/chart_cursors.h"

#include <QPainter>
#include <QPixmap>

#include <map>

namespace brelt::chart {

namespace {

constexpr int kSize = 32;

void arrow(QPainter& p, QPointF from, QPointF to) {
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::max(1.0, std::hypot(to.x() - from.x(), to.y() - from.y()));
    const QPointF n(-d.y(), d.x());
    p.drawLine(to, to - 4 * d + 3 * n);
    p.drawLine(to, to - 4 * d - 3 * n);
}

// Black strokes with a white outline, so the cursor reads on any chart colour.
template <typename Shape> QCursor drawn(Shape shape, int hotX, int hotY) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    shape(p);
    p.setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::RoundCap));
    shape(p);
    p.end();
    return QCursor(pixmap, hotX, hotY);
}

QCursor makeCursor(ChartCursor cursor) {
    switch (cursor) {
    case ChartCursor::ZoomIn:
    case ChartCursor::AniZoom:
        return drawn(
            [cursor](QPainter& p) {
                p.drawEllipse(QPointF(12, 12), 8, 8);
                p.drawLine(QPointF(18, 18), QPointF(28, 28));
                p.drawLine(QPointF(8, 12), QPointF(16, 12));
                p.drawLine(QPointF(12, 8), QPointF(12, 16));
                if (cursor == ChartCursor::AniZoom) p.drawArc(QRectF(1, 1, 22, 22), 30 * 16, 120 * 16);
            },
            12, 12);
    case ChartCursor::MoveIt:
        return drawn(
            [](QPainter& p) {
                arrow(p, {16, 16}, {16, 3});
                arrow(p, {16, 16}, {16, 29});
                arrow(p, {16, 16}, {3, 16});
                arrow(p, {16, 16}, {29, 16});
            },
            16, 16);
    case ChartCursor::SerAdd:
    case ChartCursor::SerDel:
    case ChartCursor::SerSel:
    case ChartCursor::SerInf:
    case ChartCursor::Transform:
        return drawn(
            [cursor](QPainter& p) {
                p.drawLine(QPointF(2, 2), QPointF(14, 14));
                p.drawLine(QPointF(2, 2), QPointF(2, 9));
                p.drawLine(QPointF(2, 2), QPointF(9, 2));
                const QPointF c(22, 22);
                if (cursor == ChartCursor::SerAdd || cursor == ChartCursor::SerDel)
                    p.drawLine(c - QPointF(6, 0), c + QPointF(6, 0));
                if (cursor == ChartCursor::SerAdd) p.drawLine(c - QPointF(0, 6), c + QPointF(0, 6));
                if (cursor == ChartCursor::SerSel) p.drawRect(QRectF(c - QPointF(5, 5), QSizeF(10, 10)));
                if (cursor == ChartCursor::SerInf) {
                    p.drawEllipse(c, 6, 6);
                    p.drawLine(c + QPointF(0, -1), c + QPointF(0, 3));
                }
                if (cursor == ChartCursor::Transform) arrow(p, c - QPointF(6, 0), c + QPointF(6, 0));
            },
            2, 2);
    case ChartCursor::PanRea:
    case ChartCursor::PanPro:
        return drawn(
            [](QPainter& p) {
                p.drawRoundedRect(QRectF(8, 10, 16, 16), 5, 5);
                for (int i = 0; i < 4; ++i)
                    p.drawLine(QPointF(10 + 4 * i, 10), QPointF(10 + 4 * i, 4));
            },
            16, 16);
    case ChartCursor::Hourglass: return QCursor(Qt::WaitCursor);
    case ChartCursor::Default: break;
    }
    return QCursor(Qt::ArrowCursor);
}

} // namespace

QCursor chartCursor(ChartCursor cursor) {
    static std::map<ChartCursor, QCursor> cache;
    auto it = cache.find(cursor);
    if (it == cache.end()) it = cache.emplace(cursor, makeCursor(cursor)).first;
    return it->second;
}

QString chartCursorName(ChartCursor cursor) {
    switch (cursor) {
    case ChartCursor::ZoomIn: return QStringLiteral("ZOOM_IN");
    case ChartCursor::MoveIt: return QStringLiteral("MOVEIT");
    case ChartCursor::SerAdd: return QStringLiteral("SERADD");
    case ChartCursor::SerDel: return QStringLiteral("SERDEL");
    case ChartCursor::SerSel: return QStringLiteral("SERSEL");
    case ChartCursor::Transform: return QStringLiteral("TRANSFORM");
    case ChartCursor::AniZoom: return QStringLiteral("ANIZOOM");
    case ChartCursor::PanRea: return QStringLiteral("PANREA");
    case ChartCursor::PanPro: return QStringLiteral("PANPRO");
    case ChartCursor::SerInf: return QStringLiteral("SERINF");
    default: return {};
    }
}

} // namespace brelt::chart
