#pragma once
// The command line's plotting: `brelt --plot ...` draws a formula into a picture file without a
// window. `args` are the program's arguments without the program name, all of them, as the
// dispatcher received them. Returns the exit status (0 done, 1 failed, 2 usage error).
#include <ostream>
#include <string>
#include <vector>

namespace brelt::app {

int runPlotCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace brelt::app
