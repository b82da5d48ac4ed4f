// solve(Low,Up,f(X)): a root of f by bisection. Without a sign change between the bounds, the
// extremum search looks for a point on the other side of zero first.
//
// Every root it returns is verified, so that no digit it shows is noise:
//  - With a sign change, the bisection runs until f is exactly 0 or the bracket cannot shrink (its
//    ends are neighbouring values). The end it returns must be where |f| falls with the width of
//    the bracket, as at a simple root however steep: at most 2^-12 of the larger |f| at the ends
//    of the bracket twenty halvings before. An exact 0 must have f of opposite signs 2^-26 of the
//    place either side. A pole (|f| beyond its size at the bounds) is
//    "Singulation"; a jump, or a multiple root lost in the rounding noise of f (X^3-3*X^2+3*X-1),
//    is "No possibility".
//  - Without one, the extremum is a root only where f touches zero on its own scale (|f| at most
//    2^-52 of the larger |f| at the bounds) and the place is sharp: |f| a bit away (2^-26 of the
//    place) is at least 2^8 times larger, as at a double root such as (X-1)^2. Else "Interval Error".
#include "engine/procedure_support.h"

#include <algorithm>
#include <cmath>

namespace brelt::engine::procedures {

namespace {

constexpr int kNoPossibility = 4;
constexpr int kSingulation = 12;
constexpr Real kZeroOnScale = 0x1p-52L; // of the larger |f| at the bounds
constexpr Real kLinearFall = 0x1p-12L;  // |f| at the end against |f| twenty halvings earlier
constexpr int kLookBack = 20;
constexpr Real kTouchStep = 0x1p-26L; // the step, relative to the place, that tests a touching root
constexpr Real kTouchRise = 0x1p8L;

struct Bracket {
    Real a, fa, b, fb;
};

// The errors by which a function says it has no value at a point (1/X at 0, ln(X) at 0).
bool NoValueThere(int code) {
    return code == kArgumentError || code == kArgumentNegative || code == kOverflow ||
           code == kDivisionByZero || code == 24;
}

} // namespace

Real Solve(Engine& engine) {
    const SlotKeeper keepX(engine, kSlotX);
    Real a = 0, b = 0;
    if (!ReadBound(engine, a) || !ExpectComma(engine) || !ReadBound(engine, b) || !ExpectComma(engine))
        return 0;
    FunctionOfX f(engine);
    const auto markOverFunction = [&](int code) {
        engine.SetError(code);
        engine.ErrorPosition = f.start();
        engine.ErrorLength = std::max(1, f.length());
        return Real(0);
    };

    Real fa = 0, fb = 0;
    if (!f.evaluate(a, fa) || !f.evaluate(b, fb)) return 0;
    const Real lowest = std::min(a, b), highest = std::max(a, b);
    const Real scale = std::max(std::fabs(fa), std::fabs(fb));
    const auto zeroOnScale = [scale](Real value) { return std::fabs(value) <= kZeroOnScale * scale; };

    Real root = 0;
    if (fa == 0) {
        root = a;
    } else if (fb == 0) {
        root = b;
    } else {
        if ((fa > 0) == (fb > 0)) {
            const bool above = fa > 0;
            ExtremumResult extremum;
            if (!SearchExtremum(engine, f, a, b, !above, extremum)) return 0;
            const bool crosses = above ? extremum.value <= 0 : extremum.value >= 0;
            if (!crosses) {
                // A root where f touches zero without crossing it, if zero on f's scale and sharp.
                const Real m = extremum.location;
                bool sharp = extremum.value == 0;
                if (!sharp && zeroOnScale(extremum.value) && m != 0) {
                    const Real step = kTouchStep * std::fabs(m);
                    Real left = 0, right = 0;
                    const Real before = std::max(lowest, m - step), after = std::min(highest, m + step);
                    if (!f.evaluate(before, left) || !f.evaluate(after, right)) return 0;
                    sharp =
                        kTouchRise * std::fabs(extremum.value) <= std::min(std::fabs(left), std::fabs(right));
                }
                if (!sharp) {
                    engine.SetError(kIntervalError);
                    return 0;
                }
                f.finish();
                return m;
            }
            a = extremum.location;
            fa = extremum.value;
        }
        // Bisection of a bracket with f(a) and f(b) of opposite signs (or f = 0 at a).
        Bracket history[kLookBack + 1] = {};
        int steps = 0;
        Bracket current{a, fa, b, fb};
        bool exact = fa == 0;
        bool zeroTried = false;
        while (!exact) {
            history[steps % (kLookBack + 1)] = current;
            ++steps;
            // A bracket across 0 is split at 0 first: a root there is then 0 itself, not a tiny
            // value reached by halving towards it (X^3 on [-1, 2]). Where f has no value at 0
            // (1/X), the halving goes on as usual.
            const bool acrossZero = (current.a < 0 && current.b > 0) || (current.a > 0 && current.b < 0);
            Real x = current.a + (current.b - current.a) * 0.5L;
            Real fx = 0;
            if (acrossZero && !zeroTried) {
                zeroTried = true;
                if (f.evaluate(0, fx)) {
                    x = 0;
                } else {
                    if (!NoValueThere(engine.ErrorCode)) return 0;
                    engine.clearError();
                    if (!f.evaluate(x, fx)) return 0;
                }
            } else if (x == current.a || x == current.b) {
                break; // neighbouring values: nothing between
            } else if (!f.evaluate(x, fx)) {
                // Beyond the range next to a pole (1/X near 0): the sign change is no root.
                if (engine.ErrorCode != kOverflow) return 0;
                engine.clearError();
                return markOverFunction(kSingulation);
            }
            if (fx == 0) {
                // An exact zero must still be a crossing a little way either side: rounding can
                // make f exactly 0 inside the noise around a multiple root.
                if (x != 0) {
                    const Real step = kTouchStep * std::fabs(x);
                    Real left = 0, right = 0;
                    if (!f.evaluate(std::max(lowest, x - step), left) ||
                        !f.evaluate(std::min(highest, x + step), right))
                        return 0;
                    if (!((left < 0 && right > 0) || (left > 0 && right < 0)))
                        return markOverFunction(kNoPossibility);
                }
                current.a = x;
                current.fa = 0;
                exact = true;
            } else if ((fx > 0) == (current.fb > 0)) {
                current.b = x;
                current.fb = fx;
            } else {
                current.a = x;
                current.fa = fx;
            }
            if (engine.breakConfirmed()) return 0;
        }
        const bool aNearer = std::fabs(current.fa) <= std::fabs(current.fb);
        root = aNearer ? current.a : current.b;
        const Real value = aNearer ? current.fa : current.fb;
        if (!exact) {
            const Bracket& earlier =
                history[(steps > kLookBack ? steps - kLookBack - 1 : 0) % (kLookBack + 1)];
            const Real before = std::max(std::fabs(earlier.fa), std::fabs(earlier.fb));
            const bool fellWithWidth = steps > kLookBack && std::fabs(value) <= kLinearFall * before;
            if (!fellWithWidth)
                return markOverFunction(std::fabs(value) > scale ? kSingulation : kNoPossibility);
        }
    }
    f.finish();
    return root;
}

} // namespace brelt::engine::procedures
