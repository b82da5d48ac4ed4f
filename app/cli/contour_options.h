#pragma once
// The options of `brelt --contour` and `brelt --shade`: the formula f(X,Y), the X and Y ranges
// and point counts, the number of levels, and the options all picture modes share. Parsing
// checks everything before any work starts.
#include "app/cli/picture_options.h"

#include <optional>
#include <string>
#include <vector>

namespace brelt::app {

struct ContourOptions {
    bool shade = false;
    std::string formula;
    long double xFrom = 0, xTo = 0;
    long double yFrom = 0, yTo = 0;
    int xSteps = 40;
    int ySteps = 40;
    int levels = 10;
    PictureOptions picture;
};

inline constexpr int kMinGridSteps = 2;
inline constexpr int kMaxGridSteps = 16000;
inline constexpr long long kMaxGridPoints = 25000000;
inline constexpr int kMaxLevels = 1000;

struct ContourParse {
    ContourOptions options;
    std::optional<std::string> error;
};

// `shade` selects the mode: --shade (colour shading) or --contour (lines, and text with .txt).
ContourParse parseContourOptions(const std::vector<std::string>& args, bool shade);
std::string contourModeUsage(bool shade);
std::string contourUsageText();
std::string shadeUsageText();

} // namespace brelt::app
