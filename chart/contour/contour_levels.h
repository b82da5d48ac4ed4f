#pragma once
// The numbers contour generation is made of: the level values, their rounding to 12 significant
// digits (so that a label and its level agree), and the tolerances, which follow the grid's own
// scale so that a fine grid or a function of small values still gets its lines.
#include "chart/contour/contour_types.h"

#include <vector>

namespace brelt::chart {

// v rounded to `digits` significant digits, as printing it in general format and reading it back
// gives.
double roundSignificant(double v, int digits);
// A level as it is traced: 12 significant digits.
inline double roundLevel(double h) {
    return roundSignificant(h, 12);
}

// (zMax - zMin) / (count + 1), kept with 11 significant digits.
double levelStep(double zMin, double zMax, int count);

// A grid whose values hardly differ draws no lines: zMax - zMin below 1e-5, or, for a function
// of values smaller than 1, below 1e-5 of its largest magnitude.
bool isFlatRange(double zMin, double zMax);

// The `count` levels LevelMin + (k - 0.5) LevelStep, k = 1..count, each rounded to 12 digits;
// none for a flat range or a count below 1.
std::vector<double> levelValues(double zMin, double zMax, int count);

// Ends meet within 1e-5 in each coordinate, or within a thousandth of the smallest cell where the
// cells are finer than 1e-2. `coords` are ascending grid coordinates.
double joinToleranceOf(const std::vector<double>& coords);

// Crossings are looked for on triangle edges whose end values differ by more than 1e-10 (less
// for a function whose values span less than 1).
double edgeThresholdOf(double zMin, double zMax);

} // namespace brelt::chart
