#include "engine/engine.h"

#include "engine/evaluator_support.h"
#include "engine/format_value.h"

#include <cmath>

namespace brelt::engine {

namespace {

// Shared by every engine that was given no host: it holds no state, so sharing it is harmless.
EngineHost& defaultHost() {
    static EngineHost host;
    return host;
}

const char* const kBreakQuestion = "Do you realy wont break calculation?";

} // namespace

Engine::Engine(EngineHost* host) {
    setBase(0);
    setHost(host);
}

void Engine::setHost(EngineHost* host) {
    m_host = host ? host : &defaultHost();
}

void Engine::setBase(int base) {
    m_base = (base == 1 || base == 2) ? base : 0;
    m_digitSet.reset();
    if (m_base == 2) {
        m_digitSet.set('0');
        m_digitSet.set('1');
        return;
    }
    for (unsigned char c = '0'; c <= '9'; ++c)
        m_digitSet.set(c);
    if (m_base == 1) {
        m_digitSet.set('$');
        for (unsigned char c = 'A'; c <= 'F'; ++c)
            m_digitSet.set(c);
    } else {
        m_digitSet.set('.');
    }
}

// ---- error state ----

void Engine::SetError(int code) {
    ErrorPosition = m_pos;
    ErrorFlag = true;
    ErrorLength = 1;
    if (m_ch == kEndMarker && m_pos == 0) m_ch = ' ';
    while (m_ch != kEndMarker)
        NextChar();
    ErrorCode = code;
    ArgumentDepth = 0;
}

void Engine::DomainError(Real& value, int code) {
    value = 0;
    ErrorFlag = true;
    LastResult = 0;
    SetError(code);
}

void Engine::clearError() {
    ErrorFlag = false;
    ErrorCode = 0;
    ErrorPosition = 0;
    ErrorLength = 1;
}

// ---- reading ----

void Engine::seek(int position) {
    const int length = static_cast<int>(m_expr.size());
    if (position > length) {
        m_pos = length;
        m_ch = kEndMarker;
        return;
    }
    m_pos = position < 1 ? 0 : position - 1;
    NextChar();
}

void Engine::setWorkingExpression(std::string text) {
    m_expr = std::move(text);
    m_pos = 0;
    m_ch = kEndMarker;
    m_subStart = 1;
}

ReadingState Engine::saveReading() const {
    return {m_expr, m_pos, m_ch, m_subStart, ArgumentDepth};
}

void Engine::restoreReading(const ReadingState& state) {
    m_expr = state.expression;
    m_pos = state.position;
    m_ch = state.current;
    m_subStart = state.subExpressionStart;
    ArgumentDepth = state.argumentDepth;
}

Real Engine::Evaluate(const std::string& text) {
    m_expr = text;
    m_pos = 0;
    m_subStart = 1;
    m_ch = kEndMarker;
    if (text.empty()) return 0;
    if (m_nesting == 0) {
        UsedNames.clear();
        UsedValues.clear();
    }
    // A nested evaluation (a variable's formula, the Set variable request) costs several levels.
    NestingGuard guard(*this, 8);
    ErrorFlag = false;
    ErrorPosition = 0;
    ErrorLength = 1;
    ArgumentDepth = 0;
    if (guard.exceeded()) return 0;
    NextChar();
    Real value = readExpression();
    if (ErrorFlag) return value;
    // Text left unread would otherwise be dropped without a word ("2)3" is not 2).
    if (m_ch != kEndMarker)
        SetError(m_ch == ')' ? 16 : kSyntaxError);
    else if (!std::isfinite(value))
        SetError(kOverflow);
    return value;
}

// ---- used values ----

void UsedValueList::push_back(std::string text) {
    m_entries.push_back(Entry{0, 0, 0, 0, true, std::move(text)});
}

void UsedValueList::resize(size_t count) {
    m_entries.resize(count, Entry{0, 0, 0, 0, true, {}});
}

const std::string& UsedValueList::operator[](size_t index) const {
    Entry& entry = m_entries[index];
    if (!entry.written) {
        entry.text = formatNumber(entry.value, entry.digits, entry.base, entry.notation).text;
        entry.written = true;
    }
    return entry.text;
}

std::vector<std::string> UsedValueList::texts() const {
    std::vector<std::string> result;
    result.reserve(m_entries.size());
    for (size_t i = 0; i < m_entries.size(); ++i)
        result.push_back((*this)[i]);
    return result;
}

UsedValueList& UsedValueList::operator=(const std::vector<std::string>& texts) {
    m_entries.clear();
    for (const std::string& text : texts)
        push_back(text);
    return *this;
}

bool operator==(const UsedValueList& list, const std::vector<std::string>& texts) {
    if (list.size() != texts.size()) return false;
    for (size_t i = 0; i < texts.size(); ++i)
        if (list[i] != texts[i]) return false;
    return true;
}

// ---- user variables ----

int Engine::findUserVariable(std::string_view name) const {
    for (const UserVariable& record : UserVariableList)
        if (record.name == name) return record.code;
    return -1;
}

UserVariable* Engine::userVariableByCode(int code) {
    const long index = static_cast<long>(UserVariableList.size()) - code + 999;
    if (index >= 0 && index < static_cast<long>(UserVariableList.size()) &&
        UserVariableList[static_cast<size_t>(index)].code == code)
        return &UserVariableList[static_cast<size_t>(index)];
    // A list edited out of order (a record deleted in the middle) still finds its codes.
    for (UserVariable& record : UserVariableList)
        if (record.code == code) return &record;
    return nullptr;
}

int Engine::addUserVariableRecord(const std::string& name, Real value) {
    for (UserVariable& record : UserVariableList) {
        if (record.name == name) {
            record.value = value;
            return record.code;
        }
    }
    int code = static_cast<int>(UserVariableList.size()) + kFirstUserVariableCode;
    // After deletions the count may name a code still in use: take the next free one.
    while (userVariableByCode(code) != nullptr)
        ++code;
    UserVariableList.insert(UserVariableList.begin(), UserVariable{name, code, value});
    return code;
}

// ---- requests to the host ----

bool Engine::askVariable(int slotNumber) {
    VariableSlot& target = slot(slotNumber);
    const std::string current =
        target.isSet() ? formatNumber(target.value, RecordedDigits, m_base, Notation).text : "undefined";
    const ReadingState saved = saveReading();
    const bool confirmed = m_host->requestVariable(
        *this, slotNumber, kVariableLetters[static_cast<size_t>(slotNumber - 1)], current);
    restoreReading(saved);
    // The request's own evaluations may have left an error behind; they were the dialog's business.
    ErrorFlag = false;
    if (!confirmed || !target.isSet()) {
        SetError(kUserBreak);
        return false;
    }
    return true;
}

bool Engine::evaluateSlotFormula(int slotNumber) {
    VariableSlot& target = slot(slotNumber);
    const ReadingState saved = saveReading();
    const Real value = Evaluate(target.formula);
    const bool ok = !ErrorFlag && !target.formula.empty();
    if (ok) target.value = value;
    restoreReading(saved);
    return ok;
}

bool Engine::breakConfirmed() {
    m_host->processMessages();
    if (!BreakRequested) return false;
    BreakRequested = false; // answered once: No goes on without asking again at the next step
    if (!m_host->confirmBreak(kBreakQuestion)) return false;
    SetError(kUserBreak);
    return true;
}

} // namespace brelt::engine
