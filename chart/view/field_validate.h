#pragma once
// The logic of the numeric field validators, without any widget: the character check that refuses
// what cannot belong to a number while the user types (the field falls back to its last good text
// with the caret before the refused character), the conversion of the text to a value, and the
// range check with its message. TIntValidate and TRealValidate (validate.h) bind it to an edit
// field; tests drive it with strings.
//
// Positions are 1-based character positions in the field's text; 0 means "no error".
#include <QString>

namespace brelt::chart {

// The integer rule: signs and digits only, a sign only as the first character.
int integerErrorPosition(const QString& text);
// The real rule: the text cut into integer, fraction and exponent parts, each under the integer
// rule (the fraction's point counting as its sign), and no character besides signs, digits, the
// point and the exponent letters.
int realErrorPosition(const QString& text);

// Conversion as the validators do it: leading blanks, an optional sign and digits (an integer in
// 32 bits); a real also takes a point and an exponent. Locale-independent. On failure the result
// is the position of the first character that does not fit (the length + 1 when the text ends
// too early); 0 on success.
int convertInteger(const QString& text, int& value);
int convertReal(const QString& text, long double& value);

// What the field must show after the character check.
struct CharacterCheck {
    QString text;   // the field's text from now on
    int caret = -1; // 0-based caret position when a character was refused, else -1
    bool refused() const { return caret >= 0; }
};

// The range check's verdict: valid, or not valid with the message to show (an empty message
// shows no box).
struct RangeCheck {
    bool valid = false;
    QString message;
};

class IntValidation {
public:
    // The last good text starts as the longest convertible text made from `text` by deleting the
    // characters the conversion refuses, one at a time (the field itself is not changed).
    IntValidation(int minimum, int maximum, const QString& name, const QString& text);

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    // Minimum <= maximum always: raising the minimum above the maximum raises the maximum with it,
    // lowering the maximum below the minimum lowers the minimum.
    void setMinimum(int minimum);
    void setMaximum(int maximum);
    void setRange(int minimum, int maximum); // minimum first, then maximum

    CharacterCheck change(const QString& text);
    // The text's value when it converts and is not empty; else the last value that did.
    int value(const QString& text);
    RangeCheck check(const QString& text) const;

    const QString& lastGoodText() const { return m_lastGood; }
    const QString& name() const { return m_name; }

private:
    int m_minimum = 0;
    int m_maximum = 0;
    int m_value = 0;
    QString m_name;
    QString m_lastGood;
};

class RealValidation {
public:
    // `text` becomes the last good text when it converts; otherwise the field is to be emptied
    // (initialText() is then empty).
    RealValidation(double minimum, double maximum, const QString& name, const QString& text);

    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    void setMinimum(double minimum);
    void setMaximum(double maximum);
    void setRange(double minimum, double maximum);
    // " must be in the range [ > " instead of " must be in the range [" in messages.
    void setStrictMinimumWording(bool strict) { m_strict = strict; }

    CharacterCheck change(const QString& text);
    long double value(const QString& text);
    RangeCheck check(const QString& text) const;

    const QString& lastGoodText() const { return m_lastGood; }
    const QString& name() const { return m_name; }

    // A bound as messages write it: fixed notation, 8 digits.
    static QString boundText(double bound);

private:
    double m_minimum = 0;
    double m_maximum = 0;
    long double m_value = 0;
    QString m_name;
    QString m_lastGood;
    bool m_strict = false;
};

} // namespace brelt::chart
