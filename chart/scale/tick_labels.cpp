// The scientific form of tick labels, for axes whose fixed labels would be too long to read
// ("0.0000000010" for 1E-9, three hundred digits for 1E300): a mantissa, "×10" and an exponent that
// the axis draws raised. All majors of an axis switch together, so the axis reads in one form.
#include "chart/scale/ticks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <tuple>

namespace brelt::chart {

namespace {

constexpr const char* kTimesTen = "\xC3\x97"
                                  "10"; // "×10" in UTF-8

// The mantissa and the exponent of `value` written with `decimals` decimals in the mantissa.
std::pair<std::string, std::string> scientificParts(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", decimals, value);
    const std::string text(buffer);
    const size_t e = text.find('e');
    const int exponent = e == std::string::npos ? 0 : std::atoi(text.c_str() + e + 1);
    return {text.substr(0, e), std::to_string(exponent)};
}

// Decimal places that are zero in every mantissa go ("1.0", "1.5" stay; "1.0", "2.0" become "1", "2").
void dropCommonZeros(std::vector<std::string*>& mantissas) {
    auto hasPoint = [](const std::string* m) { return m->find('.') != std::string::npos; };
    for (;;) {
        bool any = false, allZero = true;
        for (const std::string* m : mantissas)
            if (hasPoint(m)) any = true, allZero = allZero && m->back() == '0';
        if (!any || !allZero) break;
        for (std::string* m : mantissas)
            if (hasPoint(m)) m->pop_back();
    }
    for (std::string* m : mantissas)
        if (!m->empty() && m->back() == '.') m->pop_back();
}

} // namespace

void useScientificFormWhenLong(std::vector<Tick>& ticks, double majorStep) {
    const bool tooLong = std::any_of(ticks.begin(), ticks.end(), [](const Tick& t) {
        return t.major && t.exponent.empty() && t.label.size() > kMaxFixedLabelLength;
    });
    if (!tooLong || !(majorStep > 0) || !std::isfinite(majorStep)) return;
    const int stepExponent = static_cast<int>(std::floor(std::log10(majorStep) + 1e-9));
    std::vector<std::string*> mantissas;
    for (Tick& tick : ticks) {
        if (!tick.major) continue;
        // As the fixed label does: from 21 significant digits, and a value a millionth of the step
        // from zero is zero with representation noise.
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.21g", tick.value);
        const double v = std::strtod(buffer, nullptr);
        if (v == 0 || std::fabs(majorStep / v) > 1000000 || !std::isfinite(v)) {
            tick.label.assign(1, '0'); // (assigning a literal trips a false warning of g++ 12)
            tick.exponent.clear();
            continue;
        }
        const int valueExponent = static_cast<int>(std::floor(std::log10(std::fabs(v))));
        std::tie(tick.label, tick.exponent) =
            scientificParts(v, std::clamp(valueExponent - stepExponent, 0, 17));
        mantissas.push_back(&tick.label);
    }
    dropCommonZeros(mantissas);
    for (std::string* mantissa : mantissas)
        mantissa->append(kTimesTen);
}

} // namespace brelt::chart
