// User variables files: reading lines into records (order, codes, skipped lines), exact values on
// a round trip, atomic writing, and the add-or-modify and delete operations on the engine's list.
#include "engine/engine.h"
#include "engine/user_variable_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

using namespace brelt::engine;

namespace {

std::string temporaryFolder() {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("brelt-usr-" + std::to_string(::getpid()) + "-" +
                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string();
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(UserVariableFile, DecimalNumbers) {
    struct Case {
        const char* text;
        bool ok;
        Real value;
    };
    const Case cases[] = {
        {"12.5", true, 12.5L},   {" 1.2345E+4", true, 12345.0L},
        {"-3e-2", true, -0.03L}, {"+7", true, 7.0L},
        {".5", true, 0.5L},      {"6.02214076E23", true, 6.02214076e23L},
        {"FF", false, 0},        {"1:30:0", false, 0},
        {"1A", false, 0},        {"inf", false, 0},
        {"nan", false, 0},       {"", false, 0},
        {"1e99999", false, 0},   {"- 1", false, 0},
        {"1 2", false, 0},
    };
    for (const Case& c : cases) {
        Real value = -1;
        EXPECT_EQ(parseDecimal(c.text, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

TEST(UserVariableFile, LinesBecomeRecordsInFileOrderWithEngineCodes) {
    const UserVariableFileContents contents =
        parseUserVariableText("rate = 0.05\r\nmass = 12\r\nvolt = -230\r\n");
    ASSERT_EQ(contents.records.size(), 3u);
    EXPECT_TRUE(contents.skipped.empty());
    EXPECT_EQ(contents.records[0].name, "rate");
    EXPECT_EQ(contents.records[1].name, "mass");
    EXPECT_EQ(contents.records[2].name, "volt");
    EXPECT_EQ(contents.records[2].value, -230.0L);
    // Newest first, as the engine numbers them: with three records, entry k has code 1002 - k.
    Engine engine;
    engine.UserVariableList = contents.records;
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(contents.records[static_cast<size_t>(k)].code, 1002 - k);
        EXPECT_EQ(engine.userVariableByCode(1002 - k), &engine.UserVariableList[static_cast<size_t>(k)]);
    }
}

TEST(UserVariableFile, UnreadableValuesAreSkippedAndReportedOnce) {
    const UserVariableFileContents contents =
        parseUserVariableText("a = 1\nhex = FF\n\nb = 2\nno separator\nangle = 1:30:0\n = 4\n");
    ASSERT_EQ(contents.records.size(), 2u);
    EXPECT_EQ(contents.records[0].name, "a");
    EXPECT_EQ(contents.records[1].name, "b");
    ASSERT_EQ(contents.skipped.size(), 4u);
    EXPECT_EQ(contents.skipped[0].lineNumber, 2);
    EXPECT_EQ(contents.skipped[1].lineNumber, 5);
    EXPECT_EQ(contents.skipped[2].lineNumber, 6);
    EXPECT_EQ(contents.skipped[3].lineNumber, 7);
    EXPECT_EQ(skippedLinesMessage("/h/Brelt.USR", contents.skipped),
              "Lines 2, 5, 6, 7 of /h/Brelt.USR were skipped: they are not name = decimal number");
    EXPECT_EQ(skippedLinesMessage("/h/Brelt.USR", {{3, "x = FF"}}),
              "Line 3 of /h/Brelt.USR was skipped: \"x = FF\" is not a name = decimal number");
    EXPECT_EQ(skippedLinesMessage("/h/Brelt.USR", {}), "");
}

TEST(UserVariableFile, NamesTheCalculatorReadsAsItsOwnAreSkippedAndNamed) {
    const UserVariableFileContents contents =
        parseUserVariableText("k = 5\nsin = 2\npi = 3\nmy var = 1\n1a = 2\nrate = 4\n");
    ASSERT_EQ(contents.records.size(), 2u); // "sin" alone is no call of sin(
    EXPECT_EQ(contents.records[0].name, "sin");
    EXPECT_EQ(contents.records[1].name, "rate");
    ASSERT_EQ(contents.skipped.size(), 4u);
    EXPECT_EQ(contents.skipped[0].reservedAs, "the variable K");
    EXPECT_EQ(contents.skipped[1].reservedAs, "the constant pi");
    EXPECT_EQ(contents.skipped[2].reservedAs, ""); // no name the calculator reads
    EXPECT_EQ(skippedLinesMessage("/h/Brelt.USR", contents.skipped),
              "Lines 4, 5 of /h/Brelt.USR were skipped: they are not name = decimal number\n"
              "Lines 1, 3 of /h/Brelt.USR were skipped: the calculator reads k, pi as its own");
    EXPECT_EQ(skippedLinesMessage("/h/Brelt.USR", {contents.skipped[0]}),
              "Line 1 of /h/Brelt.USR was skipped: the name k belongs to the calculator (the variable K)");
}

TEST(UserVariableFile, HostileFilesGiveShortMessagesAndAByteOrderMarkIsSkipped) {
    const UserVariableFileContents marked = parseUserVariableText("\xEF\xBB\xBFrate = 2\r\n");
    ASSERT_EQ(marked.records.size(), 1u);
    EXPECT_EQ(marked.records[0].name, "rate");

    const std::string longLine(2'000'000, 'a');
    const UserVariableFileContents one = parseUserVariableText(longLine + "\n");
    EXPECT_EQ(skippedLinesMessage("/h/Brelt.USR", one.skipped), "Line 1 of /h/Brelt.USR was skipped: \"" +
                                                                    std::string(60, 'a') +
                                                                    "...\" is not a name = decimal number");

    std::string many;
    for (int i = 0; i < 20'000; ++i)
        many += "bad line\n";
    const UserVariableFileContents lots = parseUserVariableText(many);
    EXPECT_EQ(skippedLinesMessage("/h/Brelt.USR", lots.skipped),
              "Lines 1, 2, 3, 4, 5 and 19995 more of /h/Brelt.USR were skipped: they are not name = decimal "
              "number");
}

TEST(UserVariableFile, NamesAreCutAndValueTextsLimited) {
    std::string name;
    Real value = 0;
    ASSERT_TRUE(parseUserVariableLine("abcdefghijklmnopqrstuvwxyz = 3", name, value));
    EXPECT_EQ(name, "abcdefghijklmnopqrst");
    // The value is read from the first " = " on: a second one belongs to the value and spoils it.
    EXPECT_FALSE(parseUserVariableLine("a = 1 = 2", name, value));
    // At most 255 characters of value text are read: the 256th is not looked at.
    std::string longLine = "a = ";
    longLine.append(255, '1');
    longLine.push_back('x');
    EXPECT_TRUE(parseUserVariableLine(longLine, name, value));
}

TEST(UserVariableFile, ValuesComeBackExactly) {
    const std::string folder = temporaryFolder();
    const std::string path = folder + "/Brelt.USR";
    const Real values[] = {0.1L,           1.0L / 3.0L, -2.718281828459045235360287471352662498L,
                           6.02214076e23L, 1e-4000L,    0.0L};
    std::vector<UserVariable> records;
    int n = 0;
    for (Real v : values)
        records.push_back({std::string(1, 'v').append(std::to_string(n++)), 0, v});
    ASSERT_TRUE(writeUserVariableFile(path, records));
    Engine engine;
    std::vector<SkippedLine> skipped;
    ASSERT_TRUE(loadUserVariables(engine, path, &skipped));
    EXPECT_TRUE(skipped.empty());
    ASSERT_EQ(engine.UserVariableList.size(), records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(engine.UserVariableList[i].name, records[i].name);
        EXPECT_EQ(engine.UserVariableList[i].value, records[i].value) << i;
    }
    EXPECT_EQ(readAll(path).substr(0, 11), "v0 = 0.1\r\nv");
    std::filesystem::remove_all(folder);
}

TEST(UserVariableFile, MissingFileLeavesTheListAlone) {
    Engine engine;
    engine.addUserVariableRecord("keep", 1);
    EXPECT_FALSE(loadUserVariables(engine, "/nonexistent/Brelt.USR"));
    const std::string folder = temporaryFolder();
    EXPECT_FALSE(loadUserVariables(engine, folder)); // a folder is no file
    ASSERT_EQ(engine.UserVariableList.size(), 1u);
    EXPECT_EQ(engine.UserVariableList[0].name, "keep");
    std::filesystem::remove_all(folder);
}

TEST(UserVariableFile, WritingIsAtomic) {
    const std::string folder = temporaryFolder();
    const std::string path = folder + "/Brelt.USR";
    ASSERT_TRUE(writeLinesAtomically(path, {"a = 1"}));
    // A target that cannot be replaced (a folder stands there) fails and leaves no temporary file.
    std::filesystem::create_directories(folder + "/dir");
    EXPECT_FALSE(writeLinesAtomically(folder + "/dir", {"b = 2"}));
    EXPECT_FALSE(writeLinesAtomically(folder + "/missing/Brelt.USR", {"b = 2"}));
    EXPECT_EQ(readAll(path), "a = 1\r\n");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++files;
    EXPECT_EQ(files, 2); // Brelt.USR and dir
    std::filesystem::remove_all(folder);
}

TEST(UserVariableFile, AddOrModifyKeepsPlaceAndCode) {
    Engine engine;
    EXPECT_EQ(addOrModifyUserVariable(engine, "rate", 1), 1000);
    EXPECT_EQ(addOrModifyUserVariable(engine, "mass", 2), 1001);
    EXPECT_EQ(addOrModifyUserVariable(engine, "rate", 3), 1000); // modified in place
    ASSERT_EQ(engine.UserVariableList.size(), 2u);
    EXPECT_EQ(engine.UserVariableList[0].name, "mass");
    EXPECT_EQ(engine.UserVariableList[1].name, "rate");
    EXPECT_EQ(engine.UserVariableList[1].value, 3.0L);
    // A long name is cut to 20 characters and then found under the cut name.
    const int code = addOrModifyUserVariable(engine, std::string(25, 'q'), 4);
    EXPECT_EQ(addOrModifyUserVariable(engine, std::string(22, 'q'), 5), code);
    EXPECT_EQ(engine.UserVariableList[0].name, std::string(20, 'q'));
    EXPECT_TRUE(deleteUserVariable(engine, 1)); // "mass"
    EXPECT_FALSE(deleteUserVariable(engine, 5));
    EXPECT_FALSE(deleteUserVariable(engine, -1));
    ASSERT_EQ(engine.UserVariableList.size(), 2u);
    EXPECT_EQ(engine.UserVariableList[1].name, "rate");
    // The evaluator still finds what is left.
    EXPECT_EQ(engine.Evaluate("rate*2"), 6.0L);
    EXPECT_FALSE(engine.ErrorFlag);
}
