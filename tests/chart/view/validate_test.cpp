// The numeric field validators: what typing leaves in the field, the values read, the range
// messages, and the binding to a real edit field.
#include "chart/view/validate.h"
#include "support/fake_ui_services.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace brelt::chart;

namespace {

struct TypingCase {
    const char* before; // the field's last good text
    const char* typed;  // the text after the keystroke
    const char* shown;  // what the field shows then
    int caret;          // -1: the keystroke was accepted
};

TEST(FieldValidation, IntegerFieldsRefuseWhatIsNoWholeNumber) {
    const TypingCase cases[] = {
        {"1", "1a", "1", 1},   {"12", "12-", "12", 2}, {"", "-", "-", -1},     {"-", "-5", "-5", -1},
        {"5", "+5", "+5", -1}, {"16", "1.6", "16", 1}, {"40", "4 0", "40", 1}, {"40", "4", "4", -1},
    };
    for (const TypingCase& c : cases) {
        IntValidation v(0, 100, QStringLiteral("n"), QString::fromLatin1(c.before));
        const CharacterCheck r = v.change(QString::fromLatin1(c.typed));
        EXPECT_EQ(r.text, QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(r.caret, c.caret) << c.typed;
        EXPECT_EQ(v.lastGoodText(), QString::fromLatin1(c.shown)) << c.typed;
    }
}

TEST(FieldValidation, RealFieldsRefuseTheCharacterThatBreaksTheNumber) {
    const TypingCase cases[] = {
        {"1.5", "1.5.", "1.5", 3},     {"1e5", "1e5e", "1e5", 3},      {"1", "1x", "1", 1},
        {"-", "-.", "-.", -1},         {"1.5e", "1.5e-", "1.5e-", -1}, {"12", "1-2", "12", 1},
        {"1.5.2", "1.52", "1.52", -1}, // deleting is never refused
    };
    for (const TypingCase& c : cases) {
        RealValidation v(-10, 10, QStringLiteral("x"), QString());
        v.change(QString::fromLatin1(c.before));
        const CharacterCheck r = v.change(QString::fromLatin1(c.typed));
        EXPECT_EQ(r.text, QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(r.caret, c.caret) << c.typed;
    }
    // 1.5e-3 is accepted character by character.
    RealValidation v(-10, 10, QStringLiteral("x"), QString());
    const QString number = QStringLiteral("1.5e-3");
    for (int n = 1; n <= number.size(); ++n)
        EXPECT_FALSE(v.change(number.left(n)).refused()) << n;
    EXPECT_EQ(v.value(number), 1.5e-3L);
}

TEST(FieldValidation, RealErrorPositionsAcrossTheParts) {
    const std::pair<const char*, int> cases[] = {
        {"1.5.2", 4}, {"1e5e", 4}, {"-1.25E+12", 0}, {".5", 0},  {"1.", 0},    {"1-", 2},
        {"1.-5", 3},  {"1e5.", 2}, {"1,5", 2},       {"+-1", 2}, {"1e+-5", 4}, {"", 0},
    };
    for (const auto& [text, position] : cases)
        EXPECT_EQ(realErrorPosition(QString::fromLatin1(text)), position) << text;
}

TEST(FieldValidation, ConversionsAndTheLastGoodValue) {
    IntValidation steps(2, 16000, QStringLiteral("Number of Steps"), QStringLiteral("12a3"));
    EXPECT_EQ(steps.lastGoodText(), QStringLiteral("123")); // the refused characters taken out
    EXPECT_EQ(steps.value(QStringLiteral("40")), 40);
    EXPECT_EQ(steps.value(QStringLiteral("4x")), 40);
    EXPECT_EQ(steps.value(QString()), 40);
    EXPECT_EQ(IntValidation(0, 9, QString(), QStringLiteral("-")).lastGoodText(), QString());
    int big = 0;
    EXPECT_EQ(convertInteger(QStringLiteral("2147483648"), big), 10);
    EXPECT_EQ(convertInteger(QStringLiteral("-2147483648"), big), 0);
    EXPECT_EQ(big, -2147483647 - 1);

    RealValidation range(-115425.2, 115425.2, QStringLiteral("x"), QStringLiteral("-10"));
    EXPECT_EQ(range.value(QStringLiteral("abc")), -10.0L);
    EXPECT_EQ(range.value(QStringLiteral(" 2.5e1")), 25.0L);
    EXPECT_EQ(range.value(QStringLiteral("0.1")), 0.1L); // read in extended precision
    EXPECT_EQ(RealValidation(0, 1, QString(), QStringLiteral("1..")).lastGoodText(), QString());
}

TEST(FieldValidation, RangeMessagesAndTheMinMaxRule) {
    IntValidation steps(2, 16000, QStringLiteral("Number of Steps"), QString());
    EXPECT_TRUE(steps.check(QStringLiteral("16000")).valid);
    for (const char* text : {"1", "16001", "", "x"}) {
        const RangeCheck r = steps.check(QString::fromLatin1(text));
        EXPECT_FALSE(r.valid) << text;
        EXPECT_EQ(r.message, QStringLiteral("Number of Steps must be in the range [2..16000]")) << text;
    }
    steps.setRange(5, 3);
    EXPECT_EQ(steps.minimum(), 3);
    EXPECT_EQ(steps.maximum(), 3);
    steps.setMinimum(7);
    EXPECT_EQ(steps.maximum(), 7);

    RealValidation x(-115425.2, 115425.2, QStringLiteral("Minimum X-coordinate"), QString());
    EXPECT_TRUE(x.check(QStringLiteral("-115425.2")).valid);
    EXPECT_EQ(x.check(QStringLiteral("2e5")).message,
              QStringLiteral("Minimum X-coordinate must be in the range [-115425.2 ... 115425.2]"));
    const RangeCheck empty = x.check(QString());
    EXPECT_FALSE(empty.valid);
    EXPECT_TRUE(empty.message.isEmpty());
    RealValidation e(0, 1e30, QStringLiteral("Vertical exaggerate"), QString());
    e.setStrictMinimumWording(true);
    EXPECT_EQ(e.check(QStringLiteral("-1")).message,
              QStringLiteral("Vertical exaggerate must be in the range [ > 0.0 ... 1.0E+30]"));
}

TEST(FieldValidators, TheBindingRestoresTheFieldAndReportsOnTheWindow) {
    brelt::testing::FakeUiServices ui;
    QWidget form;
    auto* field = new QLineEdit(&form);
    auto* other = new QLineEdit(&form);
    field->setObjectName(QStringLiteral("edStepsX"));
    field->setText(QStringLiteral("1"));
    auto* steps = new TIntValidate(2, QString(), &form, field, 16000);
    QObject::connect(field, &QLineEdit::textChanged, steps, [steps] { steps->Change(); });
    form.show();
    QApplication::setActiveWindow(&form);
    field->setFocus();
    field->end(false);
    QTest::keyClick(field, Qt::Key_A);
    EXPECT_EQ(field->text(), QStringLiteral("1"));
    EXPECT_EQ(field->cursorPosition(), 1);
    other->setFocus();
    EXPECT_FALSE(steps->Check());
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("edStepsX must be in the range [2..16000]")});
    EXPECT_EQ(ui.boxes.back().kind, MessageKind::Error);
    EXPECT_TRUE(field->hasFocus());

    auto* real = new TRealValidate(other, QStringLiteral("Maximum X-coordinate"), &form, -1, 1);
    other->setText(QString());
    EXPECT_FALSE(real->Check());
    EXPECT_EQ(ui.boxes.size(), 1u); // an empty real field fails without a box
    field->setText(QStringLiteral("20"));
    EXPECT_TRUE(steps->CheckQuiet());
    EXPECT_EQ(steps->Value(), 20);
}

} // namespace
