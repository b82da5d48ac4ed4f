// The Variables tab: "Undefind", Return in a formula edit, errors in the label with the span
// selected, Calculate All, and the *.VAR file written and read back exactly.
#include "engine/engine.h"
#include "support/fake_ui_services.h"
#include "workspace/variables_logic.h"
#include "workspace/variables_page.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace brelt;
using namespace brelt::workspace;

namespace {

QLineEdit* field(QWidget& page, const char* name) {
    auto* edit = page.findChild<QLineEdit*>(QLatin1String(name));
    EXPECT_NE(edit, nullptr) << name;
    return edit;
}

void press(QWidget& page, const char* name) {
    page.findChild<QPushButton*>(QLatin1String(name))->click();
}

} // namespace

TEST(VariablesPage, UndefinedSlotsShowUndefindAndTheDialogWordIsDifferent) {
    engine::Engine engine;
    VariablesPage page(engine, [] { return 12; });
    page.refresh();
    EXPECT_EQ(field(page, "edXVal")->text(), QStringLiteral("Undefind"));
    EXPECT_EQ(slotValueText(engine, 1, 12, UndefinedWording::Dialog), QStringLiteral("undefined"));
    for (const char* name : {"edYvar", "edNvar", "edKval", "bbXeval", "bbNeval", "lbError", "BitBtn3",
                             "BitBtn13", "BitBtn14", "BitBtn4"})
        EXPECT_NE(page.findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
}

TEST(VariablesPage, ReturnInAFormulaEditCalculatesThatVariable) {
    engine::Engine engine;
    VariablesPage page(engine, [] { return 12; });
    page.show();
    QLineEdit* k = field(page, "edKvar");
    k->setText(QStringLiteral("2 ^ 10"));
    QTest::keyClick(k, Qt::Key_Return);
    EXPECT_EQ(field(page, "edKval")->text(), QStringLiteral("1.024E+3"));
    EXPECT_EQ(engine.slot(engine::kSlotK).value, 1024.0L);
    EXPECT_EQ(engine.slot(engine::kSlotK).formula, "2^10");
    EXPECT_EQ(field(page, "edXVal")->text(), QStringLiteral("Undefind"));
}

TEST(VariablesPage, ErrorsGoToTheLabelAndLeaveTheEngineAsItWas) {
    engine::Engine engine;
    engine.setWorkingExpression("1+1");
    engine.LastResult = 7;
    VariablesPage page(engine, [] { return 12; });
    page.show();
    QLineEdit* y = field(page, "edYvar");
    y->setText(QStringLiteral("3 / 0"));
    press(page, "bbYeval");
    EXPECT_EQ(page.findChild<QLabel*>(QStringLiteral("lbError"))->text(),
              QStringLiteral("Division by zero: position 5"));
    EXPECT_EQ(y->selectedText(), QStringLiteral("0"));
    EXPECT_FALSE(engine.slot(2).isSet());
    EXPECT_EQ(engine.workingExpression(), "1+1");
    EXPECT_EQ(engine.LastResult, 7.0L);
    EXPECT_FALSE(engine.ErrorFlag);
    // A success clears the label; an empty edit does nothing.
    y->setText(QStringLiteral("3"));
    press(page, "bbYeval");
    EXPECT_EQ(page.findChild<QLabel*>(QStringLiteral("lbError"))->text(), QString());
    press(page, "bbZeval");
    EXPECT_EQ(field(page, "edZval")->text(), QStringLiteral("Undefind"));
}

TEST(VariablesPage, CalculateAllEvaluatesInSlotOrderFromTheEdits) {
    engine::Engine engine;
    engine.slot(3).value = 99; // stale: Calculate All forgets every value first
    VariablesPage page(engine, [] { return 12; });
    page.show();
    field(page, "edXVar")->setText(QStringLiteral("Y * 2"));
    field(page, "edYvar")->setText(QStringLiteral("21"));
    field(page, "edVvar")->setText(QStringLiteral("1/0"));
    field(page, "edNvar")->setText(QStringLiteral("X + 1"));
    press(page, "BitBtn3");
    EXPECT_EQ(engine.slot(1).value, 42.0L); // X reads Y's formula before Y's turn
    EXPECT_EQ(engine.slot(10).value, 43.0L);
    EXPECT_FALSE(engine.slot(3).isSet());
    EXPECT_EQ(field(page, "edZval")->text(), QStringLiteral("Undefind"));
    EXPECT_EQ(field(page, "edVval")->text(), QStringLiteral("Undefind"));
    // The first failure stays on show although later variables succeeded.
    EXPECT_EQ(page.findChild<QLabel*>(QStringLiteral("lbError"))->text(),
              QStringLiteral("Division by zero: position 3"));
}

TEST(VariablesPage, VarFileRoundTripIsExact) {
    QTemporaryDir folder;
    brelt::testing::FakeUiServices ui;
    engine::Engine engine;
    VariablesPage page(engine, [] { return 12; });
    page.show();
    field(page, "edXVar")->setText(QStringLiteral("1/3"));
    field(page, "edMvar")->setText(QStringLiteral("-2.5E3"));
    const QString path = folder.filePath(QStringLiteral("set.VAR"));
    ui.fileNames.push_back(path);
    press(page, "BitBtn13");
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].title, QStringLiteral("Save variables to File"));
    EXPECT_EQ(ui.fileRequests[0].defaultSuffix, QStringLiteral("VAR"));
    std::vector<std::string> lines;
    ASSERT_TRUE(readFileLines(path, lines));
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[0], " 3.33333333333333333342E-0001");
    EXPECT_EQ(lines[8], "-2.50000000000000000000E+0003");
    EXPECT_EQ(lines[10], "1/3");

    engine::Engine other;
    VariablesPage reader(other, [] { return 12; });
    ui.fileNames.push_back(path);
    press(reader, "BitBtn14");
    EXPECT_EQ(other.slot(1).value, 1.0L / 3.0L);
    EXPECT_EQ(other.slot(9).value, -2500.0L);
    EXPECT_FALSE(other.slot(2).isSet());
    EXPECT_EQ(field(reader, "edXVar")->text(), QStringLiteral("1/3"));
    EXPECT_TRUE(ui.boxes.empty());
}

