#include "chart/view/png_writer.h"

#include <QImage>
#include <QtEndian>

#include <array>
#include <cstring>

namespace brelt::chart {

namespace {

std::array<quint32, 256> makeCrcTable() {
    std::array<quint32, 256> table{};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

quint32 crc32(const char* data, qsizetype size) {
    static const std::array<quint32, 256> table = makeCrcTable();
    quint32 c = 0xFFFFFFFFu;
    for (qsizetype i = 0; i < size; ++i)
        c = table[(c ^ static_cast<unsigned char>(data[i])) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void appendBigEndian(QByteArray& out, quint32 v) {
    char bytes[4];
    qToBigEndian(v, bytes);
    out.append(bytes, 4);
}

void appendChunk(QByteArray& out, const char type[4], const QByteArray& data) {
    appendBigEndian(out, static_cast<quint32>(data.size()));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data);
    appendBigEndian(out, crc32(out.constData() + start, out.size() - start));
}

} // namespace

QByteArray encodePng(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    const int w = image.width(), h = image.height();
    const qsizetype rowBytes = static_cast<qsizetype>(w) * 3;
    QByteArray raw;
    raw.resize((rowBytes + 1) * h);
    char* dst = raw.data();
    for (int y = 0; y < h; ++y) {
        const uchar* row = image.constScanLine(y);
        if (y == 0) {
            *dst++ = 0; // no filter on the first row
            std::memcpy(dst, row, static_cast<std::size_t>(rowBytes));
        } else {
            const uchar* above = image.constScanLine(y - 1);
            *dst++ = 2; // Up
            for (qsizetype i = 0; i < rowBytes; ++i)
                dst[i] = static_cast<char>(row[i] - above[i]);
        }
        dst += rowBytes;
    }
    // qCompress gives a zlib stream behind a 4-byte length of its own.
    const QByteArray compressed = qCompress(raw, 1).mid(4);

    QByteArray out;
    out.reserve(compressed.size() + 64);
    out.append("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    appendBigEndian(header, static_cast<quint32>(w));
    appendBigEndian(header, static_cast<quint32>(h));
    header.append(char(8)); // bit depth
    header.append(char(2)); // colour type: RGB
    header.append(char(0)); // deflate
    header.append(char(0)); // adaptive filtering (one filter byte per row)
    header.append(char(0)); // no interlace
    appendChunk(out, "IHDR", header);
    appendChunk(out, "IDAT", compressed);
    appendChunk(out, "IEND", QByteArray());
    return out;
}

} // namespace brelt::chart
