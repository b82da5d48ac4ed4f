#pragma once
// The calculator's number: the x87 80-bit extended real. Every value of the formula language is
// one of these; a build on a platform where long double is narrower must fail here, not give
// quietly different answers.
#include <limits>

namespace brelt::engine {

using Real = long double;

static_assert(std::numeric_limits<Real>::digits == 64, "Brelt needs long double with a 64-bit mantissa (x87 extended)");
static_assert(std::numeric_limits<Real>::max_exponent == 16384, "Brelt needs the x87 extended exponent range");

} // namespace brelt::engine
