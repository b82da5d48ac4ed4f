#include "app/cli/cli_host.h"
#include "app/cli/cli_options.h"
#include "app/cli/cli_runner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

using brelt::app::runCli;

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun run(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCli(args, in, out, err);
    return {status, out.str(), err.str()};
}

} // namespace

TEST(CliRunner, FormulasFromArguments) {
    struct Case {
        std::vector<std::string> args;
        const char* out;
        int status;
    };
    const Case cases[] = {
        {{"--eval", "2^3^2"}, "5.12E+2\n", 0},
        {{"--eval", "4/0"}, "Division by zero: position 3\n", 1},
        {{"--notation", "eng", "--eval", "12345"}, "12.345E+3\n", 0},
        {{"--eval", "4 / 0"}, "Division by zero: position 5\n", 1},
        {{"--eval", "2+3", "--eval", "?*2"}, "5.0E+0\n1.0E+1\n", 0},     // "?" carries over
        {{"--eval", "(X=3)*2", "--eval", "X+1"}, "6.0E+0\n4.0E+0\n", 0}, // so do variables
        {{"--eval", "1/0", "--eval", "2"}, "Division by zero: position 3\n2.0E+0\n", 1},
        {{"--eval=1+1"}, "2.0E+0\n", 0},
        {{"--eval", "3\xC2\xB2"}, "9.0E+0\n", 0}, // "²" in UTF-8
        {{"--eval", "1+\xE2\x82\xAC"}, "Syntax error: position 3\n", 1},
        {{"--eval", "(1+2"}, "Missing \")\": position 4\n", 1},
        {{"--digits", "15", "--eval", "1/3"}, "3.3333333333E-1\n", 0},
        {{"--notation", "fix", "--eval", "0.5"}, "0.5\n", 0},
        {{"--notation", "sxg", "--eval", "1.51"}, "1:30:36\n", 0},
        {{"--notation", "sxg", "--eval", "1E10"}, "Change notation: position 5\n", 1},
        {{"--base", "hex", "--eval", "$FF+1"}, "100\n", 0},
        {{"--base", "bin", "--eval", "101"}, "101\n", 0},
        {{"--base", "hex", "--eval", "$FFFFFFFF"}, "Overflow: position 10\n", 1},
        {{"--eval", "sin(90)"}, "1.0E+0\n", 0}, // degrees by default
        {{"--angle", "rad", "--eval", "cos(0)"}, "1.0E+0\n", 0},
        {{"--var", "X=2+1", "--eval", "X^2"}, "9.0E+0\n", 0},
        {{"--var", "x=2", "--var", "Y=X*5", "--eval", "Y"}, "1.0E+1\n", 0},
        {{"--eval", ""}, "\n", 0},
    };
    for (const Case& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.out, c.out) << c.args.back();
        EXPECT_EQ(r.status, c.status) << c.args.back();
    }
}

