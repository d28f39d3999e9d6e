// CREATESTATUSBAR: the text buffer, the status window's place and parts, the copy of the
// edges, the clamp of MAXSTATUSITEM, and a failed creation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "framework/framework.h"

namespace {

// A captioned top-level window standing in for the GL window.
HWND parentWindow() {
  static HWND parent = [] {
    WNDCLASSA c{};
    c.lpfnWndProc = DefWindowProcA;
    c.hInstance = GetModuleHandleA(nullptr);
    c.lpszClassName = "StatusBarTestParent";
    RegisterClassA(&c);
    return CreateWindowExA(0, "StatusBarTestParent", "parent", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0,
                           0, 640, 480, 0, 0, GetModuleHandleA(nullptr), nullptr);
  }();
  return parent;
}

class StatusBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(parentWindow(), 0u);
    std::fill(std::begin(STATUSITEM), std::end(STATUSITEM), 0);
    std::fill(std::begin(EDGES), std::end(EDGES), 0);
    MAXSTATUSITEM = 0;
    AWND = 0;
  }
  void TearDown() override {
    if (AWND) DestroyWindow(AWND);
  }
  static int partsOf(HWND bar, int* edges, int room) {
    return static_cast<int>(SendMessageA(bar, SB_GETPARTS, static_cast<WPARAM>(room), reinterpret_cast<LPARAM>(edges)));
  }
};

TEST_F(StatusBarTest, ThreePartsEndingAt100And250AndTheRightBorder) {
  STATUSITEM[0] = 100;
  STATUSITEM[1] = 250;
  STATUSITEM[2] = -1;
  STATUSITEM[3] = 999;  // past the count: neither copied nor used
  EDGES[3] = 42;
  MAXSTATUSITEM = 3;
  const HWND bar = CREATESTATUSBAR(parentWindow());
  ASSERT_NE(bar, 0u);
  EXPECT_EQ(AWND, bar);
  EXPECT_EQ(GetParent(bar), parentWindow());
  EXPECT_EQ(GetDlgCtrlID(bar), 0x7712);
  EXPECT_EQ(EDGES[0], 100);
  EXPECT_EQ(EDGES[1], 250);
  EXPECT_EQ(EDGES[2], -1);
  EXPECT_EQ(EDGES[3], 42) << "entries 4..20 are left as they were";

  int edges[20] = {};
  ASSERT_EQ(partsOf(bar, edges, 20), 3);
  EXPECT_EQ(edges[0], 100);
  EXPECT_EQ(edges[1], 250);
  EXPECT_EQ(edges[2], -1);
}

TEST_F(StatusBarTest, TheTextBufferIsPercorsoFileAndNuls) {
  std::memset(FILENAME, 'x', sizeof FILENAME);
  const HWND bar = CREATESTATUSBAR(parentWindow());
  ASSERT_NE(bar, 0u);
  EXPECT_STREQ(FILENAME, "Percorso file");
  EXPECT_TRUE(std::all_of(FILENAME + 13, FILENAME + sizeof FILENAME, [](char c) { return c == 0; }));
  char text[64] = {};
  SendMessageA(bar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "Percorso file");
}

TEST_F(StatusBarTest, LiesAlongTheBottomOfTheParentsClientArea) {
  const HWND bar = CREATESTATUSBAR(parentWindow());
  RECT parent{}, r{};
  GetWindowRect(parentWindow(), &parent);
  GetWindowRect(bar, &r);
  // The captioned parent's client area: 3 pixels of border at the sides and bottom.
  EXPECT_EQ(r.left, parent.left + 3);
  EXPECT_EQ(r.right, parent.right - 3);
  EXPECT_EQ(r.bottom, parent.bottom - 3);
  EXPECT_GT(r.bottom - r.top, 0);
}

// MAXSTATUSITEM outside 0..20 is clamped into range: no table is read or written past its
// end (the sanitizer build would catch it), and the status window gets the clamped count.
TEST_F(StatusBarTest, ACountOutsideTheTablesIsClamped) {
  struct Case {
    std::int32_t count;
    int parts;  // parts the status window ends with
  };
  const Case cases[] = {{0, 1}, {-5, 1}, {21, 20}, {1000, 20}, {20, 20}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count);
    for (int i = 0; i < STATUSITEMCOUNT; ++i) STATUSITEM[i] = 10 * (i + 1);
    std::fill(std::begin(EDGES), std::end(EDGES), 0);
    MAXSTATUSITEM = c.count;
    const HWND bar = CREATESTATUSBAR(parentWindow());
    ASSERT_NE(bar, 0u);
    EXPECT_EQ(MAXSTATUSITEM, c.count) << "the host program's value is left alone";
    int edges[STATUSITEMCOUNT] = {};
    // A count of 0 sets no parts: the window keeps its one part over the whole width.
    EXPECT_EQ(partsOf(bar, edges, STATUSITEMCOUNT), c.parts);
    const int copied = std::clamp(c.count, 0, STATUSITEMCOUNT);
    for (int i = 0; i < STATUSITEMCOUNT; ++i) EXPECT_EQ(EDGES[i], i < copied ? 10 * (i + 1) : 0) << i;
    DestroyWindow(bar);
    AWND = 0;
  }
}

TEST_F(StatusBarTest, WithoutAParentThereIsNoBarAndNothingIsCopied) {
  STATUSITEM[0] = 100;
  MAXSTATUSITEM = 1;
  AWND = 12345;
  EXPECT_EQ(CREATESTATUSBAR(0), 0u);
  EXPECT_EQ(AWND, 0u);
  EXPECT_EQ(EDGES[0], 0);
}

}  // namespace