TEST(VariablesPage, VarFileFailures) {
    QTemporaryDir folder;
    brelt::testing::FakeUiServices ui;
    engine::Engine engine;
    engine.slot(1).value = 5;
    engine.slot(1).formula = "5";
    VariablesPage page(engine, [] { return 12; });
    page.show();
    const QString missing = folder.filePath(QStringLiteral("none.VAR"));
    ui.fileNames.push_back(missing);
    press(page, "BitBtn14");
    ui.fileNames.push_back(folder.filePath(QStringLiteral("no/such/folder.VAR")));
    press(page, "BitBtn13");
    const QString shortFile = folder.filePath(QStringLiteral("short.VAR"));
    QFile file(shortFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1\r\n2\r\n");
    file.close();
    ui.fileNames.push_back(shortFile);
    press(page, "BitBtn14");
    ASSERT_EQ(ui.boxes.size(), 3u);
    EXPECT_EQ(ui.boxes[0].text, QStringLiteral("Can't open file ") + missing);
    EXPECT_EQ(ui.boxes[1].text,
              QStringLiteral("Can't create file ") + folder.filePath(QStringLiteral("no/such/folder.VAR")));
    EXPECT_EQ(ui.boxes[2].text, QStringLiteral("File ") + shortFile + QStringLiteral(" holds no variables"));
    EXPECT_EQ(ui.fileRequests[0].title, QStringLiteral("Load variables from File"));
    EXPECT_EQ(ui.fileRequests[0].filters, QStringLiteral("User variables files (*.VAR)"));
    // A cancelled load still refreshes the tab and calculates all.
    ui.fileNames.push_back(QString());
    press(page, "BitBtn14");
    EXPECT_EQ(field(page, "edXVar")->text(), QStringLiteral("5"));
    EXPECT_EQ(field(page, "edXVal")->text(), QStringLiteral("5.0E+0"));
}
