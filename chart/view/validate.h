#pragma once
// TIntValidate and TRealValidate: a numeric edit field's guard. The owner window calls Change from
// the field's change handler (characters that cannot belong to a number are refused, the field
// falls back to its last good text with the caret before the refused character), Value when it
// reads the field, and Check before it acts (a violation is reported in an error box and the
// field gets the focus back). The logic lives in field_validate.h; this is the binding to the
// field. Each validator is owned by the window (its QObject parent).
#include "chart/view/field_validate.h"

#include <QObject>
#include <QPointer>

class QLineEdit;
class QWidget;

namespace brelt::chart {

class TIntValidate : public QObject {
public:
    // An empty `name` names the field by its objectName in messages.
    TIntValidate(int minimum, const QString& name, QWidget* form, QLineEdit* field, int maximum);

    void SetRange(int minimum, int maximum) { m_logic.setRange(minimum, maximum); }
    void SetMinimum(int minimum) { m_logic.setMinimum(minimum); }
    void SetMaximum(int maximum) { m_logic.setMaximum(maximum); }
    int Minimum() const { return m_logic.minimum(); }
    int Maximum() const { return m_logic.maximum(); }

    // The character check; true when the field's text (as it now stands) is a whole number.
    bool Change();
    int Value();
    bool Check();
    bool CheckQuiet();

    QLineEdit* field() const { return m_field; }
    const IntValidation& logic() const { return m_logic; }

private:
    QPointer<QLineEdit> m_field;
    QWidget* m_form;
    IntValidation m_logic;
    bool m_changing = false;
};

class TRealValidate : public QObject {
public:
    TRealValidate(QLineEdit* field, const QString& name, QWidget* form, double minimum, double maximum);

    void SetRange(double minimum, double maximum) { m_logic.setRange(minimum, maximum); }
    void SetMinimum(double minimum) { m_logic.setMinimum(minimum); }
    void SetMaximum(double maximum) { m_logic.setMaximum(maximum); }
    double Minimum() const { return m_logic.minimum(); }
    double Maximum() const { return m_logic.maximum(); }
    void SetStrictMinimum(bool strict) { m_logic.setStrictMinimumWording(strict); }

    // The character check; true when the field's text (as it now stands) is a number.
    bool Change();
    long double Value();
    bool Check();
    bool CheckQuiet();

    QLineEdit* field() const { return m_field; }
    const RealValidation& logic() const { return m_logic; }

private:
    QPointer<QLineEdit> m_field;
    QWidget* m_form;
    RealValidation m_logic;
    bool m_changing = false;
};

} // namespace brelt::chart
