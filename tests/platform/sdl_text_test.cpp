// Windows-1252 texts become UTF-8 where they meet the desktop.
#include <gtest/gtest.h>

#include "platform/sdl/backend.h"

namespace {

TEST(SdlText, Windows1252BecomesUtf8) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"Video!", "Video!"},
      {"non \xE8 stata", "non \xC3\xA8 stata"},    // e grave
      {"\x80 5", "\xE2\x82\xAC 5"},                  // the euro sign of the 0x80 row
      {"\x93quoted\x94", "\xE2\x80\x9Cquoted\xE2\x80\x9D"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(platform::sdl::toUtf8(c.in), c.out) << c.in;
  EXPECT_EQ(platform::sdl::toUtf8(nullptr), "");
}

}  // namespace
