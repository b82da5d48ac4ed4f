#include "chart/view/label_blocks.h"

#include "chart/view/settings_store.h"

#include <QFontMetricsF>
#include <QImage>
#include <QImageReader>
#include <QLocale>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace brelt::chart {

namespace {

constexpr int kMaxLines = 50; // a damaged "Lines" value cannot make us read forever

QRect edgesToRect(const QRect& r) {
    // From the page convention (right() is the edge) to Qt's painting rectangle.
    return QRect(r.left(), r.top(), r.right() - r.left(), r.bottom() - r.top());
}

} // namespace

LabelBlockSet::LabelBlockSet() {
    system.name = QStringLiteral("System LOGO");
    owner.name = QStringLiteral("Owner LOGO");
    project.name = QStringLiteral("Project LOGO");
    comment.name = QStringLiteral("Comment");
}

TLabelBlock systemLogoBlock(const QDate& date) {
    TLabelBlock block = LabelBlockSet().system;
    block.text = QStringLiteral("Brelt\n") + QLocale().toString(date, QLocale::LongFormat);
    return block;
}

void loadLabelBlock(const SettingsStore& store, TLabelBlock& block) {
    const QString& section = block.name;
    if (store.read(section, QStringLiteral("Lines"))) {
        const int count = std::clamp(store.readInt(section, QStringLiteral("Lines"), 0), 0, kMaxLines);
        QStringList lines;
        for (int i = 1; i <= count; ++i)
            lines << store.readString(section, QStringLiteral("Line%1").arg(i), QString());
        block.text = lines.join(QLatin1Char('\n'));
    }
    block.justify =
        justifyFromText(store.readString(section, QStringLiteral("Justify"), justifyText(block.justify)));
    block.pictureFile = store.readString(section, QStringLiteral("Picture"), block.pictureFile);
    loadFont(store, section, QString(), block.font);
}

void saveLabelBlock(SettingsStore& store, const TLabelBlock& block) {
    const QString& section = block.name;
    const QStringList lines =
        block.text.isEmpty() ? QStringList() : block.text.split(QLatin1Char('\n')).mid(0, kMaxLines);
    store.writeInt(section, QStringLiteral("Lines"), static_cast<int>(lines.size()));
    for (int i = 0; i < lines.size(); ++i)
        store.writeString(section, QStringLiteral("Line%1").arg(i + 1), lines[i]);
    store.writeString(section, QStringLiteral("Justify"), justifyText(block.justify));
    store.writeString(section, QStringLiteral("Picture"), block.pictureFile);
    saveFont(store, section, QString(), block.font);
}

LabelBlockSet loadLabelBlocks(const SettingsStore& store, const QDate& today) {
    LabelBlockSet set;
    set.system = systemLogoBlock(today);
    loadLabelBlock(store, set.owner);
    loadLabelBlock(store, set.project);
    loadLabelBlock(store, set.comment);
    return set;
}

void saveLabelBlocks(SettingsStore& store, const LabelBlockSet& blocks) {
    saveLabelBlock(store, blocks.owner);
    saveLabelBlock(store, blocks.project);
    saveLabelBlock(store, blocks.comment);
}

QString justifyText(LabelJustify justify) {
    switch (justify) {
    case LabelJustify::Left: return QStringLiteral("Left");
    case LabelJustify::Right: return QStringLiteral("Right");
    case LabelJustify::Center: return QStringLiteral("Center");
    }
    return QStringLiteral("Left");
}

LabelJustify justifyFromText(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("Right"), Qt::CaseInsensitive) == 0) return LabelJustify::Right;
    if (t.compare(QLatin1String("Center"), Qt::CaseInsensitive) == 0) return LabelJustify::Center;
    return LabelJustify::Left;
}

void drawLabelBlock(QPainter& painter, const QRect& slot, const TLabelBlock& block, int outlineWidth) {
    const QRect area = edgesToRect(slot);
    if (area.width() <= 0 || area.height() <= 0) return;
    painter.save();
    painter.setClipRect(area);
    if (outlineWidth > 0) {
        painter.setPen(QPen(Qt::black, outlineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area);
    }
    const int pad = std::max(1, area.height() / 12) + outlineWidth;
    QRect inner = area.adjusted(pad, pad, -pad, -pad);

    // The picture at the left, as high as the slot allows, never wider than half of it.
    if (!block.pictureFile.isEmpty()) {
        QImageReader reader(block.pictureFile);
        reader.setAutoTransform(true);
        const QImage picture = reader.read();
        if (!picture.isNull() && inner.height() > 0) {
            QSize size = picture.size().scaled(QSize(inner.width() / 2, inner.height()), Qt::KeepAspectRatio);
            size = size.expandedTo(QSize(1, 1));
            const QRect target(inner.left(), inner.top() + (inner.height() - size.height()) / 2, size.width(),
                               size.height());
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter.drawImage(target, picture);
            inner.setLeft(target.right() + 1 + pad);
        }
    }

    const QStringList lines = block.text.split(QLatin1Char('\n'));
    if (!block.text.isEmpty() && inner.width() > 0 && inner.height() > 0) {
        QFont font = block.font.toQFont();
        // Lines that would not fit in the slot shrink together, never below a readable size.
        for (int step = 0; step < 12; ++step) {
            const QFontMetricsF metrics(font, painter.device());
            double widest = 0;
            for (const QString& line : lines)
                widest = std::max(widest, metrics.horizontalAdvance(line));
            const double needed = metrics.lineSpacing() * static_cast<double>(lines.size());
            const double scale = std::min(inner.height() / needed, inner.width() / std::max(1.0, widest));
            if (scale >= 1 || font.pointSizeF() <= 4) break;
            font.setPointSizeF(std::max(4.0, font.pointSizeF() * std::max(0.5, scale * 0.98)));
        }
        painter.setFont(font);
        painter.setPen(toQColor(block.font.color));
        const QFontMetricsF metrics(font, painter.device());
        const double lineHeight = metrics.lineSpacing();
        double y = inner.top() + (inner.height() - lineHeight * static_cast<double>(lines.size())) / 2;
        y = std::max(y, static_cast<double>(inner.top()));
        const Qt::Alignment horizontal = block.justify == LabelJustify::Right    ? Qt::AlignRight
                                         : block.justify == LabelJustify::Center ? Qt::AlignHCenter
                                                                                 : Qt::AlignLeft;
        for (const QString& line : lines) {
            painter.drawText(QRectF(inner.left(), y, inner.width(), lineHeight),
                             horizontal | Qt::AlignVCenter, line);
            y += lineHeight;
        }
    }
    painter.restore();
}

} // namespace brelt::chart
