#include "app/cli/contour_options.h"

namespace brelt::app {

ContourParse parseContourOptions(const std::vector<std::string>& args, bool shade) {
    ContourParse result;
    ContourOptions& o = result.options;
    o.shade = shade;
    const std::string mode = shade ? "--shade" : "--contour";
    bool haveFrom = false, haveTo = false, haveYFrom = false, haveYTo = false, haveFormula = false;
    auto fail = [&result](const std::string& message) {
        result.error = message;
        return result;
    };
    OptionReader reader(args);
    while (reader.next()) {
        const OptionTake shared = takePictureOption(o.picture, reader);
        if (shared.error) return fail(*shared.error);
        if (shared.taken) continue;
        const std::string name = reader.name();
        const bool range = name == "--from" || name == "--to" || name == "--y-from" || name == "--y-to";
        const bool count = name == "--steps" || name == "--y-steps" || name == "--levels";
        if (name != mode && !range && !count)
            return fail("unknown " + mode.substr(2) + " option: " + reader.argument());
        const std::optional<std::string> value = reader.value();
        if (!value) return fail(name + " needs a value");
        if (name == mode) {
            if (haveFormula) return fail(mode + " takes one formula");
            if (value->find_first_not_of(" \t") == std::string::npos) return fail(mode + " needs a formula");
            o.formula = *value;
            haveFormula = true;
        } else if (range) {
            const auto v = parseLongDouble(*value);
            if (!v) return fail(name + ": not a number: " + *value);
            if (name == "--from") o.xFrom = *v, haveFrom = true;
            if (name == "--to") o.xTo = *v, haveTo = true;
            if (name == "--y-from") o.yFrom = *v, haveYFrom = true;
            if (name == "--y-to") o.yTo = *v, haveYTo = true;
        } else {
            const auto v = parseWholeNumber(*value);
            const bool levels = name == "--levels";
            const int low = levels ? 1 : kMinGridSteps, high = levels ? kMaxLevels : kMaxGridSteps;
            if (!v || *v < low || *v > high)
                return fail(name + " must be a whole number from " + std::to_string(low) + " to " +
                            std::to_string(high));
            (levels ? o.levels : name == "--steps" ? o.xSteps : o.ySteps) = *v;
        }
    }
    if (!haveFormula) return fail(mode + " needs a formula");
    if (!haveFrom || !haveTo) return fail("--from and --to are required");
    if (!haveYFrom || !haveYTo) return fail("--y-from and --y-to are required");
    if (!(o.xTo > o.xFrom)) return fail("Maximum X-coordinate must be more than minimum one");
    if (!(o.yTo > o.yFrom)) return fail("Maximum Y-coordinate must be more than minimum one");
    if (static_cast<long long>(o.xSteps) * o.ySteps > kMaxGridPoints)
        return fail("--steps times --y-steps must not exceed " + std::to_string(kMaxGridPoints));
    if (auto problem = shade ? checkPictureOut(o.picture) : checkPictureOut(o.picture, {"txt"}))
        return fail(*problem);
    return result;
}

std::string contourModeUsage(bool shade) {
    if (shade)
        return "Usage: brelt --shade FORMULA --from A --to B --y-from C --y-to D [--steps N]\n"
               "             [--y-steps M] [picture options] --out FILE\n"
               "\n"
               "Tabulates f(X,Y) over X from A to B in N points and Y from C to D in M points\n"
               "(default 40 each) and writes the colour shading with its colour legend as PNG,\n"
               "BMP, SVG or PDF, by the extension of FILE. --levels is accepted and not used.\n";
    return "Usage: brelt --contour FORMULA --from A --to B --y-from C --y-to D [--steps N]\n"
           "             [--y-steps M] [--levels K] [picture options] --out FILE\n"
           "\n"
           "Tabulates f(X,Y) over X from A to B in N points and Y from C to D in M points\n"
           "(default 40 each), draws K contour levels (default 10) and writes the chart as\n"
           "PNG, BMP, SVG or PDF, by the extension of FILE. With FILE.txt the lines are\n"
           "written as text: \"# level L\", then one \"x y\" line per point, then an empty line.\n";
}

std::string contourUsageText() {
    return contourModeUsage(false);
}

std::string shadeUsageText() {
    return contourModeUsage(true);
}

} // namespace brelt::app
