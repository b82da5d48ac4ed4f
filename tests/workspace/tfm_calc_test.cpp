// The main window driven as a user drives it: typing into the input line, Return, buttons, keys,
// closing; checked through the result line, the lists, the tape, the files and the boxes shown.
#include "chart/view/print_page.h"
#include "support/fake_ui_services.h"
#include "workspace/fake_calc_engine.h"
#include "workspace/help_viewer.h"
#include "workspace/history_file.h"
#include "workspace/profile_file.h"
#include "workspace/rescu.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

using namespace brelt;
using workspace::TfmCalc;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class TfmCalcTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        paths.home = home.path();
    }

    // A home with a catalogue and a variables file, so no first-run warning is shown.
    void prepareHome() {
        writeFile(paths.constants(), "c = 299792458\r\nk = 1.380649E-23\r\n");
        writeFile(paths.variables(), "");
    }

    TfmCalc& open(bool show = true) {
        window = std::make_unique<TfmCalc>(engine, paths);
        window->setHelpHandler([this](QWidget*, int topic) { topics.push_back(topic); });
        if (show) {
            window->show();
            QCoreApplication::processEvents();
        }
        return *window;
    }

    template <typename T = QWidget> T* find(const char* name) {
        T* widget = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QLineEdit* edit1() { return find<QLineEdit>("Edit1"); }
    QLineEdit* edit2() { return find<QLineEdit>("Edit2"); }
    QComboBox* history() { return find<QComboBox>("cbHistory"); }
    QComboBox* results() { return find<QComboBox>("cbResults"); }
    QStringList items(QComboBox* combo) {
        QStringList list;
        for (int i = 0; i < combo->count(); ++i)
            list << combo->itemText(i);
        return list;
    }
    QStringList tape() {
        const QString text = find<QPlainTextEdit>("mmTape")->toPlainText();
        return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    }

    void type(const QString& text) {
        edit1()->clear();
        QTest::keyClicks(edit1(), text);
    }
    void enter(const QString& text) {
        type(text);
        QTest::keyClick(edit1(), Qt::Key_Return);
    }
    void click(const char* name) { find<QAbstractButton>(name)->click(); }

    QTemporaryDir home;
    workspace::HomePaths paths;
    brelt::testing::FakeUiServices ui;
    brelt::testing::FakeCalcEngine engine;
    std::vector<int> topics;
    std::unique_ptr<TfmCalc> window;
};

} // namespace

