#include "engine/function_table.h"

#include <algorithm>
#include <unordered_map>

namespace brelt::engine {

const std::array<FunctionRow, kFunctionCount> FunctionTable = {{
    {"min(", 0, 3, 0},      {"sin(", 1, 1, 0},      {"arcsin(", 2, 1, 0},   {"arccos(", 3, 1, 0},
    {"arctan(", 4, 1, 0},   {"arcsinh(", 5, 1, 0},  {"arccosh(", 6, 1, 0},  {"arctanh(", 7, 1, 0},
    {"sinh(", 8, 1, 0},     {"cosh(", 9, 1, 0},     {"tanh(", 10, 1, 0},    {"random", 11, 0, 0},
    {"cos(", 12, 1, 0},     {"tan(", 13, 1, 0},     {"exp(", 14, 1, 0},     {"sqrt(", 15, 1, 0},
    {"ln(", 16, 1, 0},      {"log(", 17, 1, 0},     {"Jn(", 18, 2, 0},      {"Yn(", 19, 2, 0},
    {"In(", 20, 2, 0},      {"Kn(", 21, 2, 0},      {"solve(", 22, 3, 0},   {"Ci(", 23, 1, 0},
    {"Si(", 24, 1, 0},      {"erf(", 25, 1, 0},     {"gamma(", 26, 1, 0},   {"integral(", 27, 3, 0},
    {"\xB6", 28, 0, 0},     {"pi", 29, 0, 0},       {"e", 30, 0, 0},        {"n!(", 31, 1, 0},
    {"eFD(", 32, 2, 0},     {"abs(", 33, 1, 0},     {"round(", 34, 1, 0},   {"frac(", 35, 1, 0},
    {"trunc(", 36, 1, 0},   {"max(", 37, 3, 0},     {"mean(", 38, 1, 0},    {"std(", 39, 1, 0},
    {"sqr(", 40, 1, 0},     {"sum(", 41, 1, 0},     {"gauss(", 42, 2, 0},   {"poly(", 43, 1, 0},
    {"stat(", 44, 2, 0},    {"ft_m(", 45, 1, 0},    {"m_ft(", 46, 1, 0},    {"ml_km(", 47, 1, 0},
    {"km_ml(", 48, 1, 0},   {"lb_g(", 49, 1, 0},    {"g_lb(", 50, 1, 0},    {"pt_l(", 51, 1, 0},
    {"l_pt(", 52, 1, 0},    {"gl_l(", 53, 1, 0},    {"l_gl(", 54, 1, 0},    {"yd_m(", 55, 1, 0},
    {"m_yd(", 56, 1, 0},    {"in_m(", 57, 1, 0},    {"m_in(", 58, 1, 0},    {"oc_g(", 59, 1, 0},
    {"g_oc(", 60, 1, 0},    {"br_l(", 61, 1, 0},    {"br_oc(", 62, 1, 0},   {"usgl_cm(", 63, 1, 0},
    {"cm_usgl(", 64, 1, 0}, {"bigl_cm(", 65, 1, 0}, {"cm_bigl(", 66, 1, 0}, {"x", 67, 0, 0},
    {"y", 68, 0, 0},        {"z", 69, 0, 0},        {"v", 70, 0, 0},        {"w", 71, 0, 0},
    {"i", 72, 0, 0},        {"j", 73, 0, 0},        {"k", 74, 0, 0},        {"m", 75, 0, 0},
    {"n", 76, 0, 0},        {"X", 77, 0, 0},        {"Y", 78, 0, 0},        {"Z", 79, 0, 0},
    {"V", 80, 0, 0},        {"W", 81, 0, 0},        {"I", 82, 0, 0},        {"J", 83, 0, 0},
    {"K", 84, 0, 0},        {"M", 85, 0, 0},        {"N", 86, 0, 0},        {"10^(", 87, 1, 0},
}};

namespace {

// The conversion factors are used exactly as stored, not as the exact unit ratios.
constexpr Real kConversionFactors[kLastConversion - kFirstConversion + 1] = {
    0.3048000000012200000L,   3.280839894999991550L,    1.609347000085510000L,    0.6213700339000020490L,
    453.5923700012177510L,    0.002204622621842857140L, 0.4731624999999750380L,   2.113438829155000000L,
    3.785299999999800310L,    0.2641798536443750000L,   0.9144000002823680000L,   1.093613297999998520L,
    0.02540000000010140000L,  39.37007874000030980L,    28.34952312507610940L,    0.03527396194948571430L,
    123.0222499999935100L,    0.008128610881365384620L, 0.003785410860001570000L, 264.1721168411254560L,
    0.004546098185201890000L, 219.9688522467735500L,
};

} // namespace

int LookupFunction(std::string_view collectedName) {
    if (collectedName.empty()) return -1;
    // The variables are the most frequent names by far; no other row has a one-letter name except
    // "e", and no row with arguments has a name of two characters.
    if (collectedName.size() == 2) {
        static constexpr std::string_view kLetters = "xyzvwijkmnXYZVWIJKMN";
        const size_t letter = kLetters.find(collectedName[0]);
        if (letter != std::string_view::npos) return kFirstLowerVariable + static_cast<int>(letter);
    }
    // Two indexes built once: names of rows with arguments, and names of rows without (compared with
    // the collected name less its delimiter). Where both match, the later row wins.
    struct Index {
        std::unordered_map<std::string_view, int> withArguments;
        std::unordered_map<std::string_view, int> withoutArguments;
    };
    static const Index index = [] {
        Index built;
        for (const FunctionRow& row : FunctionTable)
            (row.arity == 0 ? built.withoutArguments : built.withArguments)[row.name] = row.code;
        return built;
    }();
    int found = -1;
    if (const auto it = index.withArguments.find(collectedName); it != index.withArguments.end())
        found = it->second;
    const std::string_view lessDelimiter = collectedName.substr(0, collectedName.size() - 1);
    if (const auto it = index.withoutArguments.find(lessDelimiter); it != index.withoutArguments.end())
        found = std::max(found, it->second);
    return found;
}

Real ConversionFactor(int code) {
    if (code < kFirstConversion || code > kLastConversion) return 1;
    return kConversionFactors[code - kFirstConversion];
}

} // namespace brelt::engine
