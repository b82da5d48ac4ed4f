// The program as a user starts it: where formulas come from, what happens without a display, and
// that every failure shows in the exit status. Runs the built program through the shell.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

struct ProgramRun {
    int status;
    std::string out;
    std::string err;
};

std::string contents(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs `command` through bash, with BRELT standing for the program; its output and messages are
// whatever the command sends to $OUT and $ERR.
ProgramRun runShell(const std::string& command) {
    char folder[] = "/tmp/brelt-program-test-XXXXXX";
    if (!::mkdtemp(folder)) return {-1, "", "no temporary folder"};
    const std::string dir = folder;
    const std::string script =
        "BRELT='" BRELT_PROGRAM "'; OUT='" + dir + "/out'; ERR='" + dir + "/err'; " + command;
    std::ofstream(dir + "/script") << script;
    const int raw = std::system(("bash " + dir + "/script").c_str());
    ProgramRun run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, contents(dir + "/out"), contents(dir + "/err")};
    std::system(("rm -rf " + dir).c_str());
    return run;
}

} // namespace

TEST(Program, FormulasComeFromAPipeOrAFile) {
    ProgramRun r = runShell("printf '1+1\\n2*3\\n' | \"$BRELT\" >\"$OUT\" 2>\"$ERR\"");
    EXPECT_EQ(r.out, "2.0E+0\n6.0E+0\n");
    EXPECT_EQ(r.status, 0) << r.err;
    r = runShell("printf 'sqrt(-1)\\n' >\"$OUT.in\"; \"$BRELT\" <\"$OUT.in\" >\"$OUT\" 2>\"$ERR\"");
    EXPECT_EQ(r.out, "Argument Negative: position 1\n");
    EXPECT_EQ(r.status, 1);
}

TEST(Program, WithoutADisplayTheWindowSaysSoInOneLine) {
    const ProgramRun r =
        runShell("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \"$BRELT\" </dev/null "
                 ">\"$OUT\" 2>\"$ERR\"");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "no display: use --eval or a pipe for the command line\n");
}

TEST(Program, AnUnknownDashArgumentIsAUsageErrorNeverAWindow) {
    const ProgramRun r =
        runShell("env -u DISPLAY -u WAYLAND_DISPLAY \"$BRELT\" -q </dev/null >\"$OUT\" 2>\"$ERR\"");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("brelt: unknown option \"-q\"", 0), 0u) << r.err;
}

TEST(Program, LostResultsAreAFailure) {
    ProgramRun r = runShell("\"$BRELT\" --eval 1 >/dev/full 2>\"$ERR\"");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "brelt: writing the results failed: No space left on device\n");
    // A reader that stops early: the program is not killed by the signal, it reports and fails.
    r = runShell("yes 1+1 | head -n 100000 | \"$BRELT\" 2>\"$ERR\" | head -n 1 >\"$OUT\"; "
                 "exit ${PIPESTATUS[2]}");
    EXPECT_EQ(r.out, "2.0E+0\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "brelt: writing the results failed: Broken pipe\n");
    r = runShell("\"$BRELT\" </ >\"$OUT\" 2>\"$ERR\"");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "brelt: reading standard input failed\n");
}
