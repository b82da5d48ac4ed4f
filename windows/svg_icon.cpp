#include "windows/svg_icon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <memory>

// The pictures live in a static library: referencing the resource's initialiser makes the linker
// keep them.
static void initPlotIconResources() {
    Q_INIT_RESOURCE(plot_icons);
}

namespace brelt::windows {

namespace {

void initResources() {
    static const bool done = [] {
        initPlotIconResources();
        return true;
    }();
    (void)done;
}

class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(const QString& path)
        : m_path(path), m_renderer(std::make_shared<QSvgRenderer>(path)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, picture);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        if (size.isEmpty() || !m_renderer->isValid()) return picture;
        {
            QPainter p(&picture);
            p.setRenderHint(QPainter::Antialiasing);
            m_renderer->render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
        }
        if (mode == QIcon::Disabled || mode == QIcon::Selected) {
            QStyleOption option;
            option.palette = QApplication::palette();
            return QApplication::style()->generatedIconPixmap(mode, picture, &option);
        }
        return picture;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new SvgIconEngine(*this); }
    QString key() const override { return QStringLiteral("BreltSvg"); }
    bool isNull() override { return !m_renderer->isValid(); }

private:
    QString m_path;
    std::shared_ptr<QSvgRenderer> m_renderer; // shared by the copies QIcon makes
};

} // namespace

QIcon plotIcon(const QString& name) {
    initResources();
    return QIcon(new SvgIconEngine(QStringLiteral(":/plot/icons/") + name + QStringLiteral(".svg")));
}

} // namespace brelt::windows
