#include "chart/io/dxf_writer.h"

#include <algorithm>
#include <cmath>

namespace brelt::chart {

namespace {

QString fixed(double v, int decimals) {
    return QString::number(v, 'f', decimals);
}

void append(QByteArray& out, const QString& value) {
    out += value.toUtf8();
    out += "\r\n";
}

} // namespace

QString dxfLayerName(const QString& seriesName) {
    QString name = seriesName.toUpper();
    for (QChar& c : name)
        if (c.unicode() < 0x20 || QStringLiteral(" /<>\\\":;?*|=`").contains(c)) c = QLatin1Char('_');
    return name.isEmpty() ? QStringLiteral("0") : name;
}

int dxfColorNumber(TColor color) {
    switch (color) {
    case clBlack: return 0;
    case clMaroon:
    case clRed: return 1;
    case clOlive:
    case clYellow: return 2;
    case clGreen:
    case clLime: return 3;
    case clTeal:
    case clAqua: return 4;
    case clNavy:
    case clBlue: return 5;
    case clPurple:
    case clFuchsia: return 6;
    case clWhite: return 7;
    default: return 8;
    }
}

void TDXF::put(const QString& value) {
    append(m_records, value);
}

void TDXF::put(const char* value) {
    m_records += value;
    m_records += "\r\n";
}

void TDXF::line(const QString& layerName, double x1, double y1, double x2, double y2, TColor color) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
    const QString layer = dxfLayerName(layerName);
    const int number = dxfColorNumber(color);
    if (std::none_of(m_layers.begin(), m_layers.end(), [&](const Layer& l) { return l.name == layer; }))
        m_layers.push_back({layer, number});
    if (m_segments == 0) m_minX = m_maxX = x1, m_minY = m_maxY = y1;
    m_minX = std::min({m_minX, x1, x2});
    m_maxX = std::max({m_maxX, x1, x2});
    m_minY = std::min({m_minY, y1, y2});
    m_maxY = std::max({m_maxY, y1, y2});
    ++m_segments;

    const QString a = fixed(x1, 4), b = fixed(y1, 4), c = fixed(x2, 4), d = fixed(y2, 4);
    switch (m_mode) {
    case DxfMode::ShortRecord:
        put("LINE,1");
        put(a + u',' + b + u',' + c + u',' + d);
        break;
    case DxfMode::Line2D:
    case DxfMode::Line3D: {
        const bool z = m_mode == DxfMode::Line3D;
        put("0");
        put("LINE");
        put("8");
        put(layer);
        put(" 62");
        put(QStringLiteral("     ") + QString::number(number));
        put("10");
        put(a);
        put("20");
        put(b);
        if (z) put("30"), put("0.0");
        put("11");
        put(c);
        put("21");
        put(d);
        if (z) put("31"), put("0.0");
        break;
    }
    case DxfMode::PointPairs:
        put("10");
        put(a + u',' + b);
        put(c + u',' + d);
        put("END");
        break;
    }
}

QByteArray TDXF::dxfFile() const {
    if (m_mode != DxfMode::Line2D && m_mode != DxfMode::Line3D) return m_records;
    QByteArray out;
    auto pair = [&out](const char* code, const QString& value) {
        append(out, QLatin1String(code));
        append(out, value);
    };
    auto point = [&](const char* name, double x, double y) {
        pair("9", QLatin1String(name));
        pair("10", fixed(x, 4));
        pair("20", fixed(y, 4));
        pair("30", QStringLiteral("0.0"));
    };
    pair("0", QStringLiteral("SECTION"));
    pair("2", QStringLiteral("HEADER"));
    pair("9", QStringLiteral("$ACADVER"));
    pair("1", QStringLiteral("AC1009"));
    point("$EXTMIN", m_minX, m_minY);
    point("$EXTMAX", m_maxX, m_maxY);
    pair("0", QStringLiteral("ENDSEC"));

    pair("0", QStringLiteral("SECTION"));
    pair("2", QStringLiteral("TABLES"));
    pair("0", QStringLiteral("TABLE"));
    pair("2", QStringLiteral("LTYPE"));
    pair("70", QStringLiteral("1"));
    pair("0", QStringLiteral("LTYPE"));
    pair("2", QStringLiteral("CONTINUOUS"));
    pair("70", QStringLiteral("0"));
    pair("3", QStringLiteral("Solid line"));
    pair("72", QStringLiteral("65"));
    pair("73", QStringLiteral("0"));
    pair("40", QStringLiteral("0.0"));
    pair("0", QStringLiteral("ENDTAB"));
    pair("0", QStringLiteral("TABLE"));
    pair("2", QStringLiteral("LAYER"));
    pair("70", QString::number(m_layers.size()));
    for (const Layer& layer : m_layers) {
        pair("0", QStringLiteral("LAYER"));
        pair("2", layer.name);
        pair("70", QStringLiteral("0"));
        // A layer's own colour is 1..255; black entities (0) sit on a layer of colour 7.
        pair("62", QString::number(layer.color == 0 ? 7 : layer.color));
        pair("6", QStringLiteral("CONTINUOUS"));
    }
    pair("0", QStringLiteral("ENDTAB"));
    pair("0", QStringLiteral("ENDSEC"));

    pair("0", QStringLiteral("SECTION"));
    pair("2", QStringLiteral("ENTITIES"));
    out += m_records;
    pair("0", QStringLiteral("ENDSEC"));
    append(out, QStringLiteral("0"));
    append(out, QStringLiteral("EOF"));
    return out;
}

} // namespace brelt::chart
