#include "app/cli/option_reader.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace brelt::app {

bool OptionReader::next() {
    if (m_started) ++m_index;
    m_started = true;
    if (m_index >= m_args.size()) return false;
    const std::string& arg = m_args[m_index];
    const size_t equals = arg.find('=');
    if (arg.rfind("--", 0) == 0 && equals != std::string::npos) {
        m_name = arg.substr(0, equals);
        m_inline = arg.substr(equals + 1);
    } else {
        m_name = arg;
        m_inline.reset();
    }
    return true;
}

std::optional<std::string> OptionReader::value() {
    if (m_inline) return m_inline;
    if (m_index + 1 >= m_args.size()) return std::nullopt;
    return m_args[++m_index];
}

std::optional<long double> parseLongDouble(const std::string& text) {
    if (text.empty()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long double v = std::strtold(text.c_str(), &end);
    if (end != text.c_str() + text.size() || errno == ERANGE || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<int> parseWholeNumber(const std::string& text) {
    int v = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
    return v;
}

} // namespace brelt::app
