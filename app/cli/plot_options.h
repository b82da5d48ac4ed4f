#pragma once
// The options of `brelt --plot`: formulas, the X range and point count, titles, logarithmic axes,
// grid, picture size and output file. Values follow their option as the next argument or after
// "=". Parsing checks everything before any work starts, so a bad argument costs nothing.
#include <optional>
#include <string>
#include <vector>

namespace brelt::app {

struct PlotOptions {
    std::vector<std::string> formulas;
    long double from = 0;
    long double to = 0;
    int steps = 200;
    std::string title;
    std::string xName;
    std::string yName;
    bool logX = false;
    bool logY = false;
    bool grid = false;
    int width = 1280;
    int height = 960;
    std::string out;
};

inline constexpr int kMinPlotSteps = 2;
inline constexpr int kMaxPlotSteps = 1000000;
inline constexpr int kMinPictureSide = 16;
inline constexpr int kMaxPictureSide = 16384;

struct PlotParse {
    PlotOptions options;
    std::optional<std::string> error;
};

PlotParse parsePlotOptions(const std::vector<std::string>& args);
std::string plotUsageText();

} // namespace brelt::app
