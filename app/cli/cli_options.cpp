#include "app/cli/cli_options.h"

#include "app/cli/cli_modes.h"
#include "app/cli/manual_page.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <string_view>

#include <sys/stat.h>

namespace brelt::app {

namespace {

constexpr std::string_view kVariableLetters = "XYZVWIJKMN";

// Options that take a value.
constexpr std::array<std::string_view, 8> kValueOptions = {
    "--eval", "--notation", "--digits", "--base", "--angle", "--var", "--home", "--precision"};

// The arguments that leave the decision to the window: Brelt's own window options and the
// toolkit's documented ones (a session manager restores the window with "-session ID"), with
// whether each takes a value. Every other argument that begins with "-" belongs to the command
// line, where an unknown one is a usage error rather than a window.
struct WindowOption {
    std::string_view name;
    bool takesValue;
};
constexpr std::array<WindowOption, 18> kWindowOptions = {{
    {"--home", true},
    {"--startup-time", false},
    {"-platform", true},
    {"-platformpluginpath", true},
    {"-platformtheme", true},
    {"-plugin", true},
    {"-style", true},
    {"-stylesheet", true},
    {"-session", true},
    {"-qwindowgeometry", true},
    {"-qwindowicon", true},
    {"-qwindowtitle", true},
    {"-display", true},
    {"-geometry", true},
    {"-reverse", false},
    {"-nograb", false},
    {"-dograb", false},
    {"-sync", false},
}};

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The index of `value` in `names` (compared without regard to case), or -1.
int choice(const std::string& value, std::initializer_list<std::string_view> names) {
    int index = 0;
    for (const std::string_view name : names) {
        if (lowered(value) == name) return index;
        ++index;
    }
    return -1;
}

// Splits "--name=value" (or the toolkit's "-name=value") into name and value; a plain "--name" has
// no value.
std::pair<std::string, std::optional<std::string>> splitOption(const std::string& arg) {
    const size_t equals = arg.find('=');
    if (arg.rfind("-", 0) != 0 || equals == std::string::npos) return {arg, std::nullopt};
    return {arg.substr(0, equals), arg.substr(equals + 1)};
}

const WindowOption* windowOption(const std::string& name) {
    for (const WindowOption& option : kWindowOptions)
        if (option.name == name) return &option;
    return nullptr;
}

std::optional<std::string> applyOption(CliOptions& options, const std::string& name,
                                       const std::string& value) {
    if (name == "--eval") {
        options.formulas.push_back(value);
    } else if (name == "--notation") {
        options.notation = choice(value, {"scn", "fix", "eng", "sxg"});
        if (options.notation < 0) return "--notation takes scn, fix, eng or sxg, not \"" + value + "\"";
    } else if (name == "--base") {
        options.base = choice(value, {"dec", "hex", "bin"});
        if (options.base < 0) return "--base takes dec, hex or bin, not \"" + value + "\"";
    } else if (name == "--angle") {
        options.angleUnit = choice(value, {"rad", "deg"});
        if (options.angleUnit < 0) return "--angle takes rad or deg, not \"" + value + "\"";
    } else if (name == "--digits") {
        int digits = -1;
        const auto [end, status] = std::from_chars(value.data(), value.data() + value.size(), digits);
        if (status != std::errc() || end != value.data() + value.size() || digits < 0 || digits > kMaxDigits)
            return "--digits takes a whole number from 0 to 255, not \"" + value + "\"";
        options.digits = digits;
    } else if (name == "--var") {
        const size_t equals = value.find('=');
        const std::string letter = equals == std::string::npos ? value : value.substr(0, equals);
        const char upper =
            letter.size() == 1 ? static_cast<char>(std::toupper(static_cast<unsigned char>(letter[0]))) : 0;
        if (equals == std::string::npos || upper == 0 ||
            kVariableLetters.find(upper) == std::string_view::npos)
            return "--var takes LETTER=FORMULA with one of X Y Z V W I J K M N, not \"" + value + "\"";
        if (value.find_first_not_of(' ', equals + 1) == std::string::npos)
            return "--var " + letter + "= needs a formula";
        options.variables.push_back({upper, value.substr(equals + 1)});
    } else if (name == "--home") {
        if (value.empty()) return "--home needs a folder";
        options.home = value;
    } else if (name == "--precision") {
        int precision = 0;
        const auto [end, status] = std::from_chars(value.data(), value.data() + value.size(), precision);
        if (status != std::errc() || end != value.data() + value.size() || precision < 1 || precision > 20)
            return "--precision takes a whole number from 1 to 20, not \"" + value + "\"";
        options.precision = precision;
    }
    return std::nullopt;
}

} // namespace

int leastDigits(int notation) {
    switch (notation) {
    case 0: return 8;
    case 1: return 3;
    case 2: return 11;
    default: return 0;
    }
}

CliParse parseCliOptions(const std::vector<std::string>& args) {
    CliParse parse;
    CliOptions& options = parse.options;
    bool anyEval = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-") {
            options.readInput = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            continue;
        }
        auto [name, value] = splitOption(arg);
        const bool known = std::any_of(kValueOptions.begin(), kValueOptions.end(),
                                       [&name](std::string_view option) { return option == name; });
        if (!known) {
            parse.error = "unknown option \"" + arg + "\"";
            return parse;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                parse.error = name + " needs a value";
                return parse;
            }
            value = args[++i];
        }
        if (name == "--eval") anyEval = true;
        if (auto problem = applyOption(options, name, *value)) {
            parse.error = *problem;
            return parse;
        }
    }
    if (!anyEval) options.readInput = true;
    options.digits = std::max(options.digits, leastDigits(options.notation));
    return parse;
}

