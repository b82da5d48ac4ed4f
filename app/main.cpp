// Brelt's entry point: the command line when the arguments ask for it or standard input holds
// formulas, otherwise the windows.
#include "app/cli/cli_host.h"
#include "app/cli/cli_options.h"
#include "app/cli/cli_runner.h"
#include "app/gui_entry.h"

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (!brelt::app::selectsCommandLine(args) && !brelt::app::standardInputHoldsFormulas())
        return brelt::app::runGui(argc, argv);
    std::ios::sync_with_stdio(false);
    brelt::app::installInterruptHandler();
    // A reader that went away is a failed write, reported and exit status 1, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
    return brelt::app::runCli(args, std::cin, std::cout, std::cerr);
}
