#pragma once
// One engine as the command line uses it: the window-less host, the user functions connected, and
// the home folder's user functions and user variables loaded as the window loads them at start-up.
// The formula modes and the picture modes share it, so a formula means the same in both.
#include "app/cli/cli_host.h"
#include "app/cli/picture_options.h"
#include "engine/engine.h"
#include "engine/user_functions.h"

#include <ostream>
#include <string>

namespace brelt::app {

class CliSession {
public:
    // `messages` receives what the host reports (loader and engine messages).
    explicit CliSession(std::ostream& messages);
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    // Loads Brelt.FNC and Brelt.USR from `home` (without a Brelt.FNC of its own, the one shipped
    // beside the program); a file that is not there is no error. Problems go to `err`, each line
    // starting with "brelt: ".
    void loadHomeFiles(const std::string& home, std::ostream& err);

    // A picture mode's start: its angle unit, and the files of its home (--home, else as resolveHome).
    void startPicture(const PictureOptions& picture, std::ostream& err);

    engine::Engine& engine() { return m_engine; }
    engine::TUserFunctions& functions() { return m_functions; }

private:
    CliHost m_host;
    engine::Engine m_engine;
    engine::TUserFunctions m_functions;
};

// The folder of Brelt's files: the --home option, else the BRELT_HOME variable, else the folder of
// the running program when it can be written, else the user's data folder.
std::string resolveHome(const std::string& option);

} // namespace brelt::app
