// The main window as the program builds it (the real engine, its pages and user functions) under
// real use: the history keys and the wheel, editing and closing during a long evaluation, a long
// history entry, a placement off every screen, a first run, damaged and foreign files, names the
// calculator reads as its own, where boxes stand and where the focus goes.
#include "engine/engine.h"
#include "engine/user_functions.h"
#include "support/fake_ui_services.h"
#include "workspace/engine_calc.h"
#include "workspace/history_file.h"
#include "workspace/rescu.h"
#include "workspace/standard_pages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
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

class MainWindowUseTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        paths.home = home.path();
        engine::ConnectUserFunctions(engine, functions);
    }

    // A home with a catalogue, so that only what a test is about shows a box.
    void prepareHome() { writeFile(paths.constants(), "c = 299792458\r\n"); }

    TfmCalc& open() {
        window = std::make_unique<TfmCalc>(calc, paths, workspace::standardPages(parts));
        window->show();
        QApplication::setActiveWindow(window.get());
        QTest::qWait(20); // the files that may warn are read once the window stands
        return *window;
    }

    template <typename T = QWidget> T* find(const char* name) {
        T* widget = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* edit1() { return find<QLineEdit>("Edit1"); }
    QLineEdit* edit2() { return find<QLineEdit>("Edit2"); }
    QStringList items(const char* name) {
        auto* combo = find<QComboBox>(name);
        QStringList list;
        for (int i = 0; i < combo->count(); ++i)
            list << combo->itemText(i);
        return list;
    }
    void type(const QString& text) {
        edit1()->clear();
        QTest::keyClicks(edit1(), text);
    }
    void enter(const QString& text) {
        type(text);
        QTest::keyClick(edit1(), Qt::Key_Return);
    }
    void wheel(QWidget* target, int delta) {
        const QPointF at(target->width() / 2.0, target->height() / 2.0);
        QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }
    // J runs from 1 to `passes` by 1: "for J to K step M do(...)" pumps the window between passes.
    void setLoop(engine::Real passes) {
        engine.slot(engine::kSlotJ).value = 1;
        engine.slot(engine::kSlotK).value = passes;
        engine.slot(engine::kSlotM).value = 1;
    }

    QTemporaryDir home;
    workspace::HomePaths paths;
    brelt::testing::FakeUiServices ui;
    engine::Engine engine;
    engine::TUserFunctions functions;
    workspace::EngineCalc calc{engine};
    workspace::ProgramParts parts{engine, functions, calc};
    std::unique_ptr<TfmCalc> window;
};

} // namespace

TEST_F(MainWindowUseTest, HistoryKeysAndTheWheelReplaceTheInputLineNewestFirst) {
    prepareHome();
    open();
    enter(QStringLiteral("2+2"));
    enter(QStringLiteral("3+3"));
    type(QStringLiteral("1+"));
    struct Case {
        Qt::Key key;
        const char* shown;
    };
    // Up, Up, Down once spliced "2+23+32+2"-like texts into the line.
    const Case cases[] = {
        {Qt::Key_Up, "3+3"},  {Qt::Key_Up, "2+2"},  {Qt::Key_Up, "2+2"},     {Qt::Key_Down, "3+3"},
        {Qt::Key_Down, "1+"}, {Qt::Key_Down, "1+"}, {Qt::Key_PageUp, "2+2"}, {Qt::Key_PageDown, "3+3"},
    };
    for (const Case& c : cases) {
        QTest::keyClick(edit1(), c.key);
        EXPECT_EQ(edit1()->text(), QLatin1String(c.shown)) << c.shown;
    }
    type(QStringLiteral("7"));
    wheel(edit1(), 120); // away from the user: older
    EXPECT_EQ(edit1()->text(), QStringLiteral("3+3"));
    wheel(edit1(), 60); // half a notch waits for the other half
    EXPECT_EQ(edit1()->text(), QStringLiteral("3+3"));
    wheel(edit1(), 60);
    EXPECT_EQ(edit1()->text(), QStringLiteral("2+2"));
    wheel(edit1(), -240);
    EXPECT_EQ(edit1()->text(), QStringLiteral("7"));
    // The wheel over the result line walks the results the same way.
    wheel(edit2(), 120);
    EXPECT_EQ(edit1()->text(), QStringLiteral("6.0E+0"));
    wheel(find<QComboBox>("cbResults"), 120);
    EXPECT_EQ(edit1()->text(), QStringLiteral("4.0E+0"));
    EXPECT_EQ(items("cbHistory"), (QStringList{"3+3", "2+2"}));
    // A recalled formula is evaluated and recorded like a typed one.
    QTest::keyClick(edit1(), Qt::Key_Up);
    QTest::keyClick(edit1(), Qt::Key_Return);
    EXPECT_EQ(items("cbHistory"), (QStringList{"3+3", "2+2"}));
    EXPECT_EQ(items("cbResults").value(0), QStringLiteral("6.0E+0"));
}

