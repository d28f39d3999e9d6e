// Regions: building from rectangle data, the combine modes and their result kinds, point
// tests, reading back, and the in-place union used when a region is built top-down.
#include <gtest/gtest.h>
#include <pixman.h>

#include <cstring>
#include <random>
#include <vector>

#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/region_ops.h"
#include "platform/win32.h"
#include "tests/support/region_rects.h"

namespace {

// RGNDATA bytes for the given rectangles.
std::vector<std::uint8_t> regionData(const std::vector<RECT>& rects, DWORD type = RDH_RECTANGLES) {
  std::vector<std::uint8_t> bytes(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  RGNDATAHEADER h{sizeof(RGNDATAHEADER), type, static_cast<DWORD>(rects.size()), 0, RECT{0, 0, 0, 0}};
  std::memcpy(bytes.data(), &h, sizeof h);
  if (!rects.empty()) std::memcpy(bytes.data() + sizeof h, rects.data(), rects.size() * sizeof(RECT));
  return bytes;
}

HRGN regionOf(const std::vector<RECT>& rects) {
  auto bytes = regionData(rects);
  return ExtCreateRegion(nullptr, static_cast<DWORD>(bytes.size()), reinterpret_cast<const RGNDATA*>(bytes.data()));
}

std::vector<RECT> rectsOf(HRGN region) { return fixtures::regionRects(region); }

}  // namespace

// At global scope beside RECT so that the standard algorithms find it.
static bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(Regions, ExtCreateRegionTakesTheRectanglesAndSkipsEmptyOnes) {
  HRGN r = regionOf({{0, 0, 2, 1}, {5, 5, 5, 9}, {3, 0, 4, 1}, {7, 3, 6, 4}});
  ASSERT_NE(r, 0u);
  EXPECT_TRUE(PtInRegion(r, 0, 0));
  EXPECT_TRUE(PtInRegion(r, 1, 0));
  EXPECT_FALSE(PtInRegion(r, 2, 0));  // right edge is exclusive
  EXPECT_TRUE(PtInRegion(r, 3, 0));
  EXPECT_FALSE(PtInRegion(r, 0, 1));  // bottom edge is exclusive
  EXPECT_FALSE(PtInRegion(r, 5, 6));  // zero-width rectangle adds nothing
  EXPECT_FALSE(PtInRegion(r, 6, 3));  // inverted rectangle adds nothing
  std::vector<RECT> expected = {{0, 0, 2, 1}, {3, 0, 4, 1}};
  EXPECT_EQ(rectsOf(r), expected);
  DeleteObject(r);
}

TEST(Regions, NoRectanglesGiveAValidEmptyRegion) {
  HRGN r = regionOf({});
  ASSERT_NE(r, 0u);
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(CombineRgn(copy, r, 0, RGN_COPY), NULLREGION);
  DeleteObject(r);
  DeleteObject(copy);
}

TEST(Regions, ExtCreateRegionRejectsBadData) {
  auto good = regionData({{0, 0, 1, 1}, {2, 2, 3, 3}});
  auto* data = reinterpret_cast<const RGNDATA*>(good.data());
  DWORD size = static_cast<DWORD>(good.size());
  EXPECT_EQ(ExtCreateRegion(nullptr, size, nullptr), 0u);
  EXPECT_EQ(ExtCreateRegion(nullptr, size - 1, data), 0u);          // count says more than the size holds
  EXPECT_EQ(ExtCreateRegion(nullptr, 31, data), 0u);                // not even a header
  auto wrongType = regionData({{0, 0, 1, 1}}, 2);
  EXPECT_EQ(ExtCreateRegion(nullptr, static_cast<DWORD>(wrongType.size()), reinterpret_cast<const RGNDATA*>(wrongType.data())), 0u);
  auto hugeCount = good;
  DWORD count = 0xFFFFFFFF;
  std::memcpy(hugeCount.data() + 8, &count, 4);
  EXPECT_EQ(ExtCreateRegion(nullptr, size, reinterpret_cast<const RGNDATA*>(hugeCount.data())), 0u);
  XFORM scale{2, 0, 0, 2, 0, 0};
  EXPECT_EQ(ExtCreateRegion(&scale, size, data), 0u);
  XFORM identity{1, 0, 0, 1, 0, 0};
  HRGN r = ExtCreateRegion(&identity, size, data);
  EXPECT_NE(r, 0u);
  DeleteObject(r);
}

TEST(Regions, CombineModesGiveTheRightAreaAndKind) {
  // a = [0,4)x[0,4), b = [2,6)x[0,4): side by side, overlapping in [2,4).
  struct Case {
    int mode;
    int kind;
    std::vector<int> insideX;  // probe x values at y = 1 that must be inside
    std::vector<int> outsideX;
  };
  const Case cases[] = {
      {RGN_AND, SIMPLEREGION, {2, 3}, {1, 4}},
      {RGN_OR, SIMPLEREGION, {0, 3, 5}, {6, -1}},
      {RGN_XOR, COMPLEXREGION, {0, 1, 4, 5}, {2, 3, 6}},
      {RGN_DIFF, SIMPLEREGION, {0, 1}, {2, 3, 4}},
      {RGN_COPY, SIMPLEREGION, {0, 3}, {4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    HRGN a = CreateRectRgn(0, 0, 4, 4), b = CreateRectRgn(2, 0, 6, 4), dst = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(dst, a, b, c.mode), c.kind);
    for (int x : c.insideX) EXPECT_TRUE(PtInRegion(dst, x, 1)) << x;
    for (int x : c.outsideX) EXPECT_FALSE(PtInRegion(dst, x, 1)) << x;
    DeleteObject(a);
    DeleteObject(b);
    DeleteObject(dst);
  }
}

TEST(Regions, CombineReportsEmptyAndComplexResultsAndAcceptsASourceAsDestination) {
  HRGN a = CreateRectRgn(0, 0, 2, 2), b = CreateRectRgn(5, 5, 7, 7);
  HRGN dst = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(CombineRgn(dst, a, b, RGN_AND), NULLREGION);
  EXPECT_EQ(CombineRgn(a, a, b, RGN_OR), COMPLEXREGION);
  EXPECT_TRUE(PtInRegion(a, 6, 6));
  EXPECT_EQ(CombineRgn(b, a, b, RGN_DIFF), SIMPLEREGION);  // b := a - b, the old b read first
  EXPECT_FALSE(PtInRegion(b, 6, 6));
  EXPECT_TRUE(PtInRegion(b, 1, 1));
  DeleteObject(a);
  DeleteObject(b);
  DeleteObject(dst);
}

TEST(Regions, BadHandlesAndModesFailWithoutChangingTheDestination) {
  HRGN a = CreateRectRgn(0, 0, 2, 2), dst = CreateRectRgn(10, 10, 11, 11);
  HRGN dead = CreateRectRgn(0, 0, 1, 1);
  DeleteObject(dead);
  EXPECT_EQ(CombineRgn(dst, a, dead, RGN_OR), RGN_ERROR);
  EXPECT_EQ(CombineRgn(dst, dead, a, RGN_COPY), RGN_ERROR);
  EXPECT_EQ(CombineRgn(dead, a, a, RGN_OR), RGN_ERROR);
  EXPECT_EQ(CombineRgn(dst, a, a, 9), RGN_ERROR);
  EXPECT_TRUE(PtInRegion(dst, 10, 10));
  EXPECT_FALSE(PtInRegion(dst, 0, 0));
  EXPECT_FALSE(PtInRegion(dead, 0, 0));
  EXPECT_EQ(GetRegionData(dead, 0, nullptr), 0);
  EXPECT_FALSE(DeleteObject(dead));
  DeleteObject(a);
  DeleteObject(dst);
}

TEST(Regions, GetRegionDataNeedsRoomForEveryRectangle) {
  HRGN r = regionOf({{0, 0, 1, 1}, {0, 2, 3, 3}});
  int size = GetRegionData(r, 0, nullptr);
  EXPECT_EQ(size, 32 + 2 * 16);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  EXPECT_EQ(GetRegionData(r, static_cast<DWORD>(size - 1), reinterpret_cast<RGNDATA*>(bytes.data())), 0);
  ASSERT_EQ(GetRegionData(r, static_cast<DWORD>(size), reinterpret_cast<RGNDATA*>(bytes.data())), size);
  RGNDATAHEADER h;
  std::memcpy(&h, bytes.data(), sizeof h);
  EXPECT_EQ(h.dwSize, 32u);
  EXPECT_EQ(h.iType, RDH_RECTANGLES);
  EXPECT_EQ(h.nCount, 2u);
  EXPECT_TRUE((h.rcBound == RECT{0, 0, 3, 3}));
  DeleteObject(r);
}

TEST(Regions, CreateRectRgnTakesCornersInEitherOrder) {
  HRGN r = CreateRectRgn(5, 6, 1, 2);
  EXPECT_TRUE((rectsOf(r) == std::vector<RECT>{{1, 2, 5, 6}}));
  DeleteObject(r);
}

TEST(Regions, SetRectFillsTheRectangle) {
  RECT r{};
  EXPECT_TRUE(SetRect(&r, 1, 2, 3, 4));
  EXPECT_TRUE((r == RECT{1, 2, 3, 4}));
  EXPECT_FALSE(SetRect(nullptr, 1, 2, 3, 4));
}

// The in-place union must give exactly pixman's own union (same boxes, same order) for
// pieces that arrive top-down, overlap the last band, start mid-row, or lie anywhere.
TEST(Regions, InPlaceUnionEqualsPixmansUnion) {
  std::mt19937 random(7);
  for (int trial = 0; trial < 300; ++trial) {
    platform::gdi::Region built, reference;
    int y = 0;
    for (int piece = 0; piece < 12; ++piece) {
      std::vector<pixman_box32_t> boxes;
      int rows = 1 + static_cast<int>(random() % 4);
      // Most pieces continue from the current row (as a scan does); some jump back up.
      int top = (random() % 5 == 0) ? static_cast<int>(random() % (y + 1)) : y;
      for (int r = 0; r < rows; ++r)
        for (int x = 0; x < 40; x += 1 + static_cast<int>(random() % 6)) {
          int w = 1 + static_cast<int>(random() % 4);
          if (random() % 3) boxes.push_back({x, top + r, x + w, top + r + 1 + static_cast<int>(random() % 2)});
        }
      y = std::max(y, top + rows - 1 + static_cast<int>(random() % 2));
      platform::gdi::Region p;
      pixman_region32_fini(&p.rgn);
      pixman_region32_init_rects(&p.rgn, boxes.data(), static_cast<int>(boxes.size()));
      ASSERT_TRUE(platform::gdi::unionInto(&built.rgn, &p.rgn));
      pixman_region32_union(&reference.rgn, &reference.rgn, &p.rgn);
      ASSERT_TRUE(pixman_region32_equal(&built.rgn, &reference.rgn)) << "trial " << trial << " piece " << piece;
      ASSERT_TRUE(pixman_region32_selfcheck(&built.rgn));
    }
  }
}
