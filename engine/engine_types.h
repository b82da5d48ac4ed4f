#pragma once
// The constants and plain records of the engine state: variable slots, user variables, what the
// procedures remember, and a saved reading position.
#include "engine/real.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace brelt::engine {

// The value of a variable slot that has no value.
inline constexpr Real UndefinedMark = 0.123454321L;

inline constexpr unsigned char kEndMarker = 127;
inline constexpr unsigned char kRejectedChar = 0x01;
inline constexpr char ExponentChar = 'E';

inline constexpr int kVariableSlotCount = 12;
inline constexpr std::string_view kVariableLetters = "XYZVWIJKMNLU";
inline constexpr int kSlotX = 1, kSlotJ = 7, kSlotK = 8, kSlotM = 9, kSlotL = 11, kSlotU = 12;

inline constexpr int kFirstUserVariableCode = 1000;
inline constexpr int kUserFunctionCode = 999;
inline constexpr int kLoopCode = 99;
inline constexpr int kMaxNesting = 2000;
inline constexpr int kMaxNameLength = 21; // characters a name keeps, its delimiter included

// Message codes the evaluator itself raises (the full catalogue is in messages.h).
inline constexpr int kSyntaxError = 0;
inline constexpr int kStackOverflow = 2;
inline constexpr int kArgumentError = 8;
inline constexpr int kArgumentNegative = 10;
inline constexpr int kOverflow = 11;
inline constexpr int kDivisionByZero = 13;
inline constexpr int kMissingOpen = 17;
inline constexpr int kCommaExpected = 20;
inline constexpr int kIntervalError = 21;
inline constexpr int kUserBreak = 22;
inline constexpr int kUserFunctionError = 27;

// One of the twelve slots "XYZVWIJKMNLU": X..N are the language's variables, L and U the bounds of
// the extremum search.
struct VariableSlot {
    Real value = UndefinedMark;
    std::string formula; // the text last assigned, without blanks
    bool isSet() const { return value != UndefinedMark; }
};

// A named value of the user's. Codes count from 1000 and the newest record stands first: with n
// records, code c is entry n - c + 999.
struct UserVariable {
    std::string name; // at most 20 characters
    int code = kFirstUserVariableCode;
    Real value = 0;
};

// What the numeric procedures keep between evaluations (their refinement on repetition).
struct ProcedureMemory {
    Real previousLow = UndefinedMark;
    Real previousHigh = UndefinedMark;
    std::string previousText;
    int panelCount = 1;
    int extremumMode = 0; // 0 minimum, 1 maximum
    Real extremumLocation = 0;
    Real standardDeviation = UndefinedMark;
};

// The texts of the values an evaluation read or assigned, in order. A value is kept raw with the
// modes it is to be written in, and written (FormatValue's text) only when a caller reads it: a
// plot evaluating a formula at a million points records every value and reads none, and writing
// 18 digits costs more than the arithmetic. To its readers it is a list of texts.
class UsedValueList {
public:
    void record(Real value, int digits, int base, int notation) {
        m_entries.push_back(Entry{value, digits, base, notation, false, {}});
    }
    void push_back(std::string text);

    size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }
    void clear() { m_entries.clear(); }
    void resize(size_t count); // shortens (new entries, if any, are empty texts)
    const std::string& operator[](size_t index) const;
    const std::string& back() const { return (*this)[size() - 1]; }

    std::vector<std::string> texts() const;
    operator std::vector<std::string>() const { return texts(); }
    UsedValueList& operator=(const std::vector<std::string>& texts);
    friend bool operator==(const UsedValueList& list, const std::vector<std::string>& texts);

private:
    struct Entry {
        Real value;
        int digits;
        int base;
        int notation;
        bool written; // text holds the value's text (or was given as text)
        std::string text;
    };
    mutable std::vector<Entry> m_entries;
};

// Everything needed to resume reading a text after evaluating another one.
struct ReadingState {
    std::string expression;
    int position = 0;
    unsigned char current = kEndMarker;
    int subExpressionStart = 1;
    int argumentDepth = 0;
};

} // namespace brelt::engine
