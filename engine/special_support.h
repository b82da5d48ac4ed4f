#pragma once
// What the special functions share: constants, sine and cosine of pi times an argument, a product
// with a power of e and of 2 formed without overflow on the way, the gamma terms of Temme's
// series, and the periodic break test of long loops. Internal to the special-function files.
#include "engine/integrate.h"
#include "engine/real.h"

#include <cfloat>

namespace brelt::engine::special {

inline constexpr Real kPi = 3.141592653589793238462643383279502884L;
inline constexpr Real kEuler = 0.5772156649015328606065120900824024310L;
inline constexpr Real kEpsilon = LDBL_EPSILON; // 2^-63, the spacing of values at 1

// Catalogue codes of the errors the special functions raise.
inline constexpr int kNoPossibility = 4;
inline constexpr int kArgumentError = 8;
inline constexpr int kOverflowError = 11;
inline constexpr int kDivisionByZeroError = 13;
inline constexpr int kUserBreakError = 22;
inline constexpr int kOutOfRange = 24;

// sin(pi t) and cos(pi t), exact at whole and half-whole t, for any finite t.
Real SinPi(Real t);
Real CosPi(Real t);

// v x 2^binaryExponent x e^exponent, rounded once at the end: neither factor overflows or
// underflows on the way (e^-12000 and 2^20000 are fine as long as the product is in range).
Real ScaleByExp(Real v, long binaryExponent, Real exponent);

// The gamma terms of Temme's series for Bessel functions of order mu, |mu| <= 1/2:
// gam1 = (1/Gamma(1 - mu) - 1/Gamma(1 + mu)) / (2 mu), gam2 = (1/Gamma(1 - mu) + 1/Gamma(1 + mu)) / 2,
// plus = 1/Gamma(1 + mu), minus = 1/Gamma(1 - mu). From the Taylor series of 1/Gamma(1 + z), so gam1
// keeps its digits as mu goes to 0.
struct TemmeGammas {
    Real gam1, gam2, plus, minus;
};
TemmeGammas TemmeGammaTerms(Real mu);

// What Temme's series for K and Y of order mu at x (0 < x < 2) start from: x/2, (x/2)^-mu, the
// gamma terms and f0 = mu pi / sin(mu pi) (gam1 cosh(s) + gam2 sinh(s)/s ln(2/x)), s = mu ln(2/x).
struct TemmeStart {
    Real half, expE, ff;
    TemmeGammas gammas;
};
TemmeStart TemmeSeriesStart(Real mu, Real x);

// A value kept as mantissa x 2^exponent while recurrences grow or shrink it beyond the range.
struct Scaled {
    Real value = 0;
    long exponent = 0;
    // Moves powers of two into the exponent when the mantissa leaves [2^-8000, 2^8000].
    void normalise();
};

// b^p for b > 0 as mantissa x 2^exponent, to a few units in the last place however far the power
// lies outside the range (b = m 2^e: m^p by the library, 2^(e p) split so that no rounding of e p
// reaches the result).
Scaled PowerScaled(Real b, Real p);

// t^p for t > 0 and |p| <= 2000, within a few units in the last place and several times faster
// than the library's pow: t^whole(p) by repeated squaring, t^frac(p) through exp and log (whose
// argument stays below 12000 in size).
Real QuickPower(Real t, Real p);

// (x/2)^n / Gamma(n + 1), the leading factor of the power series of J_n and I_n, for 0 <= n <= 1753.
Scaled SeriesFactor(Real n, Real x);

// Asks the control whether the user wants to stop every `every` steps of a long loop.
class BreakPoll {
public:
    explicit BreakPoll(const KernelControl& control, long every = 1L << 12)
        : m_control(control), m_every(every) {}
    bool stopAsked(long step) const {
        return step % m_every == 0 && m_control.stopAsked && m_control.stopAsked();
    }

private:
    const KernelControl& m_control;
    long m_every;
};

} // namespace brelt::engine::special
