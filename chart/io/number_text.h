#pragma once
// Numbers as chart data travels as text: written in the general form (fixed or exponent, whichever
// is shorter, with up to N significant digits and no trailing zeros), read from a field of a line
// or a grid cell. Both ignore the user's locale: a point is the decimal separator everywhere.
#include <QString>
#include <QStringView>

#include <optional>
#include <string_view>

namespace brelt::chart {

// The general form with up to `significant` digits: 0.1, 2.5E+20, -1.25E-07.
QString generalText(double value, int significant);

// The field as a real: blanks and tabs around it are ignored, the rest must be one decimal number
// (an optional sign, digits with a point, an optional exponent). Infinities, NaN and empty fields
// do not convert.
std::optional<double> readReal(std::string_view field);
std::optional<double> readReal(QStringView field);

} // namespace brelt::chart
