#include "chart/view/print_preview.h"

#include "chart/view/text_metrics.h"
#include "chart/view/ui_services.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace brelt::chart {

namespace {

constexpr int kGrip = 4; // how near a line the mouse must be to take it

} // namespace

QSizeF paperMillimetres(const QPrinter& printer) {
    return printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
}

PreviewPage::PreviewPage(const PagePainter& content, PageSettings& settings, const LabelBlockSet& blocks,
                         QWidget* parent)
    : QWidget(parent), m_content(content), m_settings(settings), m_blocks(blocks) {
    setObjectName(QStringLiteral("pnPage"));
    setMouseTracking(true);
}

double PreviewPage::pixelsPerMm() const {
    return logicalDpiX() * 0.03937;
}

QSize PreviewPage::pagePixels() const {
    const double dpmm = logicalDpiX() / 25.4;
    return QSize(std::max(1, roundEven(m_paperMm.width() * dpmm)),
                 std::max(1, roundEven(m_paperMm.height() * dpmm)));
}

QSize PreviewPage::sizeHint() const {
    return pagePixels() + QSize(2 * kOffset, 2 * kOffset);
}

void PreviewPage::setPaper(const QSizeF& paperMm) {
    if (paperMm.width() > 0 && paperMm.height() > 0) m_paperMm = paperMm;
    setFixedSize(sizeHint());
    render();
}

void PreviewPage::render() {
    const QSize size = pagePixels();
    const int dpi = logicalDpiX();
    m_picture = QImage(size, QImage::Format_RGB32);
    // The picture's resolution is the screen's: fonts in points come out as on the paper, scaled.
    const int dotsPerMetre = roundEven(dpi / 0.0254);
    m_picture.setDotsPerMeterX(dotsPerMetre);
    m_picture.setDotsPerMeterY(dotsPerMetre);
    m_picture.fill(Qt::white);
    {
        QPainter painter(&m_picture);
        const PageGeometry geometry = pageGeometry(size, dpi, m_settings);
        paintPage(painter, geometry, {m_settings, m_blocks}, m_content, OutputKind::Preview);
    }
    update();
}

int PreviewPage::linePosition(Edge edge) const {
    const double p = pixelsPerMm();
    const QSize size = pagePixels();
    switch (edge) {
    case Edge::Left: return kOffset + roundEven(m_settings.left * p);
    case Edge::Right: return kOffset + size.width() - roundEven(m_settings.right * p);
    case Edge::Top: return kOffset + roundEven(m_settings.top * p);
    case Edge::Bottom: return kOffset + size.height() - roundEven(m_settings.bottom * p);
    case Edge::None: break;
    }
    return -1;
}

PreviewPage::Edge PreviewPage::edgeAt(const QPoint& point) const {
    const QRect paper(QPoint(kOffset, kOffset), pagePixels());
    if (!paper.adjusted(-kGrip, -kGrip, kGrip, kGrip).contains(point)) return Edge::None;
    for (Edge edge : {Edge::Left, Edge::Right})
        if (std::abs(point.x() - linePosition(edge)) <= kGrip) return edge;
    for (Edge edge : {Edge::Top, Edge::Bottom})
        if (std::abs(point.y() - linePosition(edge)) <= kGrip) return edge;
    return Edge::None;
}

void PreviewPage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Dark));
    const QRect paper(QPoint(kOffset, kOffset), pagePixels());
    p.fillRect(paper.translated(4, 4), QColor(60, 60, 60)); // the paper's shadow
    p.drawImage(paper.topLeft(), m_picture);
    for (Edge edge : {Edge::Left, Edge::Right, Edge::Top, Edge::Bottom}) {
        const bool taken = edge == m_dragging;
        p.setPen(QPen(taken ? QColor(220, 0, 0) : QColor(0, 90, 220), taken ? 2 : 1, Qt::DashLine));
        const int at = linePosition(edge);
        if (edge == Edge::Left || edge == Edge::Right)
            p.drawLine(at, paper.top(), at, paper.bottom());
        else
            p.drawLine(paper.left(), at, paper.right(), at);
    }
}

void PreviewPage::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    m_dragging = edgeAt(event->position().toPoint());
    update();
}

void PreviewPage::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (m_dragging != Edge::None) {
        dragTo(point);
        return;
    }
    const Edge edge = edgeAt(point);
    if (edge == Edge::Left || edge == Edge::Right)
        setCursor(Qt::SizeHorCursor);
    else if (edge == Edge::Top || edge == Edge::Bottom)
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
}