TEST_F(TfmCalcTest, FirstRunWarnsOfTheMissingCatalogueOnlyAndStartsWithTheDefaults) {
    // No user variables file yet is no error; one that is there but cannot be read still is.
    open();
    QTest::qWait(20);
    EXPECT_EQ(ui.texts(),
              QStringList{QStringLiteral("File <") + home.path() + QStringLiteral("/Brelt.CON> not found.")});
    EXPECT_EQ(find<QButtonGroup>("rgNotation")->checkedId(), 0);
    EXPECT_EQ(find<QSpinBox>("udDigits")->value(), 12);
    EXPECT_EQ(window->digits(), 12);
    EXPECT_EQ(find<QSpinBox>("udPrecision")->value(), 9);
    EXPECT_EQ(find<QButtonGroup>("rgAngle")->checkedId(), 1);
    EXPECT_TRUE(engine.degrees);
    EXPECT_TRUE(find<QCheckBox>("chAssistant")->isChecked());
    EXPECT_TRUE(find<QCheckBox>("chHint")->isChecked());
    EXPECT_EQ(find<QButtonGroup>("rgPlot")->checkedId(), 0);
    EXPECT_EQ(find<QLineEdit>("edFromX")->text(), QStringLiteral("-10"));
    EXPECT_EQ(find<QLineEdit>("edToX")->text(), QStringLiteral("10"));
    EXPECT_EQ(find<QLineEdit>("edStepsX")->text(), QStringLiteral("200"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Brelt"));
}

TEST_F(TfmCalcTest, EveryNamedControlExists) {
    prepareHome();
    open(false);
    for (const char* name :
         {"Edit1",        "Edit2",       "cbHistory",   "cbResults",   "pcCalc",       "tsMain",
          "tsTape",       "tsConst",     "tsGraph",     "tsVariables", "tsUserVar",    "tsFuncs",
          "Panel1",       "Gauge",       "pnAssistant", "mmTape",      "btCopy",       "btCut",
          "btPrint",      "btToFile",    "sbStop",      "sbEQ",        "sbClMem",      "sbClInput",
          "udDigits",     "udPrecision", "chHint",      "chAssistant", "SpinButton1",  "RxSwitch1",
          "SpeedButton1", "BitBtn1",     "BitBtn2",     "BitBtn4",     "BitBtn6",      "Button1",
          "lbConst",      "edFind",      "edFromX",     "edToX",       "edFromY",      "edToY",
          "edStepsX",     "edStepsY",    "edLegend",    "edTitle",     "edX",          "edY",
          "edXVar",       "edXVal",      "edNvar",      "bbXeval",     "bbNeval",      "lbVars",
          "edName",       "edValue",     "btAdd",       "btDelete",    "lbFuncs",      "sbSOLV",
          "sbRand",       "scAbs",       "sbLoop",      "sb_2",        "SpeedButton3", "sbPrev",
          "sbXOR",        "btX",         "btN",         "sbCopy",      "sbCut",        "sbPaste",
          "sbShow"})
        EXPECT_NE(window->findChild<QObject*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(find<QToolButton>("sbSOLV")->property("Tag").toInt(), 22);
    EXPECT_EQ(find<QToolButton>("sbSx")->text(), QStringLiteral("std"));
    const auto* tabs = find<QTabWidget>("pcCalc");
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    EXPECT_EQ(captions, (QStringList{"Calculator", "Tape", "Constants", "Graphics", "Variables", "User Vars",
                                     "User Funcs", "About"}));
}

TEST_F(TfmCalcTest, ReturnShowsTheResultInBlueAndRecordsIt) {
    prepareHome();
    open();
    engine.scripted[QStringLiteral("X=2*3")] = {true, QStringLiteral("6"),      {}, 0,
                                                0,    QStringLiteral("; X=6; ")};
    enter(QStringLiteral("X=2*3"));
    EXPECT_EQ(edit2()->text(), QStringLiteral("6"));
    EXPECT_EQ(edit2()->palette().color(QPalette::Text), QColor(Qt::blue));
    EXPECT_EQ(edit1()->selectedText(), QStringLiteral("X=2*3"));
    EXPECT_EQ(items(results()), QStringList{QStringLiteral("6")});
    EXPECT_EQ(items(history()), QStringList{QStringLiteral("X=2*3")});
    EXPECT_EQ(tape(), QStringList{QStringLiteral("X=2*3 = 6; X=6; ")});
    EXPECT_EQ(engine.lastDigits, 12);
    EXPECT_TRUE(find<QTabWidget>("pcCalc")->isEnabled());
}

TEST_F(TfmCalcTest, AnErrorIsRedWithItsSpanSelectedAndNothingRecorded) {
    prepareHome();
    open();
    engine.scripted[QStringLiteral("1 + sin( X ))")] = {
        false, {}, QStringLiteral("Too many \")\": position 13"), 12, 1, QStringLiteral("; ")};
    enter(QStringLiteral("1 + sin( X ))"));
    EXPECT_EQ(edit2()->text(), QStringLiteral("Too many \")\": position 13"));
    EXPECT_EQ(edit2()->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(edit1()->selectionStart(), 12);
    EXPECT_EQ(edit1()->selectedText(), QStringLiteral(")"));
    EXPECT_TRUE(items(history()).isEmpty());
    EXPECT_TRUE(items(results()).isEmpty());
    EXPECT_TRUE(tape().isEmpty());
}

TEST_F(TfmCalcTest, AnEmptyInputDoesNothing) {
    prepareHome();
    open();
    QTest::keyClick(edit1(), Qt::Key_Return);
    EXPECT_TRUE(engine.evaluated.isEmpty());
    EXPECT_TRUE(edit2()->text().isEmpty());
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(TfmCalcTest, HistoryKeepsOneEntryAndMovesItToTheTop) {
    prepareHome();
    open();
    for (const char* line : {"1", "2", "3", "4"})
        enter(QString::fromLatin1(line));
    EXPECT_EQ(items(history()), (QStringList{"4", "3", "2", "1"}));
    enter(QStringLiteral("2")); // at position 3
    EXPECT_EQ(items(history()), (QStringList{"2", "4", "3", "1"}));
    enter(QStringLiteral("2"));
    EXPECT_EQ(items(history()), (QStringList{"2", "4", "3", "1"}));
    EXPECT_EQ(items(results()).size(), 6);
    EXPECT_EQ(tape().size(), 6);
    EXPECT_EQ(tape().first(), QStringLiteral("2 = R(2); "));
}

TEST_F(TfmCalcTest, TheEqualsButtonEvaluatesAndGivesTheFocusBack) {
    prepareHome();
    open();
    type(QStringLiteral("7"));
    click("sbEQ");
    EXPECT_EQ(edit2()->text(), QStringLiteral("R(7)"));
    EXPECT_EQ(engine.evaluated, QStringList{QStringLiteral("7")});
}

TEST_F(TfmCalcTest, NotationChangesApplyTheDigitBounds) {
    prepareHome();
    writeFile(paths.ini(), "[Calc Settings]\r\nDigits=2\r\n");
    open();
    EXPECT_EQ(window->digits(), 2);
    auto* notation = find<QButtonGroup>("rgNotation");
    notation->button(1)->click(); // Fix
    EXPECT_EQ(window->digits(), 3);
    EXPECT_EQ(find<QSpinBox>("udDigits")->minimum(), 3);
    EXPECT_EQ(find<QSpinBox>("udDigits")->maximum(), 20);
    EXPECT_EQ(engine.notation, 1);
    EXPECT_EQ(edit2()->text(), QStringLiteral("0/n1/b0/d3"));
    notation->button(3)->click(); // Sxg keeps the bounds
    EXPECT_EQ(find<QSpinBox>("udDigits")->minimum(), 3);
    EXPECT_EQ(find<QSpinBox>("udDigits")->maximum(), 20);
    notation->button(2)->click(); // Eng
    EXPECT_EQ(window->digits(), 11);
    find<QSpinBox>("udDigits")->setValue(15);
    EXPECT_EQ(window->digits(), 15);
    EXPECT_EQ(edit2()->text(), QStringLiteral("0/n2/b0/d15"));
    EXPECT_TRUE(tape().isEmpty());
}

TEST_F(TfmCalcTest, ChangingTheBaseEvaluatesFirstAndWritesATapeLine) {
    prepareHome();
    open();
    type(QStringLiteral("255"));
    find<QButtonGroup>("rgBase")->button(1)->click();
    EXPECT_EQ(engine.evaluated, QStringList{QStringLiteral("255")});
    EXPECT_EQ(engine.base, 1);
    ASSERT_EQ(tape().size(), 2);
    EXPECT_EQ(tape()[0], QStringLiteral("255 = R(255)/n0/b1/d12; Base=16"));
    EXPECT_EQ(tape()[1], QStringLiteral("255 = R(255); "));
}

TEST_F(TfmCalcTest, AngleFollowsTheRadioGroup) {
    prepareHome();
    writeFile(paths.ini(), "[Calc Settings]\r\nAngle=0\r\n");
    open();
    EXPECT_FALSE(engine.degrees);
    EXPECT_EQ(find<QButtonGroup>("rgAngle")->checkedId(), 0);
    find<QButtonGroup>("rgAngle")->button(1)->click();
    EXPECT_TRUE(engine.degrees);
}

TEST_F(TfmCalcTest, DeleteKeyRemovesAListEntryOnlyWithoutModifiers) {
    prepareHome();
    open();
    for (const char* line : {"1", "2", "3"})
        enter(QString::fromLatin1(line));
    QAbstractItemView* view = history()->view();
    view->setCurrentIndex(view->model()->index(1, 0));
    for (Qt::KeyboardModifier modifier : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier})
        QTest::keyClick(view, Qt::Key_Delete, modifier);
    EXPECT_EQ(items(history()), (QStringList{"3", "2", "1"}));
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(items(history()), (QStringList{"3", "1"}));
    QAbstractItemView* resultsView = results()->view();
    resultsView->setCurrentIndex(resultsView->model()->index(0, 0));
    QTest::keyClick(resultsView, Qt::Key_Delete);
    EXPECT_EQ(items(results()), (QStringList{"R(2)", "R(1)"}));
}

TEST_F(TfmCalcTest, ChoosingAListEntryInsertsItAtTheCursor) {
    prepareHome();
    open();
    enter(QStringLiteral("40"));
    type(QStringLiteral("1+"));
    history()->activated(0);
    EXPECT_EQ(edit1()->text(), QStringLiteral("1+40"));
}

TEST_F(TfmCalcTest, ButtonsInsertWithTheCursorInsideTheParentheses) {
    prepareHome();
    open();
    type(QStringLiteral("1+2*3"));
    edit1()->setSelection(2, 2);
    click("sbSOLV");
    EXPECT_EQ(edit1()->text(), QStringLiteral("1+solve(,,)3"));
    EXPECT_EQ(edit1()->cursorPosition(), 8);
    EXPECT_FALSE(edit1()->hasSelectedText());
    click("sbRand");
    EXPECT_EQ(edit1()->text(), QStringLiteral("1+solve(random,,)3"));
    EXPECT_EQ(edit1()->cursorPosition(), 14);
    type(QString());
    for (const char* name : {"sb7", "sbPlus", "sbXOR", "sb_2", "SpeedButton3", "sbPrev"})
        click(name);
    EXPECT_EQ(edit1()->text(), QString::fromUtf8("7+\\\xc2\xb2\xc2\xbd?"));
    type(QString());
    click("sbLoop");
    EXPECT_EQ(edit1()->text(), QStringLiteral("for J to K step M do(?)"));
}

TEST_F(TfmCalcTest, KeyboardMap) {
    prepareHome();
    open();
    struct Case {
        Qt::KeyboardModifiers mods;
        Qt::Key key;
        const char* text;
        int cursor;
    };
    const Case cases[] = {
        {Qt::ControlModifier, Qt::Key_S, "sin()", 4},
        {Qt::ControlModifier, Qt::Key_1, "10^()", 4},
        {Qt::ControlModifier, Qt::Key_E, "e", 1},
        {Qt::ControlModifier, Qt::Key_P, "\xc2\xb6", 1},
        {Qt::ControlModifier, Qt::Key_4, "integral(,,)", 9},
        {Qt::AltModifier, Qt::Key_O, "solve(,,)", 6},
        {Qt::AltModifier, Qt::Key_R, "random", 6},
        {Qt::AltModifier, Qt::Key_X, "X", 1},
        {Qt::ControlModifier | Qt::AltModifier, Qt::Key_C, "cos()", 4}, // Ctrl before Alt
        {Qt::AltModifier, Qt::Key_B, "", 0},                            // not in the map
    };
    for (const Case& c : cases) {
        type(QString());
        QTest::keyClick(edit1(), c.key, c.mods);
        EXPECT_EQ(edit1()->text(), QString::fromUtf8(c.text)) << c.text;
        EXPECT_EQ(edit1()->cursorPosition(), c.cursor) << c.text;
    }
}

TEST_F(TfmCalcTest, EscapeRecallsTheNewestFormulaOnlyIntoAnEmptyLine) {
    prepareHome();
    open();
    enter(QStringLiteral("9*9"));
    type(QStringLiteral("5"));
    QTest::keyClick(edit1(), Qt::Key_Escape);
    EXPECT_EQ(edit1()->text(), QStringLiteral("5"));
    type(QString());
    QTest::keyClick(edit1(), Qt::Key_Escape);
    EXPECT_EQ(edit1()->text(), QStringLiteral("9*9"));
    EXPECT_EQ(edit1()->selectedText(), QStringLiteral("9*9"));
}

TEST_F(TfmCalcTest, HelpTopicsOfF1AndTheHelpButtons) {
    prepareHome();
    open();
    QTest::keyClick(edit1(), Qt::Key_F1);
    for (const char* name : {"SpeedButton1", "BitBtn1", "BitBtn2", "BitBtn4", "Button1"})
        click(name);
    auto* plot = find<QButtonGroup>("rgPlot");
    for (int type : {1, 2, 3, 4}) {
        plot->button(type)->click();
        click("Button1");
    }
    // Polar opens the polar section of the plotting page.
    EXPECT_EQ(topics, (std::vector<int>{0, 0, 21, 8, 3, 10, 18, 19, 20, workspace::kPolarPlotHelpTopic}));
}

TEST_F(TfmCalcTest, ReturnOnOtherTabsGoesByTheFocusedControl) {
    prepareHome();
    open();
    int added = 0;
    QObject::connect(find<QPushButton>("btAdd"), &QPushButton::clicked, [&] { ++added; });
    auto* tabs = find<QTabWidget>("pcCalc");
    tabs->setCurrentWidget(find("tsUserVar"));
    QTest::keyClick(find<QLineEdit>("edValue"), Qt::Key_Return);
    EXPECT_EQ(added, 1);
    EXPECT_TRUE(engine.evaluated.isEmpty());
    type(QStringLiteral("3"));
    edit1()->setFocus();
    QTest::keyClick(edit1(), Qt::Key_Return);
    EXPECT_EQ(engine.evaluated, QStringList{QStringLiteral("3")});
}

TEST_F(TfmCalcTest, GraphicsTabFillsTheLabelsAndShowsTheProgress) {
    prepareHome();
    open();
    type(QStringLiteral("sin(X)"));
    auto* tabs = find<QTabWidget>("pcCalc");
    tabs->setCurrentWidget(find("tsGraph"));
    EXPECT_EQ(find<QLineEdit>("edLegend")->text(), QStringLiteral("f(sin(X))"));
    EXPECT_TRUE(find("Panel1")->isVisible());
    tabs->setCurrentWidget(find("tsMain"));
    EXPECT_FALSE(find("Panel1")->isVisible());
}

TEST_F(TfmCalcTest, AssistantShowsHelpForTheFunctionAtTheCursor) {
    prepareHome();
    open();
    QTest::qWait(30); // the greeting
    EXPECT_TRUE(find<QLabel>("pnAssistant")->text().contains(QLatin1Char('!')) ||
                find<QLabel>("pnAssistant")->text().contains(QStringLiteral("time")));
    type(QStringLiteral("arcsin("));
    QTest::qWait(30);
    EXPECT_EQ(find<QLabel>("pnAssistant")->text(), QStringLiteral(" Help 1 in degree "));
    find<QButtonGroup>("rgAngle")->button(0)->click();
    click("sbSIN");
    EXPECT_EQ(find<QLabel>("pnAssistant")->text(), QStringLiteral(" Help 1 in radian "));
    EXPECT_GT(find<QLabel>("pnAssistant")->width(), 0);
    find<QCheckBox>("chAssistant")->setChecked(false);
    EXPECT_FALSE(find<QLabel>("pnAssistant")->isVisible());
    EXPECT_TRUE(find<QLabel>("pnAssistant")->text().isEmpty());
}

TEST_F(TfmCalcTest, GreetingByTheTimeOfFirstShowing) {
    prepareHome();
    open();
    window->showGreeting(QDateTime(QDate(2026, 5, 4), QTime(13, 0)));
    EXPECT_TRUE(find<QLabel>("pnAssistant")->text().startsWith(QStringLiteral(" Good after noon ")));
}

TEST_F(TfmCalcTest, TapeButtonsFollowTheTapeAndSaveToAFile) {
    prepareHome();
    open();
    EXPECT_FALSE(find<QPushButton>("btPrint")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("btToFile")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("btCopy")->isEnabled());
    enter(QStringLiteral("1"));
    enter(QStringLiteral("2"));
    EXPECT_TRUE(find<QPushButton>("btPrint")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("btToFile")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("btCut")->isEnabled());

    auto* tapeEdit = find<QPlainTextEdit>("mmTape");
    QTextCursor cursor(tapeEdit->document());
    cursor.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
    tapeEdit->setTextCursor(cursor);
    EXPECT_TRUE(find<QPushButton>("btCopy")->isEnabled());
    click("btCut");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("2 = R(2); "));
    EXPECT_EQ(tape(), (QStringList{"", "1 = R(1); "}));
    EXPECT_TRUE(tapeEdit->isReadOnly());

    const QString target = home.filePath(QStringLiteral("tape.TXT"));
    ui.fileNames.push_back(target);
    click("btToFile");
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].title, QStringLiteral("Save to Text File"));
    EXPECT_EQ(ui.fileRequests[0].defaultSuffix, QStringLiteral("TXT"));
    EXPECT_TRUE(ui.fileRequests[0].overwritePrompt);
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\r\n1 = R(1); \r\n"));
}

TEST_F(TfmCalcTest, ClearAllEmptiesTheListsButNotTheTape) {
    prepareHome();
    open();
    enter(QStringLiteral("1"));
    click("sbClMem");
    EXPECT_TRUE(items(history()).isEmpty());
    EXPECT_TRUE(items(results()).isEmpty());
    EXPECT_TRUE(edit1()->text().isEmpty());
    EXPECT_EQ(engine.clearAllCount, 1);
    EXPECT_EQ(tape().size(), 1);
}

TEST_F(TfmCalcTest, StopDuringAnEvaluationSetsTheBreakFlagAndTabsAreLocked) {
    prepareHome();
    open();
    bool tabsEnabled = true;
    engine.duringEvaluation = [&] {
        tabsEnabled = find<QTabWidget>("pcCalc")->isEnabled();
        click("sbStop");
        // A Return pumped in the meantime must not start a second evaluation.
        QTest::keyClick(edit1(), Qt::Key_Return);
    };
    enter(QStringLiteral("integral(X,0,1)"));
    EXPECT_FALSE(tabsEnabled);
    EXPECT_TRUE(engine.breakRequested);
    EXPECT_EQ(engine.evaluated.size(), 1);
    EXPECT_TRUE(find<QTabWidget>("pcCalc")->isEnabled());
}

TEST_F(TfmCalcTest, ClosingWritesSettingsAndHistoryKeepingOtherSections) {
    prepareHome();
    writeFile(paths.ini(), "[fmPlot2D]\r\nLeft=10\r\nWidth=700\r\n");
    open();
    enter(QStringLiteral("1+1"));
    find<QButtonGroup>("rgNotation")->button(1)->click();
    find<QButtonGroup>("rgAngle")->button(0)->click();
    find<QCheckBox>("chHint")->setChecked(false);
    window->close();

    workspace::ProfileFile ini(paths.ini());
    ASSERT_TRUE(ini.load());
    EXPECT_EQ(ini.readInt(QStringLiteral("fmPlot2D"), QStringLiteral("Width"), 0), 700);
    EXPECT_EQ(ini.readInt(QStringLiteral("Calc Settings"), QStringLiteral("Notation"), -1), 1);
    EXPECT_EQ(ini.readInt(QStringLiteral("Calc Settings"), QStringLiteral("Angle"), -1), 0);
    EXPECT_EQ(ini.readInt(QStringLiteral("Calc Settings"), QStringLiteral("Digits"), -1), 12);
    EXPECT_EQ(ini.readString(QStringLiteral("Calc Settings"), QStringLiteral("Hint")), QStringLiteral("0"));
    EXPECT_EQ(ini.readInt(QStringLiteral("Graphics"), QStringLiteral("StepX0"), -1), 200);
    EXPECT_EQ(ini.readString(QStringLiteral("Graphics"), QStringLiteral("X axis")), QStringLiteral("X"));
    EXPECT_TRUE(ini.hasKey(QStringLiteral("Calc"), QStringLiteral("Left")));
    workspace::CalcHistory saved;
    ASSERT_TRUE(workspace::readHistoryFile(paths.history(), saved));
    EXPECT_EQ(saved.formulas, QStringList{QStringLiteral("1+1")});
    EXPECT_EQ(saved.results, QStringList{QStringLiteral("R(1+1)")});

    // The next start shows the newest entries and records its first evaluation.
    window.reset();
    engine.evaluated.clear();
    open();
    EXPECT_EQ(edit1()->text(), QStringLiteral("1+1"));
    EXPECT_EQ(edit2()->text(), QStringLiteral("R(1+1)"));
    EXPECT_EQ(find<QButtonGroup>("rgNotation")->checkedId(), 1);
    EXPECT_FALSE(find<QCheckBox>("chHint")->isChecked());
    EXPECT_TRUE(find<QToolButton>("sbSIN")->toolTip().isEmpty());
    QTest::keyClick(edit1(), Qt::Key_Return);
    EXPECT_EQ(items(results()).size(), 2);
}

TEST_F(TfmCalcTest, LongHistoryEntriesComeBackCut) {
    prepareHome();
    workspace::writeHistoryFile(paths.history(), {{QString(300, QLatin1Char('1'))}, {}});
    open();
    EXPECT_EQ(items(history()).value(0).size(), 255);
}

TEST_F(TfmCalcTest, MailButtonReportsAMissingMailHandler) {
    prepareHome();
    open();
    click("BitBtn6");
    ASSERT_EQ(ui.openedUrls.size(), 1u);
    EXPECT_EQ(ui.openedUrls[0].scheme(), QStringLiteral("mailto"));
    EXPECT_TRUE(ui.boxes.empty());
    ui.openUrlResult = false;
    click("BitBtn6");
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Can't find mail routine")});
}

TEST_F(TfmCalcTest, FontSpinnerGrowsAndShrinksTheEntryLines) {
    prepareHome();
    open();
    const qreal before = edit1()->font().pointSizeF();
    click("SpinButton1Up");
    EXPECT_EQ(edit1()->font().pointSizeF(), before + 1);
    EXPECT_EQ(edit2()->font().pointSizeF(), before + 1);
    click("SpinButton1Down");
    click("SpinButton1Down");
    EXPECT_EQ(history()->font().pointSizeF(), before - 1);
}

TEST_F(TfmCalcTest, PowerSwitchClosesAndSaves) {
    prepareHome();
    open();
    click("RxSwitch1");
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(QFile::exists(paths.ini()));
    EXPECT_TRUE(QFile::exists(paths.history()));
}

TEST_F(TfmCalcTest, TheResultLineGivesTheFocusBack) {
    prepareHome();
    open();
    QApplication::setActiveWindow(window.get());
    enter(QStringLiteral("5"));
    QTest::mouseClick(edit2(), Qt::LeftButton);
    EXPECT_FALSE(edit2()->hasFocus());
    EXPECT_EQ(QApplication::focusWidget(), edit1());
}

TEST_F(TfmCalcTest, PrintingWithoutAPrinterSaysSo) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a default printer";
    prepareHome();
    open();
    enter(QStringLiteral("1"));
    click("btPrint"); // the print dialog closes without a printer or a file chosen
    EXPECT_EQ(ui.printerDialogs, 1);
    EXPECT_EQ(ui.texts(), QStringList{chart::noPrinterText()});
}

TEST_F(TfmCalcTest, AClickInTheInputLineAsksTheAssistant) {
    prepareHome();
    open();
    type(QStringLiteral("arcsin("));
    QTest::qWait(30);
    EXPECT_EQ(find<QLabel>("pnAssistant")->text(), QStringLiteral(" Help 1 in degree "));
    find<QButtonGroup>("rgAngle")->button(0)->click();
    QTest::mouseClick(edit1(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(edit1()->width() - 4, edit1()->height() / 2));
    QTest::qWait(30);
    EXPECT_EQ(find<QLabel>("pnAssistant")->text(), QStringLiteral(" Help 1 in radian "));
}
