#include "chart/view/field_validate.h"

#include "engine/format_value.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace brelt::chart {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isSign(QChar c) {
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

bool isExponentLetter(QChar c) {
    return c == QLatin1Char('e') || c == QLatin1Char('E');
}

int size(const QString& text) {
    return static_cast<int>(text.size());
}

// The smallest of the positions that are not 0; 0 when all are.
int firstError(std::initializer_list<int> positions) {
    int first = 0;
    for (int p : positions)
        if (p > 0 && (first == 0 || p < first)) first = p;
    return first;
}

// Skips blanks and a sign from `i`; returns true for a minus sign.
bool readSign(const QString& text, int& i) {
    while (i < size(text) && text[i] == QLatin1Char(' '))
        ++i;
    if (i < size(text) && isSign(text[i])) return text[i++] == QLatin1Char('-');
    return false;
}

int readDigits(const QString& text, int& i) {
    const int start = i;
    while (i < size(text) && isDigit(text[i]))
        ++i;
    return i - start;
}

// The caret before character p of the new text, inside what the field now holds.
int caretBefore(int p, const QString& shown) {
    return std::clamp(p - 1, 0, size(shown));
}

} // namespace

int integerErrorPosition(const QString& text) {
    int sign = 0;
    for (int i = 0; i < size(text); ++i) {
        if (isSign(text[i]))
            sign = i + 1;
        else if (!isDigit(text[i]))
            return i + 1;
    }
    return sign >= 2 ? sign : 0;
}

int realErrorPosition(const QString& text) {
    const int n = size(text);
    int foreign = 0;
    for (int i = 0; i < n && foreign == 0; ++i) {
        const QChar c = text[i];
        if (!isSign(c) && !isDigit(c) && c != QLatin1Char('.') && !isExponentLetter(c)) foreign = i + 1;
    }
    const int point = static_cast<int>(text.indexOf(QLatin1Char('.'))) + 1;
    int exponent = 0;
    for (int i = 0; i < n && exponent == 0; ++i)
        if (isExponentLetter(text[i])) exponent = i + 1;

    const int integerEnd = point > 0 ? point - 1 : exponent > 0 ? exponent - 1 : n;
    const int inInteger = integerErrorPosition(text.left(integerEnd));
    int inFraction = 0;
    if (point > 0) {
        const int fractionEnd = exponent > point ? exponent - 1 : n;
        QString fraction = text.mid(point - 1, fractionEnd - (point - 1));
        fraction[0] = QLatin1Char('-'); // the point stands where a sign may
        if (const int p = integerErrorPosition(fraction)) inFraction = p + point - 1;
    }
    int inExponent = 0;
    if (exponent > 0)
        if (const int p = integerErrorPosition(text.mid(exponent))) inExponent = p + exponent;
    return firstError({foreign, inInteger, inFraction, inExponent});
}

int convertInteger(const QString& text, int& value) {
    int i = 0;
    const bool negative = readSign(text, i);
    const int start = i;
    long long v = 0;
    for (; i < size(text); ++i) {
        if (!isDigit(text[i])) return i + 1;
        v = v * 10 + text[i].unicode() - '0';
        if (v > (negative ? 2147483648LL : 2147483647LL)) return i + 1;
    }
    if (i == start) return size(text) + 1;
    value = static_cast<int>(negative ? -v : v);
    return 0;
}

int convertReal(const QString& text, long double& value) {
    int i = 0;
    const bool negative = readSign(text, i);
    const int start = i;
    int digits = readDigits(text, i);
    if (i < size(text) && text[i] == QLatin1Char('.')) {
        ++i;
        digits += readDigits(text, i);
    }
    if (digits == 0) return i < size(text) ? i + 1 : size(text) + 1;
    if (i < size(text) && isExponentLetter(text[i])) {
        ++i;
        if (i < size(text) && isSign(text[i])) ++i;
        if (readDigits(text, i) == 0) return i < size(text) ? i + 1 : size(text) + 1;
    }
    if (i < size(text)) return i + 1;
    const std::string number = text.mid(start).toStdString();
    long double magnitude = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), magnitude);
    if (error != std::errc() || end != number.data() + number.size()) return start + 1;
    value = negative ? -magnitude : magnitude;
    return 0;
}

