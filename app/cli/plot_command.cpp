#include "app/cli/plot_command.h"

namespace brelt::app {

int runPlotCli(const std::vector<std::string>& /*args*/, std::ostream& /*out*/, std::ostream& err) {
    err << "brelt: plotting is not built yet\n";
    return 2;
}

} // namespace brelt::app
