#include <gtest/gtest.h>

#include "gamefile/randomsource.h"

namespace qrl {
namespace {

TEST(RandomSourceTest, MatchesTheGeneratorsKnownValues) {
  RandomSource r;
  EXPECT_EQ(r.next_random31(), 346);
  EXPECT_EQ(r.next_random31(), 13854878);
  EXPECT_EQ(r.next_random31(), 1621890440);

  RandomSource dice;
  std::vector<int> rolls;
  for (int i = 0; i < 6; ++i) rolls.push_back(dice.RandomBelow(6) + 1);
  EXPECT_EQ(rolls, std::vector<int>({5, 3, 3, 1, 5, 1}));

  RandomSource zero;
  zero.Seed(0);
  EXPECT_EQ(zero.next_random31(), 0);
}

TEST(RandomSourceTest, RandomBelowZeroDrawsNothingAndNegativeKeepsTheRemainder) {
  RandomSource a;
  EXPECT_EQ(a.RandomBelow(0), 0);
  EXPECT_EQ(a.RandomState, 1u);
  RandomSource b;
  RandomSource c;
  EXPECT_EQ(b.RandomBelow(-6), c.RandomBelow(6));
}

}  // namespace
}  // namespace qrl
