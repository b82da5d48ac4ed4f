#include "chart/io/number_text.h"

#include <charconv>
#include <cmath>

namespace brelt::chart {

QString generalText(double value, int significant) {
    return QString::number(value, 'G', significant);
}

std::optional<double> readReal(std::string_view field) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!field.empty() && blank(field.front()))
        field.remove_prefix(1);
    while (!field.empty() && blank(field.back()))
        field.remove_suffix(1);
    if (!field.empty() && field.front() == '+') field.remove_prefix(1);
    // Only digits, a point, signs and an exponent letter: from_chars would also take "inf" and "nan".
    if (field.empty() || field.front() == '+') return std::nullopt;
    for (const char c : field)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> readReal(QStringView field) {
    // A number is plain ASCII; anything else does not convert.
    char buffer[128];
    if (field.size() > static_cast<qsizetype>(sizeof buffer)) {
        const QByteArray bytes = field.toUtf8(); // non-ASCII bytes fail the character check
        return readReal(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    }
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char16_t c = field[i].unicode();
        if (c > 0x7F) return std::nullopt;
        buffer[i] = static_cast<char>(c);
    }
    return readReal(std::string_view(buffer, static_cast<size_t>(field.size())));
}

} // namespace brelt::chart
