// The import side: the field splitting rules, clipboard lines, header fields and their links, the
// "Show data" separator table, the editor's grid and the command line's data reader.
#include "chart/data/series.h"
#include "chart/io/data_file.h"
#include "chart/io/import_text.h"
#include "chart/io/series_grid.h"

#include <gtest/gtest.h>

using namespace brelt::chart;

namespace {

QStringList split(const QString& line, const SeparatorTable& table = SeparatorTable::standard()) {
    std::vector<QStringView> fields;
    splitFields(QStringView(line), table, fields);
    QStringList out;
    for (QStringView f : fields)
        out << f.toString();
    // The byte form splits ASCII text the same way.
    if (table.asciiOnly()) {
        const std::string bytes = line.toStdString();
        std::vector<std::string_view> byteFields;
        splitFields(std::string_view(bytes), table, byteFields);
        EXPECT_EQ(byteFields.size(), fields.size()) << line.toStdString();
    }
    return out;
}

} // namespace

TEST(FieldSplit, RunsCountOnceEmptyFieldsCountTableOrderIsPriority) {
    const std::pair<const char*, QStringList> cases[] = {
        {"1 2", {"1", "2"}},       {"1,,2", {"1", "2"}}, // a run of commas is one separator
        {"1    2", {"1", "2"}},                          // so is a run of blanks
        {" 1 2", {"", "1", "2"}},                        // a leading blank leaves an empty first field
        {"1,\t2", {"1", "", "2"}},                       // two different separators: an empty field between
        {"1,2 3", {"1,2", "3"}},                         // blank comes before comma in the table
        {"1 2 ", {"1", "2", ""}},  {"12", {"12"}},       {"", {""}}, {"a;b", {"a;b"}},
    };
    for (const auto& [line, fields] : cases)
        EXPECT_EQ(split(line), fields) << line;
    SeparatorTable semicolon = SeparatorTable::of(u";");
    EXPECT_EQ(split("a;;b;c", semicolon), (QStringList{"a", "b", "c"}));
    SeparatorTable nul = SeparatorTable::of(std::u16string_view(u"\0", 1));
    EXPECT_EQ(split(QString::fromUtf16(u"1\u00002", 3), nul), (QStringList{"1", "2"}));
    SeparatorTable empty;
    EXPECT_EQ(split("1 2", empty), (QStringList{"1 2"}));
    SeparatorTable wide = SeparatorTable::of(u"\u00A7");
    EXPECT_FALSE(wide.asciiOnly());
    EXPECT_EQ(split(QString::fromUtf16(u"1\u00A72"), wide), (QStringList{"1", "2"}));
}

TEST(ImportText, ClipboardLinesAndTheLimit) {
    EXPECT_EQ(clipboardLines("1 2\r\n3 4\r\n\r\n").lines, (QStringList{"1 2", "3 4"}));
    EXPECT_EQ(clipboardLines("1 2\n3 4\r5 6").lines, (QStringList{"1 2", "3 4", "5 6"}));
    EXPECT_FALSE(clipboardLines("1 2").cut);

    // 7000 lines of 10 bytes: cut at 64000 bytes, exactly after line 6400; the line cut in two is dropped.
    QString text;
    for (int i = 0; i < 7000; ++i)
        text += QStringLiteral("%1 1.50\r\n").arg(i % 1000, 3, 10, QChar('0'));
    ASSERT_EQ(text.size(), 70000);
    const ClipboardLines at = clipboardLines(text);
    EXPECT_TRUE(at.cut);
    EXPECT_EQ(at.lines.size(), 6400);
    const ClipboardLines inside = clipboardLines(QStringLiteral("abc") + text);
    EXPECT_EQ(inside.lines.size(), 6399);
    EXPECT_EQ(inside.lines.last(), QStringLiteral("398 1.50"));
}

