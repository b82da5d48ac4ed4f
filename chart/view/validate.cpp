#include "chart/view/validate.h"

#include "chart/view/ui_services.h"

#include <QApplication>
#include <QLineEdit>

namespace brelt::chart {

namespace {

QString fieldName(const QString& name, const QLineEdit* field) {
    return name.isEmpty() && field ? field->objectName() : name;
}

QString textOf(const QLineEdit* field) {
    return field ? field->text() : QString();
}

// Puts what the check decided into the field (without running the check again).
void apply(QLineEdit* field, const CharacterCheck& result, bool& changing) {
    if (!field || !result.refused()) return;
    changing = true;
    field->setText(result.text);
    field->setCursorPosition(result.caret);
    changing = false;
}

// The field, when it can take it, becomes the window's active control again.
void refocus(QLineEdit* field) {
    if (!field || !field->isEnabled()) return;
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

void report(QWidget* form, QLineEdit* field, const RangeCheck& verdict) {
    if (!verdict.message.isEmpty())
        uiServices().message(form, QApplication::applicationDisplayName(), verdict.message,
                             MessageKind::Error);
    refocus(field);
}

void beep(QLineEdit* field) {
    QApplication::beep();
    refocus(field);
}

} // namespace

TIntValidate::TIntValidate(int minimum, const QString& name, QWidget* form, QLineEdit* field, int maximum)
    : QObject(form), m_field(field), m_form(form),
      m_logic(minimum, maximum, fieldName(name, field), textOf(field)) {}

bool TIntValidate::Change() {
    if (m_changing || !m_field) return false;
    apply(m_field, m_logic.change(m_field->text()), m_changing);
    int value = 0;
    return convertInteger(m_field->text(), value) == 0;
}

int TIntValidate::Value() {
    return m_logic.value(textOf(m_field));
}

bool TIntValidate::Check() {
    const RangeCheck verdict = m_logic.check(textOf(m_field));
    if (!verdict.valid) report(m_form, m_field, verdict);
    return verdict.valid;
}

bool TIntValidate::CheckQuiet() {
    const bool valid = m_logic.check(textOf(m_field)).valid;
    if (!valid) beep(m_field);
    return valid;
}

TRealValidate::TRealValidate(QLineEdit* field, const QString& name, QWidget* form, double minimum,
                             double maximum)
    : QObject(form), m_field(field), m_form(form),
      m_logic(minimum, maximum, fieldName(name, field), textOf(field)) {
    if (m_field && m_logic.lastGoodText() != m_field->text()) m_field->clear();
}

bool TRealValidate::Change() {
    if (m_changing || !m_field) return false;
    apply(m_field, m_logic.change(m_field->text()), m_changing);
    long double value = 0;
    return convertReal(m_field->text(), value) == 0;
}

long double TRealValidate::Value() {
    return m_logic.value(textOf(m_field));
}

bool TRealValidate::Check() {
    const RangeCheck verdict = m_logic.check(textOf(m_field));
    if (!verdict.valid) report(m_form, m_field, verdict);
    return verdict.valid;
}

bool TRealValidate::CheckQuiet() {
    const bool valid = m_logic.check(textOf(m_field)).valid;
    if (!valid) beep(m_field);
    return valid;
}

} // namespace brelt::chart
