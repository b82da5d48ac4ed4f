#pragma once
// The command line's picture modes. An argument that names a mode (--plot, ...) hands all the
// arguments to that mode's command; without one, the arguments are the formula mode's.
#include <ostream>
#include <string>
#include <vector>

namespace brelt::app {

using ModeCommand = int (*)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

struct PictureMode {
    const char* option;  // the argument that selects the mode, as typed ("--plot")
    ModeCommand command; // runs the mode: 0 done, 1 failed, 2 usage error
};

// The mode that the arguments select (the first mode option among them), or null.
const PictureMode* selectedPictureMode(const std::vector<std::string>& args);

} // namespace brelt::app
