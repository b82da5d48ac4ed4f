// Bessel functions of the first and second kind, J and Y, of real order nu >= 0 at x > 0.
//
// Four ways, each where it keeps every digit:
//  - the power series of J while x^2/4 <= (nu + 1) / 4: its terms fall from the first on;
//  - Hankel's asymptotic expansion where x is large against nu^2 (and at least 20): used when its
//    terms fall below 2^-70 before they start to grow;
//  - from x = 20 on with nu up to 0.9 x: Hankel's expansion at frac(nu) and frac(nu) + 1 and the
//    recurrence in the order up to nu (below the turning point it neither grows nor damps its
//    rounding errors);
//  - otherwise Temme's method below x = 2 and Steed's method from 2 on (Numerical Recipes'
//    arrangement): the continued fraction CF1 gives J'/J at the order nu, J is carried down by
//    its recurrence to an order mu near x (|mu| <= 1/2 below 2), where Temme's series or Steed's
//    complex continued fraction CF2 with the Wronskian give J_mu, Y_mu and Y_mu+1; Y is carried up
//    to nu by its recurrence, which is stable in that direction.
// The recurrences keep their values as mantissa and power of two, so orders far from the
// argument neither overflow nor underflow on the way; only a result beyond the range does.
#include "engine/special_functions.h"

#include "engine/special_support.h"

#include <algorithm>
#include <cmath>

