#pragma once
// Tabulating f(X, Y) over a grid, as the Graphics tab does for contours and colour shading, and
// as `brelt --contour` does: N points of X from A to B in N - 1 equal steps, the last exactly B,
// and M points of Y likewise; X and Y written into their variable slots before each evaluation
// (they keep the last values written); the procedures' remembered expression cleared after each
// point, so that no result cached for one point serves the next. Tabulation stops at the first
// point whose evaluation fails or whose value a double cannot hold.
#include "engine/real.h"

#include <functional>
#include <string>
#include <vector>

namespace brelt::engine {

class Engine;

struct GridTabulation {
    bool ok = false;
    std::vector<double> x; // the N abscissae
    std::vector<double> y; // the M ordinates
    // N x M values column by column, as the contour grid stores them: z[i + j N] = f(x[i], y[j]).
    std::vector<double> z;
    // On failure: the point, and the engine's message code (kOverflow for a value beyond a double,
    // kUserBreak when the progress callback stopped the tabulation).
    Real failedX = 0;
    Real failedY = 0;
    int errorCode = -1;
};

// The points from `from` to `to`: n >= 2 of them, the last exactly `to`.
Real gridPoint(Real from, Real to, int n, int index);

// `working` is the working expression (engine text without blanks); X runs in the outer loop,
// Y in the inner one. `progress`, when given, hears after each point how many of the N x M
// are done; answering false stops the tabulation as a user break. The engine's error state is
// left as the failing evaluation set it.
GridTabulation tabulateGrid(Engine& engine, const std::string& working, Real xFrom, Real xTo, int nx,
                            Real yFrom, Real yTo, int ny,
                            const std::function<bool(long long done, long long total)>& progress = {});

} // namespace brelt::engine
