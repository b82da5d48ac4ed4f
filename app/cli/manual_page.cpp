#include "app/cli/manual_page.h"

#include <cctype>
#include <sstream>
#include <vector>

namespace brelt::app {

namespace {

// Text for roff: backslashes doubled, hyphens that are options or minus signs escaped, and a line
// that would start with a control character ('.' or ''') guarded.
std::string roffText(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    if (!out.empty() && (out.front() == '.' || out.front() == '\'')) out.insert(0, "\\&");
    return out;
}

size_t indentOf(const std::string& line) {
    const size_t first = line.find_first_not_of(' ');
    return first == std::string::npos ? line.size() : first;
}

std::string trimmed(const std::string& line) {
    const size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return line.substr(first, line.find_last_not_of(' ') - first + 1);
}

// An entry of a list: an option ("  --digits N   ..."), or in the files and environment lists any
// indented name.
bool isItemLine(const std::string& line, bool namesAreItems) {
    const size_t indent = indentOf(line);
    if (indent < 2 || indent > 4 || indent >= line.size()) return false;
    return line[indent] == '-' || namesAreItems;
}

// "  --digits N            result width ..." → the tag "--digits N" and the description; the two
// are parted by a run of at least two blanks.
void splitOption(const std::string& line, std::string& tag, std::string& description) {
    const std::string text = trimmed(line);
    const size_t gap = text.find("  ");
    tag = gap == std::string::npos ? text : text.substr(0, gap);
    description = gap == std::string::npos ? std::string() : trimmed(text.substr(gap));
}

// The tag in bold, its values (words in capitals) in italics: "--digits N" → \fB\-\-digits\fR \fIN\fR.
std::string taggedOption(const std::string& tag) {
    std::istringstream words(tag);
    std::string word, out;
    bool first = true;
    while (words >> word) {
        if (!first) out += ' ';
        const bool bold = first || !std::isupper(static_cast<unsigned char>(word.front()));
        out += (bold ? "\\fB" : "\\fI") + roffText(word) + "\\fR";
        first = false;
    }
    return out;
}

// "Data options:" heads a list; a sentence that ends in a colon and goes on in the next line does not.
bool isHeading(const std::string& line, const std::string& next) {
    return !line.empty() && line.front() != ' ' && line.back() == ':' &&
           (next.empty() || next.front() == ' ');
}

// What the help calls a section, as the manual names it.
std::string sectionName(const std::string& heading) {
    std::string name = heading.substr(0, heading.size() - 1);
    for (char& c : name)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (name.rfind("PICTURE MODES", 0) == 0) return "PICTURE MODES";
    if (name.rfind("PICTURE OPTIONS", 0) == 0) return "PICTURE OPTIONS";
    return name;
}

} // namespace

std::string filesAndEnvironmentHelp() {
    return "Files:\n"
           "  HOME/Brelt.INI        the settings: modes, window placements, page settings\n"
           "  HOME/Brelt.HST        the history of formulas and results\n"
           "  HOME/Brelt.USR        the user variables\n"
           "  HOME/Brelt.FNC        the user functions (without one, the shipped examples)\n"
           "  HOME/Brelt.CON        the constants catalogue (without one, the shipped catalogue)\n"
           "  SHARE/Brelt.CON, SHARE/Brelt.FNC\n"
           "                        the shipped catalogue and example functions: beside the\n"
           "                        program, or in ../share/brelt when it is installed\n"
           "HOME is --home DIR, else BRELT_HOME, else the program's folder when it can be written,\n"
           "else the user's data folder ($XDG_DATA_HOME/Brelt or ~/.local/share/Brelt). Files are\n"
           "written whole and then renamed, so a crash never leaves half a file.\n"
           "\n"
           "Environment:\n"
           "  BRELT_HOME            the folder of Brelt's files, when --home is not given\n"
           "  XDG_DATA_HOME         where the user's data folder is (default ~/.local/share)\n"
           "  BRELT_STARTUP_TIME    when set, the window reports how long it took to appear\n";
}

std::string manualPage(const std::string& help) {
    std::istringstream in(help);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);

    std::ostringstream man;
    man << ".TH BRELT 1 \"2026\" \"Brelt\" \"User Commands\"\n"
        << ".SH NAME\n"
        << "brelt \\- scientific calculator with extended precision and plots\n";
    bool verbatim = false;      // inside a usage block (kept as typed)
    bool afterOption = false;   // a continuation line belongs to the option above
    bool firstUsage = true;     // the first usage block is the synopsis
    bool inModes = false;       // in the picture modes: each usage block opens a subsection
    bool namesAreItems = false; // in the files and environment: every indented line is an entry
    auto endVerbatim = [&] {
        if (verbatim) man << ".fi\n";
        verbatim = false;
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.rfind("Usage: ", 0) == 0) {
            endVerbatim();
            if (firstUsage) {
                man << ".SH SYNOPSIS\n";
            } else if (inModes) {
                std::istringstream words(line.substr(7));
                std::string program, mode;
                words >> program >> mode;
                man << ".SS " << roffText(mode) << "\n";
            }
            man << ".nf\n" << roffText(line.substr(7)) << "\n";
            verbatim = true;
            afterOption = false;
            continue;
        }
        if (verbatim && indentOf(line) >= 7 && !trimmed(line).empty()) {
            man << roffText(trimmed(line).rfind("brelt ", 0) == 0 ? trimmed(line) : line.substr(7)) << "\n";
            continue;
        }
        endVerbatim();
        if (trimmed(line).empty()) {
            afterOption = false;
            if (firstUsage) {
                firstUsage = false;
                man << ".SH DESCRIPTION\n";
            } else {
                man << ".PP\n";
            }
            continue;
        }
        if (line.rfind("Example:", 0) == 0) {
            man << ".PP\nExample:\n.RS\n.nf\n";
            while (i + 1 < lines.size() && indentOf(lines[i + 1]) >= 2 && !trimmed(lines[i + 1]).empty())
                man << roffText(trimmed(lines[++i])) << "\n";
            man << ".fi\n.RE\n";
            continue;
        }
        if (isHeading(line, i + 1 < lines.size() ? lines[i + 1] : std::string())) {
            const std::string name = sectionName(line);
            afterOption = false;
            if (inModes && name != "PICTURE OPTIONS") { // a mode's own list ("Data options:")
                man << ".PP\n\\fB" << roffText(line) << "\\fR\n";
                continue;
            }
            inModes = name == "PICTURE MODES";
            namesAreItems = name == "FILES" || name == "ENVIRONMENT";
            man << ".SH " << name << "\n";
            continue;
        }
        if (line.rfind("Exit status:", 0) == 0) {
            man << ".SH EXIT STATUS\n" << roffText(trimmed(line.substr(12))) << "\n";
            continue;
        }
        if (isItemLine(line, namesAreItems)) {
            std::string tag, description;
            splitOption(line, tag, description);
            man << ".TP\n" << taggedOption(tag) << "\n";
            if (!description.empty()) man << roffText(description) << "\n";
            afterOption = true;
            continue;
        }
        if (afterOption && indentOf(line) > 4) {
            man << roffText(trimmed(line)) << "\n";
            continue;
        }
        if (afterOption) man << ".PP\n"; // a sentence after a list is a paragraph of its own
        afterOption = false;
        man << roffText(trimmed(line)) << "\n";
    }
    endVerbatim();
    return man.str();
}

} // namespace brelt::app
