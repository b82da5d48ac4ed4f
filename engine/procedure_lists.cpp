// mean, std, sum, poly and stat: lists of any length, each element an expression.
#include "engine/procedure_support.h"

#include <cmath>
#include <vector>

namespace brelt::engine::procedures {

namespace {

constexpr int kMean = 38, kStd = 39, kSum = 41, kPoly = 43, kStat = 44;

// Reads the elements separated by ","; stops on the closing ")" (or the end of the text).
bool ReadElements(Engine& engine, std::vector<Real>& elements) {
    for (;;) {
        const Real value = engine.readExpression();
        if (engine.ErrorFlag) return false;
        elements.push_back(value);
        if (engine.currentChar() != ',') return true;
        engine.NextChar();
    }
}

// The sum of squared deviations from the mean by Welford's running update, which keeps the digits
// that the textbook sum(x^2) - sum(x)^2 / n loses to cancellation (and never goes below 0).
Real SquaredDeviations(const std::vector<Real>& elements) {
    Real mean = 0, squares = 0;
    std::size_t n = 0;
    for (const Real x : elements) {
        ++n;
        const Real delta = x - mean;
        mean += delta / static_cast<Real>(n);
        squares += delta * (x - mean);
    }
    return squares > 0 ? squares : 0;
}

// The sample standard deviation. A single element has no spread: 0.
Real StandardDeviation(const std::vector<Real>& elements) {
    if (elements.size() < 2) return 0;
    return std::sqrt(SquaredDeviations(elements) / static_cast<Real>(elements.size() - 1));
}

} // namespace

Real ListProcedure(Engine& engine, int code) {
    std::vector<Real> elements;
    if (!ReadElements(engine, elements)) return 0;
    const Real count = static_cast<Real>(elements.size());
    switch (code) {
    case kMean:
    case kSum: {
        Real sum = 0;
        for (const Real x : elements)
            sum += x;
        return code == kMean ? sum / count : sum;
    }
    case kStd:
        engine.Procedures.standardDeviation = StandardDeviation(elements);
        return engine.Procedures.standardDeviation;
    case kPoly: {
        // The first element is x, the others the coefficients a0, a1, ... kept as doubles.
        Real result = 0;
        for (std::size_t i = elements.size(); i-- > 1;) {
            result = result * elements[0] + static_cast<double>(elements[i]);
        }
        return result;
    }
    case kStat: {
        // The sum of squared deviations from the mean, of the elements kept as doubles.
        std::vector<Real> stored;
        stored.reserve(elements.size());
        for (const Real element : elements)
            stored.push_back(static_cast<double>(element));
        return SquaredDeviations(stored);
    }
    default: engine.SetError(kSyntaxError); return 0;
    }
}

} // namespace brelt::engine::procedures
