#include <gtest/gtest.h>

#include <vector>

#include "random.h"

namespace lumera {
namespace {

TEST(Random, SequenceFromSeedZero)
{
    Random random;
    std::vector<std::int32_t> draws;
    std::vector<std::uint32_t> seeds;
    for (int i = 0; i < 8; ++i) {
        draws.push_back(random.draw(6));
        seeds.push_back(random.seed());
    }
    EXPECT_EQ(draws, (std::vector<std::int32_t>{0, 0, 5, 1, 1, 4, 1, 0}));
    EXPECT_EQ(seeds, (std::vector<std::uint32_t>{1u, 134775814u, 3698175007u, 870078620u, 1172187917u, 2884733762u,
                                                 1368768587u, 694906232u}));
}

struct Draw {
    std::uint32_t seedBefore;
    std::int32_t n;
    std::uint32_t seedAfter;
    std::int32_t result;
};

void PrintTo(const Draw& d, std::ostream* os) { *os << "seed " << d.seedBefore << ", n " << d.n; }

class RandomDraw : public ::testing::TestWithParam<Draw> {};

// Worked by hand: seed' = seed * 134775813 + 1 mod 2^32, result = n * seed' div 2^32.
TEST_P(RandomDraw, FollowsTheFormula)
{
    Random random(GetParam().seedBefore);
    EXPECT_EQ(random.draw(GetParam().n), GetParam().result);
    EXPECT_EQ(random.seed(), GetParam().seedAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, RandomDraw,
                         ::testing::Values(Draw{0, 100, 1, 0},                   // the first draw from 0
                                           Draw{0, 0, 1, 0},                     // n = 0 still advances
                                           Draw{12345, 1000, 1655067934u, 385},  //
                                           Draw{1, -1, 134775814u, 134775813},   // -1 acts as 2^32 - 1
                                           Draw{134775814u, -1, 3698175007u, -596792290},
                                           Draw{0xFFFFFFFFu, 2147483647, 4160191484u, 2080095741}));

TEST(Random, ClockSeedsDifferBetweenRuns)
{
    Random first;
    first.seedFromClock();
    Random second;
    for (int attempt = 0; attempt < 1000 && second.seed() == first.seed(); ++attempt) second.seedFromClock();
    EXPECT_NE(first.seed(), second.seed());
}

} // namespace
} // namespace lumera