// ---- IntValidation ----

IntValidation::IntValidation(int minimum, int maximum, const QString& name, const QString& text)
    : m_name(name) {
    setMinimum(minimum);
    setMaximum(maximum);
    QString good = text;
    int v = 0;
    while (!good.isEmpty()) {
        const int p = convertInteger(good, v);
        if (p == 0) {
            m_value = v;
            break;
        }
        good.remove(std::min(p, size(good)) - 1, 1);
    }
    m_lastGood = good;
}

void IntValidation::setMinimum(int minimum) {
    m_minimum = minimum;
    if (m_minimum > m_maximum) m_maximum = m_minimum;
}

void IntValidation::setMaximum(int maximum) {
    m_maximum = maximum;
    if (m_maximum < m_minimum) m_minimum = m_maximum;
}

void IntValidation::setRange(int minimum, int maximum) {
    setMinimum(minimum);
    setMaximum(maximum);
}

CharacterCheck IntValidation::change(const QString& text) {
    CharacterCheck result{text, -1};
    if (const int p = integerErrorPosition(text)) {
        result.text = m_lastGood;
        result.caret = caretBefore(p, m_lastGood);
    } else {
        m_lastGood = text;
    }
    return result;
}

int IntValidation::value(const QString& text) {
    int v = 0;
    if (!text.isEmpty() && convertInteger(text, v) == 0) m_value = v;
    return m_value;
}

RangeCheck IntValidation::check(const QString& text) const {
    int v = 0;
    if (convertInteger(text, v) == 0 && v >= m_minimum && v <= m_maximum) return {true, {}};
    return {false, m_name + QStringLiteral(" must be in the range [") + QString::number(m_minimum) +
                       QStringLiteral("..") + QString::number(m_maximum) + QLatin1Char(']')};
}

// ---- RealValidation ----

RealValidation::RealValidation(double minimum, double maximum, const QString& name, const QString& text)
    : m_name(name) {
    setMinimum(minimum);
    setMaximum(maximum);
    long double v = 0;
    if (convertReal(text, v) == 0) {
        m_value = v;
        m_lastGood = text;
    }
}

void RealValidation::setMinimum(double minimum) {
    m_minimum = minimum;
    if (m_minimum > m_maximum) m_maximum = m_minimum;
}

void RealValidation::setMaximum(double maximum) {
    m_maximum = maximum;
    if (m_maximum < m_minimum) m_minimum = m_maximum;
}

void RealValidation::setRange(double minimum, double maximum) {
    setMinimum(minimum);
    setMaximum(maximum);
}

CharacterCheck RealValidation::change(const QString& text) {
    CharacterCheck result{text, -1};
    if (size(text) <= size(m_lastGood)) {
        m_lastGood = text; // something was deleted: nothing new to refuse
    } else if (const int p = realErrorPosition(text)) {
        result.text = m_lastGood;
        result.caret = caretBefore(p, m_lastGood);
    } else {
        m_lastGood = text;
    }
    value(result.text);
    return result;
}

long double RealValidation::value(const QString& text) {
    long double v = 0;
    if (!text.isEmpty() && convertReal(text, v) == 0) m_value = v;
    return m_value;
}

RangeCheck RealValidation::check(const QString& text) const {
    long double v = 0;
    // The bounds are doubles: a typed bound must pass, so the value is compared as a double.
    if (convertReal(text, v) == 0 && static_cast<double>(v) >= m_minimum &&
        static_cast<double>(v) <= m_maximum)
        return {true, {}};
    if (text.isEmpty()) return {false, {}};
    return {false, m_name +
                       (m_strict ? QStringLiteral(" must be in the range [ > ")
                                 : QStringLiteral(" must be in the range [")) +
                       boundText(m_minimum) + QStringLiteral(" ... ") + boundText(m_maximum) +
                       QLatin1Char(']')};
}

QString RealValidation::boundText(double bound) {
    constexpr int kFixedNotation = 1;
    return QString::fromStdString(engine::formatNumber(bound, 8, 0, kFixedNotation).text);
}

} // namespace brelt::chart
