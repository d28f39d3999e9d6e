// GLWNDPROC message by message: what each message does, what it returns, and whether it
// goes on to default processing. Cases sent with WPARAM 0 show default processing by the
// status bar's refresh (UpdateWindow on HSTATUS) that comes first in it.
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/framework/window/pump_fixture.h"

namespace {

int hookCalls = 0;
HWND hookWindow = 0;
UINT hookMessage = 0;
WPARAM hookWParam = 0;
LPARAM hookLParam = 0;

void countingMenuHook() { ++hookCalls; }

LRESULT recordingCommandHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ++hookCalls;
  hookWindow = window;
  hookMessage = message;
  hookWParam = wParam;
  hookLParam = lParam;
  return 99;  // must not become GLWNDPROC's result
}

struct ProcCase {
  std::string name;
  std::function<void()> arrange;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool statusRefreshed;  // UpdateWindow(HSTATUS) ran
  std::function<void()> check;
};

// Test names and failure messages show the case's name rather than its bytes.
void PrintTo(const ProcCase& c, std::ostream* out) { *out << c.name; }

void nothing() {}

std::vector<ProcCase> procCases() {
  return {
      {"CreateSetsActive", [] { ACTIVE = false; }, WM_CREATE, 0, 0, false,
       [] { EXPECT_TRUE(ACTIVE); }},
      {"DestroyClearsActiveAndPostsQuit", nothing, WM_DESTROY, 0, 0, false,
       [] {
         EXPECT_FALSE(ACTIVE);
         EXPECT_TRUE(messageQueued(WM_QUIT));
         EXPECT_TRUE(IsWindow(HWINDOW)) << "the message alone destroys nothing";
       }},
      {"PaintValidatesAndRefreshesStatus", [] { InvalidateRect(HWINDOW, nullptr, FALSE); }, WM_PAINT,
       0, 0, true, [] { EXPECT_FALSE(messageQueued(WM_PAINT)); }},
      {"ContextMenuCallsHookWhenMenuBarShown",
       [] {
         SHOWMENUBAR = true;
         CREATEMOUSEMENU = countingMenuHook;
       },
       WM_CONTEXTMENU, 0, 0, true, [] { EXPECT_EQ(hookCalls, 1); }},
      {"ContextMenuIgnoresHookWithoutMenuBar", [] { CREATEMOUSEMENU = countingMenuHook; },
       WM_CONTEXTMENU, 0, 0, true, [] { EXPECT_EQ(hookCalls, 0); }},
      {"ContextMenuWithoutHook", [] { SHOWMENUBAR = true; }, WM_CONTEXTMENU, 0, 0, true, nothing},
      {"KeyDownSetsSlot", nothing, WM_KEYDOWN, 'A', 0, false,
       [] {
         EXPECT_EQ(SETKEY['A'], -1);
         EXPECT_TRUE(SETGLKEY('A'));
       }},
      {"KeyUpClearsSlotAndFreeLook",
       [] {
         SETKEY['A'] = -1;
         MOUSEFREE = true;
       },
       WM_KEYUP, 'A', 0, false,
       [] {
         EXPECT_EQ(SETKEY['A'], 0);
         EXPECT_FALSE(MOUSEFREE);
       }},
      {"KeyUpOfOtherKeyEndsFreeLook", [] { MOUSEFREE = true; }, WM_KEYUP, VK_SHIFT, 0, false,
       [] { EXPECT_FALSE(MOUSEFREE); }},
      {"CommandGoesToHookOnlyAndReturnsZero",
       [] {
         SHOWMENUBAR = true;
         GETINPUTCOMMAND = recordingCommandHook;
       },
       WM_COMMAND, 0, 0x1234, false,
       [] {
         EXPECT_EQ(hookCalls, 1);
         EXPECT_EQ(hookWindow, HWINDOW);
         EXPECT_EQ(hookMessage, WM_COMMAND);
         EXPECT_EQ(hookWParam, 0u);
         EXPECT_EQ(hookLParam, 0x1234);
       }},
      {"CommandIgnoresHookWithoutMenuBar", [] { GETINPUTCOMMAND = recordingCommandHook; }, WM_COMMAND,
       0, 0, false, [] { EXPECT_EQ(hookCalls, 0); }},
      {"CommandWithoutHook", [] { SHOWMENUBAR = true; }, WM_COMMAND, 0, 0, false, nothing},
      {"LeftDownTakesCaptureAndRecordsPoint", nothing, WM_LBUTTONDOWN, MK_LBUTTON,
       MAKELPARAM(30, 40), false,
       [] {
         EXPECT_EQ(GetCapture(), HWINDOW);
         EXPECT_TRUE(LEFTMOUSEDOWN);
         EXPECT_TRUE(LEFTMOUSEDOWN2);
         EXPECT_EQ(XCOORD, 30);
         EXPECT_EQ(YCOORD, 40);
         EXPECT_EQ(SETMX, 30);
         EXPECT_EQ(SETMY, 40);
       }},
      {"LeftUpReleasesAndZeroes",
       [] {
         GLWNDPROC(HWINDOW, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 40));
       },
       WM_LBUTTONUP, 0, MAKELPARAM(31, 41), true,
       [] {
         EXPECT_EQ(GetCapture(), 0u);
         EXPECT_FALSE(LEFTMOUSEDOWN);
         EXPECT_FALSE(LEFTMOUSEDOWN2);
         EXPECT_EQ(XCOORD, 0);
         EXPECT_EQ(YCOORD, 0);
         EXPECT_EQ(SETMX, 0);
         EXPECT_EQ(SETMY, 0);
       }},
      {"RightDownTakesCaptureAndRecordsY", nothing, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(30, 40),
       false,
       [] {
         EXPECT_EQ(GetCapture(), HWINDOW);
         EXPECT_TRUE(RIGHTMOUSEDOWN);
         EXPECT_TRUE(RIGHTMOUSEDOWN2);
         EXPECT_EQ(ZCOORD, 40);
       }},
      {"RightUpReleasesCaptureEvenWithLeftHeld",
       [] {
         GLWNDPROC(HWINDOW, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
         GLWNDPROC(HWINDOW, WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(1, 1));
       },
       // Releasing the capture tells the window with WM_CAPTURECHANGED, whose WPARAM of 0
       // refreshes the status bar on its way to default processing.
       WM_RBUTTONUP, MK_LBUTTON, MAKELPARAM(1, 1), true,
       [] {
         EXPECT_EQ(GetCapture(), 0u);
         EXPECT_FALSE(RIGHTMOUSEDOWN);
         EXPECT_FALSE(RIGHTMOUSEDOWN2);
         EXPECT_TRUE(LEFTMOUSEDOWN);
       }},
      {"MouseMoveWithNothingHeldRefreshesStatus", nothing, WM_MOUSEMOVE, 0, MAKELPARAM(5, 6), true,
       [] {
         EXPECT_EQ(SETOMX, 5);
         EXPECT_EQ(SETOMY, 6);
       }},
      {"MouseMoveWithButtonHeldDoesNotRefresh", nothing, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 6),
       false, nothing},
      {"ScreenSaverCommandGoesOn", nothing, WM_SYSCOMMAND, SC_SCREENSAVE, 0, false,
       [] { EXPECT_TRUE(IsWindow(HWINDOW)); }},
      {"CloseGoesOnAndDestroysTheWindow", nothing, WM_CLOSE, 0, 0, true,
       [] {
         EXPECT_FALSE(IsWindow(HWINDOW));
         EXPECT_FALSE(ACTIVE);
       }},
      {"OtherMessageGoesOn", nothing, WM_USER + 7, 0, 0, true, nothing},
      {"MiddleButtonGoesOn", nothing, WM_MBUTTONDOWN, 0, MAKELPARAM(3, 3), true,
       [] { EXPECT_EQ(GetCapture(), 0u); }},
  };
}

