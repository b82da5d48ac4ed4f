// The main window on the real engine: what the user sees for a few typed lines, the tape suffix of
// assignments, the break question and the variables that Clear All forgets.
#include "engine/engine.h"
#include "support/fake_ui_services.h"
#include "tests/workspace/empty_home.h"
#include "workspace/engine_calc.h"
#include "workspace/rescu.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace brelt;

namespace {

class TfmCalcEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(makeEmptyHome(paths, home.path()));
        window = std::make_unique<workspace::TfmCalc>(calc, paths);
        window->show();
        QCoreApplication::processEvents();
    }

    QLineEdit* edit(const char* name) { return window->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    void enter(const QString& text) {
        edit("Edit1")->clear();
        QTest::keyClicks(edit("Edit1"), text);
        QTest::keyClick(edit("Edit1"), Qt::Key_Return);
    }

    QTemporaryDir home;
    workspace::HomePaths paths;
    brelt::testing::FakeUiServices ui;
    engine::Engine engine;
    workspace::EngineCalc calc{engine};
    std::unique_ptr<workspace::TfmCalc> window;
};

} // namespace

TEST_F(TfmCalcEngineTest, TypedLinesShowWhatTheEngineGives) {
    struct Case {
        const char* typed;
        const char* shown;
        bool ok;
        int selectionStart;
        int selectionLength;
    };
    const Case cases[] = {
        {"1+2", "3.0E+0", true, 0, 3},
        {"sin(X))", "Too many \")\": position 7", false, 6, 1},
        {"(1+2", "Missing \")\": position 4", false, 3, 1},
        {")1+2(", "Syntax error: position 1", false, 0, 1},
        {"1 + sin( X ))", "Too many \")\": position 13", false, 12, 1},
    };
    for (const Case& c : cases) {
        enter(QString::fromLatin1(c.typed));
        EXPECT_EQ(edit("Edit2")->text(), QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(edit("Edit2")->palette().color(QPalette::Text), QColor(c.ok ? Qt::blue : Qt::red))
            << c.typed;
        EXPECT_EQ(edit("Edit1")->selectionStart(), c.selectionStart) << c.typed;
        EXPECT_EQ(edit("Edit1")->selectedText().size(), c.selectionLength) << c.typed;
    }
    EXPECT_EQ(window->findChild<QComboBox*>(QStringLiteral("cbHistory"))->count(), 1);
}

TEST_F(TfmCalcEngineTest, AssignmentsEndTheTapeLineAndClearAllForgetsThem) {
    enter(QStringLiteral("(X=2)+(Y=3)"));
    const QString tape = window->findChild<QPlainTextEdit*>(QStringLiteral("mmTape"))->toPlainText();
    EXPECT_TRUE(tape.startsWith(QStringLiteral("(X=2)+(Y=3) = 5.0E+0; X="))) << tape.toStdString();
    EXPECT_TRUE(tape.contains(QStringLiteral("; Y=")) && tape.endsWith(QStringLiteral("; ")))
        << tape.toStdString();
    EXPECT_TRUE(engine.slot(engine::kSlotX).isSet());
    window->findChild<QToolButton*>(QStringLiteral("sbClMem"))->click();
    EXPECT_FALSE(engine.slot(engine::kSlotX).isSet());
    EXPECT_TRUE(engine.slot(engine::kSlotX).formula.empty());
}

TEST_F(TfmCalcEngineTest, BaseAndNotationChangesReformatTheLastResult) {
    enter(QStringLiteral("255"));
    window->rgBaseClick(1);
    EXPECT_EQ(edit("Edit2")->text(), QStringLiteral("FF"));
    const QString top = window->findChild<QPlainTextEdit*>(QStringLiteral("mmTape"))
                            ->toPlainText()
                            .section(QLatin1Char('\n'), 0, 0);
    EXPECT_EQ(top, QStringLiteral("255 = FF; Base=16"));
    window->rgBaseClick(0);
    window->rgNotationClick(1);
    EXPECT_EQ(window->digits(), 12);
    EXPECT_FALSE(edit("Edit2")->text().contains(QLatin1Char('E')));
}

TEST_F(TfmCalcEngineTest, TheBreakQuestionIsAYesNoBox) {
    ui.answers.push_back(chart::Answer::No);
    EXPECT_FALSE(calc.confirmBreak("Do you realy wont break calculation?"));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, QStringLiteral("Do you realy wont break calculation?"));
    EXPECT_EQ(ui.boxes[0].buttons, unsigned(chart::ButtonYes | chart::ButtonNo));
}
