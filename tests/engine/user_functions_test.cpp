// Declarations of user functions: parsing, preparation with placeholders, refusals with their
// exact messages, and loading a functions file.
#include "engine/engine.h"
#include "engine/user_functions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace brelt::engine;

namespace {

struct DeclarationCase {
    const char* line;
    bool valid;
    const char* name;
    const char* parameters;
    const char* body;
    const char* comment;
    const char* prepared; // placeholders written as \1, \2, ...
};

TEST(UserFunc, ParsesDeclarations) {
    const DeclarationCase cases[] = {
        {"f(x)=x^2;square", true, "f(", "x", "x^2", ";square", "\1^2"},
        {"f (x) = x ^ 2 ; the square", true, "f(", "x", "x^2", "; the square", "\1^2"},
        {"g(a,ab)=a+ab", true, "g(", "a,ab", "a+ab", "", "\1+\2"},
        {"dist(x,y)=sqrt(x^2+y^2)", true, "dist(", "x,y", "sqrt(x^2+y^2)", "", "sqrt(\1^2+\2^2)"},
        {"e2(x)=exp(x)*x", true, "e2(", "x", "exp(x)*x", "", "exp(\1)*\1"}, // "x" in "exp" stays
        {"h(r)=2*r2+r", true, "h(", "r", "2*r2+r", "", "2*r2+\1"},          // "r2" is another word
        {"p(x,y)=y*x", true, "p(", "x,y", "y*x", "", "\2*\1"},
        {";just a comment", true, "", "", "", ";just a comment", ""},
        {"h()=1", false, "h(", "", "1", "", ""},
        {"h(x)=", false, "h(", "", "", "", ""},
        {"h(x)", false, "h(", "", "", "", ""},
        {"hx=1", false, "", "", "", "", ""},
        {"h(x,x)=x", false, "h(", "x,x", "x", "", "x"},
        {"h(x,y)=x", false, "h(", "x,y", "x", "", "\1"},
    };
    for (const auto& c : cases) {
        const TUserFunc f(c.line);
        EXPECT_EQ(f.Valid(), c.valid) << c.line;
        EXPECT_EQ(f.Name(), c.name) << c.line;
        EXPECT_EQ(f.ParameterText(), c.parameters) << c.line;
        EXPECT_EQ(f.Body(), c.body) << c.line;
        EXPECT_EQ(f.Comment(), c.comment) << c.line;
        if (c.valid && !f.IsComment()) {
            EXPECT_EQ(f.PreparedBody(), c.prepared) << c.line;
        }
    }
}

TEST(UserFunc, SortsNamesByDecreasingLengthAndFlagsProblems) {
    const TUserFunc g("g(a,abc,ab)=a+ab+abc");
    EXPECT_EQ(g.NamesByLength(), (std::vector<std::string>{"abc", "ab", "a"}));
    EXPECT_EQ(g.NamesInOrder(), (std::vector<std::string>{"a", "abc", "ab"}));
    EXPECT_EQ(g.ParameterCount(), 3);
    EXPECT_EQ(g.Substitute({"1", "(2)", "X"}), "1+X+(2)");

    EXPECT_TRUE(TUserFunc("h(x,x)=x").DuplicateParameter());
    EXPECT_TRUE(TUserFunc("h(x,y)=x").ParameterMissing());
    // A name inside a longer parameter is gone once the longer one is replaced.
    EXPECT_TRUE(TUserFunc("k(x,xx)=xx").ParameterMissing());
}

TEST(UserFunc, SubstitutesArgumentTextsVerbatimInOnePass) {
    const TUserFunc f("f(x)=x*x");
    EXPECT_EQ(f.Substitute({"1+2"}), "1+2*1+2");
    EXPECT_EQ(f.Substitute({"(1+2)"}), "(1+2)*(1+2)");
    // An argument holding a placeholder byte is not substituted again.
    const TUserFunc p("p(a,b)=a-b");
    EXPECT_EQ(p.Substitute({std::string("\2"), "7"}), std::string("\2-7"));
}

TEST(UserFunc, RefusesMoreParametersThanPlaceholders) {
    std::string params, body;
    for (int i = 0; i < 32; ++i) {
        const std::string name{'p', static_cast<char>('a' + i / 26), static_cast<char>('a' + i % 26)};
        if (i > 0) {
            params.push_back(',');
            body.push_back('+');
        }
        params.append(name);
        body.append(name);
    }
    EXPECT_FALSE(TUserFunc("big(" + params + ")=" + body).Valid());
}

class UserFunctionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        functions.setMessageSink([this](const std::string& text) { messages.push_back(text); });
        // A folder of its own: ctest runs the cases of this suite in parallel processes.
        std::string pattern = (std::filesystem::temp_directory_path() / "brelt_fnc_XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        directory = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(directory); }

    std::string write(const std::string& name, const std::string& content) {
        const auto path = directory / name;
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }

    TUserFunctions functions;
    std::vector<std::string> messages;
    std::filesystem::path directory;
};

TEST_F(UserFunctionsTest, AddFunctionShowsTheThreeRefusals) {
    struct Case {
        const char* line;
        bool accepted;
        const char* message;
    };
    const Case cases[] = {
        {"f(x)=x^2;square", true, nullptr},
        {"h(x,x)=x", false, "Dublicate parametrs (x,x)"},
        {"h(x,y)=x", false, "Parametr missing h(x,y)=x"},
        {"h()=1", false, "Invalid functions h()=1"},
        {"h(x)=", false, "Invalid functions h(x)="},
        // Names the calculator reads as its own could be declared but never called.
        {"k(x,y)=x+y", false, "The name k belongs to the calculator (the variable K): k(x,y)=x+y"},
        {"X(a)=a", false, "The name X belongs to the calculator (the variable X): X(a)=a"},
        {"sin(x)=x", false, "The name sin belongs to the calculator (the function sin): sin(x)=x"},
        {"pi(x)=x", false, "The name pi belongs to the calculator (the constant pi): pi(x)=x"},
        {"e(x)=x", false, "The name e belongs to the calculator (the constant e): e(x)=x"},
        {"ft_m(x)=x", false, "The name ft_m belongs to the calculator (the unit conversion ft_m): ft_m(x)=x"},
        {"forJtoKstepMdo(x)=x", false,
         "The name forJtoKstepMdo belongs to the calculator (the loop for J to K step M do): "
         "forJtoKstepMdo(x)=x"},
        {"2f(x)=x", false,
         "Invalid function name in 2f(x)=x: a name begins with a letter and holds no operators"},
        {"f+g(x)=x", false,
         "Invalid function name in f+g(x)=x: a name begins with a letter and holds no operators"},
        {"g(a-b)=a", false,
         "Invalid parameter names in g(a-b)=a: a parameter name is letters, digits and _, beginning with a "
         "letter"},
        // A control byte in a body would be taken for a placeholder.
        {"q(x)=x+\x01", false, "Characters the calculator cannot read in q(x)=x+?"},
        {"sinc(x)=sin(x)/x", true, nullptr},
        {"k1(x)=x", true, nullptr},
    };
    for (const auto& c : cases) {
        messages.clear();
        EXPECT_EQ(functions.AddFunction(c.line), c.accepted) << c.line;
        if (c.message) {
            ASSERT_EQ(messages.size(), 1u) << c.line;
            EXPECT_EQ(messages[0], c.message);
        } else {
            EXPECT_TRUE(messages.empty()) << c.line;
        }
    }
    EXPECT_EQ(functions.Count(), 3);
}

TEST_F(UserFunctionsTest, RefusesParametersOutsideTheLanguageNamingTheLine) {
    // "α" and "β" cannot be engine characters: both would read as the same rejected byte.
    EXPECT_TRUE(functions.LoadFromFile(write("greek.FNC", "g(\xCE\xB1,\xCE\xB2)=\xCE\xB1-\xCE\xB2\n")));
    EXPECT_EQ(functions.Count(), 0);
    EXPECT_EQ(messages, std::vector<std::string>{
                            "Invalid parameter names in g(\xCE\xB1,\xCE\xB2)=\xCE\xB1-\xCE\xB2: a parameter "
                            "name is letters, digits and _, beginning with a letter"});
}

TEST_F(UserFunctionsTest, SkipsAByteOrderMarkAndKeepsMessagesShort) {
    EXPECT_TRUE(functions.LoadFromFile(write("bom.FNC", "\xEF\xBB\xBFtwice(x)=2*x\r\nhalf(x)=x/2\r\n")));
    EXPECT_EQ(functions.Count(), 2);
    EXPECT_EQ(functions.Find("twice("), 0);
    EXPECT_EQ(functions.Lines()[0], "twice(x)=2*x");

    std::string hostile = "bad(x)=";
    hostile.append(2'000'000, 'y');
    EXPECT_TRUE(functions.LoadFromFile(write("long.FNC", hostile)));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Parametr missing bad(x)=" + std::string(93, 'y') + "...");
}

TEST_F(UserFunctionsTest, LoadsAFileUpToTheFirstRefusedLine) {
    const std::string path = write(
        "Brelt.FNC", "; my functions\r\nf(x)=x^2;square\r\n\r\ng(a,ab)=a+ab\r\nbad(x,x)=x\r\nlast(x)=x\r\n");
    EXPECT_TRUE(functions.LoadFromFile(path));
    EXPECT_EQ(functions.FileName(), path);
    EXPECT_EQ(functions.Lines().size(), 6u);
    EXPECT_EQ(functions.Lines()[1], "f(x)=x^2;square");
    ASSERT_EQ(functions.Count(), 3); // the comment line, f and g
    EXPECT_TRUE(functions.Items(0).IsComment());
    EXPECT_EQ(functions.Find("g("), 2);
    EXPECT_EQ(functions.Find("last("), -1);
    EXPECT_EQ(messages, std::vector<std::string>{"Dublicate parametrs (x,x)"});

    // Loading again replaces the whole collection.
    EXPECT_TRUE(functions.LoadFromFile(write("other.FNC", "inc(t)=t+1\n")));
    EXPECT_EQ(functions.Count(), 1);
    EXPECT_EQ(functions.Find("f("), -1);
}

TEST_F(UserFunctionsTest, ReadsUtf8AndLatin1FilesAsEngineText) {
    EXPECT_TRUE(functions.LoadFromFile(write("utf8.FNC", "sq(x)=x\xC2\xB2;squared \xE2\x80\x94 UTF-8\n")));
    ASSERT_EQ(functions.Count(), 1);
    EXPECT_EQ(functions.Items(0).Body(), "x\xB2"); // one byte 178, as the engine reads it
    EXPECT_TRUE(functions.LoadFromFile(write("latin1.FNC", "cu(x)=x\xB3\n")));
    ASSERT_EQ(functions.Count(), 1);
    EXPECT_EQ(functions.Items(0).Body(), "x\xB3");
}

TEST_F(UserFunctionsTest, MissingFileDoesNothingAndUnreadableOneIsReported) {
    functions.AddFunction("f(x)=x");
    EXPECT_FALSE(functions.LoadFromFile((directory / "none.FNC").string()));
    EXPECT_EQ(functions.Count(), 1);
    EXPECT_TRUE(messages.empty());

    const std::string folder = (directory / "folder.FNC").string();
    std::filesystem::create_directories(folder);
    EXPECT_FALSE(functions.LoadFromFile(folder));
    EXPECT_EQ(functions.Count(), 0);
    EXPECT_EQ(messages, std::vector<std::string>{"Cannot load " + folder + "!"});
}

TEST_F(UserFunctionsTest, EmptyNameAsksTheChooser) {
    const std::string path = write("chosen.FNC", "f(x)=x\n");
    functions.setFileChooser([] { return std::string(); });
    EXPECT_FALSE(functions.LoadFromFile(""));
    functions.setFileChooser([path] { return path; });
    EXPECT_TRUE(functions.LoadFromFile(""));
    EXPECT_EQ(functions.Count(), 1);
}

TEST_F(UserFunctionsTest, FindComparesTheNameReadersTwentyOneCharacters) {
    functions.AddFunction("averyveryverylongname1(x)=x");
    EXPECT_EQ(functions.Find("averyveryverylongname"), 0); // 21 characters, "(" cut off
    EXPECT_EQ(functions.Find("averyveryverylongname1("), -1);
}

TEST_F(UserFunctionsTest, ValueStackIsLastInFirstOut) {
    functions.Push(1);
    functions.Push(2);
    EXPECT_EQ(functions.Pop(), 2);
    EXPECT_EQ(functions.Pop(), 1);
    EXPECT_EQ(functions.Pop(), 0); // empty: no undefined read
}

// Calls through the evaluator: argument texts substituted verbatim, errors 26 and 27.
class UserFunctionCallTest : public ::testing::Test {
protected:
    UserFunctionCallTest() {
        ConnectUserFunctions(engine, functions);
        for (const char* line :
             {"f(x)=x*x;square", "g(a,ab)=a+ab", "h(x,y)=x+y", "d(x)=x/0", "r(x)=r(x)+1", "p(x)=q(x)",
              "q(x)=p(x)", "s(x)=sin(x)", "t(x)=h(x,1)*2", "mq(x)=min(0,1,(X-x)^2)", "bad(x)=x)"}) {
            EXPECT_TRUE(functions.AddFunction(line)) << line;
        }
    }
    TUserFunctions functions;
    Engine engine;
};

TEST_F(UserFunctionCallTest, SubstitutesArgumentTextsVerbatim) {
    struct Case {
        const char* formula;
        long double expected;
    };
    const Case cases[] = {
        {"f(3)", 9},
        {"f(1+2)", 5},   // 1+2*1+2
        {"f((1+2))", 9}, // (1+2)*(1+2)
        {"g(1,2)", 3},
        {"h(sin(1),2)", 2.841470984807896506652502321630L}, // the "," inside sin(...) is not a separator
        {"2*f(2)+1", 9},
        {"f(f(2))", 16},
        {"t(3)", 8},
        {"-f(2)", -4},
        {"f(2)^2", 16},
        {"sqrt(f(3))", 3},
    };
    for (const auto& c : cases) {
        const Real value = engine.Evaluate(c.formula);
        ASSERT_FALSE(engine.ErrorFlag) << c.formula << ": " << engine.MessageText(engine.ErrorCode);
        EXPECT_NEAR(value, c.expected, 1e-18L) << c.formula;
    }
}

TEST_F(UserFunctionCallTest, ReportsErrorsWithTheComposedMessage) {
    struct Case {
        const char* formula;
        int code;
        const char* message;
        int position;
    };
    const Case cases[] = {
        {"f(", 26, "Missing argument", 2},
        {"h(1", 26, "Missing argument", 3},
        {"h(1)", 26, "Missing argument", 4},
        {"h(,2)", 26, "Missing argument", 3},
        {"f(1,2)", 0, "Syntax error", 4}, // more arguments than parameters
        {"d(1)", 27, "User Function Error \"Division by zero position: 2\" ", 4},
        {"bad(1)", 27, "User Function Error \"Too many \")\" position: 1\" ", 5},
        {"r(1)", 27, "User Function Error \"Stack overflow position: 2\" ", 5},
        {"p(1)", 27, "User Function Error \"Stack overflow position: 2\" ", 5},
    };
    for (const auto& c : cases) {
        engine.Evaluate(c.formula);
        ASSERT_TRUE(engine.ErrorFlag) << c.formula;
        EXPECT_EQ(engine.ErrorCode, c.code) << c.formula;
        EXPECT_EQ(engine.MessageText(engine.ErrorCode), c.message) << c.formula;
        EXPECT_EQ(engine.ErrorPosition, c.position) << c.formula;
        EXPECT_GE(engine.ErrorLength, 1) << c.formula;
    }
}

TEST_F(UserFunctionCallTest, RecursionEndsAndTheNextCallStartsAfresh) {
    engine.Evaluate("r(1)");
    ASSERT_TRUE(engine.ErrorFlag);
    EXPECT_EQ(functions.CallDepth(), 0);
    EXPECT_EQ(engine.Evaluate("f(4)"), 16);
    EXPECT_FALSE(engine.ErrorFlag);
}

TEST_F(UserFunctionCallTest, BodiesMayUseProceduresAndTheRunningVariable) {
    EXPECT_NEAR(engine.Evaluate("mq(0.25)"), 0, 1e-18L);
    EXPECT_FALSE(engine.ErrorFlag);
    EXPECT_NEAR(engine.Evaluate("integral(0,1,f(X))"), 1.0L / 3, 1e-12L);
}

TEST_F(UserFunctionCallTest, UnknownNamesStaySyntaxErrors) {
    engine.Evaluate("nothere(1)");
    ASSERT_TRUE(engine.ErrorFlag);
    EXPECT_EQ(engine.ErrorCode, 0);
}

} // namespace
