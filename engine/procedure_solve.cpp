// solve(Low,Up,f(X)): a root of f by bisection. Without a sign change between the bounds, the
// extremum search looks for a point on the other side of zero first.
//
// Every root it returns is verified. The bisection runs until the bracket cannot shrink (its ends
// are neighbouring values) or f is exactly 0, and the end it returns must be a zero on the scale of
// the function: |f| at most 2^-52 of the larger |f| at the bounds, or 2^-12 of the larger |f| at the
// ends of the bracket twenty halvings before the end (a simple root: |f| falls with the width,
// however steep the function is). A pole (|f| larger than at the bounds) is "Singulation", a jump "No
// possibility". Without a sign change the extremum must itself be a zero on that scale (a double root such as
// (X-1)^2), else "Interval Error".
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

struct Bracket {
    Real a, fa, b, fb;
};

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
                if (!zeroOnScale(extremum.value)) {
                    engine.SetError(kIntervalError);
                    return 0;
                }
                f.finish();
                return extremum.location; // a root where f touches zero without crossing it
            }
            a = extremum.location;
            fa = extremum.value;
        }
        // Bisection of a bracket with f(a) and f(b) of opposite signs (or f = 0 at a).
        Bracket history[kLookBack + 1] = {};
        int steps = 0;
        Bracket current{a, fa, b, fb};
        bool exact = fa == 0;
        while (!exact) {
            history[steps % (kLookBack + 1)] = current;
            ++steps;
            const Real x = current.a + (current.b - current.a) * 0.5L;
            if (x == current.a || x == current.b) break; // neighbouring values: nothing between
            Real fx = 0;
            if (!f.evaluate(x, fx)) {
                // Beyond the range next to a pole (1/X near 0): the sign change is no root.
                if (engine.ErrorCode != kOverflow) return 0;
                engine.clearError();
                return markOverFunction(kSingulation);
            }
            if (fx == 0) {
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
        if (!exact && !zeroOnScale(value)) {
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
