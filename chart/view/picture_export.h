#pragma once
// Writing a chart as a picture file: the screen bitmap as PNG or BMP, or the whole chart drawn
// again into SVG or PDF at the same size, so text and lines stay sharp. Files are written
// atomically (a temporary file beside the target, then a rename): a failed save never leaves a
// half-written picture in place of a good one.
#include <QSize>
#include <QString>

#include <optional>

namespace brelt::chart {

class TGraph;

enum class PictureFormat { Bmp, Png, Svg, Pdf };

// By the file's extension, without regard to case; nothing for an unknown extension.
std::optional<PictureFormat> pictureFormatOf(const QString& fileName);
QString pictureExtension(PictureFormat format); // "BMP", "PNG", "SVG", "PDF"

// Draws the chart at `size` (the bitmap formats draw into the chart's own image) and writes it.
// On failure returns false with a message in `error`.
bool savePicture(TGraph& graph, const QString& fileName, PictureFormat format, QSize size, QString* error);

// The chart drawn as SVG text of `size`.
QByteArray chartSvg(TGraph& graph, QSize size);

} // namespace brelt::chart
