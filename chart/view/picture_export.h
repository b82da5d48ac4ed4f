#pragma once
// Writing a chart as a picture file: drawn again at the picture's size into a bitmap (PNG, BMP) or
// into SVG or PDF, so text and lines stay sharp. A picture is the chart as a screen of higher
// resolution would show it: every size of the screen look (fonts, tick lengths, line widths,
// markers, gaps) grows by a size factor, by default the picture's size over 640 x 480 (never
// below 1), so a 1280 x 960 picture is the window's chart with everything twice as large. Files
// are written atomically (a temporary file beside the target, then a rename): a failed save never
// leaves a half-written picture in place of a good one.
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace brelt::chart {

class TGraph;

enum class PictureFormat { Bmp, Png, Svg, Pdf };

// By the file's extension, without regard to case; nothing for an unknown extension.
std::optional<PictureFormat> pictureFormatOf(const QString& fileName);
QString pictureExtension(PictureFormat format); // "BMP", "PNG", "SVG", "PDF"

// The size factor of a picture: min(width / 640, height / 480), at least 1.
double pictureSizeFactor(QSize size);
inline constexpr double kMinSizeFactor = 0.25;
inline constexpr double kMaxSizeFactor = 20.0;

// Draws the chart at `size` and writes it, sizes grown by `sizeFactor` (0: pictureSizeFactor).
// The screen image stays as it was. On failure returns false with a message in `error`.
bool savePicture(TGraph& graph, const QString& fileName, PictureFormat format, QSize size, QString* error,
                 double sizeFactor = 0);

// The chart drawn as a bitmap with the screen's colours, and as SVG text, of `size`.
QImage chartBitmap(TGraph& graph, QSize size, double sizeFactor = 0);
QByteArray chartSvg(TGraph& graph, QSize size, double sizeFactor = 0);

} // namespace brelt::chart
