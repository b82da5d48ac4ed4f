// Modified Bessel functions I and K of real order nu >= 0 at x > 0.
//
//  - I by its power series where x <= max(20, 2 sqrt(nu + 1)): every term is positive;
//  - otherwise, and for K always, Temme's method (Numerical Recipes' arrangement): K_mu and K_mu+1
//    at |mu| <= 1/2 by Temme's series below x = 2 and by Steed's continued fraction CF2 from 2 on,
//    K carried up to nu by its recurrence (stable upwards), I from the continued fraction CF1 for
//    I'/I at nu, the recurrence down to mu and the Wronskian I K' - I' K = -1/x.
// From x = 2 on, K is computed as K e^x and I as I e^-x and the exponential is applied once at the
// end, so K at x = 11000 (near 1e-4780) and I near the top of the range keep every digit.
#include "engine/special_functions.h"

#include "engine/special_support.h"

#include <algorithm>
#include <cmath>

namespace brelt::engine {

using namespace special;

namespace {

constexpr Real kTiny = 1e-4000L;
constexpr Real kSqrtHalfPi = 1.253314137315500251207882642405522627L;
// Beyond this I overflows and K underflows for every order the catalogue accepts:
// I_nu(x) > e^(x - nu^2/(2x)) / sqrt(2 pi x) and e^11357 is past the range.
constexpr Real kModifiedLimit = 12000;

Real PowerSeriesI(Real nu, Real x) {
    const Scaled factor = SeriesFactor(nu, x);
    const Real q = (x / 2) * (x / 2);
    Real term = 1, sum = 1;
    for (int k = 1; k < 1000; ++k) {
        term *= q / (Real(k) * (nu + Real(k)));
        sum += term;
        if (term <= kEpsilon / 8 * sum) break;
    }
    return std::ldexp(factor.value * sum, static_cast<int>(std::clamp(factor.exponent, -70000L, 70000L)));
}

// K_mu and K_mu+1 (|mu| <= 1/2, 0 < x < 2) by Temme's series.
void TemmeK(Real mu, Real x, Real& kmu, Real& kmu1) {
    const TemmeStart start = TemmeSeriesStart(mu, x);
    const TemmeGammas& g = start.gammas;
    const Real half = start.half;
    const Real expE = start.expE;
    Real ff = start.ff;
    Real sum = ff;
    Real p = 0.5L * expE / g.plus;
    Real q = 0.5L / (expE * g.minus);
    Real c = 1, sum1 = p;
    const Real step = half * half;
    for (int i = 1; i < 1000; ++i) {
        const Real k = i;
        ff = (k * ff + p + q) / (k * k - mu * mu);
        c *= step / k;
        p /= k - mu;
        q /= k + mu;
        const Real del = c * ff;
        sum += del;
        const Real del1 = c * (p - k * ff);
        sum1 += del1;
        if (std::fabs(del) <= std::fabs(sum) * kEpsilon / 8 &&
            std::fabs(del1) <= std::fabs(sum1) * kEpsilon / 8)
            break;
    }
    kmu = sum;
    kmu1 = sum1 * 2 / x;
}

// K_mu e^x and K_mu+1 e^x (|mu| <= 1/2, x >= 2) by Steed's CF2.
bool SteedK(Real mu, Real x, Real& kmu, Real& kmu1) {
    Real b = 2 * (1 + x);
    Real d = 1 / b;
    Real h = d, delh = d;
    Real q1 = 0, q2 = 1;
    const Real a1 = 0.25L - mu * mu;
    Real q = a1, c = a1, a = -a1;
    Real s = 1 + q * delh;
    for (int i = 2;; ++i) {
        if (i > 100000) return false;
        a -= 2 * Real(i - 1);
        c = -a * c / Real(i);
        const Real qnew = (q1 - b * q2) / a;
        q1 = q2;
        q2 = qnew;
        q += c * qnew;
        b += 2;
        d = 1 / (b + a * d);
        delh = (b * d - 1) * delh;
        h += delh;
        const Real dels = q * delh;
        s += dels;
        if (std::fabs(dels) <= std::fabs(s) * kEpsilon / 8) break;
    }
    h = a1 * h;
    kmu = kSqrtHalfPi / std::sqrt(x) / s;
    kmu1 = kmu * (mu + x + 0.5L - h) / x;
    return true;
}

// CF1: I'_nu / I_nu by modified Lentz; about x steps for x > nu. Returns an error code.
int RatioCF1(Real nu, Real x, const BreakPoll& poll, Real& h) {
    h = nu / x;
    if (h < kTiny) h = kTiny;
    Real d = 0, c = h;
    const long maxSteps = 100000 + static_cast<long>(4 * x);
    for (long i = 1; i <= maxSteps; ++i) {
        if (poll.stopAsked(i)) return kUserBreakError;
        const Real b = 2 * (nu + Real(i)) / x;
        d = 1 / (b + d);
        c = b + 1 / c;
        const Real del = c * d;
        h *= del;
        if (std::fabs(del - 1) <= 2 * kEpsilon) return kNoError;
    }
    return kNoPossibility;
}

struct MuValues {
    Real mu = 0;
    long steps = 0;
    Real kmu = 0, kmu1 = 0; // times e^x from x = 2 on
    Real exponentOfK = 0;   // the power of e still to apply to K: -x from 2 on, else 0
};

bool KAtMu(Real nu, Real x, MuValues& m) {
    m.steps = static_cast<long>(nu + 0.5L);
    m.mu = nu - Real(m.steps);
    if (x < 2) {
        TemmeK(m.mu, x, m.kmu, m.kmu1);
        return true;
    }
    m.exponentOfK = -x;
    return SteedK(m.mu, x, m.kmu, m.kmu1);
}

bool InDomain(Real n, Real x) {
    return n >= 0 && n <= kLargestOrder && x >= 0 && std::isfinite(x);
}

KernelResult Finished(Real value) {
    if (!std::isfinite(value)) return {0, kOverflowError};
    return {value, kNoError};
}

} // namespace

KernelResult BesselI(Real n, Real x, const KernelControl& control) {
    if (!InDomain(n, x)) return {0, kOutOfRange};
    if (x == 0) return {n == 0 ? 1.0L : 0.0L, kNoError};
    if (x > kModifiedLimit) return {0, kOverflowError};
    if (x <= 20 || x * x <= 4 * (n + 1)) return Finished(PowerSeriesI(n, x));

    MuValues m;
    if (!KAtMu(n, x, m)) return {0, kNoPossibility};
    const BreakPoll poll(control);
    Real h = 0;
    if (const int error = RatioCF1(n, x, poll, h); error != kNoError) return {0, error};
    // I down from nu to mu, unnormalised, kept as mantissa and power of two.
    Scaled il{1, 0};
    Real ipl = h;
    for (long l = m.steps; l >= 1; --l) {
        const Real order = m.mu + Real(l);
        const Real lower = order / x * il.value + ipl;
        ipl = (order - 1) / x * lower + il.value;
        il.value = lower;
        if (std::fabs(lower) > 0x1p8000L) {
            il.value = std::ldexp(il.value, -8000);
            ipl = std::ldexp(ipl, -8000);
            il.exponent += 8000;
        }
    }
    const Real f = ipl / il.value;
    const Real kmuPrime = m.mu / x * m.kmu - m.kmu1;
    const Real imu = 1 / x / (f * m.kmu - kmuPrime); // times e^-x where K carries e^x
    return Finished(ScaleByExp(imu / il.value, -il.exponent, -m.exponentOfK));
}

KernelResult BesselK(Real n, Real x, const KernelControl&) {
    // K_n is infinite at 0.
    if (!InDomain(n, x) || x == 0) return {0, kOutOfRange};
    if (x > kModifiedLimit) return {0, kNoError}; // below the smallest extended value
    MuValues m;
    if (!KAtMu(n, x, m)) return {0, kNoPossibility};
    // K up from mu to nu (K_mu+i+1 = 2 (mu+i)/x K_mu+i + K_mu+i-1), the pair normalised at every
    // step: at tiny x one step multiplies by 2 mu / x. Nothing beyond K_nu is formed, which could
    // overflow where K_nu does not.
    if (m.steps == 0) return Finished(ScaleByExp(m.kmu, 0, m.exponentOfK));
    Scaled k{m.kmu, 0};
    Real k1 = m.kmu1;
    for (long i = 1; i < m.steps; ++i) {
        const Real next = 2 * (m.mu + Real(i)) / x * k1 + k.value;
        k.value = k1;
        k1 = next;
        if (!std::isfinite(k1)) return {0, kOverflowError};
        int e = 0;
        k1 = std::frexp(k1, &e);
        k.value = std::ldexp(k.value, -e);
        k.exponent += e;
    }
    return Finished(ScaleByExp(k1, k.exponent, m.exponentOfK));
}

} // namespace brelt::engine
