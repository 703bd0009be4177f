#include <gtest/gtest.h>

#include "engine/Random.h"

namespace pelmar {
namespace {

TEST(RandomGenerator, AdvancesTheStateBeforeEachDraw) {
    RandomGenerator random;
    random.Seed(0);
    EXPECT_EQ(random.Draw(10), 0u);
    EXPECT_EQ(random.State(), 1u);
    EXPECT_EQ(random.Draw(10), 0u);
    EXPECT_EQ(random.State(), 134775814u);
    EXPECT_EQ(random.Draw(10), 8u);
    EXPECT_EQ(random.State(), 3698175007u);
    EXPECT_EQ(random.Draw(3), 0u);
    EXPECT_EQ(random.State(), 870078620u);
}

TEST(RandomGenerator, GivesIndexZeroForAnEmptyListAndStillAdvances) {
    RandomGenerator random;
    random.Seed(12345);
    EXPECT_EQ(random.Draw(0), 0u);
    EXPECT_EQ(random.State(), 1655067934u);
}

TEST(RandomGenerator, StaysBelowTheCountAndReachesEveryIndex) {
    RandomGenerator random;
    random.Seed(99);
    std::vector<int> seen(7);
    for (int i = 0; i < 7000; ++i) {
        std::uint32_t index = random.Draw(7);
        ASSERT_LT(index, 7u);
        ++seen[index];
    }
    for (int hits : seen)
        EXPECT_GT(hits, 800);
}

TEST(RandomGenerator, TheProgramHasOneSharedGenerator) {
    ProgramRandom().Seed(5);
    EXPECT_EQ(&ProgramRandom(), &ProgramRandom());
    EXPECT_EQ(ProgramRandom().State(), 5u);
}

}  // namespace
}  // namespace pelmar
