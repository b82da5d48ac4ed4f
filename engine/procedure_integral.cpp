// integral(Low,Up,f(X)): the 10-point Gauss–Legendre rule on n panels, panels doubled until the
// decimal text of the result settles at the integration precision. The same rule applied to |f| must
// settle too (to 1 %): an integrand whose positive and negative parts both diverge (1/X over
// [-1, 1]) has totals that cancel and agree, but no integral, and is "No possibility".
#include "engine/integrate.h"
#include "engine/procedure_support.h"

#include <cmath>

namespace brelt::engine::procedures {

namespace {

constexpr int kNoPossibility = 4;
// A result that has not settled on this many panels belongs to an integral that does not converge
// (1/X on [0,1]): "No possibility" rather than doubling until the user gives up.
constexpr long kMaxPanels = 1L << 14;
// The integral of |f| has settled when two passes are this close: it converges more slowly than
// the integral itself where f changes sign inside a panel, but it does converge.
constexpr Real kMagnitudeSettled = 0.01L;

} // namespace

Real Integral(Engine& engine) {
    const SlotKeeper keepX(engine, kSlotX);
    Real a = 0, b = 0;
    if (!ReadBound(engine, a) || !ExpectComma(engine) || !ReadBound(engine, b) || !ExpectComma(engine))
        return 0;
    FunctionOfX f(engine);

    // Texts of the passes, alternately A (even pass) and B (odd pass).
    std::string texts[2];
    long n = 1;
    Real total = 0;
    Real magnitude = 0; // the same rule applied to |f|
    for (int pass = 1;; ++pass) {
        const Real h = (b - a) / 2 / static_cast<Real>(n);
        const Real previous = total;
        const Real previousMagnitude = magnitude;
        total = 0;
        magnitude = 0;
        for (long i = 1; i <= n; ++i) {
            const Real c = a + (static_cast<Real>(i) - 0.5L) * 2 * h;
            Real sum = 0, absolute = 0;
            for (int k = 0; k < 5; ++k) {
                Real right = 0, left = 0;
                if (!f.evaluate(c + kGaussAbscissae[k] * h, right) ||
                    !f.evaluate(c - kGaussAbscissae[k] * h, left)) {
                    return 0;
                }
                sum += kGaussWeights[k] * (right + left);
                absolute += kGaussWeights[k] * (std::fabs(right) + std::fabs(left));
            }
            total += sum * h;
            magnitude += absolute * std::fabs(h);
            if (engine.breakConfirmed()) return 0;
        }
        if (!std::isfinite(total)) {
            engine.SetError(kOverflow);
            return 0;
        }
        std::string& textA = texts[0];
        std::string& textB = texts[1];
        texts[pass % 2] = ResultText(total);
        if (textA.empty()) {
            ++n;
            continue;
        }
        const bool magnitudeSettled =
            std::fabs(magnitude - previousMagnitude) <= kMagnitudeSettled * std::fabs(magnitude);
        if (textA == textB && magnitudeSettled) break;
        engine.host().showStatus(textA);
        if (magnitudeSettled && (ResultSettled(textA, textB, engine.IntegrationPrecision) ||
                                 OnlyRoundingApart(previous, total, magnitude)))
            break;
        if (n >= kMaxPanels) {
            engine.SetError(kNoPossibility);
            return 0;
        }
        n *= 2;
    }
    f.finish();
    return total;
}

} // namespace brelt::engine::procedures
