// The User Funcs tab: the name filter, click to edit, replace by name moving to the top, the
// invalid warning, delete by index, loading that stops at a refused line without losing the rest,
// Save and Save As, and the shipped example file.
#include "engine/engine.h"
#include "engine/user_functions.h"
#include "support/fake_ui_services.h"
#include "workspace/profile_file.h"
#include "workspace/user_funcs_page.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace brelt;
using namespace brelt::workspace;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Tab {
    explicit Tab(const QString& home)
        : page(functions, home + QStringLiteral("/Brelt.FNC"), home + QStringLiteral("/Brelt.INI")) {
        engine::ConnectUserFunctions(engine, functions);
    }
    QLineEdit* edit(const char* name) { return page.findChild<QLineEdit*>(QLatin1String(name)); }
    QListWidget* list() { return page.findChild<QListWidget*>(QStringLiteral("lbFuncs")); }
    void press(const char* name) { page.findChild<QPushButton*>(QLatin1String(name))->click(); }
    QStringList lines() {
        QStringList result;
        for (int i = 0; i < list()->count(); ++i)
            result << list()->item(i)->text();
        return result;
    }
    void add(const QString& name, const QString& body) {
        edit("edFuncName")->setText(name);
        edit("edFuncExpres")->setText(body);
        press("bbAddFunc");
    }
    engine::Engine engine;
    engine::TUserFunctions functions;
    UserFuncsPage page;
};

} // namespace

