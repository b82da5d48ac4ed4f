#include "app/cli/cli_modes.h"

#include "app/cli/contour_command.h"
#include "app/cli/contour_options.h"
#include "app/cli/picture_options.h"
#include "app/cli/plot_command.h"
#include "app/cli/plot_options.h"
#include "app/cli/polar_command.h"
#include "app/cli/surface_command.h"

#include <array>
#include <sstream>

namespace brelt::app {

namespace {

// One line a mode; a new mode adds its line here.
const std::array kModes = {
    PictureMode{"--plot", runPlotCli, plotUsageText,
                "brelt --plot \"sin(X)\" --plot \"cos(X)\" --from 0 --to 720 --title Waves --out waves.png"},
    // measured data, with or without formulas
    PictureMode{"--data", runPlotCli, plotUsageText, "brelt --data measured.txt --fit 3 --out fit.png"},
    PictureMode{
        "--contour", runContourCli, contourUsageText,
        "brelt --contour \"X^2-Y^2\" --from -2 --to 2 --y-from -2 --y-to 2 --levels 12 --out saddle.png"},
    PictureMode{
        "--shade", runShadeCli, shadeUsageText,
        "brelt --shade \"sin(X)*cos(Y)\" --angle rad --from -3 --to 3 --y-from -3 --y-to 3 --out shade.png"},
    PictureMode{"--surface", runSurfaceCli, surfaceUsageText,
                "brelt --surface \"exp(-(X^2+Y^2))\" --from -2 --to 2 --y-from -2 --y-to 2 --elevation 40 "
                "--out dome.png"},
    PictureMode{"--polar", runPolarCli, polarUsageText,
                "brelt --polar \"sin(2*X)\" --polar \"1+cos(X)\" --out rose.png"},
};

// (Texts are streamed: joining them with + trips a false warning of g++ 12.)
void writeUsage(std::ostream& out, const PictureMode& mode) {
    if (mode.usage)
        out << mode.usage();
    else
        out << "Usage: brelt " << mode.option << " ...\n";
    out << '\n';
    if (mode.example) out << "Example:\n  " << mode.example << '\n';
}

std::string optionName(const std::string& arg) {
    const size_t equals = arg.find('=');
    return arg.rfind("--", 0) == 0 && equals != std::string::npos ? arg.substr(0, equals) : arg;
}

} // namespace

std::span<const PictureMode> pictureModes() {
    return kModes;
}

std::string modeHelpText(const PictureMode& mode) {
    std::ostringstream text;
    writeUsage(text, mode);
    text << "\nPicture options:\n" << pictureOptionsUsage();
    return text.str();
}

std::string pictureModesHelpText() {
    std::ostringstream text;
    text << "Picture modes (brelt MODE --help shows one):\n";
    const PictureMode* previous = nullptr;
    for (const PictureMode& mode : kModes) {
        // A mode that shares its usage with the one before (--data with --plot) adds its example.
        if (previous && previous->usage && previous->usage == mode.usage) {
            if (mode.example) text << "  " << mode.example << '\n';
            continue;
        }
        text << '\n';
        writeUsage(text, mode);
        previous = &mode;
    }
    text << "\nPicture options, for every picture mode:\n" << pictureOptionsUsage();
    return text.str();
}

const PictureMode* selectedPictureMode(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        const std::string name = optionName(arg);
        for (const PictureMode& mode : kModes)
            if (name == mode.option) return &mode;
    }
    return nullptr;
}

} // namespace brelt::app
