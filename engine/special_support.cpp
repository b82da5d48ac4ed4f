#include "engine/special_support.h"

#include <cmath>

namespace brelt::engine::special {

namespace {

// Taylor coefficients of 1/Gamma(1 + z) about 0 (mpmath, 30 digits); for |z| <= 1/2 the first 33
// give it to far below the extended precision.
constexpr Real kReciprocalGamma[] = {
    1.0L,
    0.577215664901532860606512090082L,
    -0.655878071520253881077019515145L,
    -0.0420026350340952355290039348754L,
    0.166538611382291489501700795102L,
    -0.0421977345555443367482083012892L,
    -0.00962197152787697356211492167235L,
    0.00721894324666309954239501034045L,
    -0.00116516759185906511211397108402L,
    -0.000215241674114950972815729963054L,
    0.000128050282388116186153198626328L,
    -2.0134854780788238655689391421e-5L,
    -1.25049348214267065734535947383e-6L,
    1.13302723198169588237412962033e-6L,
    -2.05633841697760710345015413002e-7L,
    6.11609510448141581786249868286e-9L,
    5.00200764446922293005566504806e-9L,
    -1.18127457048702014458812656544e-9L,
    1.04342671169110051049154033231e-10L,
    7.78226343990507125404993731136e-12L,
    -3.69680561864220570818781587809e-12L,
    5.10037028745447597901548132286e-13L,
    -2.05832605356650678322242954486e-14L,
    -5.34812253942301798237001731873e-15L,
    1.22677862823826079015889384662e-15L,
    -1.18125930169745876951376458684e-16L,
    1.18669225475160033257977724293e-18L,
    1.41238065531803178155580394757e-18L,
    -2.29874568443537020659247858063e-19L,
    1.71440632192733743338396337027e-20L,
    1.33735173049369311486478139512e-22L,
    -2.05423355176667278932502535136e-22L,
    2.73603004860799984483150990433e-23L,
};
constexpr int kReciprocalGammaTerms = sizeof kReciprocalGamma / sizeof kReciprocalGamma[0];

// ln 2 split so that k x kLn2High is exact for every |k| below 2^18.
constexpr Real kLn2High = 0.6931471805599329627511906437575817108154296875L; // 46 bits
constexpr Real kLn2Low = 1.23466660414777005948572600704e-14L;

// sin(pi r) for r in [-1, 1]: folded into [-1/2, 1/2] by exact steps first.
Real foldedSinPi(Real r) {
    if (r > 0.5L)
        r = 1 - r;
    else if (r < -0.5L)
        r = -1 - r;
    if (r == 0) return 0;
    return std::sin(kPi * r);
}

} // namespace

Real SinPi(Real t) {
    // t - 2 round(t / 2) is exact and lies in [-1, 1].
    const Real r = t - 2 * std::nearbyint(t / 2);
    return foldedSinPi(r);
}

Real CosPi(Real t) {
    const Real r = std::fabs(t - 2 * std::nearbyint(t / 2)); // [0, 1]
    // cos(pi r) = sin(pi (1/2 - r)); 1/2 - r is exact for r from 1/4 on, and below it the cosine
    // is the library's directly.
    if (r < 0.25L) return std::cos(kPi * r);
    return foldedSinPi(0.5L - r);
}

Real ScaleByExp(Real v, long binaryExponent, Real exponent) {
    if (v == 0) return 0;
    // e^x = 2^k e^r with |r| <= ln2 / 2.
    const Real k = std::nearbyint(exponent / 0.693147180559945309417232121458176568L);
    if (std::fabs(k) > 60000) return std::ldexp(v, static_cast<int>(k > 0 ? 60000 : -60000));
    const Real r = (exponent - k * kLn2High) - k * kLn2Low;
    const long total = binaryExponent + static_cast<long>(k);
    const long clamped = total > 60000 ? 60000 : total < -60000 ? -60000 : total;
    return std::ldexp(v * std::exp(r), static_cast<int>(clamped));
}

TemmeGammas TemmeGammaTerms(Real mu) {
    // 1/Gamma(1 + z) = sum r_k z^k; its odd and even parts give gam1 and gam2 without cancellation.
    Real odd = 0, even = 0;
    for (int k = kReciprocalGammaTerms - 1; k >= 0; --k) {
        if (k % 2 == 1)
            odd = odd * mu * mu + kReciprocalGamma[k];
        else
            even = even * mu * mu + kReciprocalGamma[k];
    }
    // odd = sum over odd k of r_k mu^(k-1), even = sum over even k of r_k mu^k.
    return {-odd, even, even + mu * odd, even - mu * odd};
}

TemmeStart TemmeSeriesStart(Real mu, Real x) {
    const Real half = x / 2;
    const Real piMu = kPi * mu;
    const Real fact = mu == 0 ? 1 : piMu / std::sin(piMu);
    const Real d = -std::log(half);
    const Real e = mu * d;
    // e^e = (x/2)^-mu from the power itself: through exp, e's last-place error would be
    // multiplied by e, which reaches thousands at tiny x.
    const Real expE = std::pow(x, -mu) * std::exp2(mu);
    const Real coshE = (expE + 1 / expE) / 2;
    const Real fact2 = e == 0 ? 1 : std::fabs(e) < 1 ? std::sinh(e) / e : (expE - 1 / expE) / (2 * e);
    const TemmeGammas g = TemmeGammaTerms(mu);
    return {half, expE, fact * (g.gam1 * coshE + g.gam2 * fact2 * d), g};
}

Real QuickPower(Real t, Real p) {
    const Real whole = std::floor(p);
    const Real fraction = p - whole;
    Real result = fraction == 0 ? 1 : std::exp(fraction * std::log(t));
    auto n = static_cast<long>(std::fabs(whole));
    Real base = whole < 0 ? 1 / t : t;
    for (; n != 0; n >>= 1) {
        if (n & 1) result *= base;
        if (n > 1) base *= base;
    }
    return result;
}

Scaled PowerScaled(Real b, Real p) {
    int e = 0;
    const Real m = std::frexp(b, &e); // b = m 2^e, m in [1/2, 1)
    Scaled out{std::pow(m, p), 0};
    // e p = e pHigh + e pLow with pHigh of 40 bits: e pHigh is exact, e pLow tiny.
    const Real pHigh = std::ldexp(std::nearbyint(std::ldexp(p, 30)), -30);
    const Real whole = e * pHigh; // exact: at most 15 + 40 significant bits
    const Real wholePart = std::floor(whole);
    const Real fraction = (whole - wholePart) + e * (p - pHigh);
    out.value *= std::exp2(fraction);
    out.exponent = static_cast<long>(wholePart);
    out.normalise();
    return out;
}

Scaled SeriesFactor(Real n, Real x) {
    Scaled power = PowerScaled(x / 2, n);
    power.value /= std::tgamma(n + 1); // within the range for every order up to 1753
    power.normalise();
    return power;
}

void Scaled::normalise() {
    const Real magnitude = std::fabs(value);
    if (magnitude > 0x1p8000L || (magnitude < 0x1p-8000L && magnitude != 0)) {
        int e = 0;
        value = std::frexp(value, &e);
        exponent += e;
    }
}

} // namespace brelt::engine::special
