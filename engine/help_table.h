#pragma once
// One-line help texts for the keypad buttons: text i belongs to the button whose index is i, the
// index that also selects row i of the FunctionTable. The texts follow their own order and are kept
// exactly as the program has always shown them (leading blanks and spelling included).
#include <array>
#include <string_view>

namespace brelt::engine {

inline constexpr int kHelpCount = 67;
extern const std::array<std::string_view, kHelpCount> HelpTable;

} // namespace brelt::engine