TEST(CliRunner, VariableWithoutValueFailsWithoutPrompting) {
    const CliRun r = run({"--eval", "Y+1"}, "5\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out.rfind("User break: position ", 0), 0u) << r.out;
    EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << "one line, standard input left alone";
}

TEST(CliRunner, FormulasFromStandardInput) {
    struct Case {
        std::vector<std::string> args;
        const char* input;
        const char* out;
        int status;
    };
    const Case cases[] = {
        {{"--digits", "12"}, "1+1\n\n   \n2*3\n", "2.0E+0\n6.0E+0\n", 0},
        {{"-"}, "1+1\r\n4/0\r\n", "2.0E+0\nDivision by zero: position 3\n", 1},
        {{"--eval", "5", "-"}, "?+1", "5.0E+0\n6.0E+0\n", 0},
        {{"--notation", "eng"},
         "\xEF\xBB\xBF"
         "12345\n",
         "12.345E+3\n",
         0},
        {{"-"}, "", "", 0},
    };
    for (const Case& c : cases) {
        const CliRun r = run(c.args, c.input);
        EXPECT_EQ(r.out, c.out) << c.input;
        EXPECT_EQ(r.status, c.status) << c.input;
    }
    // With --eval alone, standard input is not read.
    EXPECT_EQ(run({"--eval", "1"}, "2\n").out, "1.0E+0\n");
}

TEST(CliRunner, UsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {"--notation", "foo", "--eval", "1"}, {"--base", "oct", "--eval", "1"},
        {"--angle", "grad", "--eval", "1"},   {"--digits", "300", "--eval", "1"},
        {"--digits", "-1", "--eval", "1"},    {"--digits", "12x", "--eval", "1"},
        {"--var", "Q=1", "--eval", "1"},      {"--var", "X", "--eval", "1"},
        {"--var", "X=", "--eval", "1"},       {"--eval"},
        {"--bogus", "--eval", "1"},           {"--home", "/nonexistent/brelt-home", "--eval", "1"},
    };
    for (const auto& args : cases) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_TRUE(r.out.empty()) << args[0];
        EXPECT_EQ(r.err.rfind("brelt: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find("Usage: brelt"), std::string::npos);
    }
}

TEST(CliRunner, HelpGoesToStandardOutput) {
    const CliRun r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("--eval FORMULA"), std::string::npos);
    EXPECT_TRUE(r.err.empty());
}

