#pragma once
// Filling the faces of a surface mesh straight into the bitmap a painter draws on. A mesh of 60 x 60
// cells is 3,600 one-colour quads of a few pixels each; through QPainter each costs more in state
// and set-up than in pixels. Here a quad is two triangles filled span by span with the rule of
// pixel centres (a pixel is filled when its centre is inside; on a shared edge exactly one of the
// two faces takes it), so neighbouring faces meet without a gap or an overlap, as an unsmoothed
// QPainter fill does. Lines and text still go through the painter, which draws at once into the
// same bitmap, so the two can take turns.
#include <QImage>
#include <QPointF>
#include <QTransform>

#include <optional>

class QPainter;

namespace brelt::chart {

class QuadFiller {
public:
    // A filler for the painter's device when it is a 32-bit bitmap, the painter maps by a scale and
    // a shift only, and nothing is clipped; otherwise nothing (the caller fills through the painter).
    static std::optional<QuadFiller> forPainter(const QPainter& painter);

    // Fills the quad a-b-c-d, or the triangle a-b-c, (in the painter's coordinates) with an opaque
    // colour.
    void fill(const QPointF (&quad)[4], QRgb color);
    void fill(const QPointF (&triangle)[3], QRgb color);

private:
    QuadFiller(QImage* image, const QTransform& transform);
    void fillDeviceTriangle(QPointF a, QPointF b, QPointF c, QRgb color);

    uchar* m_bits;
    qsizetype m_stride;
    int m_width;
    int m_height;
    QTransform m_transform;
};

} // namespace brelt::chart
