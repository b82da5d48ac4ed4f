#include "engine/random.h"

#include <chrono>
#include <cmath>

namespace brelt::engine {

void RandomGenerator::seed(std::uint32_t value) {
    m_seed = value;
    m_seeded = true;
}

Real RandomGenerator::next() {
    if (!m_seeded) {
        const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
        seed(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
    }
    m_seed = m_seed * 134775813u + 1u; // wraps modulo 2^32 as unsigned arithmetic does
    return static_cast<Real>(m_seed) / 4294967296.0L;
}

Real RandomGenerator::gauss(Real mean, Real deviation) {
    Real u1 = 0;
    Real s = 0;
    do {
        u1 = 2 * next() - 1;
        const Real u2 = 2 * next() - 1;
        s = u1 * u1 + u2 * u2;
    } while (s >= 1 || s == 0); // s = 0 would divide by zero below
    return mean + deviation * u1 * std::sqrt(-2 * std::log(s) / s);
}

} // namespace brelt::engine