class GlWindowProcTable : public GlWindowProcTest, public ::testing::WithParamInterface<ProcCase> {
 protected:
  void SetUp() override {
    GlWindowProcTest::SetUp();
    hookCalls = 0;
    hookWindow = 0;
    hookMessage = 0;
    hookWParam = 0;
    hookLParam = 0;
  }
};

TEST_P(GlWindowProcTable, HandlesMessage) {
  const ProcCase& c = GetParam();
  c.arrange();
  armStatusPaint();
  const LRESULT result = send(c.message, c.wParam, c.lParam);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(statusPaints(), c.statusRefreshed ? 1 : 0) << "status bar refresh";
  c.check();
}

INSTANTIATE_TEST_SUITE_P(Messages, GlWindowProcTable, ::testing::ValuesIn(procCases()),
                         [](const ::testing::TestParamInfo<ProcCase>& info) { return info.param.name; });

// Escape ends the run without destroying the window and without touching its key slot.
TEST_F(GlWindowProcTest, EscapeSendsDestroyToTheWindowOnly) {
  armStatusPaint();
  EXPECT_EQ(send(WM_KEYDOWN, VK_ESCAPE, 0x00010001), 0);
  EXPECT_FALSE(ACTIVE);
  EXPECT_TRUE(messageQueued(WM_QUIT));
  EXPECT_EQ(SETKEY[VK_ESCAPE], 0);
  EXPECT_FALSE(SETGLKEY(static_cast<char>(VK_ESCAPE)));
  EXPECT_TRUE(IsWindow(HWINDOW));
  EXPECT_EQ(statusPaints(), 0) << "Escape does not go on to default processing";
}

// Key codes past the table are dropped; nothing outside the table is written.
TEST_F(GlWindowProcTest, KeyCodesPastTheTableAreIgnored) {
  for (WPARAM key : {WPARAM{501}, WPARAM{0xFFFF}, ~WPARAM{0}}) {
    SCOPED_TRACE(key);
    send(WM_KEYDOWN, key, 0);
    send(WM_KEYUP, key, 0);
  }
  send(WM_KEYDOWN, MAXKEY, 0);
  EXPECT_EQ(SETKEY[MAXKEY], -1);
  for (int k = 0; k < MAXKEY; ++k) ASSERT_EQ(SETKEY[k], 0) << k;
}

// Auto-repeated key-downs keep the slot set; the key-up clears it.
TEST_F(GlWindowProcTest, KeySlotFollowsDownRepeatAndUp) {
  send(WM_KEYDOWN, '1', 0x00020001);
  send(WM_KEYDOWN, '1', 0x40020001);
  EXPECT_TRUE(SETGLKEY('1'));
  EXPECT_EQ(SETKEY[49], -1);
  send(WM_KEYUP, '1', static_cast<LPARAM>(0xC0020001u));
  EXPECT_FALSE(SETGLKEY('1'));
}

}  // namespace
