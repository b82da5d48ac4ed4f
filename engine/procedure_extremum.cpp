// min(Low,Up,f(X)) and max(...): each panel of [Low, Up] is sampled at 501 points, the turning
// points found there are refined by successive parabolic interpolation, and the best value wins.
// Evaluating the same formula on the same bounds again doubles the panels (a finer search).
//
// The search is repeated on twice the panels until two searches agree (to the refinement's
// tolerance on the scale of the largest |f| sampled): a peak that the coarser samples missed shows
// as a better value on the finer ones, however small the function is elsewhere. A
// search that still finds better values at kMaxVerifiedPanels panels is "Extremum not found".
// What no sampling can see, a peak or dip narrower than the spacing of every search's samples, is
// documented in the help.
#include "engine/procedure_support.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <utility>
#include <vector>

namespace brelt::engine::procedures {

namespace {

constexpr int kExtremumNotFound = 6;
constexpr int kSamples = 500; // steps per panel
constexpr int kRefinementSteps = 500;
constexpr Real kRelativeChange = 1e-6L;
// The absolute part of the stopping test, a share of the largest |f| sampled: a minimum of exactly
// 0 (X^2) has no relative change, and a function tiny everywhere but at a narrow peak must still
// be followed up its peak.
constexpr Real kAbsoluteChange = 1e-18L;
// Repeating a search doubles its panels up to here: each panel costs 501 evaluations, and a plot
// that tabulates a search evaluates the same formula at every point.
constexpr int kMaxPanelCount = 64;
// The finest search of the check that a result does not change on finer samples.
constexpr int kMaxVerifiedPanels = 1024;

// The search minimises g = sign * f: sign -1 turns a maximum into a minimum.
class Searcher {
public:
    Searcher(Engine& engine, FunctionOfX& f, bool maximum)
        : m_engine(engine), m_f(f), m_sign(maximum ? -1.0L : 1.0L) {}

    bool g(Real x, Real& value) {
        if (!m_f.evaluate(x, value)) return false;
        value *= m_sign;
        return true;
    }

    // The best (smallest g) point of [lo, hi].
    bool panel(Real lo, Real hi, ExtremumResult& best);

    Real sign() const { return m_sign; }
    // The largest |f| among the samples so far: the scale on which two results are compared.
    Real scale() const { return m_scale; }

private:
    bool refine(Real a, Real ga, Real x, Real gx, Real b, Real gb, ExtremumResult& out);

