// The chart control's data contract: counts, the current cell, labels, data text in and out, null
// cells, the set-data operation, resizing, the size limit and pasting text.
#include "chart/vtchart/vt_chart_model.h"
#include "chart/vtchart/vt_data_grid.h"

#include <gtest/gtest.h>

namespace brelt::chart {
namespace {

TEST(VtDataGrid, CurrentCellStaysInsideTheTable) {
    TVtDataGrid grid;
    EXPECT_EQ(grid.RowCount(), 0);
    EXPECT_EQ(grid.Row(), 1);
    grid.SetSize(3, 4);
    grid.SetRow(3);
    grid.SetColumn(9);
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.Column(), 4);
    grid.SetRow(0);
    EXPECT_EQ(grid.Row(), 1);
    grid.SetRow(3);
    grid.SetRowCount(2); // the current row follows the table
    EXPECT_EQ(grid.Row(), 2);
    grid.SetRowCount(-5);
    EXPECT_EQ(grid.RowCount(), 0);
}

TEST(VtDataGrid, LabelsAndDataThroughTheCurrentCell) {
    TVtDataGrid grid;
    grid.SetSize(2, 2);
    grid.SetRow(2);
    grid.SetRowLabel(QStringLiteral("-5.5"));
    grid.SetColumn(2);
    grid.SetColumnLabel(QStringLiteral("Y = 1"));
    grid.SetData(QStringLiteral("0.1"));
    EXPECT_EQ(grid.rowLabel(2), QStringLiteral("-5.5"));
    EXPECT_EQ(grid.rowLabel(1), QString());
    EXPECT_EQ(grid.columnLabel(2), QStringLiteral("Y = 1"));
    EXPECT_EQ(grid.Data(), QStringLiteral("0.1"));
    EXPECT_EQ(grid.value(2, 2), 0.1);
    EXPECT_TRUE(grid.isNull(1, 1)); // new cells are null
    EXPECT_EQ(grid.value(3, 1), std::nullopt);
}

struct TextCase {
    const char* in;
    const char* out; // what Data reads back; "" is a null cell
};

class VtDataText : public ::testing::TestWithParam<TextCase> {};

TEST_P(VtDataText, ReadsBackAsTheSameDouble) {
    TVtDataGrid grid;
    grid.SetSize(1, 1);
    grid.SetData(QString::fromLatin1(GetParam().in));
    EXPECT_EQ(grid.Data(), QString::fromLatin1(GetParam().out));
    EXPECT_EQ(grid.isNull(1, 1), *GetParam().out == 0);
}

INSTANTIATE_TEST_SUITE_P(Texts, VtDataText,
                         ::testing::Values(TextCase{"1.5", "1.5"}, TextCase{" -2e3 ", "-2000"},
                                           TextCase{"0.30000000000000004", "0.30000000000000004"},
                                           TextCase{"1e-300", "1e-300"}, TextCase{"abc", ""},
                                           TextCase{"", ""}, TextCase{"1,5", ""}, TextCase{"inf", ""},
                                           TextCase{"nan", ""}, TextCase{"1e999", ""}));

TEST(VtDataGrid, SetDataWithNullFlagAndResizeKeepsWhatRemains) {
    TVtDataGrid grid;
    grid.SetSize(2, 3);
    grid.SetData(1, 1, 7.0, false);
    grid.SetData(2, 3, 8.0, false);
    grid.SetData(1, 2, 9.0, true);
    grid.SetData(1, 3, std::numeric_limits<double>::infinity(), false);
    grid.SetData(5, 5, 1.0, false); // outside: ignored
    EXPECT_EQ(grid.value(1, 1), 7.0);
    EXPECT_TRUE(grid.isNull(1, 2));
    EXPECT_TRUE(grid.isNull(1, 3));
    grid.setColumnLabel(3, QStringLiteral("c"));
    grid.SetSize(3, 3);
    EXPECT_EQ(grid.value(1, 1), 7.0);
    EXPECT_EQ(grid.value(2, 3), 8.0);
    EXPECT_TRUE(grid.isNull(3, 3));
    EXPECT_EQ(grid.columnLabel(3), QStringLiteral("c"));
    grid.SetColumnCount(1);
    EXPECT_EQ(grid.value(1, 1), 7.0);
    EXPECT_EQ(grid.valueRange(), std::make_pair(7.0, 7.0));
}

TEST(VtDataGrid, SizeIsHeldToTheCellLimit) {
    TVtDataGrid grid;
    grid.SetSize(16000, 16000);
    EXPECT_LE(static_cast<long long>(grid.RowCount()) * grid.ColumnCount(), TVtDataGrid::kMaxCells);
    EXPECT_EQ(grid.ColumnCount(), 16000);
    grid.SetSize(40000, 2);
    EXPECT_EQ(grid.RowCount(), TVtDataGrid::kMaxCount);
}

struct PasteCase {
    const char* text;
    int rows;                  // rows read (0: nothing pasted)
    int rowCount, columnCount; // the table afterwards (from 1 x 1)
    const char* cells;         // row by row, "|" between rows, "." a null cell
    const char* columnLabels;  // joined by ","
    const char* rowLabels;
};

class VtPaste : public ::testing::TestWithParam<PasteCase> {};

TEST_P(VtPaste, RowsOfNumbersFillTheTable) {
    const PasteCase& p = GetParam();
    TVtDataGrid grid;
    grid.SetSize(1, 1);
    EXPECT_EQ(grid.paste(QString::fromUtf8(p.text)), p.rows);
    EXPECT_EQ(grid.RowCount(), p.rowCount);
    EXPECT_EQ(grid.ColumnCount(), p.columnCount);
    QStringList rows, columnLabels, rowLabels;
    for (int r = 1; r <= grid.RowCount(); ++r) {
        QStringList cells;
        for (int c = 1; c <= grid.ColumnCount(); ++c)
            cells << (grid.isNull(r, c)  ? QStringLiteral(".")
                      : grid.value(r, c) ? cellText(*grid.value(r, c))
                                         : "");
        rows << cells.join(QLatin1Char(' '));
        rowLabels << grid.rowLabel(r);
    }
    for (int c = 1; c <= grid.ColumnCount(); ++c)
        columnLabels << grid.columnLabel(c);
    EXPECT_EQ(rows.join(QLatin1Char('|')), QString::fromLatin1(p.cells));
    EXPECT_EQ(columnLabels.join(QLatin1Char(',')), QString::fromLatin1(p.columnLabels));
    EXPECT_EQ(rowLabels.join(QLatin1Char(',')), QString::fromLatin1(p.rowLabels));
}

INSTANTIATE_TEST_SUITE_P(Texts, VtPaste,
                         ::testing::Values(PasteCase{"1 2 3\n4  5 6\n", 2, 2, 3, "1 2 3|4 5 6", ",,", ","},
                                           PasteCase{"1\t\t3\r\n4\t5\t6", 2, 2, 3, "1 . 3|4 5 6", ",,", ","},
                                           PasteCase{"a b\n1 2\n3 x", 2, 2, 2, "1 2|3 .", "a,b", ","},
                                           PasteCase{"\tA\tB\nr1\t1\t2\nr2\t3\t4", 2, 2, 2, "1 2|3 4", "A,B",
                                                     "r1,r2"},
                                           PasteCase{"no numbers here\nnone", 0, 1, 1, ".", "", ""},
                                           PasteCase{"", 0, 1, 1, ".", "", ""}));

TEST(VtDataGrid, PasteStartsAtTheCurrentCellAndGrows) {
    TVtDataGrid grid;
    grid.SetSize(2, 2);
    grid.SetData(1, 1, 9, false);
    grid.SetRow(2);
    grid.SetColumn(2);
    EXPECT_EQ(grid.paste(QStringLiteral("1 2\n3 4")), 2);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.ColumnCount(), 3);
    EXPECT_EQ(grid.value(1, 1), 9.0);
    EXPECT_EQ(grid.value(2, 2), 1.0);
    EXPECT_EQ(grid.value(3, 3), 4.0);
}

