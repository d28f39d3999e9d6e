// Movable global memory: locking, growing with contents kept, freeing, stale handles.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/win32.h"

TEST(GlobalMemory, ReAllocKeepsContentsAndZeroesTheNewBytes) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 16);
  ASSERT_NE(block, 0u);
  EXPECT_EQ(GlobalSize(block), 16u);
  auto* bytes = static_cast<unsigned char*>(GlobalLock(block));
  ASSERT_NE(bytes, nullptr);
  for (int i = 0; i < 16; ++i) bytes[i] = static_cast<unsigned char>(i + 1);
  EXPECT_FALSE(GlobalUnlock(block));  // no lock left

  EXPECT_EQ(GlobalReAlloc(block, 100000, GMEM_MOVEABLE), block);
  EXPECT_EQ(GlobalSize(block), 100000u);
  bytes = static_cast<unsigned char*>(GlobalLock(block));
  ASSERT_NE(bytes, nullptr);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(bytes[i], i + 1);
  for (int i = 16; i < 100000; i += 997) EXPECT_EQ(bytes[i], 0);
  GlobalUnlock(block);

  EXPECT_EQ(GlobalReAlloc(block, 4, GMEM_MOVEABLE), block);
  bytes = static_cast<unsigned char*>(GlobalLock(block));
  EXPECT_EQ(std::memcmp(bytes, "\1\2\3\4", 4), 0);
  GlobalUnlock(block);
  EXPECT_EQ(GlobalFree(block), 0u);
}

TEST(GlobalMemory, LocksAreCounted) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 8);
  void* first = GlobalLock(block);
  EXPECT_EQ(GlobalLock(block), first);
  EXPECT_TRUE(GlobalUnlock(block));   // one lock left
  EXPECT_FALSE(GlobalUnlock(block));  // none left
  EXPECT_FALSE(GlobalUnlock(block));  // was not locked
  GlobalFree(block);
}

TEST(GlobalMemory, ALockedBlockGrowsOnlyWhenAllowedToMove) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 8);
  void* address = GlobalLock(block);
  ASSERT_NE(address, nullptr);
  EXPECT_EQ(GlobalReAlloc(block, 1 << 20, 0), 0u);  // would move under the caller's pointer
  EXPECT_EQ(GlobalSize(block), 8u);
  EXPECT_EQ(GlobalReAlloc(block, 1 << 20, GMEM_MOVEABLE), block);
  EXPECT_EQ(GlobalSize(block), std::size_t{1} << 20);
  GlobalUnlock(block);
  GlobalFree(block);
}

TEST(GlobalMemory, StaleAndForeignHandlesFailHarmlessly) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 8);
  ASSERT_EQ(GlobalFree(block), 0u);
  EXPECT_EQ(GlobalFree(block), block);
  EXPECT_EQ(GlobalLock(block), nullptr);
  EXPECT_FALSE(GlobalUnlock(block));
  EXPECT_EQ(GlobalReAlloc(block, 16, GMEM_MOVEABLE), 0u);
  EXPECT_EQ(GlobalSize(block), 0u);
  HRGN region = CreateRectRgn(0, 0, 1, 1);  // a handle of another table
  EXPECT_EQ(GlobalLock(region), nullptr);
  EXPECT_EQ(GlobalSize(0), 0u);
  DeleteObject(region);
}

TEST(GlobalMemory, RequestsBeyondTheAddressSpaceFail) {
  EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, std::size_t{1} << 40), 0u);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 8);
  EXPECT_EQ(GlobalReAlloc(block, std::size_t{1} << 40, GMEM_MOVEABLE), 0u);
  EXPECT_EQ(GlobalSize(block), 8u);
  GlobalFree(block);
}
