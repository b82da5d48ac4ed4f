// Notes and arrows on a chart (text form, placement after a zoom, mouse edits) and the undo store:
// every undoable edit goes back to the exact state before it, and the store keeps 100 steps.
#include "chart/contour/contour.h"
#include "chart/data/chart_text.h"
#include "chart/data/graph_undo.h"
#include "chart/data/series.h"
#include "chart/data/series_undo.h"
#include "chart/view/axis.h"
#include "chart/view/graph.h"
#include "chart/view/graph_annotate.h"
#include "chart/view/layer_undo.h"
#include "chart/view/note_dialog.h"
#include "chart/view/series_legend.h"
#include "chart/view/zoom.h"
#include "support/fake_ui_services.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace brelt::chart {
namespace {

void fix(TAxis& axis, double min, double max) {
    axis.SetAutoMin(false);
    axis.SetAutoMax(false);
    axis.SetMinimum(min);
    axis.SetMaximum(max);
}

// A 500x400 chart over 0..10 on both axes.
struct Chart {
    Chart() {
        graph.SetImageSize(QSize(500, 400));
        fix(graph.XAxis(), 0, 10);
        fix(graph.YAxis(), 0, 10);
        graph.Draw();
    }
    TGraph graph;
    TGraphAnnotate& notes = graph.Annotations();
    TGraphUndo& undo = graph.UndoStore();
};

TAnnotation textNote(double x, double y, const QString& text) {
    TAnnotation n;
    n.x = x, n.y = y, n.text = text;
    return n;
}

TEST(Annotations, RoundTripThroughTheChartText) {
    Chart a;
    auto* s = static_cast<TSeries*>(
        a.graph.AddLayer(std::make_unique<TSeries>(&a.graph, QStringLiteral("s"), SeriesStyle::Line, clRed)));
    s->AddPoint(clRed, QString(), 1, 2);
    TAnnotation text = textNote(1.5, -2.25e-7, QStringLiteral("peak, at last  (two blanks)"));
    text.font = TChartFont{QStringLiteral("DejaVu Serif"), 14};
    text.font.bold = text.font.italic = true;
    text.color = clNavy;
    text.angle = 33.5;
    text.frame = true;
    TAnnotation arrow;
    arrow.kind = NoteKind::Arrow;
    arrow.x = 1.0 / 3, arrow.y = 2, arrow.x2 = 4, arrow.y2 = 1e300, arrow.color = clGreen, arrow.width = 5;
    a.notes.add(text);
    a.notes.add(arrow);
    ChartTextWriter writer;
    a.graph.SaveToText(writer);
    const QString saved = writer.text();

    Chart b;
    ChartTextReader reader(saved);
    b.graph.LoadFromText(reader);
    ASSERT_EQ(b.graph.LayerCount(), 1) << "the notes join the annotation layer, not the layer list";
    ASSERT_EQ(b.notes.Count(), 2);
    EXPECT_EQ(b.notes.note(0), a.notes.note(0));
    EXPECT_EQ(b.notes.note(1), a.notes.note(1));
    ChartTextWriter second;
    b.graph.SaveToText(second);
    EXPECT_EQ(second.text(), saved);
}

TEST(Annotations, DamagedBlockIsReportedAndTheNextLayerLoads) {
    Chart a;
    a.notes.add(textNote(1, 1, QStringLiteral("kept")));
    a.notes.add(textNote(2, 2, QStringLiteral("lost")));
    ChartTextWriter writer;
    a.graph.SaveToText(writer);
    QString saved = writer.text();
    const auto at = saved.indexOf(QStringLiteral("lost"));
    // The second note's font line loses its fields.
    const auto fontLine = saved.lastIndexOf(QLatin1Char('\n'), at - 2) + 1;
    saved.replace(fontLine, at - 1 - fontLine, QStringLiteral("x"));
    auto* series = static_cast<TSeries*>(
        a.graph.AddLayer(std::make_unique<TSeries>(&a.graph, QStringLiteral("s"), SeriesStyle::Line, clRed)));
    series->AddPoint(clRed, QString(), 1, 2);
    ChartTextWriter w2;
    series->SaveToText(w2);
    const QString more = w2.text();

    struct Errors : TGraph {
        QStringList shown;
        void showError(const QString& text) override { shown << text; }
    } b;
    ChartTextReader reader(saved + more);
    b.LoadFromText(reader);
    ASSERT_EQ(b.shown.size(), 1);
    EXPECT_TRUE(b.shown[0].startsWith(QStringLiteral("Object TGraphAnnotate can not load self from line: ")));
    ASSERT_EQ(b.Annotations().Count(), 1);
    EXPECT_EQ(b.Annotations().note(0).text, QStringLiteral("kept"));
    EXPECT_EQ(b.LayerCount(), 1);
}

TEST(Annotations, EveryCutOfTheBlockLoadsWhatItCanAndSavesItAgain) {
    Chart a;
    TAnnotation arrow;
    arrow.kind = NoteKind::Arrow;
    arrow.x2 = 3;
    a.notes.add(textNote(1, 2, QStringLiteral("first")));
    a.notes.add(arrow);
    ChartTextWriter writer;
    a.graph.SaveToText(writer);
    const QString saved = writer.text();
    struct Quiet : TGraph {
        int errors = 0;
        void showError(const QString&) override { ++errors; }
    };
    for (qsizetype cut = 0; cut < saved.size(); ++cut) {
        for (const QString& text :
             {saved.left(cut), saved.left(cut) + QStringLiteral("\u00e9x 1e999\n") + saved.mid(cut)}) {
            Quiet b;
            ChartTextReader reader(text);
            b.LoadFromText(reader);
            ASSERT_LE(b.Annotations().Count(), 2);
            ChartTextWriter again;
            b.SaveToText(again);
            Quiet c;
            ChartTextReader back(again.text());
            c.LoadFromText(back);
            EXPECT_EQ(c.errors, 0) << cut;
            EXPECT_EQ(c.Annotations().notes(), b.Annotations().notes()) << cut;
        }
    }
}

// The columns and rows holding pixels near `color` (smoothed edges count when they are more of it
// than of anything else).
QRect pixelsOf(const QImage& image, QColor color) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            const int d = std::abs(p.red() - color.red()) + std::abs(p.green() - color.green()) +
                          std::abs(p.blue() - color.blue());
            if (d < 200) box |= QRect(x, y, 1, 1);
        }
    return box;
}

