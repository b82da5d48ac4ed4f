#pragma once
// User variables on disk and in the engine's list.
//
// A user variables file (*.USR) holds one variable per line: the name, " = " and the value as a
// decimal number. Lines are bytes as the evaluator reads them (Latin-1), ended by CR LF; reading
// accepts LF or CR alone too. A line whose value does not read as a finite decimal number (one
// written while the display was hexadecimal or sexagesimal, or damaged by hand) is skipped, never
// turned into a record with a made-up value; the reader says which lines it skipped so the caller
// can report them once. So is a line whose name the calculator reads as its own ("k" is the
// variable K, "pi" the constant): such a variable could be stored but never read. Whole-blank
// lines are ignored silently, and a UTF-8 byte order mark at the start is skipped.
//
// The engine keeps the newest record first and numbers codes from 1000 (Engine::UserVariableList):
// a file is loaded so that record k belongs to line k, the first line carrying the highest code.
//
// Standard library only: the window and the command line load the same files the same way.
#include "engine/engine.h"

#include <string>
#include <string_view>
#include <vector>

namespace brelt::engine {

inline constexpr std::size_t kMaxUserVariableName = 20;
inline constexpr std::size_t kMaxValueText = 255;
inline constexpr std::string_view kUserVariableSeparator = " = ";

// One line of a file that did not become a record.
struct SkippedLine {
    int lineNumber = 0; // 1-based, counting every line of the file
    std::string text;
    std::string reservedAs = {}; // what the calculator reads the name as; "" for a line that is no
                                 // "name = decimal number"
};

struct UserVariableFileContents {
    std::vector<UserVariable> records; // in file order, codes as the engine numbers them
    std::vector<SkippedLine> skipped;
};

// Reads a decimal number (optional blanks around it, optional sign, digits with an optional "."
// and exponent "E"/"e"); false for anything else, including infinities and NaN.
bool parseDecimal(std::string_view text, Real& value);

// Splits "name = value" at the first " = "; false when the line has no separator, no name the
// calculator reads as a name (a letter first, no blank, operator or parenthesis) or a value that
// is no decimal number. The name is cut to 20 characters.
bool parseUserVariableLine(std::string_view line, std::string& name, Real& value);

// Splits text into lines at CR LF, LF or CR (a last line without an ending included).
std::vector<std::string_view> splitLines(std::string_view text);

// Parses a whole file's text.
UserVariableFileContents parseUserVariableText(std::string_view text);

// Reads `path`; false when the file cannot be read (contents untouched).
bool readUserVariableFile(const std::string& path, UserVariableFileContents& contents);

// Loads `path` into engine.UserVariableList, replacing it; false (list untouched) when the file
// cannot be read. Skipped lines are returned through `skipped` when given.
bool loadUserVariables(Engine& engine, const std::string& path, std::vector<SkippedLine>* skipped = nullptr);

// What the calculator reads a user variable's name as, when it is one of its own ("the variable
// K", "the constant pi"); "" for a name free for the user.
std::string reservedVariableMeaning(std::string_view name);

// The one message that reports skipped lines after a load; empty when nothing was skipped. It
// stays short whatever the file holds: at most a few line numbers and names, then the count of
// the rest, and a quoted line cut to a few dozen characters.
std::string skippedLinesMessage(const std::string& path, const std::vector<SkippedLine>& skipped);

// The value as the shortest decimal text that reads back as exactly the same extended value,
// with an upper-case exponent ("0.1", "6.02214076E+23").
std::string exactDecimalText(Real value);

// The file line of a record: name, " = ", the exact decimal value.
std::string userVariableFileLine(const UserVariable& record);

// Adds or modifies the user variable `name` (cut to 20 characters, compared exactly): an existing
// record keeps its place and code and takes the value; a new one goes first with the next code.
// Returns the record's code.
int addOrModifyUserVariable(Engine& engine, std::string name, Real value);

// Removes record `index` (0-based, in list order); false when there is no such record.
bool deleteUserVariable(Engine& engine, int index);

// Writes the records, one line each, in list order.
bool writeUserVariableFile(const std::string& path, const std::vector<UserVariable>& records);

// Writes `lines` (bytes as they stand) each ended by CR LF, atomically: the text goes to a
// temporary file beside `path` that replaces it only when completely written.
bool writeLinesAtomically(const std::string& path, const std::vector<std::string>& lines);

} // namespace brelt::engine
