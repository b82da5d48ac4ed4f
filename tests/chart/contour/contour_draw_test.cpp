// Drawing checked by pixels: a line in the colour of its level, cut at the visible rectangle, a
// label blanking the line beneath, and the shade in blocks with the cut-offs and the message
// pumping. Plot rectangle (50, 20, 300 x 200).
#include "chart/contour/color_scale.h"
#include "chart/data/test_graph.h"
#include "contour_grid.h"

#include <gtest/gtest.h>

#include <functional>

namespace brelt::chart {
namespace {

using test::contourOf;
using test::steps;

auto plane = [](double x, double) { return x; };

// Draws without the chart's clip rectangle, so that the layer's own cutting shows; counts the
// message pumps.
class OpenGraph : public test::TestGraph {
public:
    QPainter* canvas() const override { return m_open; }
    bool isDrawing() const override { return m_open != nullptr; }
    void processPendingEvents() override { ++pumps; }
    const QImage& draw(TLayer& layer) {
        m_picture = QImage(400, 300, QImage::Format_RGB32);
        m_picture.fill(Qt::white);
        QPainter painter(&m_picture);
        m_open = &painter;
        layer.Draw();
        m_open = nullptr;
        return m_picture;
    }
    int pumps = 0;

private:
    QPainter* m_open = nullptr;
    QImage m_picture;
};

int count(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& wanted) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += wanted(image.pixel(x, y));
    return n;
}

TEST(ContourDraw, LineInTheColourOfItsLevelCutAtTheVisibleRectangle) {
    OpenGraph g;
    g.setRanges(0, 0.25, 1, 0.75);
    auto c = contourOf(plane, steps(0, 1, 5), steps(0, 1, 5), 1); // level 0.25 of 0 .. 1
    c->setGraph(&g);
    c->SetLabelsVisible(false);
    const QImage& image = g.draw(*c);
    // Index 70 of 0..1 (0.75 of the way from break 7 to break 6): rainbow (60, 210, 240).
    const QRgb line = qRgb(60, 210, 240);
    const int x = g.XToPixel(0.25);
    EXPECT_EQ(image.pixel(x, 120), line);
    EXPECT_EQ(image.pixel(x, g.YToPixel(0.75) + 1), line);
    EXPECT_EQ(image.pixel(x, g.YToPixel(0.25) - 1), line);
    EXPECT_EQ(image.pixel(x, 10), qRgb(255, 255, 255));  // above the visible rectangle
    EXPECT_EQ(image.pixel(x, 230), qRgb(255, 255, 255)); // below it
}

TEST(ContourDraw, LabelBlanksTheLineBeneath) {
    test::TestGraph g;
    auto* c = g.add(contourOf(plane, steps(0, 1, 5), steps(0, 1, 5), 1, false, &g));
    const QImage& image = g.drawAll();
    ASSERT_EQ(c->Labels().size(), 1u);
    const QRect box = c->Labels()[0]->box().boundingRect().adjusted(1, 1, -1, -1);
    ASSERT_GT(box.height(), box.width()); // a vertical line: the text runs upwards
    EXPECT_EQ(count(image, box, [](QRgb rgb) { return rgb == qRgb(60, 210, 240); }), 0);
    EXPECT_GT(count(image, box, [](QRgb rgb) { return qGray(rgb) < 100; }), 10); // the text
    // The line runs on outside the box.
    EXPECT_EQ(image.pixel(g.XToPixel(0.25), box.bottom() + 5), qRgb(60, 210, 240));
}

TEST(ContourDraw, ShadeFillsBlocksWithTheColourOfTheGrid) {
    OpenGraph g;
    auto c = contourOf(plane, steps(0, 1, 5), steps(0, 1, 5), 1, true);
    c->setGraph(&g);
    ColorScale& scale = programColorScale();
    const QImage& image = g.draw(*c);
    // The first block spans pixels 51..55; its colour is that of its centre.
    const QRgb first = toQColor(scale.colorOf(c->ValueAt(g.PixelToX(53), g.PixelToY(23)))).rgb();
    EXPECT_EQ(image.pixel(51, 21), first);
    EXPECT_EQ(image.pixel(55, 25), first);
    EXPECT_EQ(first, qRgb(60, 60, 213));                 // 0.01: index 11 at the blue end
    EXPECT_EQ(image.pixel(345, 200), qRgb(215, 60, 60)); // 0.977: index 248 at the red end
    EXPECT_EQ(g.pumps, 11);                              // every fifth of 60 block columns
    // An upper cut-off leaves the blocks above it empty.
    scale.setUpperCutOff(0.5, true);
    const QImage& cut = g.draw(*c);
    EXPECT_EQ(cut.pixel(300, 120), qRgb(255, 255, 255));
    EXPECT_EQ(cut.pixel(51, 21), qRgb(60, 60, 222)); // the range is 0 .. 0.5 now: index 14
    scale.setUpperCutOff(1, false);
}

} // namespace
} // namespace brelt::chart
