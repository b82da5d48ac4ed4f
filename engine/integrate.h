#pragma once
// What the integrations share: the 10-point Gauss–Legendre rule, the outcome of a kernel
// computation, and how a long kernel computation is interrupted.
#include "engine/real.h"

#include <cmath>
#include <functional>

namespace brelt::engine {

// The outcome of a kernel computation: a value, or the catalogue code of the error that ended it.
inline constexpr int kNoError = -1;
struct KernelResult {
    Real value = 0;
    int error = kNoError;
    bool ok() const { return error == kNoError; }
};

// How a long kernel computation is interrupted: polled now and then, true ends it with "User break".
struct KernelControl {
    std::function<bool()> stopAsked;
};

// The 10-point rule on [-1, 1]: five abscissae and their weights (the rule is symmetric).
inline constexpr Real kGaussAbscissae[5] = {0.1488743389816312109L, 0.4333953941292471908L,
                                            0.6794095682990244063L, 0.8650633666889845107L,
                                            0.9739065285171717201L};
inline constexpr Real kGaussWeights[5] = {0.2955242247147528702L, 0.2692667193099963551L,
                                          0.2190863625159820440L, 0.1494513491505805931L,
                                          0.06667134430868813759L};

// Passes that differ by less than this share of the integral of |f| are settled whatever their
// texts say: an integral worth 0 (sin over a full period) is rounding noise whose digits and
// exponent never repeat.
inline constexpr Real kRoundingNoise = 1e-15L;
inline bool OnlyRoundingApart(Real previous, Real current, Real magnitude) {
    return std::fabs(current - previous) <= kRoundingNoise * magnitude;
}

} // namespace brelt::engine
