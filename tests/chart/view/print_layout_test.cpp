// The printed page's geometry and settings: defaults, both display units and the conversions,
// the label blocks for every combination of check boxes, and the chart rectangle at the edges.
#include "chart/view/print_layout.h"
#include "chart/view/settings_store.h"

#include <gtest/gtest.h>

using namespace brelt::chart;

TEST(PageSettings, WithNothingStoredTheMarginsAre25_20_10_10InMillimetres) {
    const MemorySettingsStore store;
    const PageSettings s = loadPageSettings(store);
    EXPECT_EQ(s.unit(), MarginUnit::Millimetres);
    EXPECT_EQ((std::array{s.left, s.right, s.top, s.bottom}), (std::array{25, 20, 10, 10}));
    // As the edits show them in each unit: unchanged, and round(0.3937 × mm) tenths of an inch.
    const MarginUnit mm = MarginUnit::Millimetres, in = MarginUnit::TenthsOfInch;
    EXPECT_EQ((std::array{displayFromMm(25, mm), displayFromMm(20, mm), displayFromMm(10, mm)}),
              (std::array{25, 20, 10}));
    EXPECT_EQ((std::array{displayFromMm(25, in), displayFromMm(20, in), displayFromMm(10, in)}),
              (std::array{10, 8, 4}));
}

TEST(PageSettings, ReadAndWrittenUnderPrintAndLogo) {
    MemorySettingsStore store;
    store.write(QStringLiteral("PRINT"), QStringLiteral("units"), QStringLiteral("2.54"));
    store.write(QStringLiteral("Print"), QStringLiteral("Left"), QStringLiteral("30"));
    store.write(QStringLiteral("Print"), QStringLiteral("Top"), QStringLiteral("-4"));    // damaged
    store.write(QStringLiteral("Print"), QStringLiteral("Right"), QStringLiteral("abc")); // damaged
    store.write(QStringLiteral("LOGO"), QStringLiteral("Project LOGO"), QStringLiteral("1"));
    PageSettings s = loadPageSettings(store);
    EXPECT_EQ(s.unit(), MarginUnit::TenthsOfInch);
    EXPECT_EQ((std::array{s.left, s.right, s.top, s.bottom}), (std::array{30, 20, 10, 10}));
    EXPECT_TRUE(s.project);
    EXPECT_FALSE(s.owner);

    s.setUnit(MarginUnit::Millimetres);
    s.bottom = 12;
    s.owner = true;
    MemorySettingsStore out;
    savePageMargins(out, s);
    EXPECT_EQ(out.read(QStringLiteral("Print"), QStringLiteral("Units")), QStringLiteral("25.4"));
    EXPECT_EQ(out.read(QStringLiteral("Print"), QStringLiteral("Bottom")), QStringLiteral("12"));
    EXPECT_FALSE(out.read(QStringLiteral("LOGO"), QStringLiteral("Owner LOGO")));
    saveLabelChoices(out, s);
    EXPECT_EQ(out.read(QStringLiteral("LOGO"), QStringLiteral("Owner LOGO")), QStringLiteral("1"));
    EXPECT_EQ(loadPageSettings(out), s);
}

struct Conversion {
    int value;
    MarginUnit from;
    MarginUnit to;
    int expected;
};

class UnitSwitch : public ::testing::TestWithParam<Conversion> {};

TEST_P(UnitSwitch, ConvertsAndRounds) {
    const Conversion& c = GetParam();
    EXPECT_EQ(convertDisplay(c.value, c.from, c.to), c.expected);
}

constexpr MarginUnit kMm = MarginUnit::Millimetres;
constexpr MarginUnit kIn = MarginUnit::TenthsOfInch;

INSTANTIATE_TEST_SUITE_P(Margins, UnitSwitch,
                         ::testing::Values(Conversion{25, kMm, kIn, 10}, Conversion{10, kIn, kMm, 25},
                                           Conversion{20, kMm, kIn, 8}, Conversion{8, kIn, kMm, 20},
                                           Conversion{12, kMm, kIn, 5}, Conversion{5, kIn, kMm, 13},
                                           Conversion{0, kMm, kIn, 0}, Conversion{254, kMm, kIn, 100},
                                           Conversion{1, kIn, kMm, 3}, Conversion{17, kMm, kMm, 17}));

TEST(PageSettings, MarginTextsInBothUnits) {
    EXPECT_EQ(marginText(25, kMm), QStringLiteral("25 mm"));
    EXPECT_EQ(marginText(25, kIn), QStringLiteral("1.0 in"));
    EXPECT_EQ(mmFromDisplay(4, kIn), 10);
    EXPECT_EQ(mmFromDisplay(4, kMm), 4);
}

