#include "chart/fit/least_squares.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace brelt::chart {

namespace {

using Real = long double;
constexpr int kMaxTerms = kMaxFitDegree + 1;

// True when the points hold at least `wanted` distinct X values (stops as soon as they do).
bool hasDistinctX(const std::vector<double>& t, int wanted) {
    std::vector<double> seen;
    seen.reserve(static_cast<size_t>(wanted));
    for (const double v : t) {
        if (std::find(seen.begin(), seen.end(), v) != seen.end()) continue;
        seen.push_back(v);
        if (static_cast<int>(seen.size()) >= wanted) return true;
    }
    return false;
}

// Clenshaw's sum of a_k T_k(t), k = 0..n.
template <typename T> T clenshaw(const T* a, int n, T t) {
    T b1 = 0, b2 = 0;
    for (int k = n; k >= 1; --k) {
        const T b0 = a[k] + 2 * t * b1 - b2;
        b2 = b1;
        b1 = b0;
    }
    return a[0] + t * b1 - b2;
}

// w_i -= sum a_k T_k(t_i), four points side by side.
void subtractFit(const Real* coefficients, int n, const std::vector<double>& t, std::vector<double>& w) {
    double a[kMaxTerms];
    for (int k = 0; k <= n; ++k)
        a[k] = static_cast<double>(coefficients[k]);
    size_t i = 0;
    for (; i + 4 <= t.size(); i += 4) {
        double b1[4] = {}, b2[4] = {}, twice[4];
        for (int j = 0; j < 4; ++j)
            twice[j] = 2 * t[i + j];
        for (int k = n; k >= 1; --k)
            for (int j = 0; j < 4; ++j) {
                const double b0 = a[k] + twice[j] * b1[j] - b2[j];
                b2[j] = b1[j];
                b1[j] = b0;
            }
        for (int j = 0; j < 4; ++j)
            w[i + j] -= a[0] + t[i + j] * b1[j] - b2[j];
    }
    for (; i < t.size(); ++i)
        w[i] -= clenshaw(a, n, t[i]);
}

// The passes over the points: W points at a time walk the recurrence T_{l+1} = 2t T_l - T_{l-1}
// side by side (independent chains keep the processor busy), summed in double over a block of
// points and then added into long double. Adds T_l(t_i) to sums[l] for l = 0..lastSum and
// w_i T_k(t_i) to moments[k] for k = 0..lastMoment.
class ChebyshevSums {
public:
    ChebyshevSums(int lastSum, int lastMoment) : m_lastSum(lastSum), m_lastMoment(lastMoment) {}

    void add(const double* t, const double* w, size_t count, Real* sums, Real* moments) {
        constexpr size_t kBlock = 256;
        for (size_t start = 0; start < count; start += kBlock) {
            const size_t end = std::min(count, start + kBlock);
            std::fill(std::begin(m_sums), std::end(m_sums), 0.0);
            std::fill(std::begin(m_moments), std::end(m_moments), 0.0);
            size_t i = start;
            for (; i + 4 <= end; i += 4)
                walk<4>(t + i, w + i);
            for (; i < end; ++i)
                walk<1>(t + i, w + i);
            for (int l = 0; l <= m_lastSum; ++l)
                sums[l] += m_sums[l];
            for (int k = 0; k <= m_lastMoment; ++k)
                moments[k] += m_moments[k];
        }
    }

private:
    template <int W> void walk(const double* t, const double* w) {
        double prev[W], cur[W], twice[W];
        for (int j = 0; j < W; ++j) {
            prev[j] = 1;
            cur[j] = t[j];
            twice[j] = 2 * t[j];
            m_sums[0] += 1;
            m_sums[1] += t[j];
            m_moments[0] += w[j];
            m_moments[1] += w[j] * t[j];
        }
        const int last = std::max(m_lastSum, m_lastMoment);
        for (int l = 2; l <= last; ++l) {
            double s = 0, m = 0;
            for (int j = 0; j < W; ++j) {
                const double next = twice[j] * cur[j] - prev[j];
                prev[j] = cur[j];
                cur[j] = next;
                s += next;
                m += w[j] * next;
            }
            m_sums[l] += s;
            if (l <= m_lastMoment) m_moments[l] += m;
        }
    }

