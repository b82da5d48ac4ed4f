#pragma once
// Entries of the series legend. TLegend is one line of text placed by the legend's layout;
// TLineLegend follows a series (its look arrives through SeriesLegendEntry whenever the series
// changes) and draws a sample in the series' drawing kind; TContourLegend stands for a contour map
// and draws three nested ellipses. The series legend (TWLegend) owns its entries.
#include "chart/data/legend_link.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

namespace brelt::chart {

class TGraphContext;

// Pen styles as the chart stores them: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 clear.
Qt::PenStyle penStyleOf(int lineStyle);

constexpr int kMaxLegendTextLength = 255;
// The sample field is as wide as this text in the legend font.
inline const QString kSampleFieldText = QStringLiteral("-----------");

class TLegend {
public:
    TLegend(TGraphContext* graph, const QString& text);
    virtual ~TLegend() = default;
    TLegend(const TLegend&) = delete;
    TLegend& operator=(const TLegend&) = delete;

    virtual void SetColor(TColor color) { m_color = color; }
    virtual TColor GetColor() const { return m_color; }
    // Text width plus the sample field; 0 for an entry of an invisible series.
    virtual int GetWidth(const QFont& font) const;
    virtual int GetHeight(const QFont& font) const;
    // Draws the sample and the text at the entry's position; rowHeight is the legend's row.
    virtual void Draw(QPainter& painter, const QFont& font, int rowHeight) const;
    virtual void SetPosition(int x, int y) { m_position = QPoint(x, y); }
    virtual void DrawSample(QPainter& painter, const QRect& field) const;

    const QString& text() const { return m_text; }
    void setText(const QString& text) { m_text = text.left(kMaxLegendTextLength); }
    // The widest the text may be drawn, in pixels (0: no limit); a longer text loses its middle.
    void setTextLimit(int pixels) { m_textLimit = pixels; }
    QString shownText(const QFont& font) const;
    bool isShown() const { return m_visible; } // false for an entry of an invisible series
    void setShown(bool v) { m_visible = v; }
    QPoint position() const { return m_position; }
    TSeries* series() const { return m_series; }

protected:
    TGraphContext* m_graph;
    QString m_text;
    TColor m_color = clBlack;
    bool m_visible = true;
    QPoint m_position;
    TSeries* m_series = nullptr;
    int m_textLimit = 0;
};

class TLineLegend : public TLegend, public SeriesLegendEntry {
public:
    using TLegend::TLegend;
    ~TLineLegend() override;

    void takeSeriesLook(TSeries& series, const SeriesLook& look) override;
    void setEntryVisible(bool visible) override { m_visible = visible; }
    void seriesDestroyed() override { m_series = nullptr; }
    // The legend frees this entry: the series must forget it.
    void detachFromSeries();

    void DrawSample(QPainter& painter, const QRect& field) const override;
    const SeriesLook& look() const { return m_look; }
    void setLook(const SeriesLook& look);

private:
    SeriesLook m_look;
};

class TContourLegend : public TLineLegend {
public:
    using TLineLegend::TLineLegend;
    void DrawSample(QPainter& painter, const QRect& field) const override;
};

} // namespace brelt::chart
