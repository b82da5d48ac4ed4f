#pragma once
// The language's vocabulary: 88 rows in a fixed order, each a name as typed (names of functions
// with arguments end with "("), a code equal to the row index and an arity telling the evaluator
// how to read the arguments (0 none, 1 one or a list the procedure reads, 2 two, 3 a procedure
// reading three itself). The keypad, the assistant and the help read the same table.
#include "engine/real.h"

#include <array>
#include <string_view>

namespace brelt::engine {

struct FunctionRow {
    std::string_view name;
    int code;
    int arity;
    Real value; // zero in every built-in row
};

inline constexpr int kFunctionCount = 88;
extern const std::array<FunctionRow, kFunctionCount> FunctionTable;

// Codes of the catalogue the evaluator treats specially.
inline constexpr int kCodeRandom = 11, kCodePiSign = 28, kCodePi = 29, kCodeE = 30, kCodeFactorial = 31;
inline constexpr int kCodeGauss = 42, kFirstConversion = 45, kLastConversion = 66;
inline constexpr int kFirstLowerVariable = 67, kFirstUpperVariable = 77, kLastVariable = 86;
inline constexpr int kCodeTenPower = 87;

// The code of the last row matching a collected name (delimiter included): rows of arity 0 are
// compared with the name less its delimiter. -1 when no row matches.
int LookupFunction(std::string_view collectedName);

// The factor by which unit conversion `code` (45..66) multiplies.
Real ConversionFactor(int code);

} // namespace brelt::engine
