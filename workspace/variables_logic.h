#pragma once
// The window-free side of the variables: evaluating a typed formula for a variable slot without
// disturbing the formula the engine is reading, the texts a slot shows, and the predefined
// variables file (*.VAR).
//
// A formula typed into a variable's field is evaluated as the input line is (blanks removed,
// parentheses checked, error positions counted in typed characters), but it must leave no trace
// on the evaluation around it: the engine's reading state, its last result and its record of the
// names used are saved and put back. That makes it safe from inside an evaluation too (a formula
// that reads a variable with no value opens the Set variable dialog in the middle of reading).
//
// The *.VAR file: 20 lines, the ten values of X..N in slot order as extended numbers in the
// scientific text form (mantissa, "E", signed four-digit exponent; 21 significant digits so the
// value comes back exactly), then the ten formulas in the same order.
#include "engine/engine.h"

#include <QString>

#include <array>
#include <string>
#include <vector>

namespace brelt::workspace {

inline constexpr int kCalculatorVariables = 10; // X, Y, Z, V, W, I, J, K, M, N

struct FormulaOutcome {
    bool ok = false;
    bool empty = false;     // nothing but blanks was typed
    engine::Real value = 0; // on success
    QString valueText;      // the value formatted for display, on success
    std::string working;    // the engine text without blanks
    QString errorText;      // message, ": position " and the position in the typed text
    int errorStart = 0;     // 0-based span of the fault in the typed text
    int errorLength = 0;
};

// Evaluates `typed` (as the user typed it) with `engine`; the engine's error state is clear and
// its reading state, last result and used-name record are as before on return.
FormulaOutcome evaluateFormula(engine::Engine& engine, const QString& typed, int digits);

// The engine text of a typed formula without its blanks, as a slot stores it.
std::string workingExpressionOf(const QString& typed);

// A value in the engine's current base and notation with `digits`; a value that mode cannot show
// is shown in decimal scientific notation instead of a placeholder.
QString displayValueText(const engine::Engine& engine, engine::Real value, int digits);

// What a slot's value field shows: the dialog says "undefined", the Variables tab "Undefind".
enum class UndefinedWording { Dialog, Tab };
QString slotValueText(const engine::Engine& engine, int slot, int digits, UndefinedWording wording);

// The letter of slot 1..10 ("X" .. "N").
QString slotLetter(int slot);

// Evaluates `typed` for slot 1..10: on success the slot takes the formula (without blanks) and
// the value. An empty text does nothing (the outcome says empty).
FormulaOutcome evaluateVariable(engine::Engine& engine, int slot, const QString& typed, int digits);

// An extended value as " 1.23456789012345678901E+0003" (a blank or "-" in the sign place).
std::string extendedText(engine::Real value);

// The 20 lines of a *.VAR file from the slots X..N.
std::vector<std::string> variablesFileLines(const engine::Engine& engine);

// Reads the 20 lines of a *.VAR file into `loaded` (X..N); false when the text is no such file
// (too few lines or a value that is no number), `loaded` then untouched.
bool parseVariablesFile(const std::vector<std::string>& lines,
                        std::array<engine::VariableSlot, kCalculatorVariables>& loaded);

// Reads a file's lines (CR LF, LF or CR; a UTF-8 byte order mark at the start skipped); false when
// it cannot be read.
bool readFileLines(const QString& path, std::vector<std::string>& lines);

// The path as the operating system names it, for the standard library's file functions.
std::string nativePath(const QString& path);

// Engine text (Latin-1) to a QString and back.
QString fromEngineText(const std::string& text);
std::string toEngineText(const QString& text);

} // namespace brelt::workspace
