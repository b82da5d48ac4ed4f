#pragma once
// Least-squares polynomials through measured points, solved so that high degrees over wide or
// far-off X ranges keep their digits: X is centred and scaled onto [-1, 1] and the polynomial is
// sought in the Chebyshev basis there, where the normal matrix is well conditioned. Its entries
// come from the sums of T_l(t) alone (T_j T_k = (T_{j+k} + T_{|j-k|}) / 2), so a fit costs a few
// passes over the points whatever the degree; one step of refinement against the residual follows.
// Everything is computed in long double.
//
// The samples of a fit are evaluated in the centred form (Clenshaw). The plain coefficients of X^k
// are derived from it for reading only: at high degree over far-off X they cancel in the last
// digits and must not be used to evaluate the polynomial.
#include <array>
#include <optional>
#include <span>

namespace brelt::chart {

inline constexpr int kMaxFitDegree = 40;

struct PolynomialFit {
    int degree = 0;
    long double centre = 0;                                 // the middle of the X range
    long double halfWidth = 1;                              // half the X range: t = (X - centre) / halfWidth
    std::array<long double, kMaxFitDegree + 1> chebyshev{}; // a_k of T_k(t)

    // The fitted value at X.
    long double operator()(long double x) const;
    // c_0..c_degree with p(X) = sum c_k X^k (for reading; see above).
    std::array<long double, kMaxFitDegree + 1> powerCoefficients() const;
};

// The least-squares polynomial of `degree` (1..40) through the points (x_i, y_i); points with a
// non-finite coordinate are left out. None when the degree is out of range, the spans differ in
// length, or fewer than degree + 1 distinct X values remain (the polynomial is not determined).
std::optional<PolynomialFit> fitPolynomial(std::span<const double> x, std::span<const double> y, int degree);

} // namespace brelt::chart
