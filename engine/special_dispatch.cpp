#include "engine/special_dispatch.h"

#include "engine/engine.h"
#include "engine/special_functions.h"

#include <cmath>

namespace brelt::engine {

namespace {

// Long kernel loops poll the engine now and then: pending messages run, and a confirmed break
// request ends them. No special function reads the precision of integral(): each works to the
// full precision of the format.
KernelControl ControlFor(Engine& engine) {
    KernelControl control;
    control.stopAsked = [&engine] { return engine.breakConfirmed(); };
    return control;
}

KernelResult Compute(Engine& engine, int code, Real a, Real b) {
    switch (code) {
    case 26: return Gamma(a);
    case 31: return Factorial(a);
    case 25: return {Erf(a), kNoError};
    case 24: return SineIntegral(a, ControlFor(engine));
    case 23: return CosineIntegral(a, ControlFor(engine));
    case 18: return BesselJ(a, b, ControlFor(engine));
    case 19: return BesselY(a, b, ControlFor(engine));
    case 20: return BesselI(a, b, ControlFor(engine));
    case 21: return BesselK(a, b, ControlFor(engine));
    case 32: return FermiDirac(a, b, ControlFor(engine));
    default: return {0, kSyntaxError};
    }
}

} // namespace

Real ApplySpecialFunction(Engine& engine, int code, Real a, Real b) {
    const KernelResult result = Compute(engine, code, a, b);
    if (result.ok()) return result.value;
    Real value = result.value;
    // A confirmed break has already raised "User break" through the engine.
    if (engine.ErrorFlag) return 0;
    engine.DomainError(value, result.error);
    return value;
}

} // namespace brelt::engine
