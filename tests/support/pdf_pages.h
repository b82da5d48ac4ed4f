#pragma once
// Reading printed PDF pages back in tests: one page rendered to an image by poppler's pdftoppm
// (installed by scripts/deps.sh), and the page count and paper size from the file's own text.
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QTemporaryDir>

namespace brelt::testing {

// Page `page` (1-based) of `pdf` at `dpi`; a null image when it cannot be rendered.
inline QImage renderPdfPage(const QString& pdf, int page, int dpi) {
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QProcess process;
    process.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), QString::number(page),
                   QStringLiteral("-l"), QString::number(page), QStringLiteral("-singlefile"),
                   QStringLiteral("-png"), pdf, prefix});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// The pages' count and the first page's size in points, as the file declares them.
inline int pdfPageCount(const QString& pdf) {
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

inline QSizeF pdfPaperPoints(const QString& pdf) {
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QString text = QString::fromLatin1(file.readAll());
    const auto match =
        QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)"))
            .match(text);
    if (!match.hasMatch()) return {};
    return QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
}

} // namespace brelt::testing