void PreviewPage::mouseReleaseEvent(QMouseEvent* event) {
    if (m_dragging == Edge::None) return;
    dragTo(event->position().toPoint());
    m_dragging = Edge::None;
    update();
}

void PreviewPage::dragTo(const QPoint& point) {
    const double p = pixelsPerMm();
    const QSize size = pagePixels();
    double mm = 0;
    switch (m_dragging) {
    case Edge::Left: mm = (point.x() - kOffset) / p; break;
    case Edge::Right: mm = (kOffset + size.width() - point.x()) / p; break;
    case Edge::Top: mm = (point.y() - kOffset) / p; break;
    case Edge::Bottom: mm = (kOffset + size.height() - point.y()) / p; break;
    case Edge::None: return;
    }
    // Whole units of the display, so the edits show exactly what was dragged.
    const MarginUnit unit = m_settings.unit();
    const int shown = std::max(0, roundEven(unit == MarginUnit::Millimetres ? mm : mm * 10 / 25.4));
    PageSettings moved = m_settings;
    int& margin = m_dragging == Edge::Left    ? moved.left
                  : m_dragging == Edge::Right ? moved.right
                  : m_dragging == Edge::Top   ? moved.top
                                              : moved.bottom;
    margin = mmFromDisplay(shown, unit);
    if (moved == m_settings) return;
    // The line stops where the chart would lose its room.
    if (!pageGeometry(size, logicalDpiX(), moved).fits) return;
    m_settings = moved;
    update();
    emit marginsChanged();
    // Coalesced: one new picture per pass of the event loop, however fast the mouse moves.
    if (m_renderPending) return;
    m_renderPending = true;
    QTimer::singleShot(0, this, [this] {
        m_renderPending = false;
        render();
    });
}

TPreView::TPreView(const PagePainter& content, PageSettings& settings, const LabelBlockSet& blocks,
                   QPrinter& printer, std::function<void()> print, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_printer(printer), m_print(std::move(print)) {
    setObjectName(QStringLiteral("PreView"));
    setWindowTitle(QStringLiteral("Print Preview"));
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    auto* setup = new QPushButton(QStringLiteral("Printer &Setup"));
    setup->setObjectName(QStringLiteral("btSetup"));
    auto* printButton = new QPushButton(QStringLiteral("&Print"));
    printButton->setObjectName(QStringLiteral("btPrint"));
    auto* exit = new QPushButton(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("btExit"));
    lbMargins = new QLabel;
    lbMargins->setObjectName(QStringLiteral("lbMargins"));
    buttons->addWidget(setup);
    buttons->addWidget(printButton);
    buttons->addWidget(exit);
    buttons->addSpacing(16);
    buttons->addWidget(lbMargins, 1);
    layout->addLayout(buttons);

    m_page = new PreviewPage(content, settings, blocks);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("sbPage"));
    scroll->setWidget(m_page);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setBackgroundRole(QPalette::Dark);
    layout->addWidget(scroll, 1);

    connect(setup, &QPushButton::clicked, this, &TPreView::btSetupClick);
    connect(printButton, &QPushButton::clicked, this, &TPreView::btPrintClick);
    connect(exit, &QPushButton::clicked, this, &TPreView::btExitClick);
    connect(m_page, &PreviewPage::marginsChanged, this, &TPreView::showMargins);

    m_page->setPaper(paperMillimetres(printer));
    showMargins();
    // As large as the paper, within the screen.
    QSize wanted = m_page->sizeHint() + QSize(40, 80);
    if (const QScreen* screen = this->screen()) wanted = wanted.boundedTo(screen->availableSize() * 0.9);
    resize(wanted);
}

QString TPreView::marginsText() const {
    const MarginUnit unit = m_settings.unit();
    return QStringLiteral("Left %1   Right %2   Top %3   Bottom %4")
        .arg(marginText(m_settings.left, unit), marginText(m_settings.right, unit),
             marginText(m_settings.top, unit), marginText(m_settings.bottom, unit));
}

void TPreView::showMargins() {
    lbMargins->setText(marginsText());
}

void TPreView::btSetupClick() {
    if (!uiServices().setUpPrinter(this, m_printer)) return;
    m_page->setPaper(paperMillimetres(m_printer));
}

void TPreView::btPrintClick() {
    if (m_print) m_print();
    m_page->render();
}

void TPreView::btExitClick() {
    accept();
}

} // namespace brelt::chart
