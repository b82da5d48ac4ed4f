// Gamma, factorial, the error function and the sine and cosine integrals.
#include "engine/special_functions.h"

#include "engine/special_support.h"

#include <cmath>
#include <complex>

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

// E1(ix) by its continued fraction 1/(1 + ix - 1/(3 + ix - 4/(5 + ix - ...))) times e^-ix, for
// 2 <= x <= 50 (modified Lentz). Ci(x) = -Re E1(ix), Si(x) = pi/2 + Im E1(ix).
std::complex<Real> ExponentialIntegralOfIx(Real x) {
    using Complex = std::complex<Real>;
    Complex b(1, x);
    Complex c = 1 / Real(1e-4000L);
    Complex d = Real(1) / b;
    Complex h = d;
    for (int i = 2; i < 1000; ++i) {
        const Real a = -Real(i - 1) * Real(i - 1);
        b += 2;
        d = Real(1) / (a * d + b);
        c = b + a / c;
        const Complex del = c * d;
        h *= del;
        if (std::fabs(del.real() - 1) + std::fabs(del.imag()) <= kEpsilon) break;
    }
    return Complex(std::cos(x), -std::sin(x)) * h;
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
    if (x < 50) return {kPi / 2 + ExponentialIntegralOfIx(x).imag(), kNoError};
    Real f = 0, g = 0;
    AuxiliaryFunctions(x, f, g);
    return {kPi / 2 - f * std::cos(x) - g * std::sin(x), kNoError};
}

KernelResult CosineIntegral(Real x, const KernelControl&) {
    if (x < 0) return {0, kArgumentError};
    if (x == 0) return {0, kOutOfRange};
    if (x <= 2) return {kEuler + std::log(x) + CosineSeries(x), kNoError};
    if (x < 50) return {-ExponentialIntegralOfIx(x).real(), kNoError};
    Real f = 0, g = 0;
    AuxiliaryFunctions(x, f, g);
    return {f * std::sin(x) - g * std::cos(x), kNoError};
}

} // namespace brelt::engine
