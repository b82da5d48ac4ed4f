// Chart settings written and read back, the "Plot_Saved" gate, fonts under their prefixes.
#include "chart/view/axis.h"
#include "chart/view/chart_font.h"
#include "chart/view/graph.h"
#include "chart/view/graph_info.h"
#include "chart/view/graph_title.h"
#include "chart/view/series_legend.h"
#include "chart/view/settings_store.h"

#include "support/case_names.h"

#include <gtest/gtest.h>

using namespace brelt::chart;

namespace {
const QString kSection = QStringLiteral("fmPlot2DChart");
}

TEST(GraphSettings, WrittenAndReadBack) {
    MemorySettingsStore store;
    {
        TGraph graph;
        graph.SetColor(clYellow);
        graph.SetBackColor(clNavy);
        graph.SetExaggerate(1.5);
        graph.SetMinLogValue(1e-6);
        graph.SetClipMarkers(true);
        graph.SetAntialiased(false);
        graph.Title().SetText(QStringLiteral("Top#Line"));
        graph.Title().Style = TTitleStyle::tsRaised;
        graph.Title().Font.bold = true;
        graph.Title().Font.size = 14;
        graph.Foot().SetText(QStringLiteral("Foot"));
        graph.Gradient().Style = TGradientStyle::gsTopBottom;
        graph.Gradient().StartColor = clAqua;
        graph.Legend().Style = TLegendStyle::lsBottom;
        graph.Legend().ShadowThickness = 5;
        graph.Legend().TransparentBackGround = true;
        graph.Info().Position = TInfoPos::ipLeftBottom;
        graph.Info().Font.italic = true;
        graph.Frame().Width = 4;
        graph.Frame().Color = clMaroon;
        graph.SaveSettings(store, kSection);
    }
    EXPECT_EQ(store.read(QStringLiteral("FMPLOT2DCHART"), QStringLiteral("plot_saved")),
              QStringLiteral("Yes"));
    EXPECT_EQ(store.read(kSection, QStringLiteral("Plot_Title_Text")), QStringLiteral("Top#Line#"));
    EXPECT_EQ(store.read(kSection, QStringLiteral("Plot_Antialiased")), QStringLiteral("0"));
    EXPECT_EQ(store.read(kSection, QStringLiteral("Plot_Title_Font_Style")), QStringLiteral("B"));

    TGraph loaded;
    loaded.LoadSettings(store, kSection);
    EXPECT_EQ(loaded.Color(), clYellow);
    EXPECT_EQ(loaded.BackColor(), clNavy);
    EXPECT_DOUBLE_EQ(loaded.Exaggerate(), 1.5);
    EXPECT_DOUBLE_EQ(loaded.minLogValue(), 1e-6);
    EXPECT_TRUE(loaded.ClipMarkers());
    EXPECT_FALSE(loaded.Antialiased());
    EXPECT_EQ(loaded.Title().Text(), QStringLiteral("Top#Line#"));
    EXPECT_EQ(loaded.Title().Style, TTitleStyle::tsRaised);
    EXPECT_TRUE(loaded.Title().Font.bold);
    EXPECT_EQ(loaded.Title().Font.size, 14);
    EXPECT_EQ(loaded.Foot().Text(), QStringLiteral("Foot#"));
    EXPECT_EQ(loaded.Gradient().Style, TGradientStyle::gsTopBottom);
    EXPECT_EQ(loaded.Gradient().StartColor, clAqua);
    EXPECT_EQ(loaded.Legend().Style, TLegendStyle::lsBottom);
    EXPECT_EQ(loaded.Legend().ShadowThickness, 5);
    EXPECT_TRUE(loaded.Legend().TransparentBackGround);
    EXPECT_EQ(loaded.Info().Position, TInfoPos::ipLeftBottom);
    EXPECT_TRUE(loaded.Info().Font.italic);
    EXPECT_EQ(loaded.Frame().Width, 4);
    EXPECT_EQ(loaded.Frame().Color, clMaroon);
}

