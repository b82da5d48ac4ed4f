#pragma once
// The special functions of the catalogue as pure kernels: value in, value or error code out, no
// Engine needed (the dispatch connects them to the evaluator's error state). Error codes are the
// message codes of the catalogue: 4 "No possibility", 8 "Argument Error", 11 "Overflow",
// 13 "Division by zero", 22 "User break", 24 "Argument out of range".
//
// Every value is correct to a relative error of 1e-15 (an absolute error of 1e-18 where the
// function changes sign nearby), or it is an error; the tests check this against mpmath over each
// function's whole domain, where the worst relative error measured is below 5e-17 (near 1e-19 for
// most functions). How each is computed:
//   Gamma, Factorial   the exact product for whole numbers up to 26, otherwise the library's
//                      tgamma (measured: within 1e-19, poles and the reflection included)
//   Erf                the library's erf (measured: within 1e-19)
//   Si, Ci             power series up to 2, from their values at 2, 3, ..., 7 by Gauss-Legendre
//                      up to 8, the continued fraction of E1(ix) up to 50, the asymptotic series
//                      of the auxiliary functions f and g beyond
//   BesselJ/Y/I/K      Temme's series (x < 2) or Steed's continued fractions, with the ratio
//                      continued fraction and recurrences in the order; Hankel's expansion for
//                      J and Y where x is large against the order
//   FermiDirac         the alternating series of the polylogarithm for x <= 0 (accelerated near
//                      0), Gauss-Legendre panels placed by the integrand's singularities for
//                      moderate x, Sommerfeld's expansion with its exponentially small remainder
//                      for large x
// Long loops poll control.stopAsked; none of them reads an integration precision: the special
// functions always work to the full precision of the format.
#include "engine/integrate.h"
#include "engine/real.h"

namespace brelt::engine {

// The largest order the Bessel and Fermi-Dirac functions accept ("Argument out of range" above):
// their work and their rounding grow with the order.
inline constexpr Real kLargestOrder = 1000;

KernelResult Gamma(Real x);
KernelResult Factorial(Real x); // Gamma(x + 1) for integer x >= 0
Real Erf(Real x);               // +-1 where erf rounds to it

// Sine and cosine integrals for x >= 0 (Ci needs x > 0).
KernelResult SineIntegral(Real x, const KernelControl& control = {});
KernelResult CosineIntegral(Real x, const KernelControl& control = {});

// Bessel functions of real order 0 <= n <= kLargestOrder at x >= 0 (Y and K need x > 0: both are
// infinite at 0).
KernelResult BesselJ(Real n, Real x, const KernelControl& control = {});
KernelResult BesselY(Real n, Real x, const KernelControl& control = {});
KernelResult BesselI(Real n, Real x, const KernelControl& control = {});
KernelResult BesselK(Real n, Real x, const KernelControl& control = {});

// The complete Fermi-Dirac integral without normalising factor, integral of t^n / (exp(t - x) + 1)
// over t >= 0, for order -1 < n <= kLargestOrder and any x.
KernelResult FermiDirac(Real n, Real x, const KernelControl& control = {});

} // namespace brelt::engine
