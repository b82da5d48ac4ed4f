#include "chart/view/picture_export.h"

#include "chart/view/graph.h"
#include "chart/view/png_writer.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>

namespace brelt::chart {

namespace {

bool writeAtomically(const QString& fileName, const QByteArray& data, QString* error) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

double factorFor(QSize size, double sizeFactor) {
    return sizeFactor > 0 ? sizeFactor : pictureSizeFactor(size);
}

QByteArray chartPdf(TGraph& graph, QSize size, double sizeFactor) {
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
        graph.DrawTo(writer, QRect(QPoint(0, 0), QPoint(size.width(), size.height())), OutputKind::Picture,
                     sizeFactor);
    }
    buffer.close();
    return bytes;
}

} // namespace

std::optional<PictureFormat> pictureFormatOf(const QString& fileName) {
    const QString ext = QFileInfo(fileName).suffix().toLower();
    if (ext == QLatin1String("png")) return PictureFormat::Png;
    if (ext == QLatin1String("bmp")) return PictureFormat::Bmp;
    if (ext == QLatin1String("svg")) return PictureFormat::Svg;
    if (ext == QLatin1String("pdf")) return PictureFormat::Pdf;
    return std::nullopt;
}

QString pictureExtension(PictureFormat format) {
    switch (format) {
    case PictureFormat::Bmp: return QStringLiteral("BMP");
    case PictureFormat::Png: return QStringLiteral("PNG");
    case PictureFormat::Svg: return QStringLiteral("SVG");
    case PictureFormat::Pdf: return QStringLiteral("PDF");
    }
    return {};
}

double pictureSizeFactor(QSize size) {
    if (size.width() <= 0 || size.height() <= 0) return 1.0;
    return std::max(1.0, std::min(size.width() / 640.0, size.height() / 480.0));
}

QImage chartBitmap(TGraph& graph, QSize size, double sizeFactor) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    graph.DrawTo(image, QRect(QPoint(0, 0), QPoint(image.width(), image.height())), OutputKind::Bitmap,
                 factorFor(image.size(), sizeFactor));
    return image;
}

QByteArray chartSvg(TGraph& graph, QSize size, double sizeFactor) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setResolution(96);
        generator.setTitle(QStringLiteral("Brelt chart"));
        graph.DrawTo(generator, QRect(QPoint(0, 0), QPoint(size.width(), size.height())), OutputKind::Picture,
                     factorFor(size, sizeFactor));
    }
    buffer.close();
    return bytes;
}

bool savePicture(TGraph& graph, const QString& fileName, PictureFormat format, QSize size, QString* error,
                 double sizeFactor) {
    QByteArray data;
    switch (format) {
    case PictureFormat::Png:
    case PictureFormat::Bmp: {
        const QImage image = chartBitmap(graph, size, sizeFactor);
        bool ok = true;
        if (format == PictureFormat::Png) {
            data = encodePng(image);
        } else {
            QBuffer buffer(&data);
            buffer.open(QIODevice::WriteOnly);
            ok = image.save(&buffer, "BMP");
        }
        if (!ok || data.isEmpty()) {
            if (error) *error = QStringLiteral("Cannot encode the picture");
            return false;
        }
        break;
    }
    case PictureFormat::Svg: data = chartSvg(graph, size, sizeFactor); break;
    case PictureFormat::Pdf: data = chartPdf(graph, size, factorFor(size, sizeFactor)); break;
    }
    return writeAtomically(fileName, data, error);
}

} // namespace brelt::chart