namespace brelt::engine {

using namespace special;

namespace {

constexpr Real kTiny = 1e-4000L; // keeps Lentz's denominators off zero
constexpr Real kSqrtTwoOverPi = 0.7978845608028653558798921198687637369517L;
constexpr Real kHankelFrom = 20;
// Up to this share of x the order is reached from frac(nu) by the recurrence; above it CF1 takes
// only about x - nu steps.
constexpr Real kUpwardShare = 0.9L;

// J by its power series: (x/2)^nu / Gamma(nu + 1) times sum (-x^2/4)^k / (k! (nu + 1)_k).
Real PowerSeriesJ(Real nu, Real x) {
    const Scaled factor = SeriesFactor(nu, x);
    const Real q = -(x / 2) * (x / 2);
    Real term = 1, sum = 1;
    for (int k = 1; k < 200; ++k) {
        term *= q / (Real(k) * (nu + Real(k)));
        sum += term;
        if (std::fabs(term) <= kEpsilon / 8 * std::fabs(sum)) break;
    }
    return std::ldexp(factor.value * sum, static_cast<int>(std::clamp(factor.exponent, -70000L, 70000L)));
}

// Hankel's P and Q: J = sqrt(2/(pi x)) (P cos chi - Q sin chi), Y = sqrt(2/(pi x)) (P sin chi + Q cos chi)
// with chi = x - (nu/2 + 1/4) pi. False when the terms stop falling before they are below 2^-70.
bool HankelPQ(Real nu, Real x, Real& p, Real& q) {
    const Real m = 4 * nu * nu;
    Real term = 1;
    p = 1;
    q = 0;
    for (int k = 1; k < 500; ++k) {
        const Real odd = Real(2 * k - 1);
        const Real factor = (m - odd * odd) / (8 * Real(k)) / x;
        if (std::fabs(factor) >= 1) return false;
        term *= factor;
        const Real signedTerm = (k / 2) % 2 == 1 ? -term : term;
        if (k % 2 == 1)
            q += signedTerm;
        else
            p += signedTerm;
        if (std::fabs(term) <= 0x1p-70L) return true;
    }
    return false;
}

// J and Y from P and Q. The phase (nu/2 + 1/4) pi is reduced exactly and x's own sine and cosine are
// the library's (reduced exactly too), so the phase keeps its digits however large x is.
void HankelJY(Real nu, Real x, Real p, Real q, Real& j, Real& y) {
    const Real t = std::fmod(nu / 2 + 0.25L, Real(2));
    const Real cosPhi = CosPi(t), sinPhi = SinPi(t);
    const Real cosX = std::cos(x), sinX = std::sin(x);
    const Real cosChi = cosX * cosPhi + sinX * sinPhi;
    const Real sinChi = sinX * cosPhi - cosX * sinPhi;
    const Real amplitude = kSqrtTwoOverPi / std::sqrt(x);
    j = amplitude * (p * cosChi - q * sinChi);
    y = amplitude * (p * sinChi + q * cosChi);
}

struct JY {
    Scaled j, y;
    int error = kNoError;
};

// Where x exceeds the order but not by enough for Hankel's expansion at nu: J and Y at the orders
// mu and mu + 1 (mu = frac(nu)) by Hankel's expansion, which converges there from x = 20 on, then
// both carried up to nu by their recurrence. Below the turning point the recurrence neither grows
// nor damps its rounding errors, so they stay near sqrt(steps) units of the amplitude, where CF1's
// x steps would lose far more.
bool UpwardFromHankel(Real nu, Real x, Real& j, Real& y) {
    const Real mu = nu - std::floor(nu);
    Real p = 0, q = 0, j0 = 0, y0 = 0, j1 = 0, y1 = 0;
    if (!HankelPQ(mu, x, p, q)) return false;
    HankelJY(mu, x, p, q, j0, y0);
    if (!HankelPQ(mu + 1, x, p, q)) return false;
    HankelJY(mu + 1, x, p, q, j1, y1);
    const long steps = static_cast<long>(nu - mu);
    if (steps == 0) {
        j = j0;
        y = y0;
        return true;
    }
    for (long k = 1; k < steps; ++k) {
        const Real factor = 2 * (mu + Real(k)) / x;
        const Real j2 = factor * j1 - j0, y2 = factor * y1 - y0;
        j0 = j1;
        j1 = j2;
        y0 = y1;
        y1 = y2;
    }
    j = j1;
    y = y1;
    return true;
}

// CF1: J'_nu / J_nu by modified Lentz, and the sign of J_nu relative to the unnormalised start of the
// downward recurrence. About x - nu steps where x > nu, few otherwise.
bool RatioCF1(Real nu, Real x, const BreakPoll& poll, Real& h, int& sign, int& error) {
    sign = 1;
    h = nu / x;
    if (h < kTiny) h = kTiny;
    Real d = 0, c = h;
    const long maxSteps = 100000 + static_cast<long>(4 * x);
    for (long i = 1;; ++i) {
        if (i > maxSteps) {
            error = kNoPossibility;
            return false;
        }
        if (poll.stopAsked(i)) {
            error = kUserBreakError;
            return false;
        }
        const Real b = 2 * (nu + Real(i)) / x;
        d = b - d;
        if (std::fabs(d) < kTiny) d = kTiny;
        c = b - 1 / c;
        if (std::fabs(c) < kTiny) c = kTiny;
        d = 1 / d;
        const Real del = c * d;
        h *= del;
        if (d < 0) sign = -sign;
        if (std::fabs(del - 1) <= 2 * kEpsilon) return true;
    }
}

// Y_mu and Y_mu+1 for |mu| <= 1/2 and 0 < x < 2 by Temme's series.
void TemmeY(Real mu, Real x, Real& ymu, Real& ymu1) {
    const TemmeStart start = TemmeSeriesStart(mu, x);
    const TemmeGammas& g = start.gammas;
    const Real half = start.half;
    const Real piMu = kPi * mu;
    const Real expE = start.expE;
    Real ff = 2 / kPi * start.ff;
    Real p = expE / (g.plus * kPi);
    Real q = 1 / (expE * kPi * g.minus);
    const Real halfPiMu = piMu / 2;
    const Real fact3 = halfPiMu == 0 ? 1 : std::sin(halfPiMu) / halfPiMu;
    const Real r = kPi * halfPiMu * fact3 * fact3;
    const Real step = -half * half;
    Real c = 1, sum = ff + r * q, sum1 = p;
    for (int i = 1; i < 1000; ++i) {
        const Real k = i;
        ff = (k * ff + p + q) / (k * k - mu * mu);
        c *= step / k;
        p /= k - mu;
        q /= k + mu;
        const Real del = c * (ff + r * q);
        sum += del;
        const Real del1 = c * p - k * del;
        sum1 += del1;
        if (std::fabs(del) <= (1 + std::fabs(sum)) * kEpsilon / 8 &&
            std::fabs(del1) <= (1 + std::fabs(sum1)) * kEpsilon / 8)
            break;
    }
    ymu = -sum;
    ymu1 = -sum1 * 2 / x;
}

// p + iq = (J'_mu + iY'_mu) / (J_mu + iY_mu) by Steed's CF2, for x >= 2.
bool SteedCF2(Real mu, Real x, Real& p, Real& q) {
    Real a = 0.25L - mu * mu;
    p = -0.5L / x;
    q = 1;
    const Real br = 2 * x;
    Real bi = 2;
    Real fact = a / x / (p * p + q * q);
    Real cr = br + q * fact, ci = bi + p * fact;
    Real den = br * br + bi * bi;
    Real dr = br / den, di = -bi / den;
    Real dlr = cr * dr - ci * di, dli = cr * di + ci * dr;
    Real temp = p * dlr - q * dli;
    q = p * dli + q * dlr;
    p = temp;
    for (int i = 2; i < 100000; ++i) {
        a += 2 * Real(i - 1);
        bi += 2;
        dr = a * dr + br;
        di = a * di + bi;
        if (std::fabs(dr) + std::fabs(di) < kTiny) dr = kTiny;
        fact = a / (cr * cr + ci * ci);
        cr = br + cr * fact;
        ci = bi - ci * fact;
        if (std::fabs(cr) + std::fabs(ci) < kTiny) cr = kTiny;
        den = dr * dr + di * di;
        dr /= den;
        di /= -den;
        dlr = cr * dr - ci * di;
        dli = cr * di + ci * dr;
        temp = p * dlr - q * dli;
        q = p * dli + q * dlr;
        p = temp;
        if (std::fabs(dlr - 1) + std::fabs(dli) <= 2 * kEpsilon) return true;
    }
    return false;
}

// J_nu and Y_nu by Temme's or Steed's method (see the top of the file). wantJ false skips the
// downward recurrence that only J needs.
JY TemmeSteedJY(Real nu, Real x, bool wantJ, const KernelControl& control) {
    JY out;
    const BreakPoll poll(control);
    const long steps = x < 2 ? static_cast<long>(nu + 0.5L) : std::max(0L, static_cast<long>(nu - x + 1.5L));
    const Real mu = nu - Real(steps);

    // f = J'_mu / J_mu: CF1 at nu and the recurrence down to mu, or for Y alone CF1 at mu directly
    // (and below 2 not at all: Temme's series gives Y by itself).
    Real h = 0;
    int sign = 1;
    if ((wantJ || x >= 2) && !RatioCF1(wantJ ? nu : mu, x, poll, h, sign, out.error)) return out;
    Scaled jl{Real(sign), 0};
    Real jpl = h * jl.value;
    const Real jStart = jl.value;
    if (wantJ) {
        for (long l = steps; l >= 1; --l) {
            const Real order = mu + Real(l);
            const Real lower = order / x * jl.value + jpl; // J at order - 1
            jpl = (order - 1) / x * lower - jl.value;
            jl.value = lower;
            if (std::fabs(lower) > 0x1p8000L) {
                jl.value = std::ldexp(jl.value, -8000);
                jpl = std::ldexp(jpl, -8000);
                jl.exponent += 8000;
            }
            if (poll.stopAsked(l)) {
                out.error = kUserBreakError;
                return out;
            }
        }
        if (jl.value == 0) jl.value = kEpsilon;
    }
    const Real f = jpl / jl.value;

    const Real w = 2 / (kPi * x); // the Wronskian J Y' - J' Y
    Real jmu = 0, ymu = 0, ymu1 = 0;
    if (x < 2) {
        TemmeY(mu, x, ymu, ymu1);
        const Real ymuPrime = mu / x * ymu - ymu1;
        if (wantJ) jmu = w / (ymuPrime - f * ymu);
    } else {
        Real p = 0, q = 0;
        if (!SteedCF2(mu, x, p, q)) {
            out.error = kNoPossibility;
            return out;
        }
        const Real gam = (p - f) / q;
        jmu = std::copysign(std::sqrt(w / ((p - f) * gam + q)), jl.value);
        ymu = jmu * gam;
        const Real ymuPrime = p * ymu + q * jmu;
        ymu1 = mu / x * ymu - ymuPrime;
    }
    out.j = {jStart * (jmu / jl.value), -jl.exponent};

    // Y up from mu to nu, the pair normalised at every step: at tiny x one step multiplies by
    // 2 mu / x. Nothing beyond Y_nu is formed, which could overflow where Y_nu does not.
    if (steps == 0) {
        out.y = {ymu, 0};
        return out;
    }
    Scaled y{ymu, 0};
    Real y1 = ymu1;
    for (long k = 1; k < steps; ++k) {
        const Real next = 2 * (mu + Real(k)) / x * y1 - y.value;
        y.value = y1;
        y1 = next;
        if (!std::isfinite(y1)) {
            out.y = {y1, 0};
            return out;
        }
        int e = 0;
        y1 = std::frexp(y1, &e);
        y.value = std::ldexp(y.value, -e);
        y.exponent += e;
    }
    out.y = {y1, y.exponent};
    return out;
}

Real Unscale(const Scaled& s) {
    return std::ldexp(s.value, static_cast<int>(std::clamp(s.exponent, -70000L, 70000L)));
}

KernelResult Finished(Real value) {
    if (!std::isfinite(value)) return {0, kOverflowError};
    return {value, kNoError};
}

bool InDomain(Real n, Real x) {
    return n >= 0 && n <= kLargestOrder && x >= 0 && std::isfinite(x);
}

// Where the argument is large: J and Y by Hankel's expansion at nu, or from it at frac(nu) and the
// recurrence up to nu while nu stays well below x. False where neither applies.
bool LargeArgument(Real nu, Real x, Real& j, Real& y) {
    if (x < kHankelFrom) return false;
    Real p = 0, q = 0;
    if (HankelPQ(nu, x, p, q)) {
        HankelJY(nu, x, p, q, j, y);
        return true;
    }
    return nu <= kUpwardShare * x && UpwardFromHankel(nu, x, j, y);
}

} // namespace

KernelResult BesselJ(Real n, Real x, const KernelControl& control) {
    if (!InDomain(n, x)) return {0, kOutOfRange};
    if (x == 0) return {n == 0 ? 1.0L : 0.0L, kNoError};
    if (x * x <= n + 1) return Finished(PowerSeriesJ(n, x));
    Real j = 0, y = 0;
    if (LargeArgument(n, x, j, y)) return Finished(j);
    const JY r = TemmeSteedJY(n, x, true, control);
    if (r.error != kNoError) return {0, r.error};
    return Finished(Unscale(r.j));
}

KernelResult BesselY(Real n, Real x, const KernelControl& control) {
    // Y_n is infinite at 0.
    if (!InDomain(n, x) || x == 0) return {0, kOutOfRange};
    Real j = 0, y = 0;
    if (LargeArgument(n, x, j, y)) return Finished(y);
    const JY r = TemmeSteedJY(n, x, false, control);
    if (r.error != kNoError) return {0, r.error};
    return Finished(Unscale(r.y));
}

} // namespace brelt::engine