bool selectsCommandLine(const std::vector<std::string>& args) {
    if (selectedPictureMode(args)) return true;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i].rfind("-", 0) != 0) continue;
        // Every argument beginning with "-" but the window's own options is the command line's, so
        // a mistyped one is a usage error rather than a window.
        const auto [name, value] = splitOption(args[i]);
        const WindowOption* option = windowOption(name);
        if (!option) return true;
        if (option->takesValue && !value) ++i; // its value, whatever it looks like
    }
    return false;
}

bool standardInputHoldsFormulas(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) return false;
    // Anything but a character device (a terminal, the null device): a pipe, a socket, a file, and
    // also what cannot be read as one (a folder), whose failure the command line then reports.
    return !S_ISCHR(status.st_mode);
}

std::string usageText() {
    return "Usage: brelt [--home DIR]                       start the calculator window\n"
           "       brelt [OPTIONS] --eval FORMULA [--eval FORMULA ...]\n"
           "       brelt [OPTIONS] [-]                      formulas from standard input, one a line\n"
           "       brelt MODE ... --out FILE                a picture: the modes are listed below\n"
           "\n"
           "Evaluates each formula as the Return key does and prints one line per formula:\n"
           "the result, or the message and the position of the error in the formula.\n"
           "\n"
           "Options:\n"
           "  --eval FORMULA        evaluate FORMULA (repeatable; \"?\" and variables carry over)\n"
           "  --notation MODE       scn (default), fix, eng or sxg\n"
           "  --digits N            result width, 0 to 255 (default 12; at least 8 for scn,\n"
           "                        3 for fix, 11 for eng)\n"
           "  --base BASE           dec (default), hex or bin\n"
           "  --angle UNIT          deg (default) or rad\n"
           "  --var X=FORMULA       give a variable (X Y Z V W I J K M N) its formula and value\n"
           "  --precision N         digits on which the passes of integral() must agree, 1 to 20\n"
           "                        (default 9)\n"
           "  --home DIR            where Brelt's files live (also BRELT_HOME; default: the\n"
           "                        program's folder)\n"
           "  -                     read formulas from standard input (also without --eval)\n"
           "  --help                show this text\n"
           "  --manual-page         this text as a manual page (roff) for man(1)\n"
           "\n"
           "Without --eval, formulas are read from standard input when it is a pipe or a file;\n"
           "started from a terminal, Brelt opens its window.\n"
           "\n"
           "Exit status: 0 when every formula succeeded, 1 when any failed or the results could\n"
           "not be written (or standard input not read), 2 for a usage error.\n";
}

std::string helpText() {
    return usageText() + "\n" + pictureModesHelpText() + "\n" + filesAndEnvironmentHelp();
}

} // namespace brelt::app
