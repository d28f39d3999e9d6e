// SETGLKEY reads the slot of the character's own code.
#include <algorithm>

#include <gtest/gtest.h>

#include "framework/framework.h"

namespace {

class KeyQuery : public ::testing::Test {
 protected:
  void SetUp() override { std::fill(std::begin(SETKEY), std::end(SETKEY), 0); }
  void TearDown() override { std::fill(std::begin(SETKEY), std::end(SETKEY), 0); }
};

TEST_F(KeyQuery, NeverPressedIsUp) {
  for (int c = 0; c < 256; ++c) ASSERT_FALSE(SETGLKEY(static_cast<char>(c))) << c;
}

TEST_F(KeyQuery, ReadsTheSlotOfTheCharacterCode) {
  SETKEY[49] = -1;  // the main-row 1 key
  EXPECT_TRUE(SETGLKEY('1'));
  EXPECT_FALSE(SETGLKEY('2'));
  SETKEY['A'] = 1;  // any nonzero value counts as down
  EXPECT_TRUE(SETGLKEY('A'));
  EXPECT_FALSE(SETGLKEY('a')) << "a lower-case letter reads slot 97, not its key's slot";
  SETKEY[255] = -1;
  EXPECT_TRUE(SETGLKEY(static_cast<char>(0xFF))) << "characters above 127 are not negative indexes";
}

}  // namespace
