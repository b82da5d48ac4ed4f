#pragma once
// Walks the program's arguments for the picture modes: "--name value" and "--name=value" are the
// same, a flag stands alone. The reader only splits; what a name means is the caller's business.
#include <optional>
#include <string>
#include <vector>

namespace brelt::app {

class OptionReader {
public:
    explicit OptionReader(const std::vector<std::string>& args) : m_args(args) {}

    // Moves to the next argument; false when there is none.
    bool next();
    // The current argument's name ("--out" of "--out=a.png") and the argument as typed.
    const std::string& name() const { return m_name; }
    const std::string& argument() const { return m_args[m_index]; }
    // True when the current argument carries its value after "=".
    bool hasInlineValue() const { return m_inline.has_value(); }
    // The current option's value: after "=", else the next argument (which is then consumed).
    // Empty when there is none; the caller reports "NAME needs a value".
    std::optional<std::string> value();

private:
    const std::vector<std::string>& m_args;
    size_t m_index = 0;
    bool m_started = false;
    std::string m_name;
    std::optional<std::string> m_inline;
};

// Number parsing shared by the picture modes: the whole text must be the number.
std::optional<long double> parseLongDouble(const std::string& text);
std::optional<int> parseWholeNumber(const std::string& text);

} // namespace brelt::app
