#pragma once
// The special functions of the catalogue as pure kernels: value in, value or error code out, no
// Engine needed (the dispatch connects them to the evaluator's error state). Error codes are the
// message codes of the catalogue: 8 "Argument Error", 11 "Overflow", 13 "Division by zero",
// 24 "Argument out of range", and from the integrations 4 and 22 (see integrate.h).
//
// Accuracy of each algorithm, checked against 30-digit reference values in the tests:
//   Gamma, Factorial   Stirling series with seven terms from 12 on: about 1e-18 relative
//                      (integers: the exact product, correctly rounded at each step)
//   Erf                rational approximation of erfc: about 1e-14 absolute
//   Si, Ci             up to 1 the integral (to the integration precision); above 1 the rational
//                      auxiliary functions f and g: about 5e-7 absolute by construction
//   BesselJ/Y/I/K,     integral representations, settled at the integration precision P:
//   FermiDirac         about P - 3 significant digits (1e-6 relative with the default 9) where
//                      the integrand has an endpoint singularity, far more for smooth ones
#include "engine/integrate.h"
#include "engine/real.h"

namespace brelt::engine {

// The power rule of the language for kernels: b > 0 gives exp(p ln b), or 0 below ln(3.4E-1000);
// 0 to a positive power is 0 and to any other power 1/0; a negative base needs an integer power.
Real PowerRule(Real b, Real p);

Real StirlingGamma(Real x);
KernelResult Gamma(Real x);
KernelResult Factorial(Real x); // Gamma(x + 1) for integer x >= 0
Real Erf(Real x);               // exactly +-1 beyond |x| = 10 sqrt(2)

KernelResult SineIntegral(Real x, const IntegrationControl& control = {});
KernelResult CosineIntegral(Real x, const IntegrationControl& control = {});

// Bessel functions of real order n >= 0 at x >= 0 (Y and K need x > 0: both are infinite at 0).
KernelResult BesselJ(Real n, Real x, const IntegrationControl& control = {});
KernelResult BesselY(Real n, Real x, const IntegrationControl& control = {});
KernelResult BesselI(Real n, Real x, const IntegrationControl& control = {});
KernelResult BesselK(Real n, Real x, const IntegrationControl& control = {});

// The complete Fermi-Dirac integral without normalising factor, integral of t^n / (exp(t - x) + 1)
// over t >= 0, for order n > -1. It integrates up to x + 23 for x >= 0 (the tail beyond is below
// e^-23 of the body) and up to 23 for negative x, where the distribution's body lies at small t:
// cutting at x + 23 there would lose it, and below -23 leave no range at all.
KernelResult FermiDirac(Real n, Real x, const IntegrationControl& control = {});

} // namespace brelt::engine
