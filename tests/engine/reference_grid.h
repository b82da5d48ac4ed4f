#pragma once
// The reference grids written by data/make_grids.py from mpmath: one formula per line with its
// angle unit, its true value (25 digits, or "overflow") and whether the function changes sign
// nearby. And the standard every value Brelt shows must meet against them.
#include "engine/engine.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace brelt::engine::testing {

struct GridPoint {
    std::string formula;
    std::string name; // the function's name, the formula up to its "("; "^" for powers
    bool degrees = false;
    bool overflow = false; // the true value lies beyond the extended range
    Real truth = 0;
    bool nearZero = false; // the function changes sign within 1e-4 (relative) of the argument
    Real a = 0, b = 0;     // the arguments, where they are plain numbers
};

inline std::vector<GridPoint> readGrid(const std::string& path) {
    std::vector<GridPoint> points;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        GridPoint p;
        std::string unit, truth, flag;
        std::getline(fields, p.formula, '\t');
        std::getline(fields, unit, '\t');
        std::getline(fields, truth, '\t');
        std::getline(fields, flag, '\t');
        p.degrees = unit == "deg";
        p.overflow = truth == "overflow";
        p.truth = p.overflow ? 0 : std::strtold(truth.c_str(), nullptr);
        p.nearZero = flag == "z";
        const auto open = p.formula.find('(');
        p.name = p.formula.find('^') != std::string::npos ? "^" : p.formula.substr(0, open);
        if (open != std::string::npos) {
            const std::string args = p.formula.substr(open + 1);
            char* end = nullptr;
            p.a = std::strtold(args.c_str(), &end);
            if (*end == ',') p.b = std::strtold(end + 1, &end);
        }
        points.push_back(p);
    }
    return points;
}

// The relative error, or for a true value of 0 the absolute one.
inline Real relativeError(Real value, Real truth) {
    const Real error = std::fabs(value - truth);
    return truth == 0 ? error : error / std::fabs(truth);
}

// Correct to the digits Brelt can show: a relative error of at most 1e-15, or an absolute one of
// at most 1e-18 where the function changes sign nearby. Below the normal range, where the format
// itself holds fewer digits, the granularity of its smallest values is allowed as well.
inline bool meetsStandard(Real value, Real truth, bool nearZero) {
    const Real error = std::fabs(value - truth);
    if (error <= 1e-15L * std::fabs(truth)) return true;
    if (nearZero && error <= 1e-18L) return true;
    return std::fabs(truth) < LDBL_MIN && error <= 1e-15L * std::fabs(truth) + 2 * LDBL_TRUE_MIN;
}

} // namespace brelt::engine::testing