TEST(CliRunner, FailingVariableFormulaStopsBeforeTheFormulas) {
    const CliRun r = run({"--var", "X=1/0", "--eval", "X"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(r.err, "brelt: --var X=1/0: Division by zero: position 3\n");
}

TEST(CliRunner, VariableValueNeedNotBeShowable) {
    // A large value is a fine variable even in sexagesimal notation; only results are shown.
    const CliRun r = run({"--notation", "sxg", "--var", "X=1E10", "--eval", "X/1E10"});
    EXPECT_EQ(r.out, "1:0:0\n");
    EXPECT_EQ(r.status, 0);
}

TEST(CliRunner, InterruptStopsTheRemainingFormulas) {
    brelt::app::requestInterrupt();
    const CliRun r = run({"--eval", "1", "--eval", "2"});
    brelt::app::clearInterrupt();
    EXPECT_EQ(r.out, "1.0E+0\n");
    EXPECT_EQ(r.status, 1);
}

TEST(CliRunner, InterruptEndsARunawayLoopWithUserBreak) {
    // With a zero step the loop only ends by a break; the pending Ctrl+C is confirmed at once.
    brelt::app::requestInterrupt();
    const CliRun r = run({"--var", "J=1", "--var", "K=2", "--var", "M=0", "--eval",
                          "for J to K step M do(?+1)", "--eval", "5"});
    brelt::app::clearInterrupt();
    EXPECT_EQ(r.out, "User break: position 25\n");
    EXPECT_EQ(r.status, 1);
}

TEST(CliRunner, HomeFolderFromOptionThenEnvironmentThenProgram) {
    EXPECT_EQ(run({"--home", "/tmp", "--eval", "1"}).status, 0);
    const char* saved = std::getenv("BRELT_HOME");
    const std::string previous = saved ? saved : "";
    ::setenv("BRELT_HOME", "/tmp/brelt-env-home", 1);
    EXPECT_EQ(brelt::app::resolveHome("/srv/brelt"), "/srv/brelt");
    EXPECT_EQ(brelt::app::resolveHome(""), "/tmp/brelt-env-home");
    EXPECT_EQ(run({"--eval", "1"}).status, 2) << "a home that does not exist is refused";
    ::unsetenv("BRELT_HOME");
    EXPECT_FALSE(brelt::app::resolveHome("").empty());
    EXPECT_EQ(run({"--eval", "1"}).status, 0);
    if (saved) ::setenv("BRELT_HOME", previous.c_str(), 1);
}

TEST(CliOptions, WhichArgumentsSelectTheCommandLine) {
    struct Case {
        std::vector<std::string> args;
        bool cli;
    };
    const Case cases[] = {
        {{}, false},
        {{"--home", "/tmp"}, false},
        {{"--home=/tmp"}, false},
        {{"-platform", "offscreen"}, false},
        {{"--eval", "1"}, true},
        {{"--eval=1"}, true},
        {{"--notation", "fix"}, true},
        {{"--digits=3"}, true},
        {{"--base", "hex"}, true},
        {{"--angle", "rad"}, true},
        {{"--var", "X=1"}, true},
        {{"-"}, true},
        {{"--help"}, true},
        {{"--plot", "sin(X)"}, true},
        {{"--plot-size=10"}, true},
        // Any other argument that begins with "-" is the command line's (a usage error there); the
        // window keeps its own options and the toolkit's.
        {{"-x"}, true},
        {{"-platform", "offscreen", "-q"}, true},
        {{"--startup-time"}, false},
        {{"-session", "1234", "-style=fusion", "-reverse"}, false},
        {{"--home", "-odd-folder-name"}, false},
        {{"notes.txt"}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(brelt::app::selectsCommandLine(c.args), c.cli) << (c.args.empty() ? "" : c.args[0]);
}

TEST(CliOptions, StandardInputHoldsFormulasWhenItIsAPipeOrAFile) {
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    EXPECT_TRUE(brelt::app::standardInputHoldsFormulas(pipeEnds[0]));
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    const int file = ::open(BRELT_TEST_DATA "/CMakeLists.txt", O_RDONLY);
    EXPECT_TRUE(brelt::app::standardInputHoldsFormulas(file));
    ::close(file);
    const int null = ::open("/dev/null", O_RDONLY);
    EXPECT_FALSE(brelt::app::standardInputHoldsFormulas(null)) << "the null device is an interactive start";
    ::close(null);
    EXPECT_FALSE(brelt::app::standardInputHoldsFormulas(-1));
}

namespace {

// A stream buffer whose every write, or every read, fails: a full disk or a reader gone away.
class FailingBuffer : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
    int_type underflow() override { throw std::ios_base::failure("read error"); }
};

} // namespace

TEST(CliRunner, FailedWritesAndReadsAreFailures) {
    FailingBuffer failing;
    std::ostream brokenOut(&failing);
    std::ostringstream err;
    std::istringstream noInput;
    EXPECT_EQ(runCli({"--eval", "1+1"}, noInput, brokenOut, err), 1);
    EXPECT_EQ(err.str().rfind("brelt: writing the results failed", 0), 0u) << err.str();

    std::istream brokenIn(&failing);
    std::ostringstream out, err2;
    EXPECT_EQ(runCli({}, brokenIn, out, err2), 1);
    EXPECT_EQ(err2.str(), "brelt: reading standard input failed\n");
}

TEST(CliRunner, PrecisionIsIntegralsAndOnlyIntegrals) {
    const std::string coarse =
        run({"--precision", "2", "--digits", "25", "--eval", "integral(0,1,sqrt(X))"}).out;
    const std::string fine = run({"--digits", "25", "--eval", "integral(0,1,sqrt(X))"}).out;
    EXPECT_NE(coarse, fine);
    EXPECT_EQ(run({"--precision", "2", "--digits", "25", "--eval", "Jn(2.5,3)"}).out,
              run({"--digits", "25", "--eval", "Jn(2.5,3)"}).out);
    for (const char* bad : {"0", "21", "x", "9.5"}) {
        const CliRun r = run({"--precision", bad, "--eval", "1"});
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_NE(r.err.find("--precision takes a whole number from 1 to 20"), std::string::npos) << bad;
    }
}

TEST(CliOptions, DigitsRaisedToTheNotationsLeastWidth) {
    struct Case {
        std::vector<std::string> args;
        int digits;
    };
    const Case cases[] = {
        {{"--digits", "3"}, 8},
        {{"--notation", "fix", "--digits", "3"}, 3},
        {{"--digits", "5", "--notation", "eng"}, 11},
        {{"--notation", "sxg", "--digits", "0"}, 0},
        {{"--digits", "255"}, 255},
        {{}, 12},
    };
    for (const Case& c : cases)
        EXPECT_EQ(brelt::app::parseCliOptions(c.args).options.digits, c.digits);
}
