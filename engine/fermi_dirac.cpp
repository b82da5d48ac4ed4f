// The complete Fermi-Dirac integral F(n, x) = integral over t >= 0 of t^n / (e^(t - x) + 1), for
// order -1 < n <= kLargestOrder and any x. F(n, x) = -Gamma(n + 1) Li_(n+1)(-e^x).
//
//  - x <= 0: Gamma(n + 1) times the alternating series sum (-1)^(k+1) e^(kx) / k^(n+1); from x = -2 up
//    its terms fall slowly, and the Cohen-Rodriguez Villegas-Zagier acceleration sums it (its terms
//    are moments of a positive measure, for which the acceleration gains a factor 5.8 a term).
//  - x >= 40 (and large against n): Sommerfeld's expansion x^(n+1)/(n+1) (1 + sum 2 eta(2k) (n+1)...
//    (n+2-2k) / x^(2k)) plus its exponentially small remainder cos(pi n) F(n, -x), summed while the
//    terms fall.
//  - otherwise the integral itself: over [0, 1] termwise from the Taylor series of the Fermi
//    function (t^n has a branch point at 0 that no quadrature rule fits), beyond it 10-point
//    Gauss-Legendre panels whose widths keep the nearest singularities (t = 0, the poles at
//    x +- i pi) and the growth of t^n e^-t far enough away for every panel to be exact to about
//    1e-21 of its share.
#include "engine/special_functions.h"

#include "engine/special_support.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace brelt::engine {

using namespace special;

