// The elementary functions against mpmath over a grid of small, large and exact arguments, near
// zeros and poles, in both angle units; and the degree reduction's symmetry and exact angles.
#include "engine/engine.h"
#include "reference_grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <map>

using namespace brelt::engine;
using namespace brelt::engine::testing;

namespace {

TEST(ElementaryAccuracy, EveryGridPointIsRightToTheLastDigitShown) {
    const auto points = readGrid(BRELT_TEST_DATA "/data/elementary-grid.tsv");
    ASSERT_GT(points.size(), 1500u);
    Engine engine;
    std::map<std::string, Real> worst;
    for (const GridPoint& p : points) {
        engine.AngleUnit = p.degrees ? 1 : 0;
        const Real value = engine.Evaluate(p.formula);
        if (p.overflow) {
            EXPECT_TRUE(engine.ErrorFlag && engine.ErrorCode == kOverflow) << p.formula << " must overflow";
            continue;
        }
        ASSERT_FALSE(engine.ErrorFlag) << p.formula << ": " << engine.MessageText(engine.ErrorCode);
        EXPECT_TRUE(meetsStandard(value, p.truth, p.nearZero))
            << p.formula << (p.degrees ? " (degrees) " : " ") << std::setprecision(21) << value
            << " instead of " << p.truth;
        Real& w = worst[p.name + (p.degrees ? " deg" : "")];
        if (p.truth != 0) w = std::max(w, relativeError(value, p.truth));
    }
    for (const auto& [name, error] : worst)
        std::cout << "  worst relative error " << std::setw(12) << name << " " << static_cast<double>(error)
                  << "\n";
}

TEST(DegreeMode, SineAndTangentAreOddToTheLastBitAndSmallAnglesKeepTheirDigits) {
    Engine engine;
    engine.AngleUnit = 1;
    for (const char* x :
         {"0.3", "1E-20", "1E-300", "29.999", "89.9999999", "135.5", "359.7", "1E18", "7E25"}) {
        const std::string positive = std::string("(") + x + ")";
        const std::string negative = std::string("(-") + x + ")";
        for (const char* f : {"sin", "tan"}) {
            EXPECT_EQ(engine.Evaluate(f + negative), -engine.Evaluate(f + positive)) << f << negative;
            EXPECT_EQ(engine.Evaluate(std::string(f) + negative + "+" + f + positive), 0) << f << x;
        }
        EXPECT_EQ(engine.Evaluate("cos" + negative), engine.Evaluate("cos" + positive)) << x;
    }
    EXPECT_EQ(engine.Evaluate("sin(-1E-20)"), -1.745329251994329576923690768488612713e-22L);
    EXPECT_EQ(engine.Evaluate("tan(1E-20)"), 1.745329251994329576923690768488612713e-22L);
}

TEST(DegreeMode, SimpleAnglesAreExactAndPolesAreErrors) {
    struct Case {
        const char* formula;
        Real value;
    };
    const Case cases[] = {
        {"sin(30)", 0.5L},     {"sin(-150)", -0.5L}, {"sin(180)", 0},       {"sin(-540)", 0},
        {"cos(60)", 0.5L},     {"cos(-120)", -0.5L}, {"cos(90)", 0},        {"cos(-180)", -1},
        {"tan(45)", 1},        {"tan(-225)", -1},    {"tan(180)", 0},       {"arcsin(0.5)", 30},
        {"arcsin(-0.5)", -30}, {"arccos(0.5)", 60},  {"arccos(-0.5)", 120}, {"arctan(-1)", -45},
        {"arcsin(1)", 90},     {"arccos(-1)", 180},
    };
    Engine engine;
    engine.AngleUnit = 1;
    for (const Case& c : cases) {
        EXPECT_EQ(engine.Evaluate(c.formula), c.value) << c.formula;
        EXPECT_FALSE(std::signbit(engine.Evaluate(c.formula)) && c.value == 0) << c.formula << " is -0";
    }
    for (const char* pole : {"tan(90)", "tan(-270)", "tan(360090)"}) {
        engine.Evaluate(pole);
        EXPECT_EQ(engine.MessageText(engine.ErrorCode), "Division by zero") << pole;
    }
}

TEST(Powers, SmallResultsAreTheirValueAndPowersOfTenAreExact) {
    Engine engine;
    EXPECT_EQ(engine.Evaluate("0.5^10000"), 0x1p-10000L);
    EXPECT_EQ(engine.Evaluate("10^(-30)"), engine.Evaluate("1E-30"));
    EXPECT_EQ(engine.Evaluate("10^4000"), engine.Evaluate("1E4000"));
    EXPECT_EQ(engine.Evaluate("2^(-20000)"), 0); // below the smallest extended value
    EXPECT_FALSE(engine.ErrorFlag);
    for (const char* power : {"log(1000)", "log(1E-30)", "log(1E4000)", "log(0.001)"})
        EXPECT_EQ(engine.Evaluate(power), std::nearbyint(engine.Evaluate(power))) << power;
}

} // namespace
