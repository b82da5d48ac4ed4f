#include "engine/real.h"

#include <gtest/gtest.h>

TEST(Real, CarriesSixtyFourMantissaBits) {
    // 1 + 2^-63 is representable only with a 64-bit mantissa.
    const brelt::engine::Real one = 1;
    const brelt::engine::Real tiny = 1.0L / 9223372036854775808.0L;
    EXPECT_NE(one + tiny, one);
}
