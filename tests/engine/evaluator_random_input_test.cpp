// Random and mutated formulas: whatever the text, Evaluate returns, and a failure leaves a
// consistent error state (a code with a message, a position inside the text or just past it).
#include "engine/engine.h"
#include "evaluator_fake_host.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace brelt::engine {
namespace {

// clang-format off
const std::vector<std::string> kFragments = {
    "1", "2.5", "0", ".", "1E", "E", "+", "-", "*", "/", "%", "^", "&", "\\", "|", "(", ")", ",", "=", "?",
    "$", ":", "X", "y", "(X=", "sin(", "Jn(", "pi", "e", "random", "round(", "trunc(", "n!(", "gauss(",
    "sqrt(", "ln(", "ft_m(", "abc", "(abc=", "\xB2", "\xB3", "\xBD", "\xB6", "\x01", "\x7F", " ", "1:30",
    "9E9999", "4294967296", "-0", "arcsin(", "exp(", "tan(", "$FF", "101", "mean(", "sum(", "std(", "poly(",
    "stat(", "forJtoKstepMdo("};
// clang-format on

std::string randomFormula(std::mt19937& random) {
    std::uniform_int_distribution<size_t> pick(0, kFragments.size() - 1);
    std::uniform_int_distribution<int> count(0, 12);
    std::string text;
    for (int n = count(random); n > 0; --n)
        text += kFragments[pick(random)];
    return text;
}

std::string mutated(std::string text, std::mt19937& random) {
    if (text.empty()) return text;
    std::uniform_int_distribution<size_t> where(0, text.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    switch (random() % 3) {
    case 0: text[where(random)] = static_cast<char>(byte(random)); break;
    case 1: text.erase(where(random), 1); break;
    default: text.insert(where(random), 1, static_cast<char>(byte(random))); break;
    }
    return text;
}

TEST(EvaluatorRandomInput, EveryFailureLeavesAConsistentErrorState) {
    std::mt19937 random(20261207);
    testing::FakeHost host;
    host.answers.emplace(1, "2");
    host.answers.emplace(2, "3");
    Engine engine{&host};
    engine.Random.seed(1);
    const std::vector<std::string> seeds = {"sin(30)+2*X", "(X=3)*2", "1:30:36", "2^3^2", "Jn(1,2)",
                                            "$FF&7",       "50%4",    "(a=5)+a", "-2^-1", "trunc(2.5)"};
    for (int i = 0; i < 100000; ++i) {
        std::string text =
            (i % 2 == 0) ? randomFormula(random) : mutated(seeds[random() % seeds.size()], random);
        if (i % 3 == 0) text = mutated(text, random);
        engine.setBase(static_cast<int>(random() % 3));
        engine.AngleUnit = static_cast<int>(random() % 2);
        for (int slot = 1; slot <= kVariableSlotCount; ++slot)
            engine.slot(slot) = VariableSlot{};
        engine.ErrorFlag = false;
        const Real value = engine.Evaluate(text);
        const int length = static_cast<int>(text.size());
        if (!engine.ErrorFlag) {
            ASSERT_TRUE(std::isfinite(value)) << text;
            continue;
        }
        ASSERT_NE(engine.MessageText(engine.ErrorCode), "Undefined") << text;
        ASSERT_GE(engine.ErrorPosition, 1) << text;
        ASSERT_LE(engine.ErrorPosition, length + 1) << text;
        ASSERT_GE(engine.ErrorLength, 1) << text;
        ASSERT_LE(engine.ErrorPosition + engine.ErrorLength - 1, length + 1) << text;
        ASSERT_EQ(engine.ArgumentDepth, 0) << text;
        ASSERT_EQ(engine.currentChar(), kEndMarker) << text;
    }
}

} // namespace
} // namespace brelt::engine
