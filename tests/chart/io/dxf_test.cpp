// The drawing-exchange writer: records of the four modes byte for byte, layer names and colour
// numbers, and the complete file read back by a small DXF reader of the tests' own.
#include "chart/io/dxf_writer.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <limits>
#include <map>

using namespace brelt::chart;

namespace {

// A minimal DXF reader: group code and value line pairs, sections, the layer table, LINE entities.
struct DxfDrawing {
    QStringList sections;
    QStringList layers;
    struct Line {
        QString layer;
        int color = -1;
        double x1 = 0, y1 = 0, z1 = 0, x2 = 0, y2 = 0, z2 = 0;
    };
    std::vector<Line> lines;
    bool endOfFile = false;
    QString error;
};

DxfDrawing readDxf(const QByteArray& bytes) {
    DxfDrawing d;
    const QList<QByteArray> raw = bytes.split('\n');
    std::vector<std::pair<int, QString>> pairs;
    for (qsizetype i = 0; i + 1 < raw.size(); i += 2) {
        bool ok = false;
        const int code = raw[i].trimmed().toInt(&ok);
        if (!ok || !raw[i].endsWith('\r') || !raw[i + 1].endsWith('\r')) {
            d.error = QStringLiteral("bad pair at line %1").arg(i + 1);
            return d;
        }
        pairs.emplace_back(code, QString::fromUtf8(raw[i + 1].chopped(1)));
    }
    QString section, table;
    for (size_t i = 0; i < pairs.size(); ++i) {
        const auto& [code, value] = pairs[i];
        if (code != 0) continue;
        if (value == "EOF") {
            d.endOfFile = i + 1 == pairs.size() && section.isEmpty();
        } else if (value == "SECTION") {
            if (!section.isEmpty() || pairs[i + 1].first != 2) d.error = "section inside a section";
            section = pairs[i + 1].second;
            d.sections << section;
        } else if (value == "ENDSEC") {
            section.clear();
        } else if (value == "LAYER" && section == "TABLES") {
            d.layers << pairs[i + 1].second;
        } else if (value == "LINE" && section == "ENTITIES") {
            DxfDrawing::Line line;
            std::map<int, double*> coordinates = {{10, &line.x1}, {20, &line.y1}, {30, &line.z1},
                                                  {11, &line.x2}, {21, &line.y2}, {31, &line.z2}};
            for (size_t j = i + 1; j < pairs.size() && pairs[j].first != 0; ++j) {
                if (pairs[j].first == 8)
                    line.layer = pairs[j].second;
                else if (pairs[j].first == 62)
                    line.color = pairs[j].second.trimmed().toInt();
                else if (coordinates.count(pairs[j].first))
                    *coordinates[pairs[j].first] = pairs[j].second.toDouble();
            }
            d.lines.push_back(line);
        }
    }
    return d;
}

QByteArray crlf(const QStringList& lines) {
    QByteArray out;
    for (const QString& l : lines)
        out += l.toUtf8() + "\r\n";
    return out;
}

} // namespace

TEST(Dxf, RecordsOfEachModeByteForByte) {
    struct Case {
        DxfMode mode;
        QStringList lines;
    };
    const Case cases[] = {
        {DxfMode::ShortRecord, {"LINE,1", "0.5000,-1.2500,3.0000,4.1235"}},
        {DxfMode::Line2D,
         {"0", "LINE", "8", "F(X)_FIT_2", " 62", "     1", "10", "0.5000", "20", "-1.2500", "11", "3.0000",
          "21", "4.1235"}},
        {DxfMode::Line3D,
         {"0", "LINE", "8", "F(X)_FIT_2", " 62", "     1", "10", "0.5000", "20", "-1.2500", "30", "0.0", "11",
          "3.0000", "21", "4.1235", "31", "0.0"}},
        {DxfMode::PointPairs, {"10", "0.5000,-1.2500", "3.0000,4.1235", "END"}},
    };
    for (const Case& c : cases) {
        TDXF dxf(c.mode);
        dxf.line(QStringLiteral("f(x) fit/2"), 0.5, -1.25, 3, 4.12345, clRed);
        EXPECT_EQ(dxf.records(), crlf(c.lines)) << static_cast<int>(c.mode);
    }
    // A segment with a non-finite end is no drawing: left out.
    TDXF dxf;
    dxf.line(QStringLiteral("s"), 0, std::numeric_limits<double>::quiet_NaN(), 1, 1, clRed);
    dxf.line(QStringLiteral("s"), 0, 0, std::numeric_limits<double>::infinity(), 1, clRed);
    EXPECT_EQ(dxf.segmentCount(), 0);
    EXPECT_TRUE(dxf.records().isEmpty());
}

