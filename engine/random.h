#pragma once
// The language's uniform random numbers: a 32-bit linear congruential generator (multiplier
// 134775813, increment 1), seeded from the clock at its first use unless a seed was given.
#include "engine/real.h"

#include <cstdint>

namespace brelt::engine {

class RandomGenerator {
public:
    void seed(std::uint32_t value);
    // A value in [0, 1): the new seed divided by 2^32.
    Real next();
    // A normally distributed value (polar method) with the given mean and deviation.
    Real gauss(Real mean, Real deviation);

private:
    std::uint32_t m_seed = 0;
    bool m_seeded = false;
};

} // namespace brelt::engine
