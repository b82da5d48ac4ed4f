#pragma once
// TDXF: the drawing-exchange writer. While a chart runs its drawing with the writer as its DXF sink,
// every line segment a series draws arrives here (world coordinates, the series' name as layer
// name, the pen colour) and is written as a record in one of four modes:
//   0  "LINE,1" and "x1,y1,x2,y2"
//   1  a DXF LINE entity in 2D
//   2  a DXF LINE entity in 3D with zero Z (the default)
//   3  "10", "x1,y1", "x2,y2", "END"
// Coordinates are written with four decimals, the Z zeros with one; lines end in CR LF. Segments
// with a non-finite end are left out: they have no place in a drawing.
//
// dxfFile() wraps the LINE records of modes 1 and 2 into a complete file a DXF reader opens: a
// header with the drawing's extents, tables with the line type and one layer per series, the
// ENTITIES section and the EOF marker. The other modes have no such frame: it gives their records.
#include "chart/data/graph_context.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace brelt::chart {

enum class DxfMode { ShortRecord = 0, Line2D = 1, Line3D = 2, PointPairs = 3 };

// The layer name of a series: upper case, blanks and slashes (and the other characters a drawing
// forbids in names) become underscores; an empty name is the drawing's default layer "0".
QString dxfLayerName(const QString& seriesName);
// The drawing-exchange colour number of a chart colour: black 0; maroon, red 1; olive, yellow 2;
// green, lime 3; teal, aqua 4; navy, blue 5; purple, fuchsia 6; white 7; every other colour 8.
int dxfColorNumber(TColor color);

class TDXF : public DxfSink {
public:
    explicit TDXF(DxfMode mode = DxfMode::Line3D) : m_mode(mode) {}

    DxfMode mode() const { return m_mode; }
    void line(const QString& layerName, double x1, double y1, double x2, double y2, TColor color) override;

    // The records written so far, and how many segments they hold.
    const QByteArray& records() const { return m_records; }
    int segmentCount() const { return m_segments; }
    // The whole file (modes 1 and 2) or the records alone (modes 0 and 3).
    QByteArray dxfFile() const;

private:
    struct Layer {
        QString name;
        int color;
    };
    void put(const QString& value);
    void put(const char* value);

    DxfMode m_mode;
    QByteArray m_records;
    int m_segments = 0;
    std::vector<Layer> m_layers; // in order of first use
    double m_minX = 0, m_minY = 0, m_maxX = 0, m_maxY = 0;
};

} // namespace brelt::chart