TEST(Dxf, ColourNumbersAndLayerNames) {
    const std::pair<TColor, int> colours[] = {{clBlack, 0},
                                              {clMaroon, 1},
                                              {clRed, 1},
                                              {clOlive, 2},
                                              {clYellow, 2},
                                              {clGreen, 3},
                                              {clLime, 3},
                                              {clTeal, 4},
                                              {clAqua, 4},
                                              {clNavy, 5},
                                              {clBlue, 5},
                                              {clPurple, 6},
                                              {clFuchsia, 6},
                                              {clWhite, 7},
                                              {clGray, 8},
                                              {clSilver, 8},
                                              {rgbColor(1, 2, 3), 8},
                                              {clBtnFace, 8}};
    for (const auto& [colour, number] : colours)
        EXPECT_EQ(dxfColorNumber(colour), number) << colour;
    EXPECT_EQ(dxfLayerName("f(sin(X)) a/b"), QStringLiteral("F(SIN(X))_A_B"));
    EXPECT_EQ(dxfLayerName("a<b>c:d;e?f*g|h=i\"j\\k"), QStringLiteral("A_B_C_D_E_F_G_H_I_J_K"));
    EXPECT_EQ(dxfLayerName(""), QStringLiteral("0"));
}

TEST(Dxf, CompleteFileOpensInAReader) {
    TDXF dxf;
    dxf.line(QStringLiteral("f(X)"), -1, 2, 0, 0, clBlue);
    dxf.line(QStringLiteral("f(X)"), 0, 0, 3, -4, clBlue);
    dxf.line(QStringLiteral("data set"), 10, 10, 11, 12, clBlack);
    const DxfDrawing d = readDxf(dxf.dxfFile());
    ASSERT_TRUE(d.error.isEmpty()) << d.error.toStdString();
    EXPECT_TRUE(d.endOfFile);
    EXPECT_EQ(d.sections, (QStringList{"HEADER", "TABLES", "ENTITIES"}));
    EXPECT_EQ(d.layers, (QStringList{"F(X)", "DATA_SET"}));
    ASSERT_EQ(d.lines.size(), 3u);
    EXPECT_EQ(d.lines[1].layer, QStringLiteral("F(X)"));
    EXPECT_EQ(d.lines[1].color, 5);
    EXPECT_EQ(d.lines[1].x2, 3);
    EXPECT_EQ(d.lines[1].y2, -4);
    EXPECT_EQ(d.lines[2].color, 0);
    EXPECT_TRUE(dxf.dxfFile().startsWith("0\r\nSECTION\r\n2\r\nHEADER\r\n9\r\n$ACADVER\r\n1\r\nAC1009\r\n"));
    EXPECT_TRUE(dxf.dxfFile().endsWith("0\r\nENDSEC\r\n0\r\nEOF\r\n"));
    EXPECT_TRUE(dxf.dxfFile().contains("9\r\n$EXTMIN\r\n10\r\n-1.0000\r\n20\r\n-4.0000\r\n"));

    // Without lines the file is still whole; the short modes have no frame.
    EXPECT_TRUE(readDxf(TDXF().dxfFile()).endOfFile);
    TDXF pairs(DxfMode::PointPairs);
    pairs.line(QStringLiteral("s"), 0, 0, 1, 1, clRed);
    EXPECT_EQ(pairs.dxfFile(), pairs.records());
}