struct Choice {
    bool owner, project, comment;
    int count;
    int rows;
    std::vector<LabelSlot> order;
};

class LabelRows : public ::testing::TestWithParam<Choice> {};

// A4 at 254 pixels per inch: p = 10.00 pixels per millimetre (254 × 0.03937), 15 mm rows of 150.
TEST_P(LabelRows, CountRowsAndOrderOfTheBlocks) {
    const Choice& c = GetParam();
    EXPECT_EQ(labelBlockCount(c.owner, c.project, c.comment), c.count);
    PageSettings s;
    s.owner = c.owner, s.project = c.project, s.comment = c.comment;
    const PageGeometry g = pageGeometry(QSize(2100, 2970), 254, s);
    EXPECT_EQ(g.labelRows, c.rows);
    EXPECT_EQ(g.blocks, c.order);
    ASSERT_EQ(g.slotRects.size(), g.blocks.size());
    EXPECT_EQ(g.chart.bottom(), g.printable.bottom() - c.rows * g.rowHeight);
    // The first block sits at the left of the lowest row; every slot is one row high.
    EXPECT_EQ(g.slotRects[0].bottomLeft(), g.printable.bottomLeft());
    for (const QRect& slot : g.slotRects) {
        EXPECT_EQ(slot.bottom() - slot.top(), g.rowHeight);
        EXPECT_GE(slot.top(), g.chart.bottom());
    }
}

using LS = LabelSlot;
INSTANTIATE_TEST_SUITE_P(
    EveryCheckBox, LabelRows,
    ::testing::Values(Choice{false, false, false, 1, 1, {LS::System}},
                      Choice{false, true, false, 2, 1, {LS::System, LS::Project}},
                      Choice{true, false, false, 2, 1, {LS::System, LS::Owner}},
                      Choice{false, false, true, 2, 1, {LS::System, LS::Comment}},
                      Choice{true, true, false, 3, 2, {LS::System, LS::Owner, LS::Project}},
                      Choice{false, true, true, 3, 2, {LS::System, LS::Project, LS::Comment}},
                      Choice{true, false, true, 3, 2, {LS::System, LS::Owner, LS::Comment}},
                      Choice{true, true, true, 4, 2, {LS::System, LS::Owner, LS::Project, LS::Comment}}));

TEST(PageGeometry, NoBlockCheckedEndsTheChartOneRowAboveTheBottomMargin) {
    const PageGeometry g = pageGeometry(QSize(2100, 2970), 254, PageSettings{});
    EXPECT_DOUBLE_EQ(g.pixelsPerMm, 254 * 0.03937);
    // left round(25p), top round(10p), right W − round(20p), bottom H − round(10p); rows of 15 mm.
    EXPECT_EQ(g.printable, QRect(QPoint(250, 100), QPoint(2100 - 200, 2970 - 100)));
    EXPECT_EQ(g.rowHeight, 150);
    EXPECT_EQ(g.chart, QRect(QPoint(250, 100), QPoint(1900, 2870 - 150)));
    // The one block spans the lowest row.
    EXPECT_EQ(g.slotRects[0], QRect(QPoint(250, 2720), QPoint(1900, 2870)));
    EXPECT_TRUE(g.fits);
}

TEST(PageGeometry, SlotsOfFourBlocks) {
    PageSettings s;
    s.owner = s.project = s.comment = true;
    s.left = s.right = s.top = s.bottom = 0;
    const PageGeometry g = pageGeometry(QSize(1000, 2000), 254, s);
    EXPECT_EQ(g.slotRects[0], QRect(QPoint(0, 1850), QPoint(500, 2000)));    // System LOGO
    EXPECT_EQ(g.slotRects[1], QRect(QPoint(500, 1850), QPoint(1000, 2000))); // company logo
    EXPECT_EQ(g.slotRects[2], QRect(QPoint(0, 1700), QPoint(500, 1850)));    // project title
    EXPECT_EQ(g.slotRects[3], QRect(QPoint(500, 1700), QPoint(1000, 1850))); // comment
    EXPECT_EQ(g.chart, QRect(QPoint(0, 0), QPoint(1000, 1700)));
}

TEST(PageGeometry, MarginsThatLeaveNoRoomAreRefused) {
    PageSettings s;
    s.top = 200, s.bottom = 80; // A4 is 297 mm high: 2 mm are left above one label row
    EXPECT_FALSE(pageGeometry(QSize(2100, 2970), 254, s).fits);
    s.top = 10, s.left = 120, s.right = 80; // 10 mm wide
    EXPECT_FALSE(pageGeometry(QSize(2100, 2970), 254, s).fits);
    s.left = 100, s.right = 90; // exactly 20 mm
    EXPECT_TRUE(pageGeometry(QSize(2100, 2970), 254, s).fits);
}
