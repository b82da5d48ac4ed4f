#include "engine/procedure_support.h"

#include "engine/format_value.h"

#include <algorithm>

namespace brelt::engine::procedures {

namespace {

// 1-based position of the "," or ")" that ends the argument starting at `start` (depth 0), or one
// past the end of the text.
int ArgumentEnd(const std::string& text, int start) {
    int depth = 0;
    int position = start;
    const int length = static_cast<int>(text.size());
    for (; position <= length; ++position) {
        const char c = text[static_cast<std::size_t>(position - 1)];
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (depth == 0) break;
            --depth;
        } else if (c == ',' && depth == 0) {
            break;
        }
    }
    return position;
}

} // namespace

bool ReadBound(Engine& engine, Real& value) {
    const std::string& expression = engine.workingExpression();
    const int length = static_cast<int>(expression.size());
    const int start = engine.currentChar() == kEndMarker ? length + 1 : engine.position();
    const int end = ArgumentEnd(expression, start);
    if (end == start) {
        engine.SetError(kSyntaxError);
        return false;
    }
    const std::string text =
        expression.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(end - start));
    const ReadingState saved = engine.saveReading();
    value = engine.Evaluate(text);
    engine.restoreReading(saved);
    if (engine.ErrorFlag) {
        // Marked where the fault lies in the whole formula, inside the argument.
        const int position = std::clamp(start + engine.ErrorPosition - 1, start, end);
        engine.ErrorLength = std::clamp(engine.ErrorLength, 1, std::max(1, end - position));
        engine.ErrorPosition = position;
        engine.seek(length + 1);
        engine.ArgumentDepth = 0;
        return false;
    }
    engine.seek(end);
    return true;
}

bool ExpectComma(Engine& engine) {
    if (engine.currentChar() != ',') {
        engine.SetError(kSyntaxError);
        return false;
    }
    engine.NextChar();
    return true;
}

FunctionOfX::FunctionOfX(Engine& engine)
    : m_engine(engine),
      m_start(engine.currentChar() == kEndMarker ? static_cast<int>(engine.workingExpression().size()) + 1
                                                 : engine.position()) {}

bool FunctionOfX::evaluate(Real x, Real& value) {
    m_engine.slot(kSlotX).value = x;
    m_engine.seek(m_start);
    m_engine.setSubExpressionStart(m_start);
    value = m_engine.readExpression();
    if (m_engine.ErrorFlag) return false;
    if (m_end == 0) {
        const unsigned char closing = m_engine.currentChar();
        if (closing != ')' && closing != kEndMarker) {
            m_engine.SetError(kSyntaxError); // a further argument
            return false;
        }
        m_end = closing == kEndMarker ? static_cast<int>(m_engine.workingExpression().size()) + 1
                                      : m_engine.position();
        m_namesKept = m_engine.UsedNames.size();
        m_valuesKept = m_engine.UsedValues.size();
    } else {
        if (m_engine.UsedNames.size() > m_namesKept) m_engine.UsedNames.resize(m_namesKept);
        if (m_engine.UsedValues.size() > m_valuesKept) m_engine.UsedValues.resize(m_valuesKept);
    }
    return true;
}

void FunctionOfX::finish() {
    if (m_end > 0) m_engine.seek(m_end);
}

std::string FunctionOfX::text() const {
    const std::string& expression = m_engine.workingExpression();
    const int end = m_end > 0 ? m_end : ArgumentEnd(expression, m_start);
    if (m_start > static_cast<int>(expression.size())) return {};
    return expression.substr(static_cast<std::size_t>(m_start - 1), static_cast<std::size_t>(end - m_start));
}

int FunctionOfX::length() const {
    return static_cast<int>(text().size());
}

std::string ResultText(Real value) {
    return formatNumber(value, 21, 0, 0).text;
}

bool ResultSettled(const std::string& a, const std::string& b, int precision) {
    const std::size_t dot = a.find('.');
    if (dot == std::string::npos || b.find('.') != dot) return a == b;
    const std::size_t last = dot + static_cast<std::size_t>(std::clamp(precision, 1, 20));
    for (std::size_t i = dot; i <= last; ++i) {
        const char ca = i < a.size() ? a[i] : '\0';
        const char cb = i < b.size() ? b[i] : '\0';
        if (ca != cb) return false;
    }
    return true;
}

} // namespace brelt::engine::procedures