TEST(GraphSettings, NothingReadWithoutPlotSaved) {
    MemorySettingsStore store;
    store.writeInt(kSection, QStringLiteral("Plot_Color"), clRed);
    TGraph graph;
    graph.LoadSettings(store, kSection);
    EXPECT_EQ(graph.Color(), clWhite);
    store.writeString(kSection, QStringLiteral("Plot_Saved"), QStringLiteral("No"));
    graph.LoadSettings(store, kSection);
    EXPECT_EQ(graph.Color(), clWhite);
    store.writeString(kSection, QStringLiteral("Plot_Saved"), QStringLiteral("Yes"));
    graph.LoadSettings(store, kSection);
    EXPECT_EQ(graph.Color(), clRed);
}

TEST(GraphSettings, DamagedValuesKeepTheCurrentOnes) {
    MemorySettingsStore store;
    store.writeString(kSection, QStringLiteral("Plot_Saved"), QStringLiteral("Yes"));
    store.writeString(kSection, QStringLiteral("Plot_Exaggerate"), QStringLiteral("lots"));
    store.writeString(kSection, QStringLiteral("Plot_Legend_Style"), QStringLiteral("17"));
    store.writeString(kSection, QStringLiteral("Plot_BackColor"), QStringLiteral(""));
    TGraph graph;
    graph.SetExaggerate(2);
    graph.LoadSettings(store, kSection);
    EXPECT_DOUBLE_EQ(graph.Exaggerate(), 2);
    EXPECT_EQ(graph.Legend().Style, TLegendStyle::lsRight);
    EXPECT_EQ(graph.BackColor(), clBtnFace);
}

struct FontStyleCase {
    const char* stored;
    bool bold, italic, underline, strikeOut;
};

// The case as ctest lists it.
[[maybe_unused]] void PrintTo(const FontStyleCase& c, std::ostream* os) {
    *os << brelt::testing::caseName(c.stored);
}

class FontStyle : public ::testing::TestWithParam<FontStyleCase> {};

TEST_P(FontStyle, LettersReplaceTheStyleExceptT) {
    MemorySettingsStore store;
    store.writeString(kSection, QStringLiteral("P_Font_Style"), QString::fromUtf8(GetParam().stored));
    TChartFont font;
    font.bold = true; // in force before reading
    loadFont(store, kSection, QStringLiteral("P_"), font);
    EXPECT_EQ(font.bold, GetParam().bold);
    EXPECT_EQ(font.italic, GetParam().italic);
    EXPECT_EQ(font.underline, GetParam().underline);
    EXPECT_EQ(font.strikeOut, GetParam().strikeOut);
}

INSTANTIATE_TEST_SUITE_P(Styles, FontStyle,
                         ::testing::Values(FontStyleCase{"T", true, false, false, false},
                                           FontStyleCase{"", false, false, false, false},
                                           FontStyleCase{"IU", false, true, true, false},
                                           FontStyleCase{"BIUS", true, true, true, true}));

TEST(GraphSettings, FontKeysUnderThePrefix) {
    MemorySettingsStore store;
    TChartFont font;
    font.name = QStringLiteral("Courier");
    font.size = 11;
    font.color = clGreen;
    font.underline = true;
    saveFont(store, kSection, QStringLiteral("Plot_Info_"), font);
    EXPECT_EQ(store.read(kSection, QStringLiteral("Plot_Info_Font_Name")), QStringLiteral("Courier"));
    EXPECT_EQ(store.read(kSection, QStringLiteral("Plot_Info_Font_Size")), QStringLiteral("11"));
    EXPECT_EQ(store.read(kSection, QStringLiteral("Plot_Info_Font_Color")), QString::number(clGreen));
    EXPECT_EQ(store.read(kSection, QStringLiteral("Plot_Info_Font_Style")), QStringLiteral("U"));
    TChartFont back;
    loadFont(store, kSection, QStringLiteral("Plot_Info_"), back);
    EXPECT_EQ(back, font);
}
