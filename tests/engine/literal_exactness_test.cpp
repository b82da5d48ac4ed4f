// Every number literal reads as the extended value nearest to its exact value: thousands of random
// decimal literals of any length and exponent, and the hardest ones (a digit either side of the
// midpoint between two neighbouring extended values), checked with exact integer arithmetic.
#include "engine/engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <iomanip>
#include <random>
#include <string>
#include <vector>

using namespace brelt::engine;

namespace {

// A non-negative integer of any size: just the operations the check needs.
class Big {
public:
    Big() = default;
    explicit Big(std::uint64_t v) {
        for (; v != 0; v >>= 32)
            m_limbs.push_back(static_cast<std::uint32_t>(v));
    }
    static Big fromDecimal(const std::string& digits) {
        Big out;
        for (const char c : digits)
            out.multiplyAdd(10, static_cast<std::uint32_t>(c - '0'));
        return out;
    }
    void multiplyAdd(std::uint32_t factor, std::uint32_t addend = 0) {
        std::uint64_t carry = addend;
        for (std::uint32_t& limb : m_limbs) {
            const std::uint64_t t = static_cast<std::uint64_t>(limb) * factor + carry;
            limb = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        if (carry != 0) m_limbs.push_back(static_cast<std::uint32_t>(carry));
        trim();
    }
    void multiplyByPowerOfFive(long n) {
        for (; n >= 13; n -= 13)
            multiplyAdd(1220703125); // 5^13
        for (; n > 0; --n)
            multiplyAdd(5);
    }
    void shiftLeft(long bits) {
        if (m_limbs.empty() || bits <= 0) return;
        const auto words = static_cast<std::size_t>(bits / 32);
        const int rest = static_cast<int>(bits % 32);
        m_limbs.insert(m_limbs.begin(), words, 0);
        if (rest != 0) {
            std::uint32_t carry = 0;
            for (std::size_t i = words; i < m_limbs.size(); ++i) {
                const std::uint32_t next = m_limbs[i] >> (32 - rest);
                m_limbs[i] = (m_limbs[i] << rest) | carry;
                carry = next;
            }
            if (carry != 0) m_limbs.push_back(carry);
        }
    }
    Big plus(const Big& other) const {
        Big out = *this;
        out.m_limbs.resize(std::max(m_limbs.size(), other.m_limbs.size()) + 1, 0);
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < out.m_limbs.size(); ++i) {
            const std::uint64_t t =
                carry + out.m_limbs[i] + (i < other.m_limbs.size() ? other.m_limbs[i] : 0);
            out.m_limbs[i] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        out.trim();
        return out;
    }
    // Divides by a small number in place and returns the remainder.
    std::uint32_t divide(std::uint32_t divisor) {
        std::uint64_t rest = 0;
        for (std::size_t i = m_limbs.size(); i-- > 0;) {
            const std::uint64_t t = (rest << 32) | m_limbs[i];
            m_limbs[i] = static_cast<std::uint32_t>(t / divisor);
            rest = t % divisor;
        }
        trim();
        return static_cast<std::uint32_t>(rest);
    }
    std::string decimal() const {
        if (m_limbs.empty()) return "0";
        Big rest = *this;
        std::string out;
        while (!rest.m_limbs.empty())
            out += static_cast<char>('0' + rest.divide(10));
        std::reverse(out.begin(), out.end());
        return out;
    }
    friend int compare(const Big& a, const Big& b) {
        if (a.m_limbs.size() != b.m_limbs.size()) return a.m_limbs.size() < b.m_limbs.size() ? -1 : 1;
        for (std::size_t i = a.m_limbs.size(); i-- > 0;)
            if (a.m_limbs[i] != b.m_limbs[i]) return a.m_limbs[i] < b.m_limbs[i] ? -1 : 1;
        return 0;
    }

private:
    void trim() {
        while (!m_limbs.empty() && m_limbs.back() == 0)
            m_limbs.pop_back();
    }
    std::vector<std::uint32_t> m_limbs;
};

// A positive finite extended value as mantissa x 2^exponent with an integer mantissa.
struct Binary {
    std::uint64_t mantissa;
    long exponent;
};
Binary decompose(Real v) {
    int e = 0;
    const Real f = std::frexp(v, &e); // v = f 2^e, f in [0.5, 1)
    return {static_cast<std::uint64_t>(std::ldexp(f, 64)), static_cast<long>(e) - 64};
}

// An exact rational digits x 10^power10 compared with mantissa x 2^power2 (-1, 0, 1).
int compareExact(const Big& digits, long power10, const Big& mantissa, long power2) {
    Big left = digits, right = mantissa;
    if (power10 >= 0)
        left.multiplyByPowerOfFive(power10);
    else
        right.multiplyByPowerOfFive(-power10);
    const long twos = power10 - power2; // left carries 2^power10, right 2^power2
    if (twos >= 0)
        left.shiftLeft(twos);
    else
        right.shiftLeft(-twos);
    return compare(left, right);
}

// The midpoint between two neighbouring non-negative extended values (b may be the first value past
// the largest, 2^16384), as mantissa x 2^exponent.
void midpoint(Real a, Real b, Big& mantissa, long& exponent) {
    const Binary low = a == 0 ? Binary{0, -16445} : decompose(a);
    const Binary high = std::isinf(b) ? Binary{1, 16384} : decompose(b);
    const long base = std::min(low.exponent, high.exponent);
    Big x(low.mantissa), y(high.mantissa);
    x.shiftLeft(low.exponent - base);
    y.shiftLeft(high.exponent - base);
    mantissa = x.plus(y);
    exponent = base - 1;
}

// Whether v (or overflow, or 0) is the nearest extended value to digits x 10^power10, ties to even.
::testing::AssertionResult isNearest(const std::string& literal, const Big& digits, long power10, bool failed,
                                     Real v) {
    Real up = 0;
    if (failed) {
        v = LDBL_MAX; // "Overflow" is right only when the value rounds beyond the largest
        up = INFINITY;
        Big mid;
        long e = 0;
        midpoint(v, up, mid, e);
        if (compareExact(digits, power10, mid, e) >= 0) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << literal << " raised an error but is in range";
    }
    up = std::nextafter(v, Real(INFINITY));
    const Real down = v == 0 ? 0 : std::nextafter(v, Real(0));
    Big mid;
    long e = 0;
    const bool even = v == 0 || (decompose(v).mantissa & 1) == 0;
    midpoint(v, up, mid, e);
    const int above = compareExact(digits, power10, mid, e);
    if (above > 0 || (above == 0 && !even))
        return ::testing::AssertionFailure()
               << literal << " read as " << std::setprecision(21) << v << ", too small";
    if (v != 0) {
        midpoint(down, v, mid, e);
        const int below = compareExact(digits, power10, mid, e);
        if (below < 0 || (below == 0 && !even))
            return ::testing::AssertionFailure()
                   << literal << " read as " << std::setprecision(21) << v << ", too large";
    }
    return ::testing::AssertionSuccess();
}

// A literal written as digits with the point at `point` (0 = none) and an exponent.
struct Literal {
    std::string text;
    Big digits;
    long power10;
};
Literal makeLiteral(const std::string& digits, std::size_t point, long exponent) {
    Literal out;
    out.digits = Big::fromDecimal(digits);
    out.text = digits;
    long fraction = 0;
    if (point > 0 && point < digits.size()) {
        out.text = digits.substr(0, point) + "." + digits.substr(point);
        fraction = static_cast<long>(digits.size() - point);
    }
    if (exponent != 0) {
        out.text += 'E';
        out.text += std::to_string(exponent);
    }
    out.power10 = exponent - fraction;
    return out;
}

void checkLiteral(Engine& engine, const Literal& literal) {
    const Real v = engine.Evaluate(literal.text);
    const bool failed = engine.ErrorFlag;
    if (failed) {
        ASSERT_EQ(engine.MessageText(engine.ErrorCode), "Overflow") << literal.text;
    }
    EXPECT_TRUE(isNearest(literal.text, literal.digits, literal.power10, failed, v));
}

TEST(LiteralExactness, RandomDecimalLiteralsAreTheNearestExtendedValue) {
    std::mt19937_64 random(1405);
    Engine engine;
    for (int i = 0; i < 4000; ++i) {
        const int length = std::uniform_int_distribution<int>(1, i % 4 == 0 ? 60 : 25)(random);
        std::string digits;
        for (int k = 0; k < length; ++k)
            digits += static_cast<char>('0' + random() % 10);
        if (digits[0] == '0') digits[0] = '1';
        const auto point = static_cast<std::size_t>(random() % (digits.size() + 1));
        // Mostly ordinary exponents, some at the ends of the range and beyond it.
        const long span = i % 10 == 0 ? 4960 : 400;
        const long exponent = std::uniform_int_distribution<long>(-span, span)(random);
        checkLiteral(engine, makeLiteral(digits, point, exponent));
        if (HasFailure()) return;
    }
}

// The midpoint between two neighbours, written out in full, and the literals one unit in its last
// digit either side: the cases a reading that is not exact gets wrong.
TEST(LiteralExactness, MidpointsAndTheirNeighboursRoundCorrectly) {
    std::mt19937_64 random(2718);
    Engine engine;
    for (int i = 0; i < 300; ++i) {
        const long binaryExponent = std::uniform_int_distribution<long>(-300, 300)(random);
        const Real v =
            std::ldexp(static_cast<Real>(random() | (1ULL << 63)), static_cast<int>(binaryExponent));
        Big mid;
        long e = 0;
        midpoint(v, std::nextafter(v, Real(INFINITY)), mid, e);
        // mid x 2^e = (mid x 5^-e) x 10^e when e < 0, else (mid x 2^e) x 10^0.
        long power10 = 0;
        if (e < 0) {
            mid.multiplyByPowerOfFive(-e);
            power10 = e;
        } else {
            mid.shiftLeft(e);
        }
        const std::string digits = mid.decimal();
        for (const int step : {-1, 0, 1}) {
            std::string d = digits;
            if (step != 0) {
                // One unit more or less in a last digit appended (a midpoint x 2^e with e >= 0 is a
                // whole number) or in the last digit itself (a 5 when e < 0).
                if (e >= 0) d += "0";
                std::size_t at = d.size() - 1;
                if (step > 0) {
                    d[at] = static_cast<char>(d[at] + 1);
                } else {
                    for (; d[at] == '0'; --at)
                        d[at] = '9';
                    d[at] = static_cast<char>(d[at] - 1);
                }
            }
            const long p = power10 - (step != 0 && e >= 0 ? 1 : 0);
            checkLiteral(engine, makeLiteral(d, 0, p));
            if (HasFailure()) return;
        }
    }
}

TEST(LiteralExactness, LongLiteralsRoundInsteadOfBeingCut) {
    Engine engine;
    EXPECT_EQ(engine.Evaluate("18446744073709551616-2^64"), 0);
    EXPECT_EQ(engine.Evaluate("0.99999999999999999994578"), 1 - 0x1p-64L);
    EXPECT_EQ(engine.Evaluate("0.1"), 0.1L);
    EXPECT_EQ(engine.Evaluate("1E-4950"), 3 * 0x1p-16445L); // below the normal range: 2.74 units
    EXPECT_EQ(engine.Evaluate("1E-5000"), 0);
    engine.setBase(1);
    EXPECT_EQ(engine.Evaluate("$FFFFFFFFFFFFFFFFF"), 0x1p68L); // 17 digits: 68 ones round up
    EXPECT_EQ(engine.Evaluate("$FFFFFFFFFFFFFFFF"), 18446744073709551615.0L);
    engine.setBase(2);
    EXPECT_EQ(engine.Evaluate(std::string(65, '1')), 0x1p65L);
    std::string tie(66, '0'); // 2^65 + 2: halfway between 2^65 and 2^65 + 4, goes to the even one
    tie.front() = '1';
    tie[64] = '1';
    EXPECT_EQ(engine.Evaluate(tie), 0x1p65L);
}

TEST(LiteralExactness, SexagesimalIsOneRoundingOfItsFraction) {
    Engine engine;
    EXPECT_EQ(engine.Evaluate("1:30:36"), 1.51L);
    EXPECT_EQ(engine.Evaluate("0:0:1"), 1.0L / 3600);
    EXPECT_EQ(engine.Evaluate("2:20"), 7.0L / 3);
}

} // namespace
