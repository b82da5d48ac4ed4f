#pragma once
// `brelt --polar FORMULA [--polar FORMULA ...] ...`: each formula r = f(X) over angles from A to B
// degrees (X reaches the formula in radians) drawn as one curve of a polar chart into a picture
// file, without a window. Points where a formula fails are gaps; standard error says how many.
// Returns the exit status: 0 written, 1 failed (every point of a formula failed, or the file),
// 2 usage error.
#include "app/cli/picture_options.h"
#include "engine/real.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace brelt::app {

struct PolarOptions {
    std::vector<std::string> formulas;
    engine::Real from = 0;
    engine::Real to = 360;
    int steps = 360;
    PictureOptions picture;
};

struct PolarParse {
    PolarOptions options;
    std::optional<std::string> error;
};

PolarParse parsePolarOptions(const std::vector<std::string>& args);
std::string polarUsageText();

int runPolarCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace brelt::app