TEST(ImportText, HeaderFieldsAndLinks) {
    auto names = [](const QString& header) {
        QStringList out;
        for (const InputField& f : headerFields(header))
            out << QStringLiteral("%1@%2").arg(f.name).arg(f.column);
        return out;
    };
    EXPECT_EQ(names("Time, s\tVolt, V"), (QStringList{"Time, s@0", "Volt, V@1"}));
    EXPECT_EQ(names("Time,Volt"), (QStringList{"Time@0", "Volt@1"}));
    EXPECT_EQ(names("Time  Volt"), (QStringList{"Time@0", "Volt@1"}));
    EXPECT_EQ(names(" n Time Volt"), (QStringList{"n@1", "Time@2", "Volt@3"}));
    EXPECT_EQ(names("Time;Volt"), (QStringList{"Time;Volt@0"})); // a single input field

    FieldLinks links(headerFields("n Time Volt"));
    EXPECT_FALSE(links.link(-1, 0));
    EXPECT_FALSE(links.link(0, 3));
    EXPECT_TRUE(links.link(0, 0));
    EXPECT_TRUE(links.link(1, 2));
    EXPECT_TRUE(links.link(0, 1)); // replaces X's earlier link
    EXPECT_EQ(links.column(0), 1);
    EXPECT_EQ(links.column(1), 2);
    EXPECT_EQ(links.lines(), (QStringList{"X   <--Copy---   Time", "Y   <--Copy---   Volt"}));
}

TEST(ImportText, SeparatorTableFromTheBoxes) {
    DelimiterBoxes boxes;
    boxes.comma = false;
    boxes.slash = boxes.user = true;
    boxes.userCharacters = QStringLiteral(";:|#!%");
    const auto table = separatorTableFrom(boxes);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->size(), 11);
    EXPECT_EQ(table->slot(0), u' ');
    EXPECT_FALSE(table->slot(1));
    EXPECT_EQ(table->slot(2), u'\t');
    EXPECT_EQ(table->slot(3), u'/');
    EXPECT_FALSE(table->slot(4));
    EXPECT_EQ(table->slot(10), u'%');
    boxes.userCharacters += QLatin1Char('&');
    EXPECT_FALSE(separatorTableFrom(boxes));
    boxes.user = false; // the text of an unticked box does not count
    EXPECT_TRUE(separatorTableFrom(boxes));
}

TEST(SeriesGridTest, PasteAsIsAtTheCurrentCell) {
    SeriesGrid grid;
    const SeparatorTable t = SeparatorTable::standard();
    grid.pasteAsIs({"1 2", "3 4"}, 0, 0, t);
    grid.pasteAsIs({"5 6", "7 8"}, 5, 0, t);
    grid.pasteAsIs({"1,,2"}, 7, 0, t);
    grid.pasteAsIs({"9 10"}, 8, 1, t); // from column 1: 10 is dropped
    const std::pair<int, QStringList> rows[] = {{0, {"1", "2"}}, {1, {"3", "4"}}, {2, {"", ""}},
                                                {5, {"5", "6"}}, {6, {"7", "8"}}, {7, {"1", "2"}},
                                                {8, {"", "9"}}};
    for (const auto& [row, cells] : rows)
        EXPECT_EQ((QStringList{grid.cell(row, 0), grid.cell(row, 1)}), cells) << row;
    const GridLoad overflow = grid.pasteAsIs({"1 1", "2 2", "3 3"}, 998, 0, t);
    EXPECT_EQ(overflow.rowsWritten, 2);
    EXPECT_EQ(overflow.rowsLeftOut, 1);
}

TEST(SeriesGridTest, RowsToPointsStopAtTheFirstRowThatDoesNotConvert) {
    SeriesGrid grid;
    grid.pasteAsIs({"0 1", "1 3", "2 5", "3", "4 9"}, 0, 0, SeparatorTable::standard());
    GridPoints p = grid.points();
    EXPECT_EQ(p.points, (std::vector<WorldPoint>{{0, 1}, {1, 3}, {2, 5}}));
    EXPECT_EQ(p.stopRow, 3);
    EXPECT_TRUE(p.dataBelowStop);

    grid.deleteRow(3);
    EXPECT_EQ(grid.points().points.size(), 4u);
    grid.insertRow(1);
    EXPECT_EQ(grid.cell(1, 0), QString());
    EXPECT_EQ(grid.cell(2, 1), QStringLiteral("3"));
    EXPECT_EQ(grid.points().points.size(), 1u);
    EXPECT_FALSE(grid.points().dataBelowStop == false);
    grid.moveRow(0, 2); // row 0 goes below rows 1 and 2
    EXPECT_EQ(grid.cell(2, 0), QStringLiteral("0"));
    EXPECT_EQ(grid.cell(1, 0), QStringLiteral("1"));
    grid.moveRow(2, 0);
    EXPECT_EQ(grid.cell(0, 0), QStringLiteral("0"));
    grid.eraseColumn(1);
    EXPECT_EQ(grid.cell(0, 1), QString());
    EXPECT_EQ(grid.cell(0, 0), QStringLiteral("0"));
    grid.eraseAll();
    EXPECT_EQ(grid.cell(0, 0), QString());
    EXPECT_FALSE(grid.points().dataBelowStop);
    EXPECT_TRUE(grid.points().points.empty());
}

