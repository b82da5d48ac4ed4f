#pragma once
// A scripted CalcEngine for the window's tests: a line evaluates to the outcome the test put in
// `scripted`, or else to the result "R(<line>)"; every call is recorded.
#include "workspace/calc_engine.h"

#include <QMap>

#include <functional>

namespace brelt::testing {

class FakeCalcEngine final : public workspace::CalcEngine {
public:
    QMap<QString, workspace::LineOutcome> scripted;
    QStringList evaluated; // lines in the order they were evaluated
    std::function<void()> duringEvaluation;
    int lastDigits = -1;
    int notation = 0;
    int base = 0;
    bool degrees = false;
    int precision = 0;
    bool breakRequested = false;
    int clearAllCount = 0;
    int abortCount = 0;
    QString lastResult = QStringLiteral("0");

    workspace::LineOutcome evaluateLine(const QString& input, int digits) override {
        evaluated << input;
        lastDigits = digits;
        breakRequested = false;
        if (duringEvaluation) duringEvaluation();
        workspace::LineOutcome outcome;
        if (scripted.contains(input))
            outcome = scripted.value(input);
        else {
            outcome.ok = true;
            outcome.resultText = QStringLiteral("R(") + input + QLatin1Char(')');
        }
        if (outcome.ok) lastResult = outcome.resultText;
        return outcome;
    }
    QString formatLastResult(int digits) override {
        return QStringLiteral("%1/n%2/b%3/d%4").arg(lastResult).arg(notation).arg(base).arg(digits);
    }
    void setNotation(int value) override { notation = value; }
    void setBase(int value) override { base = value; }
    void setAngleDegrees(bool value) override { degrees = value; }
    void setPrecision(int value) override { precision = value; }
    void requestBreak() override { breakRequested = true; }
    void abortEvaluation() override { ++abortCount; }
    void clearAll() override { ++clearAllCount; }
    QString functionName(int index) const override {
        switch (index) {
        case 0: return QStringLiteral("min(");
        case 1: return QStringLiteral("sin(");
        case 2: return QStringLiteral("arcsin(");
        case 11: return QStringLiteral("random");
        case 30: return QStringLiteral("e");
        default: return QStringLiteral("fn%1(").arg(index);
        }
    }
    QString helpText(int index) const override { return QStringLiteral("Help %1 in %A").arg(index); }
};

} // namespace brelt::testing
