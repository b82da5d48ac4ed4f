// The assistant's texts and the keypad's tables, apart from the window.
#include "workspace/assistant_text.h"
#include "workspace/keypad.h"

#include <Qt>
#include <gtest/gtest.h>

using namespace brelt::workspace;

TEST(WordAtCursor, FindsTheNameAroundTheCursor) {
    struct Case {
        const char* text;
        int cursor;
        const char* word;
    };
    const Case cases[] = {
        {"arcsin(", 7, "arcsin("}, // after the "(": backward over the name
        {"1+sin(X)", 4, "sin("},   // inside the name: forward takes the "("
        {"1+sin(X)", 2, "sin("},   // before the name: the next character starts it
        {"sin(X)", 1, "s"},        // the first character is not extended forward
        {"2*3", 1, ""},            // no name character near
        {"", 0, ""},
        {"X+Jn(", 5, "Jn("}, // capitals J and n
        {"integral(", 3, "integral("},
        {"7+abs", 5, "abs"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wordAtCursor(QString::fromLatin1(c.text), c.cursor), QString::fromLatin1(c.word))
            << c.text << " at " << c.cursor;
}

TEST(FindCatalogueEntry, FirstRowWhoseNameOccursSkippingRow30) {
    auto names = [](int row) {
        switch (row) {
        case 1: return QStringLiteral("sin(");
        case 2: return QStringLiteral("arcsin(");
        case 30: return QStringLiteral("e");
        case 14: return QStringLiteral("exp(");
        default: return QString();
        }
    };
    EXPECT_EQ(findCatalogueEntry(QStringLiteral("arcsin("), names), 1);
    EXPECT_EQ(findCatalogueEntry(QStringLiteral("exp("), names), 14);
    EXPECT_EQ(findCatalogueEntry(QStringLiteral("e"), names), -1);
    EXPECT_EQ(findCatalogueEntry(QString(), names), -1);
}

TEST(Greeting, ByTimeOfDay) {
    struct Case {
        double t;
        const char* text;
    };
    const Case cases[] = {
        {0.1, "Oh... Good ... night ... Ann!"}, {0.2, "Good morning Ann!"},  {0.49, "Good morning Ann!"},
        {13.0 / 24, "Good after noon Ann!"},    {0.75, "Good evening Ann!"}, {0.0, "What is the time?"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(greetingText(c.t, QStringLiteral("Ann")), QString::fromLatin1(c.text)) << c.t;
    EXPECT_FALSE(userFirstName().isEmpty());
    EXPECT_FALSE(userFirstName().contains(QLatin1Char(' ')));
}

TEST(HelpText, AngleUnitReplacesThePlaceholder) {
    EXPECT_EQ(helpWithAngleUnit(QStringLiteral("Sine of %A angle"), true),
              QStringLiteral("Sine of degree angle"));
    EXPECT_EQ(helpWithAngleUnit(QStringLiteral("Sine of %A angle"), false),
              QStringLiteral("Sine of radian angle"));
}

TEST(Keypad, InsertedTextsAndCursor) {
    struct Case {
        const char* button;
        const char* text;
        int cursor;
    };
    const Case cases[] = {
        {"sbSOLV", "solve(,,)", 6}, {"sbRand", "random", 6}, {"sbJn", "Jn(,)", 3},
        {"sbSIN", "sin()", 4},      {"sb10A", "10^()", 4},   {"sbIntegral", "integral(,,)", 9},
    };
    for (const Case& c : cases) {
        const FunctionButton* button = findFunctionButton(QString::fromLatin1(c.button));
        ASSERT_NE(button, nullptr) << c.button;
        const QString text = functionButtonText(*button);
        EXPECT_EQ(text, QString::fromLatin1(c.text));
        EXPECT_EQ(cursorAfterInsert(text), c.cursor) << c.button;
    }
    EXPECT_EQ(functionButtons().size(), 42u);
    EXPECT_EQ(cursorAfterInsert(QStringLiteral("for J to K step M do(?)")), 23);
}

TEST(Keypad, CtrlAndAltMaps) {
    struct Case {
        bool ctrl;
        int key;
        const char* button;
        const char* text;
    };
    const Case cases[] = {
        {true, Qt::Key_1, "sb10A", ""},   {true, Qt::Key_4, "sbIntegral", ""},
        {true, Qt::Key_E, "", "e"},       {true, Qt::Key_P, "", "\xc2\xb6"},
        {true, Qt::Key_R, "sbERF", ""},   {true, Qt::Key_F, "sbERF", ""},
        {true, Qt::Key_D, "sbSx", ""},    {false, Qt::Key_O, "sbSOLV", ""},
        {false, Qt::Key_X, "btX", ""},    {false, Qt::Key_N, "btN", ""},
        {false, Qt::Key_R, "sbRand", ""},
    };
    for (const Case& c : cases) {
        const auto action = c.ctrl ? ctrlKeyAction(c.key) : altKeyAction(c.key);
        ASSERT_TRUE(action.has_value()) << c.key;
        EXPECT_EQ(action->button, QString::fromLatin1(c.button));
        EXPECT_EQ(action->text, QString::fromUtf8(c.text));
    }
    EXPECT_FALSE(ctrlKeyAction(Qt::Key_V).has_value());
    EXPECT_FALSE(ctrlKeyAction(Qt::Key_Z).has_value());
    EXPECT_FALSE(altKeyAction(Qt::Key_B).has_value());
}
