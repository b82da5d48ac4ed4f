#pragma once
// Adaptive Gauss–Legendre integration of the built-in kernels: the 10-point rule on m equal panels,
// m doubled until the decimal text of the result settles in its first P characters. The kernels
// are plain functions of (t, p1, p2) evaluated directly, never through the evaluator, so the
// integration needs no Engine: a caller that wants the Stop button to work passes a poll callback.
#include "engine/real.h"

#include <functional>
#include <string>

namespace brelt::engine {

// The outcome of a kernel computation: a value, or the catalogue code of the error that ended it.
inline constexpr int kNoError = -1;
struct KernelResult {
    Real value = 0;
    int error = kNoError;
    bool ok() const { return error == kNoError; }
};

// How hard Integrate works and how it is interrupted.
struct IntegrationControl {
    int precision = 9;               // P: characters of the scientific text that must settle
    std::function<bool()> stopAsked; // polled between passes; true ends with "User break"
};

using Kernel = Real (*)(Real t, Real p1, Real p2);

// The 10-point rule on [-1, 1]: five abscissae and their weights (the rule is symmetric).
inline constexpr Real kGaussAbscissae[5] = {0.1488743389816312109L, 0.4333953941292471908L,
                                            0.6794095682990244063L, 0.8650633666889845107L,
                                            0.9739065285171717201L};
inline constexpr Real kGaussWeights[5] = {0.2955242247147528702L, 0.2692667193099963551L,
                                          0.2190863625159820440L, 0.1494513491505805931L,
                                          0.06667134430868813759L};

// The scientific text the settling test compares: sign place, one digit, ".", 14 digits, "E",
// the exponent's sign and four exponent digits (23 characters for a finite value).
std::string ScientificText23(Real x);

// True when the first `precision` characters of the two texts agree.
bool TextsSettled(const std::string& previous, const std::string& current, int precision);

// The panel count beyond which a result that still has not settled is given up ("No possibility"):
// a divergent integrand would otherwise double its panels for ever.
inline constexpr long kMaxIntegrationPanels = 1L << 16;

// Passes that differ by less than this share of the integral of |f| are settled whatever their
// texts say: an integral worth 0 (sin over a full period) is rounding noise whose digits and
// exponent never repeat.
inline constexpr Real kRoundingNoise = 1e-15L;
bool OnlyRoundingApart(Real previous, Real current, Real magnitude);

// Integrates kernel(t, p1, p2) over [a, b]. Errors: 11 "Overflow" for a non-finite sum, 4 "No
// possibility" when the text never settles, 22 "User break" when control.stopAsked says so.
KernelResult Integrate(Kernel kernel, Real p1, Real p2, Real a, Real b, const IntegrationControl& control);

} // namespace brelt::engine
