// Classes and windows: registration, creation and destruction with their messages inside
// the calls, the frame metrics, the child-window tree and stale handles.
#include "platform/sdl/test_events.h"
#include "tests/platform/user_test_support.h"

namespace {

LRESULT plainProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

TEST(UserClasses, RegisteringANameTwiceFailsWhateverTheCase) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = plainProc;
  wc.lpszClassName = "DuplicateTest";
  ATOM first = RegisterClassA(&wc);
  EXPECT_NE(first, 0);
  EXPECT_EQ(RegisterClassA(&wc), 0);
  wc.lpszClassName = "duplicatetest";
  EXPECT_EQ(RegisterClassA(&wc), 0);

  WNDCLASSEXA ex{};
  ex.cbSize = 48;
  ex.lpfnWndProc = plainProc;
  ex.lpszClassName = "DuplicateTest";
  EXPECT_EQ(RegisterClassExA(&ex), 0);
}

TEST(UserClasses, ExtendedClassIsFoundWithItsFields) {
  WNDCLASSEXA out{};
  EXPECT_FALSE(GetClassInfoExA(0, "NoSuchClass", &out));
  WNDCLASSEXA ex{};
  ex.cbSize = 48;  // the record's size on the system it comes from
  ex.lpfnWndProc = plainProc;
  ex.hCursor = LoadCursorA(0, IDC_ARROW);
  ex.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  ex.lpszClassName = "ExtendedTest";
  ASSERT_NE(RegisterClassExA(&ex), 0);
  ASSERT_TRUE(GetClassInfoExA(0, "ExtendedTest", &out));
  EXPECT_EQ(out.lpfnWndProc, &plainProc);
  EXPECT_EQ(out.hCursor, ex.hCursor);
  EXPECT_EQ(out.hbrBackground, ex.hbrBackground);
  EXPECT_NE(out.hbrBackground, 0u);
}

TEST(UserClasses, ClassWithoutNameOrProcedureIsRefused) {
  WNDCLASSA wc{};
  wc.lpszClassName = "NoProcedure";
  EXPECT_EQ(RegisterClassA(&wc), 0);
  wc.lpfnWndProc = plainProc;
  wc.lpszClassName = nullptr;
  EXPECT_EQ(RegisterClassA(&wc), 0);
  EXPECT_EQ(RegisterClassA(nullptr), 0);
}

using UserWindows = UserTest;

TEST_F(UserWindows, CreationSendsWmCreateInsideTheCall) {
  HWND h = makeWindow();
  ASSERT_NE(h, 0u);
  auto created = receivedOf(WM_CREATE);
  ASSERT_EQ(created.size(), 1u);
  EXPECT_EQ(created[0].window, h);
  EXPECT_TRUE(IsWindow(h));
}

TEST_F(UserWindows, UnknownClassOrChildWithoutParentGivesNoWindow) {
  EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", WS_POPUP, 0, 0, 10, 10, 0, 0, 0, nullptr), 0u);
  EXPECT_EQ(CreateWindowExA(0, recorderClass(), "", WS_CHILD, 0, 0, 10, 10, 0, 0, 0, nullptr), 0u);
  EXPECT_TRUE(gReceived.empty());
}

TEST_F(UserWindows, FrameMetricsOfCaptionedBorderedAndBareWindows) {
  struct Case {
    DWORD style;
    int clientWidth, clientHeight;
  } cases[] = {
      {WS_POPUP | WS_CAPTION | WS_SYSMENU, 794, 578},  // border 3, caption 16
      {WS_POPUP | WS_BORDER, 798, 598},                // thin border
      {WS_POPUP, 800, 600},
  };
  for (const Case& c : cases) {
    HWND h = makeWindow(c.style);
    ASSERT_NE(h, 0u);
    RECT outer, client;
    ASSERT_TRUE(GetWindowRect(h, &outer));
    ASSERT_TRUE(GetClientRect(h, &client));
    // CW_USEDEFAULT puts a pop-up window at the screen's corner; the size is the outer size.
    EXPECT_EQ(outer.left, 0);
    EXPECT_EQ(outer.top, 0);
    EXPECT_EQ(outer.right, 800);
    EXPECT_EQ(outer.bottom, 600);
    EXPECT_EQ(client.right, c.clientWidth) << std::hex << c.style;
    EXPECT_EQ(client.bottom, c.clientHeight) << std::hex << c.style;
  }
}