TEST(VtChartModel, EveryWriteTellsTheControl) {
    TVtChartModel chart;
    int changes = 0;
    chart.changed = [&changes] { ++changes; };
    chart.SetRowCount(3);
    chart.SetColumnCount(2);
    chart.SetRow(2); // moving the current cell changes no picture
    chart.SetColumn(2);
    chart.SetData(QStringLiteral("4"));
    chart.SetRowLabel(QStringLiteral("r"));
    chart.SetTitleText(QStringLiteral("t"));
    chart.SetShowLegend(true);
    EXPECT_EQ(changes, 6);
    EXPECT_EQ(chart.DataGrid().value(2, 2), 4.0);
}

TEST(VtPlot, RotationWrapsAndElevationStaysBetweenFloorAndTop) {
    TVtPlot plot;
    EXPECT_EQ(plot.Rotation(), TVtPlot::kDefaultRotation);
    plot.SetRotation(365);
    EXPECT_EQ(plot.Rotation(), 5);
    plot.SetRotation(-5);
    EXPECT_EQ(plot.Rotation(), 355);
    plot.SetElevation(95);
    EXPECT_EQ(plot.Elevation(), 90);
    plot.SetElevation(-1);
    EXPECT_EQ(plot.Elevation(), 0);
    plot.SetWallWidth(1e9);
    EXPECT_EQ(plot.WallWidth(), TVtPlot::kMaxWallWidth);
    EXPECT_EQ(plot.SurfaceColor(), rgbColor(0, 255, 255));
    EXPECT_EQ(plot.SeriesPen(1).color, vtPaletteColor(1));
    plot.SetSeriesPen(2, {clBlack, 1.0});
    EXPECT_EQ(plot.SeriesPen(2).color, clBlack);
    EXPECT_EQ(plot.SeriesPen(1).color, vtPaletteColor(1));
}

} // namespace
} // namespace brelt::chart
