// The User Vars tab: letters-only names, Add/Modify in place, the list and the records aligned
// after loading and deleting, skipped lines reported once, the messages, and Save As remembered.
#include "engine/engine.h"
#include "support/fake_ui_services.h"
#include "workspace/profile_file.h"
#include "workspace/user_vars_page.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace brelt;
using namespace brelt::workspace;

namespace {

struct Tab {
    explicit Tab(const QString& home)
        : page(engine, home + QStringLiteral("/Brelt.USR"), home + QStringLiteral("/Brelt.INI"),
               [] { return 12; }) {}
    QLineEdit* edit(const char* name) { return page.findChild<QLineEdit*>(QLatin1String(name)); }
    QListWidget* list() { return page.findChild<QListWidget*>(QStringLiteral("lbVars")); }
    void press(const char* name) { page.findChild<QPushButton*>(QLatin1String(name))->click(); }
    QStringList lines() {
        QStringList result;
        for (int i = 0; i < list()->count(); ++i)
            result << list()->item(i)->text();
        return result;
    }
    void add(const QString& name, const QString& value) {
        edit("edName")->setText(name);
        edit("edValue")->setText(value);
        press("btAdd");
    }
    engine::Engine engine;
    UserVarsPage page;
};

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(UserVarsPage, NamesTakeLettersOnly) {
    struct Case {
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {{"a1", "a"}, {"rate", "rate"}, {"1a", "a"}, {"x_y", "xy"}, {"Mass2b", "Massb"}};
    for (const Case& c : cases) {
        QTemporaryDir home;
        Tab tab(home.path());
        QTest::keyClicks(tab.edit("edName"), QLatin1String(c.typed));
        EXPECT_EQ(tab.edit("edName")->text(), QLatin1String(c.kept)) << c.typed;
    }
    QString text = QStringLiteral("ab3cd");
    int cursor = 5;
    EXPECT_TRUE(keepLettersOnly(text, cursor));
    EXPECT_EQ(text, QStringLiteral("abcd"));
    EXPECT_EQ(cursor, 2);
    text = QStringLiteral("3ab");
    EXPECT_TRUE(keepLettersOnly(text, cursor));
    EXPECT_EQ(cursor, 1); // after the first character when the first one went
}

TEST(UserVarsPage, AddTwiceModifiesInPlaceAndTheEngineSeesIt) {
    QTemporaryDir home;
    brelt::testing::FakeUiServices ui;
    Tab tab(home.path());
    tab.add(QStringLiteral("rate"), QStringLiteral("0.5"));
    tab.add(QStringLiteral("mass"), QStringLiteral("2 * 6"));
    tab.add(QStringLiteral("rate"), QStringLiteral("1.5"));
    EXPECT_EQ(tab.lines(), (QStringList{QStringLiteral("mass = 1.2E+1"), QStringLiteral("rate = 1.5E+0")}));
    EXPECT_EQ(tab.engine.Evaluate("rate*mass"), 18.0L);
    // Double click takes the line apart into the two fields.
    tab.list()->setCurrentRow(1);
    emit tab.list()->itemDoubleClicked(tab.list()->item(1));
    EXPECT_EQ(tab.edit("edName")->text(), QStringLiteral("rate"));
    EXPECT_EQ(tab.edit("edValue")->text(), QStringLiteral("1.5E+0"));
    // Return in either field adds.
    tab.edit("edValue")->setText(QStringLiteral("4"));
    QTest::keyClick(tab.edit("edValue"), Qt::Key_Return);
    EXPECT_EQ(tab.lines().at(1), QStringLiteral("rate = 4.0E+0"));
    EXPECT_TRUE(ui.boxes.empty());
    // The engine's own assignment goes through the same operation.
    EXPECT_EQ(tab.page.addUserVariable("volt", 230), 1002);
    EXPECT_EQ(tab.lines().at(0), QStringLiteral("volt = 2.3E+2"));
}

TEST(UserVarsPage, Messages) {
    QTemporaryDir home;
    brelt::testing::FakeUiServices ui;
    Tab tab(home.path());
    tab.engine.setWorkingExpression("7*6");
    tab.add(QString(), QStringLiteral("1"));
    tab.add(QStringLiteral("a"), QString());
    tab.add(QStringLiteral("a"), QStringLiteral("2 + * 3"));
    tab.add(QStringLiteral("pi"), QStringLiteral("3"));
    tab.add(QStringLiteral("x"), QStringLiteral("3"));
    EXPECT_EQ(ui.texts(), (QStringList{QStringLiteral("Varible name or value invalid!"),
                                       QStringLiteral("Varible name or value invalid!"),
                                       QStringLiteral("Syntax error: position 5"),
                                       QStringLiteral("The name pi belongs to the calculator (the constant pi)"),
                                       QStringLiteral("The name x belongs to the calculator (the variable X)")}));
    EXPECT_EQ(ui.boxes[0].kind, chart::MessageKind::Error);
    EXPECT_TRUE(tab.lines().isEmpty());
    EXPECT_EQ(tab.engine.workingExpression(), "7*6");
    EXPECT_FALSE(tab.engine.ErrorFlag);
}

TEST(UserVarsPage, LoadKeepsFileOrderSoDeleteRemovesTheSameRecord) {
    QTemporaryDir home;
    brelt::testing::FakeUiServices ui;
    Tab tab(home.path());
    const QString path = home.filePath(QStringLiteral("three.USR"));
    writeFile(path, "alpha = 1\r\nbeta = 2\r\ngamma = 3\r\n");
    ui.fileNames.push_back(path);
    tab.press("btLoad");
    EXPECT_EQ(ui.fileRequests.at(0).title, QStringLiteral("Load variables from File"));
    EXPECT_EQ(ui.fileRequests.at(0).filters, QStringLiteral("User variables files (*.USR)"));
    ASSERT_EQ(tab.lines().size(), 3);
    EXPECT_EQ(tab.lines().at(1), QStringLiteral("beta = 2.0E+0"));
    tab.list()->setCurrentRow(1);
    tab.press("btDelete");
    ASSERT_EQ(tab.engine.UserVariableList.size(), 2u);
    EXPECT_EQ(tab.engine.UserVariableList[0].name, "alpha");
    EXPECT_EQ(tab.engine.UserVariableList[1].name, "gamma");
    EXPECT_EQ(tab.lines(), (QStringList{QStringLiteral("alpha = 1.0E+0"), QStringLiteral("gamma = 3.0E+0")}));
    tab.engine.Evaluate("beta");
    EXPECT_TRUE(tab.engine.ErrorFlag); // gone from the engine too
    tab.engine.clearError();
    EXPECT_EQ(tab.engine.Evaluate("gamma-alpha"), 2.0L);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(UserVarsPage, SkippedLinesAreReportedOnceAndUnreadableFilesChangeNothing) {
    QTemporaryDir home;
    brelt::testing::FakeUiServices ui;
    Tab tab(home.path());
    tab.add(QStringLiteral("keep"), QStringLiteral("1"));
    const QString missing = home.filePath(QStringLiteral("missing.USR"));
    EXPECT_FALSE(tab.page.loadFile(missing));
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Can't read file ") + missing});
    EXPECT_EQ(tab.lines(), QStringList{QStringLiteral("keep = 1.0E+0")});

    const QString mixed = home.filePath(QStringLiteral("mixed.USR"));
    writeFile(mixed, "a = 1\nh = FF\nb = 2\ns = 1:30:0\n");
    EXPECT_TRUE(tab.page.loadFile(mixed));
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[1].text, QStringLiteral("Lines 2, 4 of ") + mixed +
                                    QStringLiteral(" were skipped: they are not name = decimal number"));
    EXPECT_EQ(ui.boxes[1].kind, chart::MessageKind::Warning);
    EXPECT_EQ(tab.lines(), (QStringList{QStringLiteral("a = 1.0E+0"), QStringLiteral("b = 2.0E+0")}));
}

TEST(UserVarsPage, SaveWritesTheCurrentFileAndSaveAsRemembersTheNewOne) {
    QTemporaryDir home;
    brelt::testing::FakeUiServices ui;
    Tab tab(home.path());
    tab.add(QStringLiteral("third"), QStringLiteral("1/3"));
    tab.press("bbSave");
    QFile saved(home.filePath(QStringLiteral("Brelt.USR")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray text = saved.readAll();
    EXPECT_TRUE(text.startsWith("third = 0.3333333333333333333")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("\r\n"));

    const QString other = home.filePath(QStringLiteral("other.USR"));
    ui.fileNames.push_back(other);
    tab.press("bbSaveAs");
    EXPECT_EQ(ui.fileRequests.at(0).title, QStringLiteral("Save variables to File"));
    EXPECT_EQ(ui.fileRequests.at(0).defaultSuffix, QStringLiteral("USR"));
    EXPECT_TRUE(ui.fileRequests.at(0).overwritePrompt);
    ProfileFile ini(home.filePath(QStringLiteral("Brelt.INI")));
    ASSERT_TRUE(ini.load());
    EXPECT_EQ(ini.readString(QStringLiteral("Files"), QStringLiteral("Variables")), other);
    EXPECT_EQ(tab.page.variablesFile(), home.filePath(QStringLiteral("Brelt.USR")));

    // The value comes back exactly, not as the list shows it.
    engine::Engine reader;
    UserVarsPage readerPage(reader, other, QString(), [] { return 12; });
    ASSERT_TRUE(readerPage.loadFile(other));
    EXPECT_EQ(reader.UserVariableList.at(0).value, 1.0L / 3.0L);

    const QString bad = home.filePath(QStringLiteral("no/folder.USR"));
    ui.fileNames.push_back(bad);
    tab.press("bbSaveAs");
    EXPECT_EQ(ui.texts().last(), QStringLiteral("Can't create file ") + bad);
    ASSERT_TRUE(ini.load());
    EXPECT_EQ(ini.readString(QStringLiteral("Files"), QStringLiteral("Variables")), other);
}
