#pragma once
// TContourLabel: the level written on one polyline, centred on the polyline's label segment. The
// text is the level in fixed notation; the angle is the segment's slope in world coordinates
// (a vertical segment gives -90). On screen the box (text width by the height of "1") is turned
// to the segment's angle as drawn, kept upright, filled with the plot area's colour so that the
// line beneath is blanked, and the text written over it. The contour layer owns its labels.
#include "chart/contour/contour_types.h"
#include "chart/data/color.h"

#include <QFont>
#include <QPolygon>
#include <QString>

class QPainter;

namespace brelt::chart {

class TGraphContext;
class TContour;

constexpr int kMaxLabelTextLength = 255;

class TContourLabel {
public:
    TContourLabel(TContour* contour, const ContourPolyline* line, int digits);

    const ContourPolyline* line() const { return m_line; }
    TContour* contour() const { return m_contour; }
    TGraphContext* graph() const; // the contour's chart
    const QString& text() const { return m_text; }
    double angle() const { return m_angle; } // degrees, world slope
    double x1() const { return m_x1; }
    double y1() const { return m_y1; }
    double x2() const { return m_x2; }
    double y2() const { return m_y2; }
    bool Visible = true;
    // The four corners of the text box on screen, as last drawn.
    const QPolygon& box() const { return m_box; }

    // Puts the label on another segment of its polyline.
    void moveTo(double x1, double y1, double x2, double y2);
    // The text of `level` with `digits` decimals.
    static QString textOf(double level, int digits);
    void setDigits(int digits);

    // Blanks the box and writes the text on the chart's canvas.
    void draw(const QFont& font, TColor textColor, TColor background);

private:
    TContour* m_contour;
    const ContourPolyline* m_line;
    double m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
    QString m_text;
    double m_angle = 0;
    QPolygon m_box;
};

// The slope of a segment in degrees, atan(dy / dx); -90 for a vertical one.
double slopeAngle(double x1, double y1, double x2, double y2);

} // namespace brelt::chart
