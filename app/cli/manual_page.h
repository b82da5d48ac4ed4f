#pragma once
// Brelt's manual page, made from the --help text so the two cannot disagree: the help's usage
// lines become the synopsis, its option lists tagged paragraphs, each picture mode a subsection,
// and its files and environment their sections.
#include <string>

namespace brelt::app {

// The end of the help: the files Brelt keeps and the environment it reads.
std::string filesAndEnvironmentHelp();

// `help` (the whole --help text) as a manual page in roff (man(7)).
std::string manualPage(const std::string& help);

} // namespace brelt::app
