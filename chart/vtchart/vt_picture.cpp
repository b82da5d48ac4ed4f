#include "chart/vtchart/vt_picture.h"

#include "chart/view/png_writer.h"
#include "chart/vtchart/vt_chart_model.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace brelt::chart {

namespace {

QRect wholeRect(QSize size) {
    return {QPoint(0, 0), size};
}

} // namespace

QImage vtChartImage(const TVtChartModel& chart, QSize size) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    chart.draw(painter, wholeRect(image.size()));
    return image;
}

QByteArray vtChartSvg(const TVtChartModel& chart, QSize size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(wholeRect(size));
        generator.setResolution(96);
        generator.setTitle(QStringLiteral("Brelt chart"));
        QPainter painter(&generator);
        chart.draw(painter, wholeRect(size));
    }
    buffer.close();
    return bytes;
}

QByteArray vtChartPdf(const TVtChartModel& chart, QSize size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        // One page exactly the chart's size, at screen resolution, without margins.
        QPdfWriter writer(&buffer);
        writer.setResolution(96);
        writer.setPageLayout(QPageLayout(
            QPageSize(QSizeF(size.width() * 72.0 / 96.0, size.height() * 72.0 / 96.0), QPageSize::Point),
            QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setCreator(QStringLiteral("Brelt"));
        QPainter painter(&writer);
        chart.draw(painter, wholeRect(size));
    }
    buffer.close();
    return bytes;
}

bool saveVtChartPicture(const TVtChartModel& chart, const QString& fileName, PictureFormat format, QSize size,
                        QString* error) {
    QByteArray data;
    switch (format) {
    case PictureFormat::Png: data = encodePng(vtChartImage(chart, size)); break;
    case PictureFormat::Bmp: {
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        if (!vtChartImage(chart, size).save(&buffer, "BMP")) data.clear();
        break;
    }
    case PictureFormat::Svg: data = vtChartSvg(chart, size); break;
    case PictureFormat::Pdf: data = vtChartPdf(chart, size); break;
    }
    if (data.isEmpty()) {
        if (error) *error = QStringLiteral("Cannot encode the picture");
        return false;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace brelt::chart
