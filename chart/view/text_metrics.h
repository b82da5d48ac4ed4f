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

// Sizes of the screen look grown by the chart's size factor (1 on screen, more in a large picture):
// a font's points, and pixel sizes rounded to whole pixels.
QFont scaledFont(const TGraphContext* graph, QFont font);
int scaledPixels(const TGraphContext* graph, double pixels);
// The width of a pen that is `width` pixels on screen: at least one pixel.
int penPixels(const TGraphContext* graph, int width);

// Half-to-even rounding, as the chart's geometry rules use it.
int roundEven(double v);
int roundEven(long double v);

} // namespace brelt::chart
