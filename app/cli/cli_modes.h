#pragma once
// The command line's picture modes. An argument that names a mode (--plot, ...) hands all the
// arguments to that mode's command; without one, the arguments are the formula mode's. The table of
// modes also gives each mode's usage text and example: `brelt --help`, `brelt MODE --help` and the
// manual page are made from it.
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace brelt::app {

using ModeCommand = int (*)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

struct PictureMode {
    const char* option;  // the argument that selects the mode, as typed ("--plot")
    ModeCommand command; // runs the mode: 0 done, 1 failed, 2 usage error
    // The mode's usage: synopsis, what it does, its own options (not the shared picture options).
    std::string (*usage)() = nullptr;
    const char* example = nullptr; // one command line that works as typed
};

// Every mode, in the order the help lists them.
std::span<const PictureMode> pictureModes();

// The mode that the arguments select (the first mode option among them), or null.
const PictureMode* selectedPictureMode(const std::vector<std::string>& args);

// A mode's whole help: its usage, its example and the shared picture options.
std::string modeHelpText(const PictureMode& mode);
// The help of every mode, the shared picture options once at the end.
std::string pictureModesHelpText();

} // namespace brelt::app
