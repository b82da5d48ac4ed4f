#pragma once
// `brelt --surface FORMULA ...`: f(X,Y) tabulated over a grid of rows (X) and columns (Y) and
// drawn as a 3D surface into a picture file, without a window. Points where the formula fails are
// gaps; standard error says how many. `args` are all the program's arguments without its name.
// Returns the exit status: 0 written, 1 failed (every point failed, or the file), 2 usage error.
#include "app/cli/picture_options.h"
#include "engine/real.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace brelt::app {

struct SurfaceOptions {
    std::string formula;
    engine::Real xFrom = 0, xTo = 0, yFrom = 0, yTo = 0;
    int xSteps = 40;
    int ySteps = 40;
    std::optional<double> rotation;  // degrees; the chart's default view when not given
    std::optional<double> elevation; // degrees, 0 to 90
    PictureOptions picture;
};

struct SurfaceParse {
    SurfaceOptions options;
    std::optional<std::string> error;
};

SurfaceParse parseSurfaceOptions(const std::vector<std::string>& args);
std::string surfaceUsageText();

int runSurfaceCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace brelt::app