    Engine& m_engine;
    FunctionOfX& m_f;
    Real m_sign;
    Real m_scale = 0;
};

bool Searcher::panel(Real lo, Real hi, ExtremumResult& best) {
    if (lo > hi) std::swap(lo, hi);
    const Real h = (hi - lo) / kSamples;
    std::vector<Real> values(kSamples + 1);
    for (int j = 0; j <= kSamples; ++j) {
        const Real x = j == kSamples ? hi : lo + j * h;
        if (!g(x, values[static_cast<std::size_t>(j)])) return false;
        m_scale = std::max(m_scale, std::fabs(values[static_cast<std::size_t>(j)]));
    }
    best = values.front() <= values.back() ? ExtremumResult{values.front(), lo}
                                           : ExtremumResult{values.back(), hi};
    if (h == 0) return true;

    // Samples after which the direction of change flips: alternately minima and maxima of g.
    std::vector<int> turning;
    for (int j = 1; j < kSamples; ++j) {
        const bool risingBefore =
            values[static_cast<std::size_t>(j)] > values[static_cast<std::size_t>(j - 1)];
        const bool risingAfter =
            values[static_cast<std::size_t>(j + 1)] > values[static_cast<std::size_t>(j)];
        if (risingBefore != risingAfter) turning.push_back(j);
    }
    if (turning.empty()) return true;
    // The first turning point is a minimum of g when g fell into it.
    const int first = turning.front();
    const std::size_t offset =
        values[static_cast<std::size_t>(first)] <= values[static_cast<std::size_t>(first - 1)] ? 0 : 1;
    for (std::size_t t = offset; t < turning.size(); t += 2) {
        const int j = turning[t];
        const auto at = [&](int k) { return values[static_cast<std::size_t>(k)]; };
        ExtremumResult refined;
        if (!refine(lo + (j - 1) * h, at(j - 1), lo + j * h, at(j), lo + (j + 1) * h, at(j + 1), refined)) {
            return false;
        }
        if (refined.value < best.value) best = refined;
    }
    return true;
}

// Successive parabolic interpolation in the bracket [a, b] around x; where the parabola fails
// (flat, or its vertex on the current point or outside the bracket) the trial point divides the
// bracket 0.6 : 0.4 on its larger side.
bool Searcher::refine(Real a, Real ga, Real x, Real gx, Real b, Real gb, ExtremumResult& out) {
    for (int step = 0; step < kRefinementSteps; ++step) {
        const Real p = (x - a) * (x - a) * (gx - gb) - (x - b) * (x - b) * (gx - ga);
        const Real q = 2 * ((x - a) * (gx - gb) - (x - b) * (gx - ga));
        Real u = q != 0 ? x - p / q : x;
        const bool tooClose = std::fabs(u - x) <= 1e-12L * std::fabs(x) + 1e-300L;
        if (q == 0 || tooClose || !(u > a && u < b)) {
            u = (x - a < b - x) ? 0.6L * b + 0.4L * a : 0.6L * a + 0.4L * b;
        }
        Real gu = 0;
        if (!g(u, gu)) return false;
        const Real change = std::fabs(gu - gx);
        if (gu < gx) {
            if (u < x) {
                b = x;
                gb = gx;
            } else {
                a = x;
                ga = gx;
            }
            x = u;
            gx = gu;
        } else if (u < x) {
            a = u;
            ga = gu;
        } else {
            b = u;
            gb = gu;
        }
        if (change <= kRelativeChange * std::fabs(gx) + kAbsoluteChange * m_scale + LDBL_MIN) {
            out = {gx, x};
            return true;
        }
        if (m_engine.breakConfirmed()) return false;
    }
    m_engine.SetError(kExtremumNotFound);
    return false;
}

} // namespace

namespace {

bool SearchPanels(Engine& engine, FunctionOfX& f, Real low, Real high, bool maximum, int n,
                  ExtremumResult& result, Real* scale = nullptr) {
    Searcher searcher(engine, f, maximum);
    ExtremumResult best;
    for (int i = 0; i < n; ++i) {
        const Real lo = low + (high - low) * i / n;
        const Real hi = i + 1 == n ? high : low + (high - low) * (i + 1) / n;
        ExtremumResult found;
        if (!searcher.panel(lo, hi, found)) return false;
        if (i == 0 || found.value < best.value) best = found;
        if (engine.breakConfirmed()) return false;
    }
    result = {best.value * searcher.sign(), best.location};
    if (scale) *scale = std::max(*scale, searcher.scale());
    return true;
}

} // namespace

bool SearchExtremum(Engine& engine, FunctionOfX& f, Real low, Real high, bool maximum,
                    ExtremumResult& result) {
    if (InsideAnotherProcedure()) {
        // A search inside another procedure's function runs once per evaluation of that function:
        // doubling there would multiply the work at every step. It searches with one panel and
        // leaves the memory of the user's own searches alone.
        return SearchPanels(engine, f, low, high, maximum, 1, result);
    }
    ProcedureMemory& memory = engine.Procedures;
    const std::string text = f.text();
    if (text == memory.previousText && low == memory.previousLow && high == memory.previousHigh) {
        memory.panelCount = std::min(memory.panelCount * 2, kMaxPanelCount);
    } else {
        memory.panelCount = 1;
        memory.previousText = text;
        memory.previousLow = low;
        memory.previousHigh = high;
    }
    memory.extremumMode = maximum ? 1 : 0;
    ExtremumResult coarse;
    int panels = memory.panelCount;
    Real scale = 0; // the largest |f| sampled: results agree when they differ by little on it
    if (!SearchPanels(engine, f, low, high, maximum, panels, coarse, &scale)) return false;
    for (;;) {
        panels *= 2;
        if (panels > kMaxVerifiedPanels) {
            engine.SetError(kExtremumNotFound);
            return false;
        }
        ExtremumResult fine;
        if (!SearchPanels(engine, f, low, high, maximum, panels, fine, &scale)) return false;
        const Real tolerance = kRelativeChange * scale + LDBL_MIN;
        const bool finerIsBetter =
            maximum ? fine.value > coarse.value + tolerance : fine.value < coarse.value - tolerance;
        if (!finerIsBetter) {
            result = (maximum ? fine.value > coarse.value : fine.value < coarse.value) ? fine : coarse;
            break;
        }
        coarse = fine;
    }
    memory.extremumLocation = result.location;
    return true;
}

Real Extremum(Engine& engine, bool maximum) {
    const SlotKeeper keepX(engine, kSlotX);
    Real low = 0, high = 0;
    if (!ReadBound(engine, low) || !ExpectComma(engine) || !ReadBound(engine, high) || !ExpectComma(engine)) {
        return 0;
    }
    engine.slot(kSlotL).value = low;
    engine.slot(kSlotU).value = high;
    FunctionOfX f(engine);
    ExtremumResult result;
    if (!SearchExtremum(engine, f, low, high, maximum, result)) return 0;
    f.finish();
    return result.value;
}

} // namespace brelt::engine::procedures
