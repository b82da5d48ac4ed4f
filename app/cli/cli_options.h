#pragma once
// The options of the window-less calculator, parsed from the program's arguments (UTF-8, without
// the program name). Values may follow their option as the next argument or after "=":
// "--digits 15" and "--digits=15" are the same.
#include <optional>
#include <string>
#include <vector>

namespace brelt::app {

// A variable given on the command line: its letter and the formula that gives its value.
struct VariableOption {
    char letter = 'X';
    std::string formula;
};

struct CliOptions {
    std::vector<std::string> formulas; // --eval, in order
    bool readInput = false;            // "-", or no --eval: formulas also come from standard input
    int notation = 0;                  // 0 scn, 1 fix, 2 eng, 3 sxg
    int digits = 12;                   // raised to the notation's least width
    int base = 0;                      // 0 dec, 1 hex, 2 bin
    int angleUnit = 1;                 // 0 rad, 1 deg
    std::vector<VariableOption> variables;
    std::string home;  // where Brelt's files live; empty until resolved
    int precision = 9; // digits the passes of integral() must agree on
    bool help = false;
};

// Parsing either gives the options or says what is wrong with the arguments.
struct CliParse {
    CliOptions options;
    std::optional<std::string> error;
};

CliParse parseCliOptions(const std::vector<std::string>& args);

// The least width of each notation (scientific 8, fixed 3, engineering 11, sexagesimal none), as
// the digits control of the window enforces it.
int leastDigits(int notation);
inline constexpr int kMaxDigits = 255;

// True when the arguments ask for the command line rather than the windows: any argument that
// begins with "-" but the window's options (--home, --startup-time and the toolkit's own, such as
// -platform and -session). Those alone start the windows, unless standard input holds formulas.
bool selectsCommandLine(const std::vector<std::string>& args);

// True when standard input (file descriptor `fd`) is a pipe, a socket or a file: formulas come from
// it. A terminal or the null device (or no standard input at all) is an interactive start, which
// opens the window.
bool standardInputHoldsFormulas(int fd = 0);

std::string usageText();
// --help: the formula mode's usage, then every picture mode with an example.
std::string helpText();

} // namespace brelt::app
