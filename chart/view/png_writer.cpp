#include "chart/view/png_writer.h"

#include <QImage>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstring>
#include <unordered_map>
#include <vector>

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

namespace {

// Rows of one byte per pixel: palette indexes when the picture has at most 256 colours (a chart
// usually has a few dozen), which deflates three times less data than RGB.
bool indexedRows(const QImage& image, QByteArray& raw, QByteArray& palette) {
    const int w = image.width(), h = image.height();
    std::unordered_map<QRgb, int> index;
    std::vector<QRgb> colours;
    raw.resize((static_cast<qsizetype>(w) + 1) * h);
    // Plain byte buffers: indexing a QByteArray through its non-const operator[] checks for
    // sharing at every pixel.
    std::vector<unsigned char> previous(static_cast<size_t>(w), 0);
    std::vector<unsigned char> current(static_cast<size_t>(w), 0);
    auto* dst = reinterpret_cast<unsigned char*>(raw.data());
    QRgb lastColour = 0;
    int lastIndex = -1;
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        unsigned char* cur = current.data();
        for (int x = 0; x < w; ++x) {
            const QRgb c = row[x] | 0xFF000000u;
            if (c != lastColour || lastIndex < 0) {
                auto it = index.find(c);
                if (it == index.end()) {
                    if (colours.size() == 256) return false;
                    it = index.emplace(c, static_cast<int>(colours.size())).first;
                    colours.push_back(c);
                }
                lastColour = c;
                lastIndex = it->second;
            }
            cur[x] = static_cast<unsigned char>(lastIndex);
        }
        *dst++ = y == 0 ? 0 : 2; // none on the first row, then Up
        const unsigned char* prev = previous.data();
        if (y == 0) {
            std::copy(cur, cur + w, dst);
        } else {
            for (int x = 0; x < w; ++x)
                dst[x] = static_cast<unsigned char>(cur[x] - prev[x]);
        }
        dst += w;
        std::swap(previous, current);
    }
    palette.clear();
    for (QRgb c : colours) {
        palette.append(static_cast<char>(qRed(c)));
        palette.append(static_cast<char>(qGreen(c)));
        palette.append(static_cast<char>(qBlue(c)));
    }
    return true;
}

void rgbRows(const QImage& image, QByteArray& raw) {
    const int w = image.width(), h = image.height();
    const size_t rowBytes = static_cast<size_t>(w) * 3;
    raw.resize(static_cast<qsizetype>(rowBytes + 1) * h);
    std::vector<unsigned char> previous(rowBytes, 0);
    std::vector<unsigned char> current(rowBytes, 0);
    auto* dst = reinterpret_cast<unsigned char*>(raw.data());
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        unsigned char* cur = current.data();
        for (int x = 0; x < w; ++x) {
            cur[3 * x] = static_cast<unsigned char>(qRed(row[x]));
            cur[3 * x + 1] = static_cast<unsigned char>(qGreen(row[x]));
            cur[3 * x + 2] = static_cast<unsigned char>(qBlue(row[x]));
        }
        *dst++ = y == 0 ? 0 : 2;
        const unsigned char* prev = previous.data();
        for (size_t i = 0; i < rowBytes; ++i)
            dst[i] = static_cast<unsigned char>(cur[i] - (y == 0 ? 0 : prev[i]));
        dst += rowBytes;
        std::swap(previous, current);
    }
}

} // namespace

QByteArray encodePng(const QImage& source) {
    const QImage image =
        source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
    QByteArray raw;
    QByteArray palette;
    const bool indexed = indexedRows(image, raw, palette);
    if (!indexed) rgbRows(image, raw);
    // qCompress gives a zlib stream behind a 4-byte length of its own.
    const QByteArray compressed = qCompress(raw, 1).mid(4);

    QByteArray out;
    out.reserve(compressed.size() + palette.size() + 96);
    out.append("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    appendBigEndian(header, static_cast<quint32>(image.width()));
    appendBigEndian(header, static_cast<quint32>(image.height()));
    header.append(char(8));               // bit depth
    header.append(char(indexed ? 3 : 2)); // colour type: palette or RGB
    header.append(char(0));               // deflate
    header.append(char(0));               // adaptive filtering (one filter byte per row)
    header.append(char(0));               // no interlace
    appendChunk(out, "IHDR", header);
    if (indexed) appendChunk(out, "PLTE", palette);
    appendChunk(out, "IDAT", compressed);
    appendChunk(out, "IEND", QByteArray());
    return out;
}

} // namespace brelt::chart