TEST_F(MainWindowUseTest, TheInputLineIsReadOnlyWhileAnEvaluationRunsAndTheEvaluatedFormulaIsRecorded) {
    prepareHome();
    open();
    setLoop(300);
    bool readOnly = false;
    QTimer::singleShot(0, window.get(), [&] {
        readOnly = edit1()->isReadOnly();
        QTest::keyClicks(edit1(), QStringLiteral("+5"));
        QTest::keyClick(edit1(), Qt::Key_S, Qt::ControlModifier); // the keyboard map inserts "sin()"
        QTest::keyClick(edit1(), Qt::Key_Up);
    });
    enter(QStringLiteral("for J to K step M do(?+1)"));
    EXPECT_TRUE(readOnly);
    EXPECT_FALSE(edit1()->isReadOnly());
    EXPECT_EQ(edit1()->text(), QStringLiteral("for J to K step M do(?+1)"));
    EXPECT_EQ(items("cbHistory"), QStringList{QStringLiteral("for J to K step M do(?+1)")});
    EXPECT_TRUE(find<QAbstractButton>("sbStop")->isEnabled());
}

TEST_F(MainWindowUseTest, ClosingDuringALongEvaluationBreaksItOffSavesAndAsksNothing) {
    prepareHome();
    open();
    enter(QStringLiteral("1+1"));
    setLoop(1e15L); // for ever, as far as anyone waits
    QTimer::singleShot(50, window.get(), [&] { window->close(); });
    enter(QStringLiteral("for J to K step M do(?+1)"));
    // Back here only because the evaluation was broken off; no break question was asked.
    EXPECT_TRUE(ui.boxes.empty()) << ui.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->isEvaluating());
    workspace::CalcHistory saved;
    ASSERT_TRUE(workspace::readHistoryFile(paths.history(), saved));
    EXPECT_EQ(saved.formulas, QStringList{QStringLiteral("1+1")});
    EXPECT_TRUE(QFile::exists(paths.ini()));
}

TEST_F(MainWindowUseTest, ALongHistoryEntryDoesNotWidenTheWindow) {
    prepareHome();
    open();
    const int width = window->width();
    window.reset();
    workspace::writeHistoryFile(paths.history(),
                                {{QString(255, QLatin1Char('9'))}, {QString(80, QLatin1Char('1'))}});
    open();
    EXPECT_EQ(items("cbHistory").value(0).size(), 255);
    EXPECT_EQ(window->width(), width);
}

TEST_F(MainWindowUseTest, APlacementNoScreenShowsLandsOnThePrimaryScreen) {
    prepareHome();
    writeFile(paths.ini(), "[Calc]\r\nLeft=-30000\r\nTop=50000\r\n");
    open();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window->pos())) << window->pos().x() << "," << window->pos().y();
    window.reset();
    writeFile(paths.ini(), "[Calc]\r\nLeft=40\r\nTop=30\r\n");
    open();
    EXPECT_EQ(window->pos(), QPoint(40, 30)); // a placement on a screen is kept
}

TEST_F(MainWindowUseTest, AFirstRunHasNoVariablesFileAndNoMessageButAnUnreadableOneIsReported) {
    prepareHome();
    open();
    EXPECT_TRUE(ui.boxes.empty()) << ui.texts().join(QLatin1Char('|')).toStdString();
    window.reset();
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Brelt.USR"))); // there, but no file to read
    open();
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Can't read file ") + paths.variables()});
    EXPECT_EQ(ui.boxes.at(0).kind, chart::MessageKind::Error);
}

TEST_F(MainWindowUseTest, ADamagedVariablesFileGivesOneShortWarning) {
    prepareHome();
    QByteArray damaged = "rate = 2\r\n";
    for (int i = 0; i < 20000; ++i)
        damaged += "garbage line\r\n";
    damaged += QByteArray(2'000'000, 'a') + "\r\n";
    writeFile(paths.variables(), damaged);
    open();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, QStringLiteral("Lines 2, 3, 4, 5, 6 and 19996 more of ") + paths.variables() +
                                    QStringLiteral(" were skipped: they are not name = decimal number"));
    enter(QStringLiteral("rate*2"));
    EXPECT_EQ(edit2()->text(), QStringLiteral("4.0E+0"));
}