TEST_F(UserWindows, ThinBorderedScreenSizedWindowCoversTheScreen) {
  int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  HWND h = makeWindow(WS_POPUP | WS_VISIBLE | WS_BORDER | WS_SYSMENU, sw, sh);
  ASSERT_NE(h, 0u);
  RECT outer, client;
  GetWindowRect(h, &outer);
  GetClientRect(h, &client);
  EXPECT_EQ(outer.right, sw);
  EXPECT_EQ(outer.bottom, sh);
  EXPECT_EQ(client.right, sw - 2);
  EXPECT_EQ(client.bottom, sh - 2);
  // The native window is the whole screen; its pixel (10, 10) is client pixel (9, 9).
  drainQueue();
  ASSERT_TRUE(platform::sdl::test::pushButton(nativeOf(h), platform::sdl::ButtonLeft, true, 10, 10));
  MSG m{};
  ASSERT_TRUE(PeekMessageA(&m, 0, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_LBUTTONDOWN);
  EXPECT_EQ(m.lParam, MAKELPARAM(9, 9));
}

TEST_F(UserWindows, ChildWindowsKeepParentIdAndRectangle) {
  HWND top = makeWindow();
  HWND child = CreateWindowExA(0, recorderClass(), "", WS_CHILD | WS_VISIBLE, 10, 20, 30, 40, top,
                               static_cast<HMENU>(77), 0, nullptr);
  ASSERT_NE(child, 0u);
  EXPECT_EQ(GetParent(child), top);
  EXPECT_EQ(GetDlgCtrlID(child), 77);
  RECT r;
  ASSERT_TRUE(GetWindowRect(child, &r));
  // Screen coordinates: the parent's client area starts at (3, 19).
  EXPECT_EQ(r.left, 13);
  EXPECT_EQ(r.top, 39);
  EXPECT_EQ(r.right, 43);
  EXPECT_EQ(r.bottom, 79);
  ASSERT_TRUE(MoveWindow(child, 1, 2, 50, 60, TRUE));
  ASSERT_TRUE(GetClientRect(child, &r));
  EXPECT_EQ(r.right, 50);
  EXPECT_EQ(r.bottom, 60);
  auto sized = receivedOf(WM_SIZE);
  ASSERT_FALSE(sized.empty());
  EXPECT_EQ(sized.back().window, child);
  EXPECT_EQ(sized.back().lParam, MAKELPARAM(50, 60));
}

TEST_F(UserWindows, ExtremePlacesAndSizesAreKeptInRange) {
  constexpr int kMax = 0x7FFFFFFF;
  HWND top = makeWindow();
  HWND child = CreateWindowExA(0, recorderClass(), "", WS_CHILD | WS_BORDER, kMax, kMax, kMax, kMax, top, 0, 0,
                               nullptr);
  ASSERT_NE(child, 0u);
  RECT r;
  ASSERT_TRUE(GetWindowRect(child, &r));
  EXPECT_GT(r.right, r.left);
  ASSERT_TRUE(MoveWindow(child, -kMax, -kMax, -5, kMax, FALSE));
  ASSERT_TRUE(GetClientRect(child, &r));
  EXPECT_EQ(r.right, 0);  // a negative width is no width
  EXPECT_GT(r.bottom, 0);
}

TEST_F(UserWindows, DestroySendsWmDestroyInsideAndTakesChildrenAlong) {
  HWND top = makeWindow();
  HWND child = CreateWindowExA(0, recorderClass(), "", WS_CHILD, 0, 0, 5, 5, top, 0, 0, nullptr);
  HWND grandchild = CreateWindowExA(0, recorderClass(), "", WS_CHILD, 0, 0, 5, 5, child, 0, 0, nullptr);
  ASSERT_NE(grandchild, 0u);
  gReceived.clear();
  ASSERT_TRUE(DestroyWindow(top));
  auto destroyed = receivedOf(WM_DESTROY);
  ASSERT_EQ(destroyed.size(), 3u);
  EXPECT_EQ(destroyed[0].window, top);  // the parent hears first
  EXPECT_FALSE(IsWindow(top));
  EXPECT_FALSE(IsWindow(child));
  EXPECT_FALSE(IsWindow(grandchild));
}

TEST_F(UserWindows, CallsOnADeadHandleFailHarmlessly) {
  HWND h = makeWindow();
  HDC dc = GetDC(h);
  ASSERT_TRUE(DestroyWindow(h));
  gReceived.clear();
  RECT r{1, 2, 3, 4};
  EXPECT_FALSE(DestroyWindow(h));
  EXPECT_FALSE(UpdateWindow(h));
  EXPECT_FALSE(ShowWindow(h, SW_SHOW));
  EXPECT_FALSE(GetWindowRect(h, &r));
  EXPECT_EQ(r.left, 1);
  EXPECT_EQ(SendMessageA(h, WM_USER, 0, 0), 0);
  EXPECT_FALSE(PostMessageA(h, WM_USER, 0, 0));
  EXPECT_EQ(ReleaseDC(h, dc), 0);
  EXPECT_FALSE(SwapBuffers(dc));
  EXPECT_EQ(GetDC(h), 0u);
  EXPECT_FALSE(SetPropA(h, "x", 1));
  EXPECT_TRUE(gReceived.empty());
  // A handle of another table is no window either.
  EXPECT_FALSE(IsWindow(dc));
  EXPECT_FALSE(UpdateWindow(0));
}

TEST_F(UserWindows, CreationCanBeRefusedByTheProcedure) {
  static int destroys = 0;
  WNDCLASSA wc{};
  wc.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m == WM_CREATE) return -1;
    if (m == WM_DESTROY) ++destroys;
    return DefWindowProcA(w, m, wp, lp);
  };
  wc.lpszClassName = "RefusingWindow";
  ASSERT_NE(RegisterClassA(&wc), 0);
  EXPECT_EQ(CreateWindowExA(0, "RefusingWindow", "", WS_POPUP, 0, 0, 10, 10, 0, 0, 0, nullptr), 0u);
  EXPECT_EQ(destroys, 1);
}

