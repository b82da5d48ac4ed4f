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

constexpr Real kPi = 3.141592653589793238462643383279502884L;
// One degree in radians and one radian in degrees, each the extended value nearest to it.
constexpr Real kDegree = 0.01745329251994329576923690768488612713L;
constexpr Real kRadianInDegrees = 57.29577951308232087679815481410517033L;

bool isInteger(Real x) {
    return std::isfinite(x) && x == std::trunc(x);
}

// The decimal logarithm, exact where the argument is the literal 1En for a whole n: the library's
// may miss log(1000) = 3 by a unit in the last place, which the calculator would show. Only a
// result within a few units of a whole number is checked, so the check costs nothing elsewhere.
Real decimalLog(Real a) {
    const Real value = std::log10(a);
    const Real whole = std::nearbyint(value);
    if (std::fabs(value - whole) > 1e-17L * std::fmax(1, std::fabs(whole))) return value;
    return a == NearestPowerOfTen(static_cast<long>(whole)) ? whole : value;
}

// sin(r degrees) for r in [-90, 90], exact at the angles whose sine is a simple number.
Real foldedDegreeSine(Real r) {
    const Real magnitude = std::fabs(r);
    if (magnitude == 0) return 0;
    if (magnitude == 30) return std::copysign(0.5L, r);
    if (magnitude == 90) return std::copysign(1.0L, r);
    return std::sin(r * kDegree);
}

// Sine, cosine and tangent of an angle given in degrees. The angle is reduced exactly: its
// magnitude modulo 360 (fmod is exact), then folded by steps that are exact in binary (x - 360,
// 180 - x, 90 - x for x from 45 on), so sin(-x) = -sin(x) holds to the last bit, small angles keep
// every digit, and whole multiples of 30 and 45 degrees give exact values.
Real degreeSine(Real degrees) {
    Real r = std::fmod(std::fabs(degrees), Real(360));
    if (r > 180) r -= 360; // (-180, 0]
    if (r > 90)
        r = 180 - r;
    else if (r < -90)
        r = -180 - r;
    const Real value = foldedDegreeSine(r);
    return degrees < 0 && value != 0 ? -value : value;
}

Real degreeCosine(Real degrees) {
    Real r = std::fmod(std::fabs(degrees), Real(360));
    if (r > 180) r = 360 - r; // [0, 180]
    if (r < 45) return std::cos(r * kDegree);
    return foldedDegreeSine(90 - r);
}

// The tangent, or false at its poles (odd multiples of 90 degrees).
bool degreeTangent(Real degrees, Real& value) {
    Real r = std::fmod(std::fabs(degrees), Real(180));
    if (r > 90) r -= 180; // (-90, 90]
    const Real magnitude = std::fabs(r);
    if (magnitude == 90) return false;
    Real t = 0;
    if (magnitude == 45)
        t = 1;
    else if (magnitude < 45)
        t = std::tan(magnitude * kDegree);
    else
        t = 1 / std::tan((90 - magnitude) * kDegree); // near the pole the distance to it is exact
    if (r < 0) t = -t;
    value = degrees < 0 && t != 0 ? -t : t;
    return true;
}

// An inverse sine, cosine or tangent in degrees, exact where the angle is a whole number of
// degrees that the library's radians would miss by a unit (arcsin(0.5) is 30).
Real inverseInDegrees(int code, Real a, Real radians) {
    if (code == 2 && std::fabs(a) == 0.5L) return std::copysign(Real(30), a);
    if (code == 3 && std::fabs(a) == 0.5L) return a > 0 ? 60 : 120;
    if (code == 4 && std::fabs(a) == 1) return std::copysign(Real(45), a);
    return radians * kRadianInDegrees;
}

// b^p for b > 0: powers of ten with a whole exponent are the extended value nearest to them (as
// the literal 1En is); every other power is the library's, within a unit of the last place.
Real positivePower(Real b, Real p) {
    if (b == 10 && isInteger(p) && std::fabs(p) <= 100000) return NearestPowerOfTen(static_cast<long>(p));
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
        result = p == 2 ? b * b : positivePower(b, p);
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
        result = p == 2 ? magnitude * magnitude : positivePower(magnitude, p);
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
    Real value = 0;
    switch (code) {
    case 1: value = degrees ? degreeSine(a) : std::sin(a); break;
    case 12: value = degrees ? degreeCosine(a) : std::cos(a); break;
    case 13:
        // In radians no extended value is a pole: the tangent is always finite.
        if (!degrees) {
            value = std::tan(a);
        } else if (!degreeTangent(a, value)) {
            engine.DomainError(value, kDivisionByZero);
            return 0;
        }
        break;
    case 2:
        if (std::fabs(a) > 1) {
            engine.DomainError(value, kArgumentError);
            return 0;
        }
        value = std::fabs(a) == 1 ? (degrees ? std::copysign(Real(90), a) : std::copysign(kPi / 2, a))
                                  : (degrees ? inverseInDegrees(code, a, std::asin(a)) : std::asin(a));
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
            value = degrees ? inverseInDegrees(code, a, std::acos(a)) : std::acos(a);
        break;
    case 4: value = degrees ? inverseInDegrees(code, a, std::atan(a)) : std::atan(a); break;
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
