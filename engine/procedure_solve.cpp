// solve(Low,Up,f(X)): a root of f by bisection. Without a sign change between the bounds, the
// extremum search looks for a point on the other side of zero first.
#include "engine/procedure_support.h"

#include <algorithm>
#include <cmath>

namespace brelt::engine::procedures {

namespace {

constexpr int kSingulation = 12;
constexpr Real kTouchesZero = 1e-18L;   // an extremum this close to 0 counts as reaching it
constexpr Real kRootTolerance = 1e-15L; // |f| relative to the span of f at the bounds
constexpr Real kSmallestInterval = 1e-4000L;

} // namespace

Real Solve(Engine& engine) {
    const SlotKeeper keepX(engine, kSlotX);
    Real a = 0, b = 0;
    if (!ReadBound(engine, a) || !ExpectComma(engine) || !ReadBound(engine, b) || !ExpectComma(engine))
        return 0;
    FunctionOfX f(engine);

    Real fa = 0, fb = 0;
    if (!f.evaluate(a, fa) || !f.evaluate(b, fb)) return 0;
    Real d = std::fabs(fb - fa);

    if ((fa > 0 && fb > 0) || (fa < 0 && fb < 0)) {
        const bool above = fa > 0;
        ExtremumResult extremum;
        if (!SearchExtremum(engine, f, a, b, !above, extremum)) return 0;
        const bool reachesZero = above ? extremum.value < kTouchesZero : extremum.value > -kTouchesZero;
        if (!reachesZero) {
            engine.SetError(kIntervalError);
            return 0;
        }
        a = extremum.location;
        fa = extremum.value;
        d = std::fabs(fb - fa);
    }

    Real root = 0;
    if (std::fabs(fa) < kRootTolerance) {
        root = a;
    } else if (fb == 0) {
        root = b;
    } else {
        bool found = false;
        while (std::fabs(b - a) >= kSmallestInterval) {
            const Real x = a + (b - a) * 0.5L;
            // Neighbouring values: the interval cannot shrink any more (a jump, not a root).
            if (x == a || x == b) break;
            Real fx = 0;
            if (!f.evaluate(x, fx)) return 0;
            if (fb * fx > 0) {
                b = x;
            } else {
                a = x;
            }
            if (engine.breakConfirmed()) return 0;
            if (std::fabs(fx) / d < kRootTolerance) {
                root = x;
                found = true;
                break;
            }
        }
        if (!found) {
            engine.SetError(kSingulation);
            engine.ErrorPosition = f.start();
            engine.ErrorLength = std::max(1, f.length());
            return 0;
        }
    }
    f.finish();
    return root;
}

} // namespace brelt::engine::procedures