TEST(SeriesGridTest, FilledFromASeriesKeepsExactValuesUntilEdited) {
    TSeries s(nullptr, QStringLiteral("s"), SeriesStyle::Line, clRed);
    s.AddPoint(clRed, QString(), 1000.123456789, 1.0 / 3);
    s.AddPoint(clRed, QString(), 2, 2);
    SeriesGrid grid;
    grid.fill(s);
    EXPECT_EQ(grid.cell(0, 0), QStringLiteral("1000.123"));
    EXPECT_EQ(grid.cell(0, 1), QStringLiteral("0.3333333"));
    EXPECT_EQ(grid.points().points, (std::vector<WorldPoint>{{1000.123456789, 1.0 / 3}, {2, 2}}));
    grid.setCell(0, 1, QStringLiteral("0.5"));
    grid.setCell(0, 0, QStringLiteral("1000.123")); // the same text: the exact value stays
    EXPECT_EQ(grid.points().points[0], (WorldPoint{1000.123456789, 0.5}));
    grid.insertRow(0); // exact values move with their rows
    grid.deleteRow(0);
    EXPECT_EQ(grid.points().points[0].X, 1000.123456789);
}

TEST(SeriesGridTest, LinkedPasteAndFileColumns) {
    SeriesGrid grid;
    const SeparatorTable t = SeparatorTable::standard();
    grid.pasteAsIs({"a b"}, 0, 0, t);
    grid.pasteLinked({"1 10 100", "2 20 200"}, std::nullopt, 2, 0, t);
    EXPECT_EQ(grid.cell(0, 0), QStringLiteral("a")); // an unlinked column keeps its cells
    EXPECT_EQ(grid.cell(1, 1), QStringLiteral("200"));

    // A file: the header is left out, the old grid goes, more than 1000 rows are counted.
    QStringList file = {"n Time Volt", "units s V"};
    for (int i = 0; i < 1200; ++i)
        file << QStringLiteral("%1 %2 %3").arg(i).arg(i * 0.5).arg(i * 2);
    const GridLoad load = grid.loadColumns(file, 2, 3, t);
    EXPECT_EQ(load.headerLines, 2);
    EXPECT_EQ(load.rowsWritten, 1000);
    EXPECT_EQ(load.rowsLeftOut, 200);
    EXPECT_EQ(grid.cell(0, 0), QStringLiteral("0"));
    EXPECT_EQ(grid.cell(999, 1), QStringLiteral("1998"));
    EXPECT_EQ(grid.points().points.size(), 1000u);
}

TEST(DataFile, ReadsTwoFieldsCountsTheRest) {
    const std::string text = "\xEF\xBB\xBFTime Volt\r\n0 1\r\n\r\n1 3\n2,5\rbad line\n3 7 extra";
    const DataPoints d = readDataPoints(text, SeparatorTable::standard(), 1, 2);
    EXPECT_EQ(d.points, (std::vector<WorldPoint>{{0, 1}, {1, 3}, {2, 5}, {3, 7}}));
    EXPECT_EQ(d.skippedLines, 2);
    EXPECT_EQ(d.firstSkipped, 1);
    const DataPoints third = readDataPoints("1 2 3\n4 5 6\n", SeparatorTable::standard(), 3, 1);
    EXPECT_EQ(third.points, (std::vector<WorldPoint>{{3, 1}, {6, 4}}));
    const DataPoints wide = readDataPoints("1\xC2\xA7"
                                           "2\n",
                                           SeparatorTable::of(u"\u00A7"), 1, 2);
    EXPECT_EQ(wide.points, (std::vector<WorldPoint>{{1, 2}}));
}
