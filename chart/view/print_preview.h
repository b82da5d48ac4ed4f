#pragma once
// TPreView ("Print Preview"): the page drawn at screen scale exactly as it prints, through the same
// page painting as the printer, with the four margin lines that the mouse drags. The margins it
// edits are the print dialog's; the dialog shows them again when the preview closes.
#include "chart/view/label_blocks.h"
#include "chart/view/print_layout.h"
#include "chart/view/print_page.h"

#include <QDialog>
#include <QImage>
#include <QWidget>

#include <functional>

class QLabel;
class QPrinter;

namespace brelt::chart {

// The paper with the margin lines. Mouse over a line: a sizing cursor; dragging moves that margin
// (in whole units of the chosen display unit), as far as the chart keeps room on the page.
class PreviewPage : public QWidget {
    Q_OBJECT
public:
    enum class Edge { None, Left, Right, Top, Bottom };

    PreviewPage(const PagePainter& content, PageSettings& settings, const LabelBlockSet& blocks,
                QWidget* parent = nullptr);

    // The paper in millimetres; the page is drawn at the screen's resolution.
    void setPaper(const QSizeF& paperMm);
    // Draws the page picture again from the settings.
    void render();
    const QImage& pagePicture() const { return m_picture; }
    // Where a margin line lies on this widget, and which line is at a point.
    int linePosition(Edge edge) const;
    Edge edgeAt(const QPoint& point) const;
    double pixelsPerMm() const;
    static constexpr int kOffset = 12; // the paper's distance from the widget's corner

    QSize sizeHint() const override;

signals:
    void marginsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void dragTo(const QPoint& point);
    QSize pagePixels() const;

    const PagePainter& m_content;
    PageSettings& m_settings;
    const LabelBlockSet& m_blocks;
    QSizeF m_paperMm{210, 297};
    QImage m_picture;
    Edge m_dragging = Edge::None;
    bool m_renderPending = false;
};

class TPreView : public QDialog {
    Q_OBJECT
public:
    // `print` prints one page with the settings as they stand (the dialog's own printing).
    TPreView(const PagePainter& content, PageSettings& settings, const LabelBlockSet& blocks,
             QPrinter& printer, std::function<void()> print, QWidget* parent = nullptr);

    // Handlers of the buttons.
    void btSetupClick();
    void btPrintClick();
    void btExitClick();

    PreviewPage* page() const { return m_page; }
    // The margins as the label under the buttons shows them.
    QString marginsText() const;

private:
    void showMargins();

    PageSettings& m_settings;
    QPrinter& m_printer;
    std::function<void()> m_print;
    PreviewPage* m_page = nullptr;
    QLabel* lbMargins = nullptr;
};

// The paper of a printer in millimetres, upright or turned as the printer is set.
QSizeF paperMillimetres(const QPrinter& printer);

} // namespace brelt::chart
