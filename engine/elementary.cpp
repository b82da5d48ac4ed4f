// The catalogue's elementary operations, the power rule and the integer conversions. Domain
// errors set the value to 0 through Engine::DomainError; the caller marks the whole call.
//
// The inverse and hyperbolic functions use the standard library's extended-precision routines
// rather than their textbook identities: ln(x + sqrt(x^2 + 1)) and friends lose every digit for
// small or large arguments (arcsin(1E-10) would be 0). Domains and error codes are the
// catalogue's.
#include "engine/evaluator_support.h"
#include "engine/function_table.h"
#include "engine/special_dispatch.h"

#include <cmath>

namespace brelt::engine {

namespace {

// The decimal logarithm, exact where the answer is a whole number: the library's may miss
// log(1000) = 3 by a unit in the last place, which the calculator would show.
Real decimalLog(Real a) {
    Real power = 1;
    for (int n = 0; n <= 27 && power <= a; ++n, power *= 10) // 10^27 is the last exact power of ten
        if (power == a) return n;
    return std::log10(a);
}

constexpr Real kPi = 3.141592653589793238462643383279502884L;
constexpr Real kDegree = kPi * 0.005555555555555555555L; // one degree in radians
// Powers below this are 0 rather than an underflow.
constexpr Real kUnderflowLimit = 3.4E-1000L;

bool isInteger(Real x) {
    return std::isfinite(x) && x == std::trunc(x);
}

// Sine or cosine of an angle given in degrees. The angle is first reduced exactly modulo 360, so
// that whole multiples of 30 and 90 degrees give exact values (sin(180) is 0, sin(30) is 0.5).
Real degreeSineCosine(Real degrees, bool cosine) {
    Real r = std::fmod(degrees, Real(360));
    if (cosine) r += 90; // cos(a) = sin(a + 90)
    r = std::fmod(r, Real(360));
    if (r < 0) r += 360;
    if (r == 0 || r == 180) return 0;
    if (r == 90) return 1;
    if (r == 270) return -1;
    if (r == 30 || r == 150) return 0.5L;
    if (r == 210 || r == 330) return -0.5L;
    // Fold into [-90, 90] so the radian argument stays small.
    if (r > 270)
        r -= 360;
    else if (r > 90)
        r = 180 - r;
    return std::sin(r * kDegree);
}

// b^p for b > 0. A negative integer power is taken as the reciprocal of the positive one, so that
// 10^-2 is exactly the nearest value to 0.01 whenever b^|p| itself is exact.
Real integerPower(Real b, Real p) {
    if (p < 0 && p == std::trunc(p)) return 1 / std::pow(b, -p);
    return std::pow(b, p);
}

} // namespace

bool TruncateToInt32(Real x, int& out) {
    if (!std::isfinite(x)) return false;
    const Real t = std::trunc(x);
    if (t < -2147483648.0L || t > 2147483647.0L) return false;
    out = static_cast<int>(t);
    return true;
}

Real RaisePower(Engine& engine, Real b, Real p) {
    Real result = 0;
    if (b > 0) {
        // b*b is the correctly rounded square; the most common power deserves no library call.
        result = p == 2 ? b * b : integerPower(b, p);
        if (result < kUnderflowLimit) return 0;
    } else if (b == 0) {
        if (p > 0) return 0;
        if (p == 0) return 1; // the usual convention, as for every other base
        engine.SetError(kDivisionByZero);
        return 0;
    } else {
        if (!isInteger(p)) {
            engine.DomainError(result, kArgumentNegative);
            return 0;
        }
        const Real magnitude = -b;
        result = p == 2 ? magnitude * magnitude : integerPower(magnitude, p);
        if (result < kUnderflowLimit) return 0;
        if (std::fmod(p, Real(2)) != 0) result = -result;
    }
    if (!std::isfinite(result)) {
        engine.SetError(kOverflow);
        return 0;
    }
    return result;
}

Real ApplyFunction(Engine& engine, int code, Real a, Real b, bool secondGiven) {
    const bool degrees = engine.AngleUnit == 1;
    const Real toDegrees = degrees ? 180 / kPi : 1;
    Real value = 0;
    switch (code) {
    case 1: value = degrees ? degreeSineCosine(a, false) : std::sin(a); break;
    case 12: value = degrees ? degreeSineCosine(a, true) : std::cos(a); break;
    case 13: {
        const Real s = degrees ? degreeSineCosine(a, false) : std::sin(a);
        const Real c = degrees ? degreeSineCosine(a, true) : std::cos(a);
        if (c == 0) {
            engine.DomainError(value, kDivisionByZero);
            return 0;
        }
        value = s / c;
        break;
    }
    case 2:
        if (std::fabs(a) > 1) {
            engine.DomainError(value, kArgumentError);
            return 0;
        }
        value = std::fabs(a) == 1 ? (degrees ? std::copysign(Real(90), a) : std::copysign(kPi / 2, a))
                                  : std::asin(a) * toDegrees;
        break;
    case 3:
        if (std::fabs(a) > 1) {
            engine.DomainError(value, kArgumentError);
            return 0;
        }
        if (a == 0)
            value = degrees ? 90 : kPi / 2;
        else if (a == -1)
            value = degrees ? 180 : kPi;
        else if (a == 1)
            value = 0;
        else
            value = std::acos(a) * toDegrees;
        break;
    case 4: value = std::atan(a) * toDegrees; break;
    case 5: value = std::asinh(a); break;
    case 6:
        if (a < 1) {
            engine.DomainError(value, kArgumentError);
            return 0;
        }
        value = std::acosh(a);
        break;
    case 7:
        if (a * a >= 1) {
            engine.DomainError(value, kArgumentError);
            return 0;
        }
        value = std::atanh(a);
        break;
    case 8: value = std::sinh(a); break;
    case 9: value = std::cosh(a); break;
    case 10: value = std::tanh(a); break;
    case 14: value = std::exp(a); break;
    case 15:
        if (a < 0) {
            engine.DomainError(value, kArgumentNegative);
            return 0;
        }
        value = std::sqrt(a);
        break;
    case 16:
    case 17:
        if (a <= 0) {
            engine.DomainError(value, kArgumentNegative);
            return 0;
        }
        value = code == 16 ? std::log(a) : decimalLog(a);
        break;
    case kCodeFactorial:
        if (!isInteger(a) || a < 0) {
            engine.DomainError(value, kArgumentError);
            return 0;
        }
        value = ApplySpecialFunction(engine, code, a, b);
        break;
    case 18:
    case 19:
    case 20:
    case 21:
    case 32:
        if (!secondGiven) {
            engine.DomainError(value, kCommaExpected);
            return 0;
        }
        value = ApplySpecialFunction(engine, code, a, b);
        break;
    case 23:
    case 24:
    case 25:
    case 26: value = ApplySpecialFunction(engine, code, a, b); break;
    case 33: value = std::fabs(a); break;
    case 34: {
        // Exactly 0.5 gives 1; every other tie goes to the even neighbour (1.5 and 2.5 give 2).
        const Real rounded = a == 0.5L ? 1 : std::nearbyint(a);
        int n = 0;
        if (!TruncateToInt32(rounded, n)) {
            engine.DomainError(value, kOverflow);
            return 0;
        }
        value = n;
        break;
    }
    case 35: value = std::isfinite(a) ? a - std::trunc(a) : 0; break;
    case 36: {
        int n = 0;
        if (!TruncateToInt32(a, n)) {
            engine.DomainError(value, kOverflow);
            return 0;
        }
        value = n;
        break;
    }
    case 40: value = a * a; break;
    case kCodeGauss:
        if (!secondGiven) {
            engine.DomainError(value, kCommaExpected);
            return 0;
        }
        value = engine.Random.gauss(a, b);
        break;
    case kCodeTenPower: value = RaisePower(engine, 10, a); break;
    default:
        if (code >= kFirstConversion && code <= kLastConversion) {
            value = a * ConversionFactor(code);
            break;
        }
        engine.SetError(kSyntaxError);
        return 0;
    }
    if (!engine.ErrorFlag && !std::isfinite(value)) engine.DomainError(value, kOverflow);
    return engine.ErrorFlag ? 0 : value;
}

} // namespace brelt::engine
