// The Set variable dialog and the variable buttons: the dialog's OK steps, "undefined", errors in
// red with the span selected, cancelling, the engine's own request for a variable with no value,
// and the rule that a cancelled dialog evaluates the input line for Y..N but not for X.
#include "engine/engine.h"
#include "engine/host.h"
#include "workspace/rcvar.h"
#include "workspace/variables_buttons.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>

using namespace brelt;
using namespace brelt::workspace;

namespace {

// Runs `step` on the dialog once its modal loop runs.
void whenOpen(TSetVar& dialog, std::function<void(TSetVar&)> step) {
    QTimer::singleShot(0, &dialog, [&dialog, step] { step(dialog); });
}

QLineEdit* edit(TSetVar& dialog, const char* name) {
    return dialog.findChild<QLineEdit*>(QLatin1String(name));
}

void press(TSetVar& dialog, const char* name) {
    dialog.findChild<QPushButton*>(QLatin1String(name))->click();
}

// The engine's host as the main window will have it: requests go to the dialog.
class DialogHost : public engine::EngineHost {
public:
    explicit DialogHost(TSetVar*& dialog) : m_dialog(dialog) {}
    bool requestVariable(engine::Engine&, int slot, char, const std::string&) override {
        ++requests;
        return askVariable(*m_dialog, slot, 12);
    }
    int requests = 0;

private:
    TSetVar*& m_dialog;
};

} // namespace

TEST(SetVarDialog, ShowsUndefinedAndStoresFormulaAndValueOnOk) {
    engine::Engine engine;
    TSetVar dialog(engine);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set variable"));
    QString shown;
    whenOpen(dialog, [&](TSetVar& d) {
        shown = edit(d, "Edit2")->text();
        edit(d, "Edit1")->setText(QStringLiteral("6 * 7"));
        press(d, "OKBtn");
    });
    EXPECT_TRUE(dialog.Execute(engine::kSlotX, 12));
    EXPECT_EQ(shown, QStringLiteral("undefined"));
    EXPECT_EQ(engine.slot(engine::kSlotX).value, 42.0L);
    EXPECT_EQ(engine.slot(engine::kSlotX).formula, "6*7");

    // Opened again it shows the value with the digits asked for and the formula to edit.
    whenOpen(dialog, [&](TSetVar& d) {
        shown = edit(d, "Edit2")->text() + QLatin1Char('|') + edit(d, "Edit1")->text();
        d.reject();
    });
    EXPECT_FALSE(dialog.Execute(engine::kSlotX, 12));
    EXPECT_EQ(shown, QStringLiteral("4.2E+1|6*7"));
}

TEST(SetVarDialog, ErrorStaysOpenInRedWithSpanSelectedAndCancelRestoresFormula) {
    engine::Engine engine;
    engine.slot(2).formula.assign(1, '3');
    engine.slot(2).value = 3;
    TSetVar dialog(engine);
    QString error;
    QString selected;
    bool stillOpen = false;
    whenOpen(dialog, [&](TSetVar& d) {
        edit(d, "Edit1")->setText(QStringLiteral("1 + (2"));
        press(d, "OKBtn");
        stillOpen = d.isVisible();
        error = edit(d, "Edit2")->text();
        // An empty formula keeps the dialog open too.
        edit(d, "Edit1")->setText(QStringLiteral("  "));
        press(d, "OKBtn");
        stillOpen = stillOpen && d.isVisible();
        edit(d, "Edit1")->setText(QStringLiteral("2 +* 1"));
        press(d, "OKBtn");
        selected = edit(d, "Edit1")->selectedText();
        d.reject();
    });
    EXPECT_FALSE(dialog.Execute(2, 12));
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(error, QStringLiteral("Missing \")\": position 6"));
    EXPECT_EQ(selected, QStringLiteral("*"));
    EXPECT_EQ(engine.slot(2).formula, "3"); // cancelled: the slot is as it was
    EXPECT_EQ(engine.slot(2).value, 3.0L);
}

