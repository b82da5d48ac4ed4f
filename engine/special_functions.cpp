// Gamma, factorial, the error function and the sine and cosine integrals.
#include "engine/special_functions.h"

#include "engine/special_support.h"

#include <cmath>

namespace brelt::engine {

using namespace special;

namespace {

constexpr long kLargestFactorial = 1754; // 1755! is beyond the extended range
constexpr Real kExactProductLimit = 26;  // 25! is the last factorial the format holds exactly

bool IsInteger(Real x) {
    return std::trunc(x) == x;
}

// Si(x) = sum (-1)^k x^(2k+1) / ((2k+1) (2k+1)!) and the series part of Ci,
// sum over k >= 1 of (-1)^k x^(2k) / (2k (2k)!), for 0 < x <= 2: the terms fall from the first
// or second on, so no digits are lost.
Real SineSeries(Real x) {
    const Real x2 = x * x;
    Real term = x, sum = x;
    for (int k = 1; k < 100; ++k) {
        term *= -x2 / (Real(2 * k) * Real(2 * k + 1));
        const Real add = term / Real(2 * k + 1);
        sum += add;
        if (std::fabs(add) <= kEpsilon / 4 * std::fabs(sum)) break;
    }
    return sum;
}

Real CosineSeries(Real x) {
    const Real x2 = x * x;
    Real term = 1, sum = 0;
    for (int k = 1; k < 100; ++k) {
        term *= -x2 / (Real(2 * k - 1) * Real(2 * k));
        const Real add = term / Real(2 * k);
        sum += add;
        if (std::fabs(add) <= kEpsilon / 4 * std::fabs(sum)) break;
    }
    return sum;
}

// Si and Ci at the whole numbers 2 to 7 (mpmath, 30 digits): from these, Si and Ci up to 8 are the
// value at the whole number below plus the integral of sin(t)/t or cos(t)/t from there, where the
// continued fraction below would need up to 125 steps.
struct AnchorValues {
    Real si, ci;
};
constexpr AnchorValues kAnchors[] = {
    {1.6054129768026948485767201482L, 0.422980828774864995698565153198L},    // 2
    {1.84865252799946825639773025111L, 0.119629786008000327626472281177L},   // 3
    {1.75820313894905305810555930336L, -0.140981697886930411639144898694L},  // 4
    {1.54993124494467413727440840073L, -0.190029749656643878618458900116L},  // 5
    {1.42468755128050653576903102792L, -0.0680572438932471262041683048406L}, // 6
    {1.45459661424809359061476849384L, 0.0766952784821845183829157630314L},  // 7
};
constexpr Real kAnchorsFrom = 2, kAnchorsTo = 8;

// sin u and cos u for |u| <= 1/4 by their Taylor series (terms to u^17 and u^16, below 1e-24).
void SmallSineCosine(Real u, Real& sine, Real& cosine) {
    const Real u2 = u * u;
    Real s = 0, c = 0;
    for (int k = 8; k >= 1; --k) {
        s = (1 - s * u2 / (Real(2 * k) * Real(2 * k + 1)));
        c = (1 - c * u2 / (Real(2 * k - 1) * Real(2 * k)));
    }
    sine = u * s;
    cosine = c;
}

// The integrals of sin(t)/t and cos(t)/t from the whole number below x to x (2 <= x < 8): two
// 10-point Gauss-Legendre panels of at most 1/4 on each side of their centre, at least 8 such
// half-widths from the only singularity (t = 0), which bounds the rule's error near 1e-24. The
// sines and cosines at the nodes c +- u come from those of c and u: two library calls per panel.
void FromAnchor(Real x, Real& si, Real& ci) {
    const Real whole = std::floor(x);
    const AnchorValues& anchor = kAnchors[static_cast<int>(whole - kAnchorsFrom)];
    const Real h = (x - whole) / 4; // two panels of half-width h
    Real sinU[5], cosU[5];
    for (int k = 0; k < 5; ++k)
        SmallSineCosine(kGaussAbscissae[k] * h, sinU[k], cosU[k]);
    Real sinPart = 0, cosPart = 0;
    for (int panel = 0; panel < 2; ++panel) {
        const Real c = whole + (2 * panel + 1) * h;
        const Real sinC = std::sin(c), cosC = std::cos(c);
        for (int k = 0; k < 5; ++k) {
            const Real u = kGaussAbscissae[k] * h;
            const Real above = c + u, below = c - u;
            const Real sinAbove = sinC * cosU[k] + cosC * sinU[k], sinBelow = sinC * cosU[k] - cosC * sinU[k];
            const Real cosAbove = cosC * cosU[k] - sinC * sinU[k], cosBelow = cosC * cosU[k] + sinC * sinU[k];
            sinPart += kGaussWeights[k] * (sinAbove / above + sinBelow / below);
            cosPart += kGaussWeights[k] * (cosAbove / above + cosBelow / below);
        }
    }
    si = anchor.si + sinPart * h;
    ci = anchor.ci + cosPart * h;
}

// E1(ix) by its continued fraction 1/(1 + ix - 1/(3 + ix - 4/(5 + ix - ...))) times e^-ix, for
// 8 <= x <= 50 (modified Lentz, at most 20 steps). Ci(x) = -Re E1(ix), Si(x) = pi/2 + Im E1(ix). The complex
// arithmetic is written out: the library's complex division costs several times more, and no
// value here comes near the ends of the range.
struct ComplexPair {
    Real re, im;
};

ComplexPair ExponentialIntegralOfIx(Real x) {
    const auto times = [](ComplexPair a, ComplexPair b) {
        return ComplexPair{a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
    };
    const auto reciprocal = [](ComplexPair a) {
        const Real norm = a.re * a.re + a.im * a.im;
        return ComplexPair{a.re / norm, -a.im / norm};
    };
    ComplexPair b{1, x};
    ComplexPair c{1e4000L, 0};
    ComplexPair d = reciprocal(b);
    ComplexPair h = d;
    for (int i = 2; i < 1000; ++i) {
        const Real a = -Real(i - 1) * Real(i - 1);
        b.re += 2;
        d = reciprocal({a * d.re + b.re, a * d.im + b.im});
        const ComplexPair ac = reciprocal(c);
        c = {b.re + a * ac.re, b.im + a * ac.im};
        const ComplexPair del = times(c, d);
        h = times(h, del);
        if (std::fabs(del.re - 1) + std::fabs(del.im) <= kEpsilon) break;
    }
    return times({std::cos(x), -std::sin(x)}, h);
}

// The auxiliary functions f and g of the sine and cosine integrals by their asymptotic series, for
// x >= 50. The terms fall while 2k < x; at x = 50 the last of them is 3e-21 of f and 2e-19 of g,
// whose share in Si and Ci is another x^-1 smaller.
void AuxiliaryFunctions(Real x, Real& f, Real& g) {
    const Real y = 1 / x;
    const Real y2 = y * y; // 0 beyond 1E2466, where the series are their first terms
    Real fTerm = 1, gTerm = 1, fSum = 1, gSum = 1;
    for (int k = 1; 2 * k + 1 < x && k < 40; ++k) {
        fTerm *= -Real(2 * k - 1) * Real(2 * k) * y2;
        gTerm *= -Real(2 * k) * Real(2 * k + 1) * y2;
        fSum += fTerm;
        gSum += gTerm;
        if (std::fabs(gTerm) <= kEpsilon / 8) break;
    }
    f = y * fSum;
    g = y * y * gSum;
}

} // namespace

KernelResult Gamma(Real x) {
    if (!std::isfinite(x)) return {0, kOverflowError};
    if (x <= 0 && IsInteger(x)) return {0, kDivisionByZeroError};
    if (x >= 1 && x <= kExactProductLimit && IsInteger(x)) {
        Real product = 1;
        for (Real k = 2; k < x; ++k)
            product *= k;
        return {product, kNoError};
    }
    const Real value = std::tgamma(x);
    if (!std::isfinite(value)) return {0, kOverflowError};
    return {value, kNoError};
}

KernelResult Factorial(Real x) {
    if (!std::isfinite(x) || x < 0 || !IsInteger(x)) return {0, kArgumentError};
    if (x > kLargestFactorial) return {0, kOverflowError};
    return Gamma(x + 1);
}

Real Erf(Real x) {
    return std::erf(x);
}

KernelResult SineIntegral(Real x, const KernelControl&) {
    if (x < 0) return {0, kArgumentError};
    if (x == 0) return {0, kNoError};
    if (x <= 2) return {SineSeries(x), kNoError};
    if (x < kAnchorsTo) {
        Real si = 0, ci = 0;
        FromAnchor(x, si, ci);
        return {si, kNoError};
    }
    if (x < 50) return {kPi / 2 + ExponentialIntegralOfIx(x).im, kNoError};
    Real f = 0, g = 0;
    AuxiliaryFunctions(x, f, g);
    return {kPi / 2 - f * std::cos(x) - g * std::sin(x), kNoError};
}

KernelResult CosineIntegral(Real x, const KernelControl&) {
    if (x < 0) return {0, kArgumentError};
    if (x == 0) return {0, kOutOfRange};
    if (x <= 2) return {kEuler + std::log(x) + CosineSeries(x), kNoError};
    if (x < kAnchorsTo) {
        Real si = 0, ci = 0;
        FromAnchor(x, si, ci);
        return {ci, kNoError};
    }
    if (x < 50) return {-ExponentialIntegralOfIx(x).re, kNoError};
    Real f = 0, g = 0;
    AuxiliaryFunctions(x, f, g);
    return {f * std::sin(x) - g * std::cos(x), kNoError};
}

} // namespace brelt::engine