TEST_F(MainWindowUseTest, AByteOrderMarkIsSkippedInEveryFileBreltReads) {
    prepareHome();
    const QByteArray bom = "\xEF\xBB\xBF";
    writeFile(paths.functions(), bom + "twice(x)=2*x\r\n");
    writeFile(paths.variables(), bom + "rate = 3\r\n");
    writeFile(paths.ini(), bom + "[Calc Settings]\r\nDigits=15\r\n");
    writeFile(paths.history(), bom + "1\r\n7*7\r\n0\r\n");
    writeFile(paths.constants(), bom + "g = 9.80665\r\n");
    open();
    EXPECT_TRUE(ui.boxes.empty()) << ui.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(window->digits(), 15);
    EXPECT_EQ(items("cbHistory"), QStringList{QStringLiteral("7*7")});
    EXPECT_EQ(find<QListWidget>("lbConst")->item(0)->text(), QStringLiteral("g = 9.80665"));
    enter(QStringLiteral("twice(rate)"));
    EXPECT_EQ(edit2()->text(), QStringLiteral("6.0E+0"));

    const QString variables = home.filePath(QStringLiteral("slots.VAR"));
    QByteArray slotLines = bom;
    for (int i = 0; i < 10; ++i)
        slotLines += i == 0 ? " 2.5E+0000\r\n" : " 1.23454321E-0001\r\n";
    writeFile(variables, slotLines + "2.5\r\n" + QByteArray("\r\n").repeated(9));
    find<QTabWidget>("pcCalc")->setCurrentWidget(find("tsVariables"));
    ui.fileNames.push_back(variables);
    find<QAbstractButton>("BitBtn14")->click();
    EXPECT_EQ(find<QLineEdit>("edXVal")->text(), QStringLiteral("2.5E+0"));
}

TEST_F(MainWindowUseTest, ParametersOutsideTheLanguageAndNamesOfTheCalculatorAreRefusedInErrorBoxes) {
    prepareHome();
    writeFile(paths.functions(), "g(\xCE\xB1,\xCE\xB2)=\xCE\xB1-\xCE\xB2\r\n");
    open();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text,
              QString::fromUtf8("Invalid parameter names in g(\xCE\xB1,\xCE\xB2)=\xCE\xB1-\xCE\xB2: a "
                                "parameter name is letters, digits and _, beginning with a letter"));
    EXPECT_EQ(ui.boxes[0].kind, chart::MessageKind::Error);
    EXPECT_EQ(ui.boxes[0].parent, window.get()); // centred on the main window
    // The line stays below the functions as it stands in the file, and is saved back unchanged.
    EXPECT_EQ(find<QListWidget>("lbFuncs")->item(1)->text(),
              QString::fromUtf8("g(\xCE\xB1,\xCE\xB2)=\xCE\xB1-\xCE\xB2"));
    find<QAbstractButton>("BitBtn7")->click();
    QFile saved(paths.functions());
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("g(\xCE\xB1,\xCE\xB2)=\xCE\xB1-\xCE\xB2\r\n"));
    saved.close();

    window.reset();
    ui.boxes.clear();
    writeFile(paths.functions(), "k(x,y)=x*y\r\n");
    writeFile(paths.variables(), "pi = 3\r\n");
    open();
    EXPECT_EQ(
        ui.texts(),
        (QStringList{
            QStringLiteral("The name k belongs to the calculator (the variable K): k(x,y)=x*y"),
            QStringLiteral("Line 1 of ") + paths.variables() +
                QStringLiteral(" was skipped: the name pi belongs to the calculator (the constant pi)")}));

    // The User Funcs tab says so too, rather than "Invalid user function".
    ui.boxes.clear();
    find<QTabWidget>("pcCalc")->setCurrentWidget(find("tsFuncs"));
    find<QLineEdit>("edFuncName")->setText(QStringLiteral("X(a)"));
    find<QLineEdit>("edFuncExpres")->setText(QStringLiteral("a*2"));
    find<QAbstractButton>("bbAddFunc")->click();
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral(
                              "The name X belongs to the calculator (the variable X): X(a) = a*2")});
}

TEST_F(MainWindowUseTest, TheExampleFunctionsShippedBesideTheProgramServeAHomeWithoutItsOwn) {
    prepareHome();
    QTemporaryDir program;
    paths.shipped = program.path();
    writeFile(program.filePath(QStringLiteral("Brelt.FNC")), "hyp(a,b)=sqrt((a)^2+(b)^2)\r\n");
    open();
    enter(QStringLiteral("hyp(3,4)"));
    EXPECT_EQ(edit2()->text(), QStringLiteral("5.0E+0"));
    EXPECT_EQ(find<QListWidget>("lbFuncs")->item(0)->text(), QStringLiteral("hyp(a,b) = sqrt((a)^2+(b)^2)"));
    // Saving writes the home's own file, never the shipped one.
    find<QAbstractButton>("BitBtn7")->click();
    EXPECT_TRUE(QFile::exists(paths.functions()));
}

TEST_F(MainWindowUseTest, AClickOnAModeGivesTheFocusBackToTheInputLine) {
    prepareHome();
    open();
    for (const char* name : {"rgNotation_1", "rgBase_0", "rgAngle_0", "rgNotation_0", "rgAngle_1"}) {
        auto* mode = find<QAbstractButton>(name);
        QTest::mouseClick(mode, Qt::LeftButton);
        EXPECT_EQ(QApplication::focusWidget(), edit1()) << name;
    }
}
