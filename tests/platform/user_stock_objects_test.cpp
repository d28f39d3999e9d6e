// The system's shared brushes and the program's instance.
#include <gtest/gtest.h>

#include "platform/gdi/gdi_objects.h"
#include "platform/win32.h"

namespace {

TEST(UserStockObjects, SharedBrushesAreKnownAndCannotBeDeleted) {
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  ASSERT_NE(face, 0u);
  EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), face);
  const auto* brush = platform::gdi::find<platform::gdi::Brush>(face);
  ASSERT_NE(brush, nullptr);
  EXPECT_FALSE(brush->hollow);
  EXPECT_FALSE(DeleteObject(face));
  EXPECT_NE(platform::gdi::find<platform::gdi::Brush>(face), nullptr);

  HGDIOBJ hollow = GetStockObject(NULL_BRUSH);
  const auto* nullBrush = platform::gdi::find<platform::gdi::Brush>(hollow);
  ASSERT_NE(nullBrush, nullptr);
  EXPECT_TRUE(nullBrush->hollow);
  EXPECT_EQ(platform::gdi::find<platform::gdi::Brush>(GetStockObject(BLACK_BRUSH))->color, RGB(0, 0, 0));

  EXPECT_EQ(GetSysColorBrush(-1), 0u);
  EXPECT_EQ(GetSysColorBrush(1000), 0u);
  EXPECT_EQ(GetStockObject(1000), 0u);
}

TEST(UserStockObjects, TheProgramHasOneInstanceHandle) {
  HINSTANCE self = GetModuleHandleA(nullptr);
  EXPECT_NE(self, 0u);
  EXPECT_EQ(GetModuleHandleA(nullptr), self);
  EXPECT_EQ(GetModuleHandleA("other.dll"), 0u);
}

}  // namespace
