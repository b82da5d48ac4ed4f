#pragma once
// TGraphTitle: the chart's title or foot text. Lines are separated by "#"; the title reserves its
// lines at the top of the picture, the foot at the bottom, and the block is aligned across the
// width left after the legends. Sunken and raised styles draw a light and a dark copy one pixel
// apart under the text.
#include "chart/view/chart_font.h"

#include <QRect>
#include <QStringList>

class QPainter;

namespace brelt::chart {

class TGraphContext;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTitleStyle { tsNormal, tsLowered, tsRaised };

class TGraphTitle {
public:
    explicit TGraphTitle(TGraphContext* graph) : m_graph(graph) {}

    // Every line followed by "#".
    QString Text() const;
    void SetText(const QString& text);
    const QStringList& lines() const { return m_lines; }
    bool hasText() const { return !m_lines.isEmpty(); }
    bool shown() const { return Visible && hasText(); }

    // Layout: the title takes its lines from the top of r, the foot from the bottom.
    void reserveTop(QRect& r);
    void reserveBottom(QRect& r);
    void setSpan(int left, int right);
    void Draw(QPainter& painter, bool monochrome) const;
    QRect band() const { return m_band; }

    TChartFont Font;
    TAlignment Alignment = TAlignment::taCenter;
    bool Visible = true;
    TTitleStyle Style = TTitleStyle::tsNormal;

private:
    int blockHeight() const;

    TGraphContext* m_graph;
    QStringList m_lines;
    QRect m_band;
};

} // namespace brelt::chart
