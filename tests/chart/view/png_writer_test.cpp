// The quick PNG writer against Qt's reader: palette pictures, many-colour pictures, odd sizes.
#include "chart/view/png_writer.h"

#include <QImage>

#include "support/case_names.h"

#include <gtest/gtest.h>

using brelt::chart::encodePng;

namespace {

void expectSamePixels(const QImage& a, const QImage& b) {
    ASSERT_EQ(a.size(), b.size());
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y);
    EXPECT_EQ(differing, 0);
}

} // namespace

struct PngCase {
    int width;
    int height;
    int colours; // distinct colours painted
};

// The case as ctest lists it.
[[maybe_unused]] void PrintTo(const PngCase& c, std::ostream* os) {
    *os << c.width << "x" << c.height << "_in_" << c.colours << "_colours";
}

class PngRoundTrip : public ::testing::TestWithParam<PngCase> {};

TEST_P(PngRoundTrip, DecodesToTheSamePixels) {
    const PngCase c = GetParam();
    QImage image(c.width, c.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
            if ((x * 7 + y * 3) % 5 != 0)
                image.setPixel(x, y, qRgb((x * 37 + y) % c.colours, (y * 11) % c.colours, 3));
    const QByteArray png = encodePng(image);
    ASSERT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
    const QImage decoded = QImage::fromData(png, "PNG");
    ASSERT_FALSE(decoded.isNull());
    expectSamePixels(image.convertToFormat(QImage::Format_RGB32),
                     decoded.convertToFormat(QImage::Format_RGB32));
}

INSTANTIATE_TEST_SUITE_P(Sizes, PngRoundTrip,
                         ::testing::Values(PngCase{1, 1, 2}, PngCase{17, 5, 3}, PngCase{64, 48, 12},
                                           PngCase{101, 77, 250}, PngCase{300, 200, 256}));

TEST(PngWriter, PaletteOnlyWhileItFits) {
    QImage few(40, 30, QImage::Format_RGB32);
    few.fill(Qt::blue);
    QImage many(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            many.setPixel(x, y, qRgb(x * 6, y * 8, (x + y) % 256));
    const QByteArray a = encodePng(few);
    const QByteArray b = encodePng(many);
    EXPECT_EQ(a.at(25), 3); // colour type in IHDR: palette
    EXPECT_EQ(b.at(25), 2); // RGB
    expectSamePixels(many, QImage::fromData(b, "PNG").convertToFormat(QImage::Format_RGB32));
}
