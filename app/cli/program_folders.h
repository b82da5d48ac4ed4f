#pragma once
// Where the running program is, where its read-only data ships, and the user's data folder. A
// program run from its build folder has its data beside it; an installed one (bin/brelt) finds it
// in ../share/brelt.
#include <string>

namespace brelt::app {

// The folder of the running program's file.
std::string programDirectory();

// The folder of the shipped data (the constants catalogue, the example functions): beside the
// program when Brelt.CON is there, else ../share/brelt when that holds it, else the program's folder.
std::string shippedDataDirectory(const std::string& programDir);

// The user's data folder: $XDG_DATA_HOME/Brelt, else ~/.local/share/Brelt (the window's choice
// too). It is not made here.
std::string userDataDirectory();

} // namespace brelt::app
