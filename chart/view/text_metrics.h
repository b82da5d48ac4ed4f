#pragma once
// Text sizes as the chart measures them: on the canvas being drawn (so that sizes grow on a
// printer page), or on a screen-like image outside Draw. A "height" is the font's full line
// height, whatever the text, as the chart's layout rules count it.
#include <QFont>
#include <QString>

class QPainter;
class QPaintDevice;

namespace brelt::chart {

class TGraphContext;

QPaintDevice* measuringDevice(const TGraphContext* graph);
int textHeight(const TGraphContext* graph, const QFont& font, const QString& text = QStringLiteral("()"));
int textWidth(const TGraphContext* graph, const QFont& font, const QString& text);

// Half-to-even rounding, as the chart's geometry rules use it.
int roundEven(double v);
int roundEven(long double v);

} // namespace brelt::chart
