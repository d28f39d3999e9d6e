// Native input turned into messages: the key table, pointer coordinates and flags, move
// coalescing, capture, the wheel, and the pointer and foreground seams.
#include "platform/sdl/test_events.h"
#include "platform/user/cursor_table.h"
#include "platform/test_seams.h"
#include "tests/platform/user_test_support.h"

namespace {

namespace ev = platform::sdl::test;
using platform::sdl::ModAlt;
using platform::sdl::ModNumLock;

using UserInput = UserTest;

MSG next() {
  MSG m{};
  EXPECT_TRUE(PeekMessageA(&m, 0, 0, 0, PM_REMOVE));
  return m;
}

TEST_F(UserInput, KeysBecomeVirtualKeyCodes) {
  struct Case {
    const char* key;
    unsigned modifiers;
    int virtualKey;
    bool extended;
  } cases[] = {
      {"1", 0, '1', false},
      {"0", 0, '0', false},
      {"Keypad 1", ModNumLock, VK_NUMPAD0 + 1, false},  // distinct from the main row's '1'
      {"Keypad 0", ModNumLock, VK_NUMPAD0, false},
      {"Keypad 1", 0, VK_END, false},                   // Num Lock off: the key's other meaning
      {"A", 0, 'A', false},
      {"Z", 0, 'Z', false},
      {"Escape", 0, VK_ESCAPE, false},
      {"Return", 0, VK_RETURN, false},
      {"Keypad Enter", ModNumLock, VK_RETURN, true},
      {"Space", 0, VK_SPACE, false},
      {"Left", 0, VK_LEFT, true},
      {"PageUp", 0, VK_PRIOR, true},
      {"Delete", 0, VK_DELETE, true},
      {"F1", 0, VK_F1, false},
      {"F12", 0, VK_F1 + 11, false},
      {"Left Shift", 0, VK_SHIFT, false},
      {"Right Ctrl", 0, VK_CONTROL, true},
      {"-", 0, VK_OEM_MINUS, false},
      {"Keypad *", ModNumLock, VK_MULTIPLY, false},
  };
  HWND h = makeWindow();
  drainQueue();
  for (const Case& c : cases) {
    ASSERT_TRUE(ev::pushKey(nativeOf(h), c.key, true, c.modifiers)) << c.key;
    MSG m = next();
    EXPECT_EQ(m.message, WM_KEYDOWN) << c.key;
    EXPECT_EQ(m.hwnd, h);
    EXPECT_EQ(m.wParam, static_cast<WPARAM>(c.virtualKey)) << c.key;
    EXPECT_EQ((m.lParam >> 24) & 1, c.extended ? 1 : 0) << c.key;
    EXPECT_EQ(m.lParam & 0xFFFF, 1) << c.key;  // repeat count
  }
}

TEST_F(UserInput, KeyMessageFlagsForRepeatReleaseAndAlt) {
  HWND h = makeWindow();
  drainQueue();
  ASSERT_TRUE(ev::pushKey(nativeOf(h), "2", true));
  ASSERT_TRUE(ev::pushKey(nativeOf(h), "2", true, 0, true));  // auto-repeat
  ASSERT_TRUE(ev::pushKey(nativeOf(h), "2", false));
  ASSERT_TRUE(ev::pushKey(nativeOf(h), "X", true, ModAlt));
  ASSERT_TRUE(ev::pushKey(nativeOf(h), "X", false, ModAlt));
  MSG first = next(), repeat = next(), up = next(), altDown = next(), altUp = next();
  EXPECT_EQ(first.message, WM_KEYDOWN);
  EXPECT_EQ(static_cast<DWORD>(first.lParam) >> 30, 0u);
  EXPECT_EQ((static_cast<DWORD>(first.lParam) >> 16) & 0xFF, 0x03u);  // the key's scan code
  EXPECT_EQ(repeat.message, WM_KEYDOWN);
  EXPECT_EQ(static_cast<DWORD>(repeat.lParam) >> 30, 1u);  // was already down
  EXPECT_EQ(up.message, WM_KEYUP);
  EXPECT_EQ(up.wParam, static_cast<WPARAM>('2'));
  EXPECT_EQ(static_cast<DWORD>(up.lParam) >> 30, 3u);  // was down, is released
  EXPECT_EQ(altDown.message, WM_SYSKEYDOWN);
  EXPECT_EQ(altDown.wParam, static_cast<WPARAM>('X'));
  EXPECT_TRUE(altDown.lParam & (1 << 29));
  EXPECT_EQ(altUp.message, WM_SYSKEYUP);
}

TEST_F(UserInput, PointerMessagesCarryClientCoordinatesAndButtonFlags) {
  HWND h = makeWindow();
  drainQueue();
  ASSERT_TRUE(ev::pushButton(nativeOf(h), platform::sdl::ButtonLeft, true, 10, 20));
  ASSERT_TRUE(ev::pushPointerMove(nativeOf(h), 15, 25, 1u << (platform::sdl::ButtonLeft - 1)));
  ASSERT_TRUE(ev::pushButton(nativeOf(h), platform::sdl::ButtonLeft, false, 15, 25));
  ASSERT_TRUE(ev::pushButton(nativeOf(h), platform::sdl::ButtonRight, true, 1, 2));
  ASSERT_TRUE(ev::pushWheel(nativeOf(h), -1));
  MSG down = next(), move = next(), up = next(), right = next(), wheel = next();
  EXPECT_EQ(down.message, WM_LBUTTONDOWN);
  EXPECT_EQ(down.lParam, MAKELPARAM(10, 20));
  EXPECT_EQ(down.wParam, MK_LBUTTON);
  EXPECT_EQ(move.message, WM_MOUSEMOVE);
  EXPECT_EQ(move.lParam, MAKELPARAM(15, 25));
  EXPECT_EQ(move.wParam, MK_LBUTTON);
  EXPECT_EQ(up.message, WM_LBUTTONUP);
  EXPECT_EQ(up.wParam, 0u);
  EXPECT_EQ(right.message, WM_RBUTTONDOWN);
  EXPECT_EQ(right.wParam, MK_RBUTTON);
  EXPECT_EQ(wheel.message, WM_MOUSEWHEEL);
  EXPECT_EQ(static_cast<SHORT>(HIWORD(wheel.wParam)), -120);
}

TEST_F(UserInput, ConsecutiveMovesCollapseIntoTheLatest) {
  HWND h = makeWindow();
  drainQueue();
  ASSERT_TRUE(ev::pushPointerMove(nativeOf(h), 1, 1));
  ASSERT_TRUE(ev::pushPointerMove(nativeOf(h), 2, 2));
  ASSERT_TRUE(ev::pushPointerMove(nativeOf(h), 3, 3));
  ASSERT_TRUE(ev::pushKey(nativeOf(h), "A", true));
  ASSERT_TRUE(ev::pushPointerMove(nativeOf(h), 4, 4));
  ASSERT_TRUE(ev::pushPointerMove(nativeOf(h), 5, 5));
  MSG a = next(), key = next(), b = next();
  EXPECT_EQ(a.message, WM_MOUSEMOVE);
  EXPECT_EQ(a.lParam, MAKELPARAM(3, 3));
  EXPECT_EQ(key.message, WM_KEYDOWN);
  EXPECT_EQ(b.message, WM_MOUSEMOVE);
  EXPECT_EQ(b.lParam, MAKELPARAM(5, 5));
  MSG m{};
  EXPECT_FALSE(PeekMessageA(&m, 0, 0, 0, PM_NOREMOVE));
}

TEST_F(UserInput, CaptureKeepsPointerMessagesComingFromOutside) {
  HWND h = makeWindow();
  drainQueue();
  // Without capture, the pointer outside the client area gives nothing.
  ASSERT_TRUE(ev::pushPointerMove(nativeOf(h), -5, 10));
  MSG m{};
  EXPECT_FALSE(PeekMessageA(&m, 0, 0, 0, PM_REMOVE));

  EXPECT_EQ(SetCapture(h), 0u);
  EXPECT_EQ(GetCapture(), h);
  ASSERT_TRUE(ev::pushPointerMove(nativeOf(h), -5, -3));
  m = next();
  EXPECT_EQ(m.message, WM_MOUSEMOVE);
  // Left of and above the client area: the unsigned halves wrap to near 65535.
  EXPECT_EQ(LOWORD(static_cast<DWORD>(m.lParam)), 65531);
  EXPECT_EQ(HIWORD(static_cast<DWORD>(m.lParam)), 65533);

  // One capture: a second window taking it takes it away, and the loser hears of it.
  HWND other = makeWindow();
  gReceived.clear();
  EXPECT_EQ(SetCapture(other), h);
  ASSERT_EQ(receivedOf(WM_CAPTURECHANGED).size(), 1u);
  EXPECT_EQ(receivedOf(WM_CAPTURECHANGED)[0].window, h);
  EXPECT_TRUE(ReleaseCapture());
  EXPECT_EQ(GetCapture(), 0u);
  EXPECT_EQ(SetCapture(0), 0u);
  EXPECT_EQ(GetCapture(), 0u);
}

TEST_F(UserInput, DestroyingTheCaptureWindowEndsTheCapture) {
  HWND h = makeWindow();
  SetCapture(h);
  DestroyWindow(h);
  EXPECT_EQ(GetCapture(), 0u);
}

TEST_F(UserInput, PointerMessagesGoToTheChildUnderThePointer) {
  HWND h = makeWindow();
  HWND child = CreateWindowExA(0, recorderClass(), "", WS_CHILD | WS_VISIBLE, 100, 50, 40, 30, h, 0, 0, nullptr);
  ASSERT_NE(child, 0u);
  drainQueue();
  ASSERT_TRUE(ev::pushButton(nativeOf(h), platform::sdl::ButtonLeft, true, 110, 60));
  ASSERT_TRUE(ev::pushButton(nativeOf(h), platform::sdl::ButtonLeft, false, 90, 60));
  MSG inChild = next(), outside = next();
  EXPECT_EQ(inChild.hwnd, child);
  EXPECT_EQ(inChild.lParam, MAKELPARAM(10, 10));
  EXPECT_EQ(outside.hwnd, h);
  EXPECT_EQ(outside.lParam, MAKELPARAM(90, 60));
}

TEST_F(UserInput, TheClassCursorOfTheWindowUnderThePointerIsShown) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hCursor = LoadCursorA(0, IDC_NO);
  wc.lpszClassName = "NoEntryWindow";
  ASSERT_NE(RegisterClassA(&wc), 0);
  HWND h = makeWindow();
  HWND child = CreateWindowExA(0, "NoEntryWindow", "", WS_CHILD | WS_VISIBLE, 100, 50, 40, 30, h, 0, 0, nullptr);
  ASSERT_NE(child, 0u);
  drainQueue();
  ASSERT_TRUE(ev::pushPointerMove(nativeOf(h), 110, 60));
  drainQueue();
  EXPECT_EQ(platform::user::shownCursor(), LoadCursorA(0, IDC_NO));
  ASSERT_TRUE(ev::pushPointerMove(nativeOf(h), 300, 300));
  drainQueue();
  EXPECT_EQ(platform::user::shownCursor(), LoadCursorA(0, IDC_ARROW));
}

TEST_F(UserInput, PointerAndForegroundSeams) {
  HWND h = makeWindow();
  platform::seams::setPointerScreenPosition(410, 300);
  POINT p{};
  ASSERT_TRUE(GetCursorPos(&p));
  EXPECT_EQ(p.x, 410);
  EXPECT_EQ(p.y, 300);
  ASSERT_TRUE(SetCursorPos(400, 300));
  ASSERT_TRUE(GetCursorPos(&p));
  EXPECT_EQ(p.x, 400);
  platform::seams::setForegroundWindowOverride(h);
  EXPECT_EQ(GetForegroundWindow(), h);
  platform::seams::resetPointer();
  HWND real = GetForegroundWindow();  // the desktop's answer: a window of ours or none
  EXPECT_TRUE(real == 0 || IsWindow(real));
  EXPECT_FALSE(GetCursorPos(nullptr));
}

TEST(UserClock, TickCountMovesForward) {
  DWORD a = GetTickCount();
  DWORD b = GetTickCount();
  EXPECT_GE(b, a);
}

}  // namespace