TEST(Annotations, NoteStaysOnItsDataPointAfterAZoom) {
    Chart c;
    c.graph.SetAntialiased(false);
    TAnnotation note = textNote(6, 4, QStringLiteral("here"));
    note.color = clRed;
    c.notes.add(note);
    TAnnotation arrow;
    arrow.kind = NoteKind::Arrow;
    arrow.x = 3, arrow.y = 7, arrow.x2 = 1, arrow.y2 = 9, arrow.color = clBlue;
    c.notes.add(arrow);
    for (int round = 0; round < 2; ++round) {
        c.graph.Draw();
        const QRect text = pixelsOf(c.graph.image(), Qt::red);
        const QPoint anchor(c.graph.XToPixel(6), c.graph.YToPixel(4));
        ASSERT_FALSE(text.isEmpty()) << round;
        EXPECT_NEAR(text.left(), anchor.x(), 3) << round;
        EXPECT_LT(text.top(), anchor.y()) << round;
        EXPECT_GT(text.bottom(), anchor.y()) << round;
        const QRect head = pixelsOf(c.graph.image(), Qt::blue);
        const QPoint tip(c.graph.XToPixel(3), c.graph.YToPixel(7));
        ASSERT_FALSE(head.isEmpty()) << round;
        EXPECT_NEAR(head.right(), tip.x(), 2) << round;
        EXPECT_NEAR(head.bottom(), tip.y(), 2) << round;
        // Zoom into 2.5..8 x 2.5..9.5 with the rubber band (started away from the notes).
        c.graph.Zoom().SetEnabled(true);
        c.graph.MouseDown(MouseButton::Left, 0, c.graph.XToPixel(2.5), c.graph.YToPixel(9.5));
        c.graph.MouseMove(0, c.graph.XToPixel(8), c.graph.YToPixel(2.5));
        c.graph.MouseUp(MouseButton::Left, 0, c.graph.XToPixel(8), c.graph.YToPixel(2.5));
        c.graph.Zoom().SetEnabled(false);
        if (round == 0) {
            EXPECT_NEAR(c.graph.ranges().left, 2.5, 0.1);
            EXPECT_NEAR(c.graph.ranges().right, 8, 0.1);
            EXPECT_EQ(c.notes.note(1).x, 3) << "the press was not the arrow's";
        }
    }
}

