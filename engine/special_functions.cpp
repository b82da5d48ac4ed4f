#include "engine/special_functions.h"

#include <cmath>
#include <limits>

namespace brelt::engine {

namespace {

constexpr Real kPi = 3.141592653589793238462643383279502884L;
constexpr Real kEuler = 0.5772156649015328606L;
constexpr Real kSqrtPi = 1.772453850905516027298167483341145183L;
constexpr Real kSqrt2 = 1.414213562373095048801688724209698079L;
// ln(3.4E-1000): below this exponent a positive power counts as 0 instead of underflowing.
constexpr Real kPowerFloor = -2301.3614109985549L;
constexpr long kLargestFactorial = 1754; // 1755! is beyond the extended range

bool IsInteger(Real x) {
    return std::trunc(x) == x;
}

// sin(pi x) with the argument reduced first, so that large x lose no digits to pi x.
Real SinPi(Real x) {
    const Real whole = std::trunc(x);
    const Real s = std::sin(kPi * (x - whole));
    return std::fmod(whole, 2) != 0 ? -s : s;
}

// Auxiliary functions of the sine and cosine integrals for x >= 1 (rational in y = x^2).
Real AuxiliaryF(Real x) {
    const Real y = x * x;
    const Real num = (((y + 38.027264L) * y + 265.187033L) * y + 335.677320L) * y + 38.102495L;
    const Real den = (((y + 40.021433L) * y + 322.624911L) * y + 570.236280L) * y + 157.105423L;
    return num / den / x;
}

Real AuxiliaryG(Real x) {
    const Real y = x * x;
    const Real num = (((y + 42.242855L) * y + 302.757865L) * y + 352.018498L) * y + 21.821899L;
    const Real den = (((y + 48.196927L) * y + 482.485984L) * y + 1114.978885L) * y + 449.690326L;
    return num / den / y;
}

// The integrands, each a function of t with the order and argument as parameters.
Real SiKernel(Real t, Real, Real) {
    return t == 0 ? 1 : std::sin(t) / t;
}
Real CiKernel(Real t, Real, Real) {
    return t == 0 ? 0 : (std::cos(t) - 1) / t;
}

Real JKernel(Real t, Real n, Real x) {
    return PowerRule(std::sin(t), 2 * n) * std::cos(x * std::cos(t));
}
Real IKernel(Real t, Real n, Real x) {
    return PowerRule(std::sin(t), 2 * n) * std::exp(x * std::cos(t));
}

// Y_n's infinite part mapped onto (0, pi] by d = t / pi, u = -ln d.
Real YKernel(Real t, Real n, Real x) {
    const Real oscillating = std::sin(x * std::sin(t) - n * t);
    if (t <= 0) return oscillating;
    const Real d = t / kPi;
    const Real e = x * (d - 1 / d) / 2;
    const Real lnD = std::log(d);
    const Real f = e - (n + 1) * lnD;
    const Real g = e + (n - 1) * lnD;
    const Real expF = f < -80 ? 0 : std::exp(f);
    const Real expG = g < -80 ? 0 : std::exp(g);
    return oscillating - (expF + std::cos(n * kPi) * expG) / kPi;
}

Real KKernel(Real t, Real n, Real x) {
    const Real exponent = -x * (t + 1 / t) / 2;
    if (exponent <= -70) return 0;
    return (PowerRule(t, n) + PowerRule(t, -n)) / t * std::exp(exponent);
}

Real FermiDiracKernel(Real t, Real n, Real x) {
    return PowerRule(t, n) / (std::exp(t - x) + 1);
}

// (x/2)^n / (Gamma(n + 1/2) sqrt(pi)), the factor in front of the J and I integrals.
KernelResult BesselFactor(Real n, Real x) {
    const KernelResult g = Gamma(n + 0.5L);
    if (g.ok()) return {PowerRule(x / 2, n) / (g.value * kSqrtPi), kNoError};
    if (g.error != 11) return g;
    // An order beyond the factorials' range: the quotient is formed from logarithms, and it is tiny
    // or huge as J and I themselves are, not a fault.
    const Real logFactor = n * std::log(x / 2) - std::lgamma(n + 0.5L);
    const Real factor = std::exp(logFactor) / kSqrtPi;
    if (!std::isfinite(factor)) return {0, 11};
    return {factor, kNoError};
}

KernelResult Scaled(const KernelResult& integral, Real factor) {
    if (!integral.ok()) return integral;
    return {integral.value * factor, kNoError};
}

} // namespace

Real PowerRule(Real b, Real p) {
    if (b > 0) {
        const Real q = p * std::log(b);
        return q >= kPowerFloor ? std::exp(q) : 0;
    }
    if (b == 0) return p > 0 ? 0 : 1 / b;
    if (!IsInteger(p)) return std::numeric_limits<Real>::quiet_NaN();
    const Real magnitude = std::exp(p * std::log(-b));
    return std::fmod(p, 2) != 0 ? -magnitude : magnitude;
}

Real StirlingGamma(Real x) {
    constexpr Real c1 = 1.0L / 12, c2 = -1.0L / 360, c3 = 1.0L / 1260, c4 = -1.0L / 1680, c5 = 1.0L / 1188,
                   c6 = -691.0L / 360360, c7 = 1.0L / 156;
    const Real h = 1 / (x * x);
    const Real series = c1 + h * (c2 + h * (c3 + h * (c4 + h * (c5 + h * (c6 + h * c7)))));
    return std::exp((x - 0.5L) * std::log(x) - x + 0.5L * std::log(2 * kPi) + series / x);
}

KernelResult Gamma(Real x) {
    if (!std::isfinite(x)) return {0, 11};
    if (x == 0) return {0, 13};
    if (x <= 0) {
        if (IsInteger(x)) return {0, 13};
        const KernelResult mirror = Gamma(1 - x);
        if (!mirror.ok()) return {0, kNoError}; // Gamma(1 - x) beyond the range: the value underflows
        const Real denominator = mirror.value * SinPi(x);
        if (denominator == 0) return {0, 13};
        return {kPi / denominator, kNoError};
    }
    if (IsInteger(x)) {
        if (x - 1 > kLargestFactorial) return {0, 11};
        Real product = 1;
        for (Real k = 2; k < x; ++k)
            product *= k;
        return {product, kNoError};
    }
    Real value;
    if (x < 12) {
        const Real whole = std::trunc(x);
        const Real fraction = x - whole;
        Real product = 1;
        for (Real k = whole; k <= 11; ++k)
            product *= fraction + k;
        value = StirlingGamma(fraction + 12) / product;
    } else {
        value = StirlingGamma(x);
    }
    if (!std::isfinite(value)) return {0, 11};
    return {value, kNoError};
}

KernelResult Factorial(Real x) {
    if (!std::isfinite(x) || x < 0 || !IsInteger(x)) return {0, 8};
    if (x > kLargestFactorial) return {0, 11};
    return Gamma(x + 1);
}

Real Erf(Real x) {
    // Q(z) is the upper tail of the normal distribution: 0.5 erfc(z / sqrt 2).
    const auto upperTail = [](Real z) {
        const Real u = std::fabs(z / kSqrt2);
        Real tail = 0;
        if (u <= 10) {
            const Real p =
                ((((0.56413052029668L * u + 6.294988791298L) * u + 31.499397334774L) * u + 88.728616552568L) *
                     u +
                 141.83210568472L) *
                    u +
                114.09129476797L;
            const Real q = (((((u + 11.155129488023L) * u + 56.35922843497L) * u + 162.63669095274L) * u +
                             279.94326328665L) *
                                u +
                            270.57034584754L) *
                               u +
                           114.09129476797L;
            tail = 0.5L * std::exp(-u * u) * p / q;
        }
        return z < 0 ? 1 - tail : tail;
    };
    return 1 - 2 * upperTail(x * kSqrt2);
}

KernelResult SineIntegral(Real x, const IntegrationControl& control) {
    if (x < 0) return {0, 8};
    if (x <= 1) return Integrate(SiKernel, 0, 0, 0, x, control);
    return {kPi / 2 - AuxiliaryF(x) * std::cos(x) - AuxiliaryG(x) * std::sin(x), kNoError};
}

KernelResult CosineIntegral(Real x, const IntegrationControl& control) {
    if (x < 0) return {0, 8};
    if (x == 0) return {0, 24};
    if (x <= 1) {
        const KernelResult part = Integrate(CiKernel, 0, 0, 0, x, control);
        if (!part.ok()) return part;
        return {kEuler + std::log(x) + part.value, kNoError};
    }
    return {AuxiliaryF(x) * std::sin(x) - AuxiliaryG(x) * std::cos(x), kNoError};
}

KernelResult BesselJ(Real n, Real x, const IntegrationControl& control) {
    if (n < 0 || x < 0) return {0, 24};
    if (x == 0) return {n == 0 ? 1.0L : 0.0L, kNoError};
    const KernelResult factor = BesselFactor(n, x);
    if (!factor.ok()) return factor;
    return Scaled(Integrate(JKernel, n, x, 0, kPi, control), factor.value);
}

KernelResult BesselI(Real n, Real x, const IntegrationControl& control) {
    if (n < 0 || x < 0) return {0, 24};
    if (x == 0) return {n == 0 ? 1.0L : 0.0L, kNoError};
    const KernelResult factor = BesselFactor(n, x);
    if (!factor.ok()) return factor;
    return Scaled(Integrate(IKernel, n, x, 0, kPi, control), factor.value);
}

KernelResult BesselY(Real n, Real x, const IntegrationControl& control) {
    // Y_n is infinite at 0, where its integral would never settle.
    if (n < 0 || x <= 0) return {0, 24};
    return Scaled(Integrate(YKernel, n, x, 0, kPi, control), 1 / kPi);
}

KernelResult BesselK(Real n, Real x, const IntegrationControl& control) {
    if (n < 0 || x <= 0) return {0, 24};
    return Scaled(Integrate(KKernel, n, x, 0, 1, control), 0.5L);
}

KernelResult FermiDirac(Real n, Real x, const IntegrationControl& control) {
    // t^n is not integrable at 0 for n <= -1: the integral would grow with every doubling.
    if (n <= -1) return {0, 24};
    const Real upper = (x > 0 ? x : 0) + 23;
    return Integrate(FermiDiracKernel, n, x, 0, upper, control);
}

} // namespace brelt::engine
