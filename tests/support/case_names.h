#pragma once
// Names of parameterised cases that read as words in ctest's output rather than as byte dumps. A
// case type's PrintTo writes caseName(its text); ctest then lists the case as Suite.Test/<that>. The
// text keeps letters and digits, spells out characters that carry meaning ("Damped#sine" ->
// "Damped_hash_sine", "-1.5" -> "minus_1_dot_5") and turns the others into "_".
#include <cctype>
#include <string>

namespace brelt::testing {

inline std::string caseName(const std::string& text) {
    std::string name;
    auto separate = [&name] {
        if (!name.empty() && name.back() != '_') name += '_';
    };
    auto word = [&](const char* w) {
        separate();
        name += w;
        separate();
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const bool digitAfter = i + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[i + 1]));
        const bool alnumBefore = i > 0 && std::isalnum(static_cast<unsigned char>(text[i - 1]));
        const bool digitBefore = i > 0 && std::isdigit(static_cast<unsigned char>(text[i - 1]));
        if (std::isalnum(c))
            name += static_cast<char>(c);
        else if (c == '#')
            word("hash");
        else if (c == '+')
            word("plus");
        else if (c == '^')
            word("pow");
        else if (c == '*')
            word("times");
        else if (c == '(')
            word("open");
        else if (c == ')')
            word("close");
        else if (c == '-' && digitAfter && !alnumBefore)
            word("minus");
        else if (c == '.' && digitAfter && digitBefore)
            word("dot");
        else
            separate();
    }
    while (!name.empty() && name.back() == '_')
        name.pop_back();
    if (name.empty()) return "empty";
    // A name of digits alone would read as the case's index.
    if (name.find_first_not_of("0123456789") == std::string::npos) return "number_" + name;
    return name;
}

} // namespace brelt::testing