TEST(Annotations, MouseDragMovesANoteInDataUnitsAndUndoPutsItBack) {
    Chart c;
    c.notes.add(textNote(5, 5, QStringLiteral("drag me")));
    c.graph.Draw();
    const QPoint from(c.graph.XToPixel(5) + 5, c.graph.YToPixel(5));
    c.graph.MouseDown(MouseButton::Left, 0, from.x(), from.y());
    c.graph.MouseMove(0, from.x() + 40, from.y() - 30);
    c.graph.MouseUp(MouseButton::Left, 0, from.x() + 40, from.y() - 30);
    const TAnnotation moved = c.notes.note(0);
    EXPECT_NEAR(c.graph.XToPixel(moved.x), c.graph.XToPixel(5) + 40, 1);
    EXPECT_NEAR(c.graph.YToPixel(moved.y), c.graph.YToPixel(5) - 30, 1);
    EXPECT_EQ(c.undo.Count(), 1) << "one drag, one step";
    EXPECT_TRUE(c.graph.KeyDown(Qt::Key_Delete)) << "the dragged note is selected";
    EXPECT_EQ(c.notes.Count(), 0);
    ASSERT_TRUE(c.graph.Undo());
    EXPECT_EQ(c.notes.note(0), moved);
    ASSERT_TRUE(c.graph.Undo());
    EXPECT_EQ(c.notes.note(0), settledNote(textNote(5, 5, QStringLiteral("drag me"))));
    EXPECT_FALSE(c.graph.Undo());
}

TEST(Annotations, AddEditAndDeleteAreEachUndone) {
    Chart c;
    c.notes.Editor = [](TAnnotation& n, bool isNew) {
        n.text = isNew ? QStringLiteral("new") : QStringLiteral("edited");
        n.color = clPurple;
        return true;
    };
    ASSERT_TRUE(c.notes.addTextAt(c.graph.XToPixel(2), c.graph.YToPixel(3)));
    c.notes.addArrowAt(c.graph.XToPixel(8), c.graph.YToPixel(8));
    const auto afterAdd = c.notes.notes();
    ASSERT_EQ(afterAdd.size(), 2u);
    EXPECT_NEAR(afterAdd[0].x, 2, 0.05);
    EXPECT_EQ(afterAdd[1].kind, NoteKind::Arrow);
    EXPECT_NEAR(afterAdd[1].y, 8, 0.05);
    c.graph.Draw();
    ASSERT_TRUE(c.graph.DoubleClick(c.graph.XToPixel(2) + 4, c.graph.YToPixel(3)));
    EXPECT_EQ(c.notes.note(0).text, QStringLiteral("edited"));
    c.notes.deleteNote(1);
    EXPECT_EQ(c.notes.Count(), 1);

    ASSERT_TRUE(c.graph.Undo());
    EXPECT_EQ(c.notes.notes()[1], afterAdd[1]);
    ASSERT_TRUE(c.graph.Undo());
    EXPECT_EQ(c.notes.notes(), afterAdd);
    ASSERT_TRUE(c.graph.Undo());
    ASSERT_TRUE(c.graph.Undo());
    EXPECT_EQ(c.notes.Count(), 0);
    EXPECT_FALSE(c.undo.CanUndo(c.graph));
}