TEST_F(UserWindows, TitleAndProperties) {
  HWND h = makeWindow();
  ASSERT_TRUE(SetWindowTextA(h, "Caf\xE9"));
  char buffer[4];
  EXPECT_EQ(GetWindowTextA(h, buffer, sizeof buffer), 3);
  EXPECT_STREQ(buffer, "Caf");

  EXPECT_EQ(GetPropA(h, "Normal"), 0u);
  ASSERT_TRUE(SetPropA(h, "Normal", 11));
  ASSERT_TRUE(SetPropA(h, "Hover", 22));
  EXPECT_EQ(GetPropA(h, "normal"), 11u);
  EXPECT_EQ(RemovePropA(h, "NORMAL"), 11u);
  EXPECT_EQ(GetPropA(h, "Normal"), 0u);
  EXPECT_EQ(GetPropA(h, "Hover"), 22u);
  EXPECT_FALSE(SetPropA(h, nullptr, 1));
}

TEST(UserScreen, MetricsGiveThePrimaryScreen) {
  EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
  EXPECT_GT(GetSystemMetrics(SM_CYSCREEN), 0);
  EXPECT_EQ(GetSystemMetrics(9999), 0);
}

}  // namespace

// A window DC lets go of what was selected into it when it is released or when its window
// goes, so that object can be deleted afterwards.
TEST_F(UserTest, WindowDcsLetGoOfTheirPaletteWhenReleasedOrDestroyed) {
  HWND window = makeWindow();
  HPALETTE released = CreateHalftonePalette(0);
  HDC dc = GetDC(window);
  SelectPalette(dc, released, FALSE);
  EXPECT_FALSE(DeleteObject(released));  // still held by the context
  ReleaseDC(window, dc);
  EXPECT_TRUE(DeleteObject(released));

  HWND doomed = makeWindow();
  HPALETTE destroyed = CreateHalftonePalette(0);
  SelectPalette(GetDC(doomed), destroyed, FALSE);
  DestroyWindow(doomed);
  EXPECT_TRUE(DeleteObject(destroyed));
}
