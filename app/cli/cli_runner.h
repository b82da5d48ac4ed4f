#pragma once
// The calculator without windows: formulas from the arguments and from standard input, each
// evaluated as the Return key evaluates the input line, one output line per formula.
#include "app/cli/cli_session.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace brelt::app {

// Runs the command line. `args` are the program's arguments without the program name. Prints one
// line per formula on `out` (the result, or the message and position of its error), usage and
// problems with the arguments on `err`. Returns 0 when every formula succeeded, 1 when any failed,
// 2 for a usage error. Arguments that select a picture mode go to its command.
int runCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace brelt::app