TEST(Annotations, NoteDialogFields) {
    testing::FakeUiServices ui;
    TAnnotation n = textNote(1, 2, QStringLiteral("old"));
    TfmNote text(n, false, nullptr);
    EXPECT_EQ(text.windowTitle(), QStringLiteral("Edit text"));
    text.edNoteText->setText(QStringLiteral("two\nlines"));
    text.edNoteAngle->setValue(-45);
    text.chNoteFrame->setChecked(true);
    ui.colors = {QColor(0, 0, 128)};
    ui.fonts = {QFont(QStringLiteral("DejaVu Sans"), 16, QFont::Bold)};
    text.btNoteColor->click();
    text.btNoteFont->click();
    const TAnnotation got = text.note();
    EXPECT_EQ(got.text, QStringLiteral("two lines")) << "one line in the chart file";
    EXPECT_EQ(got.angle, -45);
    EXPECT_TRUE(got.frame);
    EXPECT_EQ(got.color, clNavy);
    EXPECT_EQ(got.font.size, 16);
    EXPECT_TRUE(got.font.bold);
    EXPECT_EQ(got.x, 1);

    TAnnotation a;
    a.kind = NoteKind::Arrow;
    TfmNote arrow(a, false, nullptr);
    EXPECT_EQ(arrow.windowTitle(), QStringLiteral("Edit arrow"));
    EXPECT_TRUE(arrow.edNoteText->isHidden());
    arrow.udNoteWidth->setValue(6);
    EXPECT_EQ(arrow.note().width, 6);
}

TSeries* addSeries(TGraph& g, const QString& name, TColor color) {
    auto* s = static_cast<TSeries*>(
        g.AddLayer(std::make_unique<TSeries>(&g, name, SeriesStyle::LineAndPoint, color)));
    for (int i = 0; i < 5; ++i)
        s->AddPoint(color, QString(), i, i * i);
    g.addLineLegend(*s);
    return s;
}

// What a point is: where it is, where its segment starts, its marker, name and colour.
using PointState = std::tuple<WorldPoint, WorldPoint, std::optional<TMarker>, QString, TColor>;
std::vector<PointState> pointsOf(const TSeries& s) {
    std::vector<PointState> points;
    for (int i = 0; i < s.Count(); ++i) {
        const TGraphData& p = s.record(i);
        points.emplace_back(p.Pt, p.Prev, p.Marker, p.Name, p.Color);
    }
    return points;
}

TEST(ChartUndo, SeriesEditsGoBackExactly) {
    Chart c;
    TSeries* a = addSeries(c.graph, QStringLiteral("a"), clRed);
    TSeries* b = addSeries(c.graph, QStringLiteral("b"), clBlue);
    const auto points = pointsOf(*a);

    // A point deleted with the mouse.
    a->options().allowDelete = true;
    c.graph.Draw();
    const QPoint p(c.graph.XToPixel(2), c.graph.YToPixel(4));
    a->MouseMove(p.x(), p.y(), kCtrl);
    a->MouseDown(p.x(), p.y(), MouseButton::Left, kCtrl);
    ASSERT_EQ(a->Count(), 4);
    const SeriesLookState look = SeriesLookState::of(*a);
    // Restyled as the properties dialog does it.
    c.graph.recordUndo(seriesLookRecord(*a));
    a->setName(QStringLiteral("renamed"));
    a->SetColor(clGreen);
    a->setMarkerStyle(TMarkerStyle::msRect);
    a->setLineWidth(3);
    // Hidden from its menu.
    a->HideSeries();
    // Deleted from the properties dialog, and a fit series added.
    c.graph.recordUndo(deleteLayerWithRecord(c.graph, 1));
    ASSERT_EQ(c.graph.LayerCount(), 1);
    auto* fit = static_cast<TSeries*>(c.graph.AddLayer(
        std::make_unique<TSeries>(&c.graph, QStringLiteral("fit"), SeriesStyle::Line, clBlack)));
    c.graph.addLineLegend(*fit);
    c.graph.recordUndo(layerAddedRecord(*fit));
    EXPECT_EQ(c.undo.Count(), 5);

    ASSERT_TRUE(c.graph.Undo());
    EXPECT_EQ(c.graph.LayerCount(), 1);
    EXPECT_EQ(c.graph.Legend().Count(), 1);
    ASSERT_TRUE(c.graph.Undo());
    ASSERT_EQ(c.graph.LayerCount(), 2);
    EXPECT_EQ(c.graph.Layers(1), b) << "the same series at its place";
    EXPECT_EQ(c.graph.Legend().Count(), 2);
    ASSERT_TRUE(c.graph.Undo());
    EXPECT_TRUE(a->Visible());
    ASSERT_TRUE(c.graph.Undo());
    EXPECT_EQ(SeriesLookState::of(*a), look);
    EXPECT_EQ(a->Name(), QStringLiteral("a"));
    EXPECT_EQ(a->GetColor(), clRed);
    ASSERT_TRUE(c.graph.Undo());
    EXPECT_EQ(pointsOf(*a), points);
    EXPECT_FALSE(c.graph.Undo());
}

