#pragma once
// What the main window needs from the expression engine, as one narrow interface: evaluate a typed
// line exactly as the Return key does, re-format the last result, set the display modes, break a
// long computation, forget everything ("Clear All"), and read the function catalogue and its help
// texts for the keypad and the assistant. The program connects the real engine (engine_calc.h);
// widget tests connect a scripted one, so the window's behaviour is tested on its own.
#include <QString>
#include <QStringList>

namespace brelt::workspace {

// The outcome of evaluating the input line.
struct LineOutcome {
    bool ok = false;
    QString resultText; // the formatted value, on success
    QString errorText;  // the message, ": position " and the position in the typed text, on failure
    int errorStart = 0; // 0-based start of the faulty span in the typed text (spaces counted)
    int errorLength = 0;
    // The end of the tape line: "; " and "name=value; " for each variable the formula assigned.
    QString tapeSuffix = QStringLiteral("; ");
};

class CalcEngine {
public:
    virtual ~CalcEngine() = default;

    // Removes the blanks, checks the parentheses, evaluates, formats with `digits`; on success the
    // value becomes the last result. The break flag is cleared first.
    virtual LineOutcome evaluateLine(const QString& input, int digits) = 0;
    virtual QString formatLastResult(int digits) = 0;

    virtual void setNotation(int notation) = 0; // 0 Scn, 1 Fix, 2 Eng, 3 Sxg
    virtual void setBase(int base) = 0;         // 0 dec, 1 hex, 2 bin (installs the digit set)
    virtual void setAngleDegrees(bool degrees) = 0;
    virtual void setPrecision(int precision) = 0; // digits the integration must settle on
    virtual void requestBreak() = 0;
    // Breaks the running evaluation at its next step without asking the user (the window closes);
    // requests the evaluation makes of the user from then on are answered "cancelled".
    virtual void abortEvaluation() = 0;
    // Resets the variable slots, their formulas and the procedures' memory to undefined.
    virtual void clearAll() = 0;

    // Catalogue row `index`: its name ("sin(") and its one-line help text ("%A" not yet replaced).
    virtual QString functionName(int index) const = 0;
    virtual QString helpText(int index) const = 0;
};

} // namespace brelt::workspace