    int m_lastSum;
    int m_lastMoment;
    double m_sums[2 * kMaxTerms] = {};
    double m_moments[kMaxTerms] = {};
};

// Cholesky factor of the normal matrix (lower triangle, row-major n+1 square); false when a pivot
// shows the matrix singular to working precision.
bool choleskyFactor(Real (&g)[kMaxTerms][kMaxTerms], int size) {
    const Real tolerance = 64 * std::numeric_limits<Real>::epsilon();
    for (int j = 0; j < size; ++j) {
        Real d = g[j][j];
        for (int k = 0; k < j; ++k)
            d -= g[j][k] * g[j][k];
        if (!(d > tolerance * g[j][j])) return false;
        const Real root = std::sqrt(d);
        g[j][j] = root;
        for (int i = j + 1; i < size; ++i) {
            Real s = g[i][j];
            for (int k = 0; k < j; ++k)
                s -= g[i][k] * g[j][k];
            g[i][j] = s / root;
        }
    }
    return true;
}

void choleskySolve(const Real (&l)[kMaxTerms][kMaxTerms], int size, Real* b) {
    for (int i = 0; i < size; ++i) {
        Real s = b[i];
        for (int k = 0; k < i; ++k)
            s -= l[i][k] * b[k];
        b[i] = s / l[i][i];
    }
    for (int i = size - 1; i >= 0; --i) {
        Real s = b[i];
        for (int k = i + 1; k < size; ++k)
            s -= l[k][i] * b[k];
        b[i] = s / l[i][i];
    }
}

} // namespace

long double PolynomialFit::operator()(long double x) const {
    return clenshaw(chebyshev.data(), degree, (x - centre) / halfWidth);
}

std::array<long double, kMaxFitDegree + 1> PolynomialFit::powerCoefficients() const {
    // Chebyshev to powers of t: T_{k+1} = 2t T_k - T_{k-1}, summed with the a_k.
    std::array<Real, kMaxTerms> inT{}, prev{}, cur{}, next{};
    prev[0] = 1;
    cur[1] = 1;
    inT[0] = chebyshev[0];
    for (int j = 0; j <= 1 && degree >= 1; ++j)
        inT[j] += chebyshev[1] * cur[j];
    for (int k = 2; k <= degree; ++k) {
        next.fill(0);
        for (int j = 0; j < k; ++j) {
            next[j + 1] += 2 * cur[j];
            next[j] -= prev[j];
        }
        prev = cur;
        cur = next;
        for (int j = 0; j <= k; ++j)
            inT[j] += chebyshev[k] * cur[j];
    }
    // t = (X - centre) / halfWidth: scale to powers of u = X - centre, then shift by the centre
    // (repeated synthetic division).
    Real scale = 1;
    for (int j = 0; j <= degree; ++j, scale /= halfWidth)
        inT[j] *= scale;
    for (int i = 0; i < degree; ++i)
        for (int j = degree - 1; j >= i; --j)
            inT[j] -= centre * inT[j + 1];
    return inT;
}

std::optional<PolynomialFit> fitPolynomial(std::span<const double> x, std::span<const double> y, int degree) {
    if (degree < 1 || degree > kMaxFitDegree || x.size() != y.size()) return std::nullopt;
    std::vector<double> t, w;
    t.reserve(x.size());
    w.reserve(x.size());
    double lo = std::numeric_limits<double>::infinity(), hi = -lo;
    for (size_t i = 0; i < x.size(); ++i) {
        if (!std::isfinite(x[i]) || !std::isfinite(y[i])) continue;
        t.push_back(x[i]);
        w.push_back(y[i]);
        lo = std::min(lo, x[i]);
        hi = std::max(hi, x[i]);
    }
    const int n = degree;
    if (t.empty() || !hasDistinctX(t, n + 1)) return std::nullopt;

    PolynomialFit fit;
    fit.degree = n;
    fit.centre = (static_cast<Real>(lo) + hi) / 2;
    fit.halfWidth = (static_cast<Real>(hi) - lo) / 2;
    for (double& v : t)
        v = static_cast<double>(std::clamp((v - fit.centre) / fit.halfWidth, Real(-1), Real(1)));

    // Sums S_l of T_l(t_i) for l = 0..2n give the normal matrix, the moments of y its right side.
    Real sums[2 * kMaxTerms] = {};
    Real rhs[kMaxTerms] = {};
    ChebyshevSums(2 * n, n).add(t.data(), w.data(), t.size(), sums, rhs);
    Real g[kMaxTerms][kMaxTerms];
    for (int j = 0; j <= n; ++j)
        for (int k = 0; k <= j; ++k)
            g[j][k] = (sums[j + k] + sums[j - k]) / 2;
    if (!choleskyFactor(g, n + 1)) return std::nullopt;
    choleskySolve(g, n + 1, rhs);
    std::copy(rhs, rhs + n + 1, fit.chebyshev.begin());

    // One step of refinement: solve again for the residual and add the correction.
    subtractFit(fit.chebyshev.data(), n, t, w);
    Real unused[2 * kMaxTerms] = {};
    Real correction[kMaxTerms] = {};
    ChebyshevSums(0, n).add(t.data(), w.data(), t.size(), unused, correction);
    choleskySolve(g, n + 1, correction);
    for (int k = 0; k <= n; ++k)
        fit.chebyshev[static_cast<size_t>(k)] += correction[k];
    return fit;
}

} // namespace brelt::chart
