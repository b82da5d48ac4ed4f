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

// The 10-point rule summed over m equal panels of [a, b]; magnitude receives the same sum of |f|.
Real PanelSum(Kernel kernel, Real p1, Real p2, Real a, Real b, long m, Real& magnitude) {
    const Real h = (b - a) / 2 / static_cast<Real>(m);
    Real total = 0;
    magnitude = 0;
    for (long i = 1; i <= m; ++i) {
        const Real c = a + (static_cast<Real>(i) - 0.5L) * 2 * h;
        Real sum = 0, absolute = 0;
        for (int k = 0; k < 5; ++k) {
            const Real t = kGaussAbscissae[k] * h;
            const Real right = kernel(c + t, p1, p2);
            const Real left = kernel(c - t, p1, p2);
            sum += kGaussWeights[k] * (right + left);
            absolute += kGaussWeights[k] * (std::fabs(right) + std::fabs(left));
        }
        total += sum * h;
        magnitude += absolute * std::fabs(h);
    }
    return total;
}

} // namespace

bool OnlyRoundingApart(Real previous, Real current, Real magnitude) {
    return std::fabs(current - previous) <= kRoundingNoise * magnitude;
}

KernelResult Integrate(Kernel kernel, Real p1, Real p2, Real a, Real b, const IntegrationControl& control) {
    if (a == b) return {0, kNoError};
    long m = 1;
    Real magnitude = 0;
    Real value = PanelSum(kernel, p1, p2, a, b, m, magnitude);
    if (!std::isfinite(value)) return {0, 11};
    std::string text = ScientificText23(value);
    for (;;) {
        if (control.stopAsked && control.stopAsked()) return {0, 22};
        if (m >= kMaxIntegrationPanels) return {0, 4};
        m *= 2;
        const Real previous = value;
        value = PanelSum(kernel, p1, p2, a, b, m, magnitude);
        if (!std::isfinite(value)) return {0, 11};
        std::string next = ScientificText23(value);
        const bool settled =
            TextsSettled(text, next, control.precision) || OnlyRoundingApart(previous, value, magnitude);
        text = std::move(next);
        if (settled) return {value, kNoError};
    }
}

} // namespace brelt::engine
