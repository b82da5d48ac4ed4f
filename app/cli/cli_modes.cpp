#include "app/cli/cli_modes.h"

#include "app/cli/contour_command.h"
#include "app/cli/plot_command.h"
#include "app/cli/polar_command.h"
#include "app/cli/surface_command.h"

#include <array>

namespace brelt::app {

namespace {

// One line a mode; a new mode adds its line here.
constexpr std::array kModes = {
    PictureMode{"--plot", runPlotCli},
    PictureMode{"--data", runPlotCli}, // measured data, with or without formulas
    PictureMode{"--contour", runContourCli},
    PictureMode{"--shade", runShadeCli},
    PictureMode{"--surface", runSurfaceCli},
    PictureMode{"--polar", runPolarCli},
};

std::string optionName(const std::string& arg) {
    const size_t equals = arg.find('=');
    return arg.rfind("--", 0) == 0 && equals != std::string::npos ? arg.substr(0, equals) : arg;
}

} // namespace

const PictureMode* selectedPictureMode(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        const std::string name = optionName(arg);
        for (const PictureMode& mode : kModes)
            if (name == mode.option) return &mode;
    }
    return nullptr;
}

} // namespace brelt::app