namespace {

// eta(2k) = (1 - 2^(1-2k)) zeta(2k), with eta(0) taken as 1/2 (mpmath, 30 digits).
constexpr Real kEtaEven[] = {
    0.5L,
    0.822467033424113218236207583323L,
    0.947032829497245917576503234474L,
    0.985551091297435104098439244485L,
    0.996233001852647899227289260083L,
    0.999039507598271565639221845699L,
    0.999757685143858190853179678713L,
    0.999939170345979718170954192255L,
    0.999984764214906106441682774961L,
    0.999996187869610113479689226412L,
    0.999999046611581522115050842558L,
    0.999999761613230822547897204943L,
    0.99999994039889239462836140314L,
    0.999999985099231996568787661806L,
    0.99999999627475340010872752767L,
    0.99999999906868228145397862728L,
    0.999999999767169895951490822815L,
    0.99999999994179239904531592388L,
    0.999999999985448091433884763955L,
    0.999999999996362021933168755502L,
    0.999999999999090505380478878091L,
    0.999999999999772626333695897735L,
    0.999999999999943156582154653364L,
    0.999999999999985789145397627195L,
    0.999999999999996447286333736087L,
    0.99999999999999911182158169283L,
    0.999999999999999777955395229741L,
    0.999999999999999944488848785939L,
    0.999999999999999986122212194096L,
    0.999999999999999996530553048259L,
    0.999999999999999999132638262035L,
    0.999999999999999999783159565506L,
    0.999999999999999999945789891376L,
    0.999999999999999999986447472844L,
    0.999999999999999999996611868211L,
    0.999999999999999999999152967053L,
};
constexpr int kEtaTerms = sizeof kEtaEven / sizeof kEtaEven[0];

constexpr Real kSommerfeldFrom = 40;
constexpr int kAccelerationTerms = 30; // error below 4 x 5.83^-30 = 4e-23 of the sum

// sum over k >= 1 of (-1)^(k+1) e^((k-1) x) / k^s for x <= 0, s > 0: the series of F(n, x) / Gamma(n+1)
// with e^x taken out (the caller applies it, so that e^-20000 is no underflow on the way).
Real AlternatingSeries(Real s, Real x) {
    if (x <= -2) {
        const Real ratio = std::exp(x);
        Real power = 1, sum = 0;
        for (int k = 1; k < 200; ++k) {
            const Real term = power * std::pow(Real(k), -s);
            sum += k % 2 == 1 ? term : -term;
            if (term <= kEpsilon / 8 * sum) break;
            power *= ratio;
        }
        return sum;
    }
    // Cohen, Rodriguez Villegas and Zagier, "Convergence acceleration of alternating series",
    // algorithm 1, on a_k = e^(kx) / (k+1)^s.
    const int n = kAccelerationTerms;
    Real d = std::pow(3 + std::sqrt(Real(8)), Real(n));
    d = (d + 1 / d) / 2;
    Real b = -1, c = -d, sum = 0;
    for (int k = 0; k < n; ++k) {
        c = b - c;
        sum += c * std::exp(Real(k) * x) * std::pow(Real(k + 1), -s);
        b = Real(k + n) * Real(k - n) * b / ((Real(k) + 0.5L) * Real(k + 1));
    }
    return sum / d;
}

// Gamma(n + 1) e^x times the series: F(n, x) for x <= 0.
Real NegativeArgument(Real n, Real x) {
    return ScaleByExp(std::tgamma(n + 1) * AlternatingSeries(n + 1, x), 0, x);
}

// Sommerfeld's expansion; false when its terms stop falling first (n large against x).
bool Sommerfeld(Real n, Real x, Real& value) {
    Real ratio = 1, sum = 1;
    bool settled = false;
    for (int k = 1; k < kEtaTerms; ++k) {
        const Real factor = (n + 3 - 2 * k) * (n + 2 - 2 * k) / (x * x);
        if (std::fabs(factor) >= 1) return false;
        ratio *= factor;
        const Real term = 2 * kEtaEven[k] * ratio;
        sum += term;
        if (std::fabs(term) <= kEpsilon / 8 * std::fabs(sum)) {
            settled = true;
            break;
        }
    }
    if (!settled) return false;
    Scaled main = PowerScaled(x, n + 1);
    main.value *= sum / (n + 1);
    const Real remainder = CosPi(n) * NegativeArgument(n, -x);
    value = std::ldexp(main.value, static_cast<int>(std::clamp(main.exponent, -70000L, 70000L))) + remainder;
    return true;
}

Real FermiFunction(Real t, Real n, Real x) {
    return QuickPower(t, n) / (std::exp(t - x) + 1);
}

// Integral over [0, 1] of t^n s(t) with s(t) = 1/(e^(t-x) + 1) = sum d_k t^k: s' = -s(1 - s) gives
// (k+1) d_(k+1) = -(d_k - sum d_j d_(k-j)). The series converges like pi^-k (the poles at x +- i pi).
Real NearZero(Real n, Real x) {
    constexpr int kTerms = 48;
    Real d[kTerms];
    d[0] = 1 / (1 + std::exp(-x));
    Real sum = d[0] / (n + 1);
    for (int k = 0; k + 1 < kTerms; ++k) {
        Real convolution = 0;
        for (int j = 0; j <= k; ++j)
            convolution += d[j] * d[k - j];
        d[k + 1] = -(d[k] - convolution) / Real(k + 1);
        sum += d[k + 1] / (n + Real(k) + 2);
    }
    return sum;
}

// The Gauss-Legendre panels from `from` on, until the rest is below 2^-72 of the sum. Returns an
// error code, kNoError when the sum is complete.
int Panels(Real n, Real x, Real from, Real start, const BreakPoll& poll, Real& sum) {
    const Real growth = n > 1 ? std::sqrt(2 / n) / 6 : 1;
    Real lo = from;
    for (long panel = 1;; ++panel) {
        if (panel > 200000) return kNoPossibility;
        if (poll.stopAsked(panel)) return kUserBreakError;
        // Half-width: a fifth of the distance to the nearest singularity (the branch point 0, the
        // poles at x +- i pi), so that the rule's error falls like 10^-20; and small enough for the
        // exponential slope of t^n e^-t (1.5 per unit of slope keeps e^(-s t) exact to 1e-21) and
        // the curvature of t^n.
        Real h = std::min<Real>(lo / 4.5L, 4);
        const Real slope = std::fabs(n / lo - (lo > x ? 1 : 0));
        if (slope > 0) h = std::min(h, 1.5L / slope);
        if (n > 1) h = std::min(h, lo * growth);
        const Real end = lo + 2 * h;
        const Real gap = x > end ? x - end : (x < lo ? lo - x : 0);
        h = std::min(h, std::sqrt(gap * gap + kPi * kPi) / 5);
        const Real c = lo + h;
        Real panelSum = 0;
        for (int k = 0; k < 5; ++k) {
            const Real u = kGaussAbscissae[k] * h;
            panelSum += kGaussWeights[k] * (FermiFunction(c + u, n, x) + FermiFunction(c - u, n, x));
        }
        sum += panelSum * h;
        lo += 2 * h;
        // The rest is below the integral of t^n e^(x-t), which beyond lo > n falls at least like
        // e^(-(1 - n/lo)(t - lo)).
        if (lo > x && lo > n + 1) {
            const Real rest = QuickPower(lo, n) * std::exp(x - lo) / (1 - n / lo);
            if (rest <= 0x1p-72L * (sum + start)) return kNoError;
        }
    }
}

Real SkippedStart(Real n) {
    // For large orders the integrand is negligible near 0: F >= Gamma(n + 1) / 2 for x >= 0, and
    // the integral up to t is below t^(n+1) / (n + 1).
    if (n < 10) return 1;
    const Real logBound = (std::lgamma(n + 1) - 75 * 0.6931471805599453L + std::log(n + 1)) / (n + 1);
    return std::max<Real>(1, std::exp(logBound));
}

} // namespace

KernelResult FermiDirac(Real n, Real x, const KernelControl& control) {
    // t^n is not integrable at 0 for n <= -1.
    if (!(n > -1) || n > kLargestOrder || !std::isfinite(x)) return {0, kOutOfRange};
    Real value = 0;
    if (x <= 0) {
        value = NegativeArgument(n, x);
    } else if (!(x >= kSommerfeldFrom && Sommerfeld(n, x, value))) {
        const BreakPoll poll(control, 64);
        const Real from = SkippedStart(n);
        const Real start = from == 1 ? NearZero(n, x) : 0;
        Real sum = 0;
        const int error = Panels(n, x, from, start, poll, sum);
        if (error != kNoError) return {0, error};
        value = start + sum;
    }
    if (!std::isfinite(value)) return {0, kOverflowError};
    return {value, kNoError};
}

} // namespace brelt::engine
