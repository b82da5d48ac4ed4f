#include "engine/function_table.h"

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

namespace {

// The rows grouped by the first character of their names, each group in table order, so that a
// lookup compares only the few rows that can match. Built once from the table itself.
struct FirstCharacterIndex {
    std::array<unsigned char, 257> groupStart{}; // rows of character c: order[groupStart[c]..groupStart[c+1])
    std::array<unsigned char, kFunctionCount> order{};
    std::array<signed char, 256> variableCode{}; // code - kFirstLowerVariable of a one-letter variable, or -1
};

FirstCharacterIndex buildIndex() {
    FirstCharacterIndex index;
    std::array<int, 257> counts{};
    for (const FunctionRow& row : FunctionTable)
        if (!row.name.empty()) ++counts[static_cast<unsigned char>(row.name[0]) + 1];
    for (size_t c = 1; c < counts.size(); ++c)
        counts[c] += counts[c - 1];
    for (size_t c = 0; c < counts.size(); ++c)
        index.groupStart[c] = static_cast<unsigned char>(counts[c]);
    std::array<int, 256> next{};
    for (size_t c = 0; c < next.size(); ++c)
        next[c] = counts[c];
    for (const FunctionRow& row : FunctionTable)
        if (!row.name.empty())
            index.order[static_cast<size_t>(next[static_cast<unsigned char>(row.name[0])]++)] =
                static_cast<unsigned char>(row.code);
    index.variableCode.fill(-1);
    for (int code = kFirstLowerVariable; code <= kLastVariable; ++code)
        index.variableCode[static_cast<unsigned char>(FunctionTable[static_cast<size_t>(code)].name[0])] =
            static_cast<signed char>(code - kFirstLowerVariable);
    return index;
}

} // namespace

int LookupFunction(std::string_view collectedName) {
    if (collectedName.empty()) return -1;
    static const FirstCharacterIndex index = buildIndex();
    const auto first = static_cast<unsigned char>(collectedName[0]);
    // The variables are the most frequent names by far; no other row has a one-letter name except
    // "e", and no row with arguments has a name of two characters.
    if (collectedName.size() == 2 && index.variableCode[first] >= 0)
        return kFirstLowerVariable + index.variableCode[first];
    // Rows without arguments are compared with the name less its delimiter. Where several rows
    // match, the later one wins: the group is searched from its end.
    for (int k = index.groupStart[first + 1u] - 1; k >= index.groupStart[first]; --k) {
        const FunctionRow& row = FunctionTable[index.order[static_cast<size_t>(k)]];
        const size_t length = row.arity == 0 ? collectedName.size() - 1 : collectedName.size();
        if (row.name.size() == length && collectedName.substr(0, length) == row.name) return row.code;
    }
    return -1;
}

Real ConversionFactor(int code) {
    if (code < kFirstConversion || code > kLastConversion) return 1;
    return kConversionFactors[code - kFirstConversion];
}

} // namespace brelt::engine
