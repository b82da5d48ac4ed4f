// The command line loads the home folder's user functions and user variables, as the window does.
#include "app/cli/cli_runner.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun run(const std::vector<std::string>& args) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = brelt::app::runCli(args, in, out, err);
    return {status, out.str(), err.str()};
}

void write(const QString& path, const std::string& text) {
    std::ofstream file(path.toStdString(), std::ios::binary);
    file << text;
}

} // namespace

TEST(CliHomeFiles, UserFunctionsAndVariablesOfTheHomeAreKnown) {
    QTemporaryDir home;
    write(home.filePath("Brelt.FNC"), "hyp(a,b)=sqrt(a^2+b^2) ;hypotenuse\r\nf(x)=x^2+1\r\n");
    write(home.filePath("Brelt.USR"), "rate = 2.5\r\n");
    const CliRun result = run(
        {"--home", home.path().toStdString(), "--eval", "f(3)", "--eval", "hyp(3,4)", "--eval", "rate*2"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "1.0E+1\n5.0E+0\n5.0E+0\n");
}

TEST(CliHomeFiles, WithoutFilesOnlyBuiltInsAreKnown) {
    QTemporaryDir home;
    const CliRun result = run({"--home", home.path().toStdString(), "--eval", "f(3)"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "Syntax error: position 1\n");
}

TEST(CliHomeFiles, AVariablesLineThatIsNoNumberIsSkippedAndReported) {
    QTemporaryDir home;
    write(home.filePath("Brelt.USR"), "good = 4\r\nbad = FF\r\n");
    const CliRun result = run({"--home", home.path().toStdString(), "--eval", "good"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "4.0E+0\n");
    EXPECT_NE(result.err.find("bad = FF"), std::string::npos) << result.err;
}

TEST(CliHomeFiles, NamesTheCalculatorReadsAsItsOwnAreRefusedWithTheClashNamed) {
    QTemporaryDir home;
    write(home.filePath("Brelt.FNC"), "k(x,y)=x*y\r\n");
    write(home.filePath("Brelt.USR"), "pi = 3\r\nrate = 2\r\n");
    const CliRun result = run({"--home", home.path().toStdString(), "--eval", "rate", "--eval", "pi"});
    EXPECT_EQ(result.out, "2.0E+0\n3.1415927E+0\n");
    EXPECT_NE(result.err.find("brelt: The name k belongs to the calculator (the variable K): k(x,y)=x*y\n"),
              std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("skipped: the name pi belongs to the calculator (the constant pi)"),
              std::string::npos)
        << result.err;
}