TEST(UserFuncsPage, NameTakesLettersParenthesesAndCommas) {
    struct Case {
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {{"f(x,y)=", "f(x,y)"}, {"g(a b)", "g(ab)"}, {"h2(x)", "h(x)"}, {";c", "c"}};
    for (const Case& c : cases) {
        QTemporaryDir home;
        Tab tab(home.path());
        QTest::keyClicks(tab.edit("edFuncName"), QLatin1String(c.typed));
        EXPECT_EQ(tab.edit("edFuncName")->text(), QLatin1String(c.kept)) << c.typed;
    }
}

TEST(UserFuncsPage, AddReplacesByNameAndMovesToTheTop) {
    QTemporaryDir home;
    brelt::testing::FakeUiServices ui;
    Tab tab(home.path());
    tab.add(QStringLiteral("f(x)"), QStringLiteral("x^2 ;square"));
    tab.add(QStringLiteral("g(a,b)"), QStringLiteral("a+b"));
    EXPECT_EQ(tab.lines(),
              (QStringList{QStringLiteral("g(a,b) = a+b"), QStringLiteral("f(x) = x^2;square")}));
    EXPECT_EQ(tab.engine.Evaluate("f(3)"), 9.0L);
    tab.add(QStringLiteral("f(x)"), QStringLiteral("x*10"));
    EXPECT_EQ(tab.lines(), (QStringList{QStringLiteral("f(x) = x*10"), QStringLiteral("g(a,b) = a+b")}));
    EXPECT_EQ(tab.functions.Count(), 2);
    EXPECT_EQ(tab.engine.Evaluate("f(3)"), 30.0L);
    // Names are compared exactly: F( is another function.
    tab.add(QStringLiteral("F(x)"), QStringLiteral("x"));
    EXPECT_EQ(tab.functions.Count(), 3);
    EXPECT_TRUE(ui.boxes.empty());

    // Clicking a line takes it apart into the two fields.
    tab.list()->setCurrentRow(1);
    emit tab.list()->itemClicked(tab.list()->item(1));
    EXPECT_EQ(tab.edit("edFuncName")->text(), QStringLiteral("f(x)"));
    EXPECT_EQ(tab.edit("edFuncExpres")->text(), QStringLiteral("x*10"));
}

TEST(UserFuncsPage, InvalidDefinitionsWarnAndChangeNothing) {
    QTemporaryDir home;
    brelt::testing::FakeUiServices ui;
    Tab tab(home.path());
    tab.add(QStringLiteral("f(x)"), QStringLiteral("x"));
    tab.add(QStringLiteral("f(x)"), QString());
    tab.add(QStringLiteral("h(x,x)"), QStringLiteral("x"));
    tab.add(QStringLiteral("h()"), QStringLiteral("1"));
    EXPECT_EQ(ui.texts(), (QStringList{QStringLiteral("Invalid user function f(x) = "),
                                       QStringLiteral("Invalid user function h(x,x) = x"),
                                       QStringLiteral("Invalid user function h() = 1")}));
    EXPECT_EQ(tab.lines(), QStringList{QStringLiteral("f(x) = x")});
}

TEST(UserFuncsPage, DeleteRemovesTheFunctionAtTheSelectedLine) {
    QTemporaryDir home;
    brelt::testing::FakeUiServices ui;
    Tab tab(home.path());
    const QString path = home.filePath(QStringLiteral("three.FNC"));
    writeFile(path, "a(x)=x+1\r\n\r\n;a comment\r\nb(x)=x+2\r\nc(x)=x+3\r\n");
    ui.fileNames.push_back(path);
    tab.press("BitBtn8");
    EXPECT_EQ(ui.fileRequests.at(0).title, QStringLiteral("Load functions from File"));
    EXPECT_EQ(ui.fileRequests.at(0).filters, QStringLiteral("User functions files (*.FNC)"));
    // The empty line is not shown, so line k is function k.
    ASSERT_EQ(tab.lines(), (QStringList{QStringLiteral("a(x) = x+1"), QStringLiteral(";a comment"),
                                        QStringLiteral("b(x) = x+2"), QStringLiteral("c(x) = x+3")}));
    tab.list()->setCurrentRow(2);
    tab.press("bbDeleteFunc");
    EXPECT_EQ(tab.lines(), (QStringList{QStringLiteral("a(x) = x+1"), QStringLiteral(";a comment"),
                                        QStringLiteral("c(x) = x+3")}));
    EXPECT_EQ(tab.functions.Count(), 3);
    EXPECT_EQ(tab.functions.Find("b("), -1);
    EXPECT_EQ(tab.engine.Evaluate("c(1)"), 4.0L);
}

TEST(UserFuncsPage, LoadingStopsAtARefusedLineAndLosesNothing) {
    QTemporaryDir home;
    brelt::testing::FakeUiServices ui;
    Tab tab(home.path());
    const QString path = home.filePath(QStringLiteral("Brelt.FNC"));
    writeFile(path, "a(x)=x+1\r\nbad(x)=1\r\nc(x)=x+3\r\n");
    ASSERT_TRUE(tab.page.loadFile(path));
    EXPECT_EQ(tab.functions.Count(), 1);
    EXPECT_EQ(tab.page.list().stoppedAtLine(), 2);
    ASSERT_EQ(tab.lines(),
              (QStringList{QStringLiteral("a(x) = x+1"),
                           QStringLiteral("; loading stopped at line 2; the lines below are not loaded"),
                           QStringLiteral("bad(x)=1"), QStringLiteral("c(x)=x+3")}));
    // The lines that were not loaded cannot be selected, so a delete never reaches past the functions.
    EXPECT_EQ(tab.list()->item(2)->flags(), Qt::NoItemFlags);
    tab.list()->setCurrentRow(3);
    tab.press("bbDeleteFunc");
    EXPECT_EQ(tab.functions.Count(), 1);
    // Saving writes the functions and the lines not loaded, and no notice.
    tab.add(QStringLiteral("d(y)"), QStringLiteral("y*2"));
    tab.press("BitBtn7");
    EXPECT_EQ(readFile(path), QByteArray("d(y) = y*2\r\na(x) = x+1\r\nbad(x)=1\r\nc(x)=x+3\r\n"));
}

TEST(UserFuncsPage, SaveAsRemembersTheFileAndFailuresAreReported) {
    QTemporaryDir home;
    brelt::testing::FakeUiServices ui;
    Tab tab(home.path());
    tab.add(QStringLiteral("f(x)"), QStringLiteral("x"));
    const QString other = home.filePath(QStringLiteral("mine.FNC"));
    ui.fileNames.push_back(other);
    tab.press("BitBtn5");
    EXPECT_EQ(ui.fileRequests.at(0).title, QStringLiteral("Save functions to File"));
    EXPECT_EQ(ui.fileRequests.at(0).defaultSuffix, QStringLiteral("FNC"));
    EXPECT_EQ(readFile(other), QByteArray("f(x) = x\r\n"));
    ProfileFile ini(home.filePath(QStringLiteral("Brelt.INI")));
    ASSERT_TRUE(ini.load());
    EXPECT_EQ(ini.readString(QStringLiteral("Files"), QStringLiteral("Functions")), other);
    const QString bad = home.filePath(QStringLiteral("none/x.FNC"));
    ui.fileNames.push_back(bad);
    tab.press("BitBtn5");
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Can't create file ") + bad});
    // A file that is not there changes nothing.
    EXPECT_FALSE(tab.page.loadFile(home.filePath(QStringLiteral("absent.FNC"))));
    EXPECT_EQ(tab.lines(), QStringList{QStringLiteral("f(x) = x")});
}

TEST(UserFuncsPage, ShippedExampleLoadsCompletely) {
    QTemporaryDir home;
    brelt::testing::FakeUiServices ui;
    Tab tab(home.path());
    const QString source = QStringLiteral(BRELT_SOURCE_DIR);
    ASSERT_TRUE(tab.page.loadFile(source + QStringLiteral("/data/Brelt.FNC")));
    EXPECT_EQ(tab.page.list().stoppedAtLine(), 0);
    EXPECT_TRUE(ui.boxes.empty());
    struct Case {
        const char* formula;
        long double value;
    };
    const Case cases[] = {
        {"hyp(3,4)", 5.0L}, {"par(1+1,2)", 1.0L}, {"par(10,40)", 8.0L}, {"deg(pi)", 180.0L}};
    for (const Case& c : cases) {
        EXPECT_NEAR(static_cast<double>(tab.engine.Evaluate(c.formula)), static_cast<double>(c.value), 1e-15)
            << c.formula;
        EXPECT_FALSE(tab.engine.ErrorFlag) << c.formula;
    }
    const long double peak = tab.engine.Evaluate("normal(0,0,1)");
    EXPECT_NEAR(static_cast<double>(peak), 0.3989422804014327, 1e-15);
}
