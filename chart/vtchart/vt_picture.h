#pragma once
// Pictures of a surface or polar chart, all drawn by TVtChartModel::draw: a bitmap, SVG text, a
// one-page PDF, and a file of one of these formats by its extension, written atomically (a failed
// save never leaves a half-written picture in place of a good one).
#include "chart/view/picture_export.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace brelt::chart {

class TVtChartModel;

QImage vtChartImage(const TVtChartModel& chart, QSize size);
QByteArray vtChartSvg(const TVtChartModel& chart, QSize size);
QByteArray vtChartPdf(const TVtChartModel& chart, QSize size);

// On failure returns false with the reason in `error`.
bool saveVtChartPicture(const TVtChartModel& chart, const QString& fileName, PictureFormat format, QSize size,
                        QString* error);

} // namespace brelt::chart