TEST(ChartUndo, ContourEditsGoBackToTheSamePolylines) {
    Chart c;
    TVector x(8), y(8);
    TMatrix z(8, 8);
    for (int i = 1; i <= 8; ++i)
        x.set(i, i), y.set(i, i);
    for (int i = 1; i <= 8; ++i)
        for (int j = 1; j <= 8; ++j)
            z.set(i, j, (i - 4.5) * (i - 4.5) + (j - 4.2) * (j - 4.2));
    auto* contour =
        static_cast<TContour*>(c.graph.AddLayer(std::make_unique<TContour>(&c.graph, false, 5, z, y, x)));
    auto snapshot = [contour] {
        std::vector<ContourPolyline> lines;
        for (const auto& l : contour->Lines())
            lines.push_back(*l);
        std::vector<std::tuple<double, double, bool>> labels;
        for (const auto& l : contour->Labels())
            labels.emplace_back(l->x1(), l->y1(), l->Visible);
        return std::make_pair(lines, labels);
    };
    const auto start = snapshot();
    ASSERT_FALSE(start.first.empty());
    contour->AddContourAt(2.2, 3.1);
    const auto added = snapshot();
    ASSERT_GT(added.first.size(), start.first.size());
    const ContourPoint on = contour->Lines().front()->points[1];
    contour->MoveLabelTo(on.x, on.y);
    const auto moved = snapshot();
    contour->HideLabelAt(on.x, on.y);
    const auto hidden = snapshot();
    contour->DeleteContourAt(on.x, on.y);
    ASSERT_LT(contour->Lines().size(), hidden.first.size());

    ASSERT_TRUE(c.graph.Undo());
    EXPECT_EQ(snapshot(), hidden);
    ASSERT_TRUE(c.graph.Undo());
    EXPECT_EQ(snapshot(), moved);
    ASSERT_TRUE(c.graph.Undo());
    EXPECT_EQ(snapshot(), added);
    ASSERT_TRUE(c.graph.Undo());
    EXPECT_EQ(snapshot(), start);
    // New levels make older clicks meaningless: their steps are passed over.
    contour->AddContourAt(2.2, 3.1);
    contour->GenerateLevels(4);
    EXPECT_FALSE(c.undo.CanUndo(c.graph));
}

TEST(ChartUndo, KeepsTheNewestHundredSteps) {
    Chart c;
    for (int i = 0; i < 150; ++i)
        c.notes.addNote(textNote(i, i, QString::number(i)));
    EXPECT_EQ(c.undo.Count(), TGraphUndo::kDepth);
    for (int i = 0; i < TGraphUndo::kDepth; ++i)
        ASSERT_TRUE(c.graph.Undo()) << i;
    EXPECT_FALSE(c.graph.Undo());
    ASSERT_EQ(c.notes.Count(), 50) << "the oldest fifty additions were beyond the depth";
    EXPECT_EQ(c.notes.note(49).text, QStringLiteral("49"));
}

TEST(ChartUndo, ClearingTheChartDropsItsSteps) {
    Chart c;
    c.notes.addNote(textNote(1, 1, QStringLiteral("a")));
    int changes = 0;
    c.undo.OnChange = [&changes] { ++changes; };
    c.graph.Clear();
    EXPECT_EQ(c.notes.Count(), 0);
    EXPECT_FALSE(c.undo.CanUndo(c.graph));
    EXPECT_EQ(changes, 1);
    c.undo.OnChange = nullptr;
}

} // namespace
} // namespace brelt::chart
