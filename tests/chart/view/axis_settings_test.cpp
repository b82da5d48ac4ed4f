// Axis settings through the chart's settings store: every key written and read back into the
// property it is named after.
#include "chart/view/axis.h"
#include "chart/view/axis_plot.h"
#include "chart/view/graph.h"
#include "chart/view/settings_store.h"

#include <gtest/gtest.h>

namespace brelt::chart {
namespace {

const QString kSection = QStringLiteral("fmPlot2DChart");

void customise(TPlotAxis& a) {
    a.SetName(QStringLiteral("Time [s]"));
    a.SetMinimum(-4);
    a.SetMaximum(4);
    a.SetColor(rgbColor(10, 20, 30));
    a.SetVisible(false);
    a.SetAutoMin(false);
    a.SetAutoMax(false);
    a.SetLog(true);
    a.SetInvert(true);
    a.SetGrid(true);
    a.SetGridColor(rgbColor(1, 2, 3));
    TChartFont label;
    label.name = QStringLiteral("Courier New");
    label.size = 11;
    label.color = clNavy;
    label.bold = true;
    a.SetFont(label);
    TChartFont name;
    name.size = 14;
    name.italic = true;
    name.underline = true;
    a.SetNameFont(name);
    a.Ticks().SetDirection(TTicksDirection::tdIN);
    a.Ticks().SetMajorLength(5);
    a.Ticks().SetMinorLength(2);
    a.Ticks().SetMajorVisible(false);
    a.Ticks().SetMinorVisible(false);
}

TEST(AxisSettings, EveryKeyUnderItsName) {
    TGraph graph;
    TPlotAxis x(graph.XAxis());
    customise(x);
    MemorySettingsStore store;
    graph.XAxis().SaveSettings(store, kSection);
    graph.YAxis().SaveSettings(store, kSection);
    const struct {
        const char* key;
        const char* value;
    } expected[] = {
        {"Plot_XAxis_Name", "Time [s]"},
        {"Plot_XAxis_Minimum", "123454321"},
        {"Plot_XAxis_Maximum", "123454321"},
        {"Plot_XAxis_Color", "1971210"},
        {"Plot_XAxis_Visible", "0"},
        {"Plot_XAxis_AutoMin", "0"},
        {"Plot_XAxis_AutoMax", "0"},
        {"Plot_XAxis_Log", "1"},
        {"Plot_XAxis_Invert", "1"},
        {"Plot_XAxis_Grid", "1"},
        {"Plot_XAxis_GridColor", "197121"},
        {"Plot_XAxis_Label_Font_Name", "Courier New"},
        {"Plot_XAxis_Label_Font_Size", "11"},
        {"Plot_XAxis_Label_Font_Style", "B"},
        {"Plot_XAxis_Name_Font_Size", "14"},
        {"Plot_XAxis_Name_Font_Style", "IU"},
        {"Plot_XAxis_Ticks_Direction", "1"},
        {"Plot_XAxis_Ticks_MajorLength", "5"},
        {"Plot_XAxis_Ticks_MinorLength", "2"},
        {"Plot_XAxis_Ticks_MajorVisible", "0"},
        {"Plot_XAxis_Ticks_MinorVisible", "0"},
        {"PLOT_YAXIS_TICKS_MAJORLENGTH", "8"},
        {"plot_yaxis_grid", "0"},
        {"Plot_YAxis_GridColor", "12632256"},
    };
    for (const auto& e : expected)
        EXPECT_EQ(store.read(kSection, QString::fromLatin1(e.key)), QString::fromLatin1(e.value)) << e.key;
}

TEST(AxisSettings, ReadBackIntoTheSameProperties) {
    TGraph saved;
    TPlotAxis x(saved.XAxis());
    customise(x);
    MemorySettingsStore store;
    saved.XAxis().SaveSettings(store, kSection);

    TGraph loaded;
    loaded.XAxis().LoadSettings(store, kSection);
    const TAxis& a = loaded.XAxis();
    EXPECT_EQ(a.Name(), QStringLiteral("Time [s]"));
    EXPECT_EQ(a.Minimum(), kAxisUnset) << "a restored chart takes its ends from the data";
    EXPECT_EQ(a.Maximum(), kAxisUnset);
    EXPECT_EQ(a.GetColor(), rgbColor(10, 20, 30));
    EXPECT_FALSE(a.Visible());
    EXPECT_FALSE(a.AutoMin());
    EXPECT_FALSE(a.AutoMax());
    EXPECT_TRUE(a.Log());
    EXPECT_TRUE(a.Invert());
    EXPECT_TRUE(a.Grid());
    EXPECT_EQ(a.GridColor(), rgbColor(1, 2, 3)) << "the grid colour survives a save and a load";
    EXPECT_EQ(a.Font(), saved.XAxis().Font());
    EXPECT_EQ(a.NameFont(), saved.XAxis().NameFont());
    EXPECT_EQ(a.Ticks(), saved.XAxis().Ticks());
    // The other axis kept its defaults.
    EXPECT_TRUE(loaded.YAxis().Visible());
    EXPECT_EQ(loaded.YAxis().Ticks(), TAxisTicks{});
}

TEST(AxisSettings, MissingOrBrokenKeysKeepTheCurrentValues) {
    MemorySettingsStore store;
    store.write(kSection, QStringLiteral("Plot_XAxis_Ticks_Direction"), QStringLiteral("5"));
    store.write(kSection, QStringLiteral("Plot_XAxis_Ticks_MajorLength"), QStringLiteral("99999"));
    store.write(kSection, QStringLiteral("Plot_XAxis_Color"), QStringLiteral("red"));
    store.write(kSection, QStringLiteral("Plot_XAxis_Minimum"), QStringLiteral("1e999"));
    TGraph graph;
    graph.XAxis().SetMinimum(2.5);
    graph.XAxis().LoadSettings(store, kSection);
    EXPECT_EQ(graph.XAxis().Ticks().Direction, TTicksDirection::tdOut);
    EXPECT_EQ(graph.XAxis().Ticks().MajorLength, 100);
    EXPECT_EQ(graph.XAxis().GetColor(), clBlack);
    EXPECT_EQ(graph.XAxis().Minimum(), 2.5);
    EXPECT_TRUE(graph.XAxis().Name().isEmpty());
}

TEST(PlotTicks, StoredDefaultsDifferFromConstruction) {
    TGraph graph;
    TPlotAxis y(graph.YAxis());
    EXPECT_EQ(y.Ticks().MajorLength(), 8);
    EXPECT_EQ(y.Ticks().MinorLength(), 3);
    EXPECT_TRUE(y.Ticks().storesMajorLength());
    EXPECT_TRUE(y.Ticks().storesMinorLength());
    y.Ticks().SetMajorLength(9);
    y.Ticks().SetMinorLength(4);
    EXPECT_FALSE(y.Ticks().storesMajorLength());
    EXPECT_FALSE(y.Ticks().storesMinorLength());
}

} // namespace
} // namespace brelt::chart
