#pragma once
// The command line's contour pictures: `brelt --contour ...` draws the contour lines of f(X,Y)
// (or writes them as text), `brelt --shade ...` its colour shading, without a window. `args` are
// the program's arguments without the program name. Returns the exit status (0 done, 1 failed,
// 2 usage error).
#include <ostream>
#include <string>
#include <vector>

namespace brelt::app {

int runContourCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runShadeCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace brelt::app