TEST(SetVarDialog, EngineAsksForAVariableWithNoValueAndGoesOnReading) {
    engine::Engine engine;
    TSetVar* dialog = nullptr;
    DialogHost host(dialog);
    engine.setHost(&host);
    TSetVar setVar(engine);
    dialog = &setVar;
    whenOpen(setVar, [&](TSetVar& d) {
        edit(d, "Edit1")->setText(QStringLiteral("(1+2)*10"));
        press(d, "OKBtn");
    });
    EXPECT_EQ(engine.Evaluate("Y+12"), 42.0L);
    EXPECT_FALSE(engine.ErrorFlag);
    EXPECT_EQ(host.requests, 1);
    EXPECT_EQ(engine.workingExpression(), "Y+12");

    // Cancelled, the formula ends with "User break".
    whenOpen(setVar, [](TSetVar& d) { d.reject(); });
    engine.Evaluate("Z*2");
    EXPECT_TRUE(engine.ErrorFlag);
    EXPECT_EQ(engine.ErrorCode, engine::kUserBreak);
    engine.setHost(nullptr);
}

TEST(SetVarDialog, AFormulaReadingAnotherUnsetVariableAsksForItInASecondDialog) {
    engine::Engine engine;
    TSetVar* dialog = nullptr;
    DialogHost host(dialog);
    engine.setHost(&host);
    TSetVar setVar(engine);
    dialog = &setVar;
    QString nestedTitle;
    whenOpen(setVar, [&](TSetVar& d) {
        edit(d, "Edit1")->setText(QStringLiteral("Y*2"));
        QTimer::singleShot(0, [&] {
            auto* nested = qobject_cast<TSetVar*>(QApplication::activeModalWidget());
            ASSERT_NE(nested, nullptr);
            ASSERT_NE(nested, &d);
            nestedTitle = nested->findChild<QLabel*>(QStringLiteral("lbExp"))->text();
            edit(*nested, "Edit1")->setText(QStringLiteral("21"));
            press(*nested, "OKBtn");
        });
        press(d, "OKBtn");
    });
    EXPECT_TRUE(setVar.Execute(engine::kSlotX, 12));
    EXPECT_EQ(nestedTitle, QStringLiteral("Y ="));
    EXPECT_EQ(engine.slot(engine::kSlotX).value, 42.0L);
    EXPECT_EQ(engine.slot(engine::kSlotX).formula, "Y*2");
    EXPECT_EQ(engine.slot(2).value, 21.0L);
    EXPECT_EQ(host.requests, 1);
    engine.setHost(nullptr);
}

TEST(VariableButtons, LetterOrDialogAndTheRuleForX) {
    engine::Engine engine;
    TSetVar dialog(engine);
    QStringList inserted;
    int evaluations = 0;
    VariableButtons buttons(
        dialog, [&](const QString& text) { inserted << text; }, [&] { ++evaluations; }, [] { return 12; });
    auto button = [&](const char* name) { return buttons.findChild<QToolButton*>(QLatin1String(name)); };

    // "Evaluate" off: the letter goes into the input line.
    button("btK")->click();
    EXPECT_EQ(inserted, QStringList{QStringLiteral("K")});
    EXPECT_EQ(evaluations, 0);

    buttons.findChild<QCheckBox*>(QStringLiteral("cbEval"))->setChecked(true);
    struct Case {
        const char* button;
        bool ok;
        int evaluationsAfter;
    };
    const Case cases[] = {
        {"btX", false, 0}, // X cancelled: nothing evaluated
        {"btY", false, 1}, // Y cancelled: evaluated all the same
        {"btX", true, 2},  // X confirmed: evaluated
        {"btN", true, 3},
    };
    for (const Case& c : cases) {
        whenOpen(dialog, [&c](TSetVar& d) {
            if (!c.ok) {
                d.reject();
                return;
            }
            edit(d, "Edit1")->setText(QStringLiteral("5"));
            press(d, "OKBtn");
        });
        button(c.button)->click();
        EXPECT_EQ(evaluations, c.evaluationsAfter) << c.button << c.ok;
    }
    EXPECT_EQ(engine.slot(10).value, 5.0L);

    // "Evaluate after settings" off: nothing is evaluated however the dialog closes.
    whenOpen(dialog, [](TSetVar& d) {
        d.findChild<QCheckBox*>(QStringLiteral("cbEval"))->setChecked(false);
        d.reject();
    });
    button("btY")->click();
    whenOpen(dialog, [](TSetVar& d) { press(d, "OKBtn"); });
    button("btX")->click();
    EXPECT_EQ(evaluations, 3);
    EXPECT_EQ(inserted.size(), 1);
}
