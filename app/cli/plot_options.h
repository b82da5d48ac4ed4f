#pragma once
// The options of `brelt --plot`: formulas, the X range and point count, logarithmic axes and grid,
// and the options all picture modes share. Parsing checks everything before any work starts, so a
// bad argument costs nothing.
#include "app/cli/data_options.h"
#include "app/cli/picture_options.h"

#include <optional>
#include <string>
#include <vector>

namespace brelt::app {

struct PlotOptions {
    std::vector<std::string> formulas;
    long double from = 0;
    long double to = 0;
    int steps = 200;
    bool logX = false;
    bool logY = false;
    bool grid = false;
    bool skipUndefined = false; // leave out the points where a formula fails
    PictureOptions picture;
    DataOptions data;
    bool rangeGiven = false; // --from and --to; without them formulas follow the data's X range
};

inline constexpr int kMinPlotSteps = 2;
inline constexpr int kMaxPlotSteps = 1000000;

struct PlotParse {
    PlotOptions options;
    std::optional<std::string> error;
};

PlotParse parsePlotOptions(const std::vector<std::string>& args);
// The synopsis and the options of --plot, without the shared picture options.
std::string plotUsageText();

} // namespace brelt::app
