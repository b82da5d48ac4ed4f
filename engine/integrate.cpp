#include "engine/integrate.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace brelt::engine {

std::string ScientificText23(Real x) {
    if (!std::isfinite(x)) return std::isnan(x) ? "nan" : (x < 0 ? "-inf" : " inf");
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14Le", x);
    // buffer holds [-]d.dddddddddddddde(+|-)dd[d...]; rebuild it with a sign place and four
    // exponent digits.
    const char* text = buffer;
    std::string out;
    out.reserve(23);
    if (*text == '-') {
        out += '-';
        ++text;
    } else {
        out += ' ';
    }
    const char* e = text;
    while (*e != 'e' && *e != '\0')
        ++e;
    out.append(text, e);
    if (*e == 'e') {
        out += 'E';
        out += e[1];
        const int exponent = std::atoi(e + 2);
        char digits[16];
        std::snprintf(digits, sizeof digits, "%04d", exponent);
        out += digits;
    }
    return out;
}

bool TextsSettled(const std::string& previous, const std::string& current, int precision) {
    const std::size_t count = precision < 1 ? 1 : static_cast<std::size_t>(precision);
    return previous.compare(0, count, current, 0, count) == 0;
}

namespace {

// The 10-point rule summed over m equal panels of [a, b].
Real PanelSum(Kernel kernel, Real p1, Real p2, Real a, Real b, long m) {
    const Real h = (b - a) / 2 / static_cast<Real>(m);
    Real total = 0;
    for (long i = 1; i <= m; ++i) {
        const Real c = a + (static_cast<Real>(i) - 0.5L) * 2 * h;
        Real sum = 0;
        for (int k = 0; k < 5; ++k) {
            const Real t = kGaussAbscissae[k] * h;
            sum += kGaussWeights[k] * (kernel(c + t, p1, p2) + kernel(c - t, p1, p2));
        }
        total += sum * h;
    }
    return total;
}

} // namespace

KernelResult Integrate(Kernel kernel, Real p1, Real p2, Real a, Real b, const IntegrationControl& control) {
    if (a == b) return {0, kNoError};
    long m = 1;
    Real value = PanelSum(kernel, p1, p2, a, b, m);
    if (!std::isfinite(value)) return {0, 11};
    std::string text = ScientificText23(value);
    for (;;) {
        if (control.stopAsked && control.stopAsked()) return {0, 22};
        if (m >= kMaxIntegrationPanels) return {0, 4};
        m *= 2;
        value = PanelSum(kernel, p1, p2, a, b, m);
        if (!std::isfinite(value)) return {0, 11};
        std::string next = ScientificText23(value);
        const bool settled = TextsSettled(text, next, control.precision);
        text = std::move(next);
        if (settled) return {value, kNoError};
    }
}

} // namespace brelt::engine
