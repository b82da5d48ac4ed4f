#pragma once
// The engine state and the one-pass evaluator. A formula is read character by character from the
// working expression and computed as it is read: there is no token list and no tree. One Engine
// lives as long as the program; everything the evaluator remembers between formulas (variable
// slots, user variables, the last result, the procedures' memory) is a field of it.
//
// Text: the working expression is a string of Latin-1 bytes and positions are 1-based byte
// positions in it, kept as int so no length of formula wraps them. A caller holding Unicode text
// maps every code point above 255 to `kRejectedChar` (one byte per code point, so positions still
// count characters); that byte, control characters and byte 127 inside the text belong to no rule
// of the language and are a "Syntax error" at their own position. The end of the text reads as
// `kEndMarker`.
//
// Errors: every failure goes through SetError, which records code, position and length and skips
// the rest of the text; every level returns at once when ErrorFlag is set. Nothing throws.
//
// Re-entry: procedures, user functions, the Set variable request and a variable's formula text
// evaluate other texts with the same engine. They bracket that with saveReading()/restoreReading().
// Nesting (parentheses, exponents, calls, formulas that refer to themselves) is counted, and
// beyond kMaxNesting levels the evaluation ends with "Stack overflow" instead of exhausting the
// real stack.
#include "engine/engine_types.h"
#include "engine/host.h"
#include "engine/random.h"
#include "engine/real.h"

#include <array>
#include <bitset>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brelt::engine {

class Engine {
public:
    explicit Engine(EngineHost* host = nullptr);
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Evaluation. Evaluate makes `text` the working expression and reads one expression from its
    // first character; text left unread (a stray ")") is an error. An empty text gives 0 and leaves
    // the error state alone. The value is meaningless when ErrorFlag is set on return.
    Real Evaluate(const std::string& text);
    void SetError(int code);
    // A function's argument is outside its domain: the value becomes 0, LastResult 0, then SetError.
    void DomainError(Real& value, int code);
    // Clears the error state (flag, code, position, length).
    void clearError();
    // The message for `code`; for 27 it is composed from the user-function error fields below.
    std::string MessageText(int code) const;

    // Error state.
    bool ErrorFlag = false;
    int ErrorCode = 0;
    int ErrorPosition = 0;
    int ErrorLength = 1;
    int ArgumentDepth = 0;
    // Set by the user-function call for message 27: the inner message code and position.
    int UserFunctionErrorCode = 0;
    int UserFunctionErrorPosition = 0;

    // Modes set by the workspace.
    Real LastResult = 0;
    int AngleUnit = 0; // 1 degrees, any other value radians
    int Notation = 0;  // 0 scientific, 1 fixed, 2 engineering, 3 sexagesimal (read by FormatValue)
    int RecordedDigits = 18;
    int IntegrationPrecision = 9; // digits on which the passes of integral() must agree (only there)
    bool BreakRequested = false;  // set by the Stop action, tested by long procedures

    int Base() const { return m_base; } // 0 decimal, 1 hexadecimal, 2 binary
    void setBase(int base);             // installs the base's DigitSet; other values mean decimal
    int Radix() const { return m_base == 1 ? 16 : m_base == 2 ? 2 : 10; }
    const std::bitset<256>& DigitSet() const { return m_digitSet; }

    // Slot n (1..12) is VariableSlots[n - 1].
    std::array<VariableSlot, kVariableSlotCount> VariableSlots;
    VariableSlot& slot(int number) { return VariableSlots[static_cast<size_t>(number - 1)]; }
    // Names and values (18 digits) read or assigned by the current top-level evaluation; Evaluate
    // empties both when it starts at the top level (not when nested). A caller evaluating one
    // formula at many points (a plot) may switch RecordUsed off: writing every value costs more
    // than the arithmetic.
    std::vector<std::string> UsedNames;
    UsedValueList UsedValues; // read as texts; written only when read
    bool RecordUsed = true;

    // User variables. addUserVariableRecord puts a new record first with code count + 1000 (a name
    // already present keeps its code and takes the new value) and returns the code.
    std::vector<UserVariable> UserVariableList;
    int findUserVariable(std::string_view name) const; // code, or -1
    UserVariable* userVariableByCode(int code);        // nullptr when no record has that code
    int addUserVariableRecord(const std::string& name, Real value);

    // User-function lookup for a collected name such as "f(": the index of the function, or -1.
    // Connected by whoever owns the user-function collection; unset means there are none.
    std::function<int(std::string_view name)> userFunctionLookup;

    ProcedureMemory Procedures;
    RandomGenerator Random;

    EngineHost& host() { return *m_host; }
    void setHost(EngineHost* host); // nullptr installs the default host

    // Reading primitives for the procedures and the user-function call.
    //  NextChar: the next character, or kEndMarker at the end (the position then stays).
    //  seek(p): makes p the position and reads the character there (kEndMarker past the end).
    //  readExpression: the additive level, starting at the current character; it stops at ")",
    //  "," (inside an argument list) or the end, leaving that character current.
    //  readFactor: one factor with its "^", postfix square, root and cube.
    unsigned char NextChar() {
        // Defined here: it runs once per character of every formula.
        if (m_pos >= static_cast<int>(m_expr.size())) return m_ch = kEndMarker;
        const auto c = static_cast<unsigned char>(m_expr[static_cast<size_t>(m_pos)]);
        ++m_pos;
        // A byte 127 inside the text must not read as the end of it.
        m_ch = c == kEndMarker ? kRejectedChar : c;
        return m_ch;
    }
    unsigned char currentChar() const { return m_ch; }
    int position() const { return m_pos; }
    int subExpressionStart() const { return m_subStart; }
    void setSubExpressionStart(int position) { m_subStart = position; }
    const std::string& workingExpression() const { return m_expr; }
    void setWorkingExpression(std::string text); // position 0, nothing read yet
    void seek(int position);
    Real readExpression();
    Real readFactor();
    ReadingState saveReading() const;
    void restoreReading(const ReadingState& state);

    // Asks the host for slot 1..10 through the Set variable request, saving the reading state
    // around it. False (with "User break" raised) when the user cancelled.
    bool askVariable(int slot);
    // Evaluates slot's formula text into its value with this engine (the default host's way).
    bool evaluateSlotFormula(int slot);
    // The break test of long procedures: processes messages, and if a break was requested asks the
    // host; on Yes raises "User break" and returns true.
    bool breakConfirmed();

private:
    friend class NestingGuard;
    Real readTerm();
    Real readFactorInline();
    Real readPrimary();
    Real readPowerAndPostfix(Real value); // the "^" and postfixes after a primary, if any
    Real readNumber(bool negative);
    Real readNumberInFull(bool negative);
    Real readSexagesimal(bool negative, Real whole); // after the integer part, at its ":"
    Real readName(bool negative);
    Real readVariable(int slotNumber, bool negative);
    Real assignVariable(int slotNumber);
    Real defineUserVariable(const std::string& name, int nameStart);
    Real callFunction(int code, bool negative, int nameStart);
    inline void checkFollow(Real& value); // defined with the character classes (lexer.h)
    void recordValue(Real value);

    std::string m_expr;
    int m_pos = 0;
    unsigned char m_ch = kEndMarker;
    int m_subStart = 1;
    int m_nesting = 0;
    int m_base = 0;
    std::bitset<256> m_digitSet;
    EngineHost* m_host = nullptr;
};

} // namespace brelt::engine
