// Names in a formula: the lookup order (loop keyword, catalogue, user functions, a new user
// variable, existing user variables), the variables X..N with their Set variable request and
// assignment, and calls of built-in functions and procedures.
#include "engine/engine.h"
#include "engine/evaluator_support.h"
#include "engine/format_value.h"
#include "engine/function_table.h"
#include "engine/lexer.h"
#include "engine/procedures.h"
#include "engine/special_dispatch.h"
#include "engine/user_function_call.h"

#include <cmath>

namespace brelt::engine {

namespace {

constexpr std::string_view kLoopName = "forJtoKstepMdo(";

bool isProcedure(int code) {
    switch (code) {
    case 0:
    case 22:
    case 27:
    case 37:
    case 38:
    case 39:
    case 41:
    case 43:
    case 44:
    case kLoopCode: return true;
    default: return false;
    }
}

bool isVariableCode(int code) {
    return code >= kFirstLowerVariable && code <= kLastVariable;
}

} // namespace

void Engine::recordValue(Real value) {
    // Written later, and without touching the error state: a value too large for hexadecimal output
    // must not fail the formula that merely read it.
    if (!RecordUsed) return;
    UsedValues.record(value, RecordedDigits, m_base, Notation);
}

Real Engine::readName(bool negative) {
    const int nameStart = m_pos;
    // Collect up to and including the first delimiter, keeping at most 21 characters. The delimiter
    // stays the current character: what it means is decided by the name's kind below. The name is
    // gathered on the stack: a formula read a million times for a plot must not allocate per name.
    // Scanned straight from the text; a byte that belongs to no rule of the language ends the reading
    // with a "Syntax error" at that byte.
    char buffer[kMaxNameLength];
    size_t length = 0;
    {
        const char* const text = m_expr.data();
        const auto textLength = static_cast<int>(m_expr.size());
        unsigned char c = m_ch;
        int at = m_pos; // index of the character after c
        while (true) {
            if (length < sizeof buffer) buffer[length++] = static_cast<char>(c);
            if (isNameDelimiter(c)) break;
            if (at >= textLength) {
                c = kEndMarker;
                continue;
            }
            c = static_cast<unsigned char>(text[at++]);
            if (c == kEndMarker) c = kRejectedChar;
            if (isRejectedByte(c)) {
                // Not part of any name: the error stands on the byte itself.
                m_pos = at;
                m_ch = c;
                SetError(kSyntaxError);
                return 0;
            }
        }
        m_pos = at;
        m_ch = c;
    }
    const std::string_view name(buffer, length);
    const unsigned char delimiter = m_ch;
    const std::string_view lessDelimiter = name.substr(0, name.size() - 1);

    int code = -1;
    if (name == kLoopName) code = kLoopCode;
    if (code < 0) code = LookupFunction(name);
    if (code < 0 && delimiter == '(' && userFunctionLookup) {
        const int index = userFunctionLookup(name);
        if (index >= 0) {
            NextChar();
            Real value = CallUserFunction(*this, index);
            if (ErrorFlag) return 0;
            checkFollow(value);
            return withSign(negative, value);
        }
    }
    if (code < 0 && delimiter == '=')
        return withSign(negative, defineUserVariable(std::string(lessDelimiter), nameStart));
    if (code < 0) {
        const int userCode = findUserVariable(lessDelimiter);
        if (userCode >= 0) {
            UserVariable* record = userVariableByCode(userCode);
            Real value = record ? record->value : 0;
            if (RecordUsed) UsedNames.emplace_back(lessDelimiter);
            recordValue(value);
            checkFollow(value);
            return withSign(negative, value);
        }
    }
    if (code < 0) {
        const bool atEnd = m_ch == kEndMarker;
        SetError(kSyntaxError);
        // Marked over the whole name, its delimiter excluded.
        ErrorLength = std::max(1, ErrorPosition - nameStart + (atEnd ? 1 : 0));
        ErrorPosition = nameStart;
        return 0;
    }

    if (isVariableCode(code)) {
        const int slotNumber = (code - kFirstLowerVariable) % 10 + 1;
        if (delimiter == '=') return withSign(negative, assignVariable(slotNumber));
        return readVariable(slotNumber, negative);
    }
    if (code != kLoopCode && FunctionTable[static_cast<size_t>(code)].arity == 0) {
        Real value = 0;
        if (code == kCodeRandom)
            value = Random.next();
        else if (code == kCodeE)
            value = 2.718281828459045235360287471352662498L;
        else
            value = 3.141592653589793238462643383279502884L;
        checkFollow(value);
        return withSign(negative, value);
    }
    return callFunction(code, negative, nameStart);
}

Real Engine::readVariable(int slotNumber, bool negative) {
    if (RecordUsed) UsedNames.emplace_back(1, kVariableLetters[static_cast<size_t>(slotNumber - 1)]);
    VariableSlot& target = slot(slotNumber);
    if (!target.isSet()) {
        if (target.formula.empty()) {
            if (!askVariable(slotNumber)) return 0;
        } else {
            const int letterPosition = m_pos - (m_ch == kEndMarker ? 0 : 1);
            const ReadingState saved = saveReading();
            const bool ok = m_host->evaluateVariableFormula(*this, slotNumber);
            const bool failedInside = ErrorFlag;
            const int code = ErrorCode;
            restoreReading(saved);
            ErrorFlag = false;
            if (!ok || !target.isSet()) {
                // The error lies in the variable's formula, not in this text: show it on the letter.
                SetError(failedInside ? code : kUserBreak);
                ErrorPosition = letterPosition;
                return 0;
            }
        }
    }
    Real value = target.value;
    recordValue(value);
    checkFollow(value);
    return withSign(negative, value);
}

Real Engine::assignVariable(int slotNumber) {
    // The form is exactly "(" letter "=": the "=" is current, the "(" two places before it.
    if (m_pos < 3 || m_expr[static_cast<size_t>(m_pos - 3)] != '(') {
        SetError(kMissingOpen);
        return 0;
    }
    NextChar();
    const int textStart = m_pos;
    const Real value = readExpression();
    if (ErrorFlag) return 0;
    if (m_ch != ')') {
        SetError(kIntervalError);
        return 0;
    }
    VariableSlot& target = slot(slotNumber);
    target.value = value;
    target.formula =
        m_expr.substr(static_cast<size_t>(textStart - 1), static_cast<size_t>(m_pos - textStart));
    if (RecordUsed) UsedNames.emplace_back(1, kVariableLetters[static_cast<size_t>(slotNumber - 1)]);
    recordValue(value);
    return value;
}

Real Engine::defineUserVariable(const std::string& name, int nameStart) {
    NextChar();
    const Real value = readExpression();
    if (ErrorFlag) return 0;
    // Checked before the variable is added, so a faulty formula leaves the list as it was.
    if (m_ch != ')') {
        const bool atEnd = m_ch == kEndMarker;
        SetError(kSyntaxError);
        ErrorLength = std::max(1, ErrorPosition - nameStart + (atEnd ? 1 : 0));
        ErrorPosition = nameStart;
        return 0;
    }
    const ReadingState saved = saveReading();
    const int code = m_host->addUserVariable(*this, name, value);
    restoreReading(saved);
    if (code < kFirstUserVariableCode) {
        SetError(kUserBreak);
        return 0;
    }
    UserVariable* record = userVariableByCode(code);
    const Real stored = record ? record->value : value;
    if (RecordUsed) UsedNames.push_back(name);
    recordValue(stored);
    return stored;
}

Real Engine::callFunction(int code, bool negative, int nameStart) {
    const int savedDepth = ArgumentDepth;
    ++ArgumentDepth;
    NextChar(); // past the name's "("
    Real value = 0;
    if (isProcedure(code)) {
        value = CallProcedure(*this, code);
        if (ErrorFlag) return 0;
    } else {
        const int arity = FunctionTable[static_cast<size_t>(code)].arity;
        const Real first = readExpression();
        if (ErrorFlag) return 0;
        Real second = UndefinedMark;
        bool secondGiven = false;
        if (m_ch == ',') {
            if (arity != 2) {
                SetError(kSyntaxError);
                return 0;
            }
            NextChar();
            second = readExpression();
            if (ErrorFlag) return 0;
            secondGiven = true;
            if (m_ch == ',') {
                SetError(kSyntaxError);
                return 0;
            }
        }
        // The argument list must end here: "sin((1)2)" is not sin(1).
        if (m_ch != ')' && m_ch != kEndMarker) {
            SetError(kSyntaxError);
            return 0;
        }
        value = ApplyFunction(*this, code, first, second, secondGiven);
        if (ErrorFlag) {
            // A failing function is marked over the whole call.
            ErrorLength = ErrorPosition - nameStart + 1;
            ErrorPosition = nameStart;
            return 0;
        }
    }
    if (m_ch != ')' && m_ch != kEndMarker) {
        SetError(kSyntaxError);
        return 0;
    }
    NextChar();
    ArgumentDepth = savedDepth;
    value = withSign(negative, value);
    checkFollow(value);
    return value;
}

} // namespace brelt::engine
