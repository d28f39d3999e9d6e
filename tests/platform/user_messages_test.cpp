// The message queue: order, peeking, sending, quitting, character translation, painting
// when idle, and the default handling of closing.
#include "platform/sdl/test_events.h"
#include "tests/platform/user_test_support.h"

namespace {

using UserMessages = UserTest;

TEST_F(UserMessages, PostedMessagesComeOutInOrderAndPeekWithoutRemoveLeavesThem) {
  HWND h = makeWindow();
  drainQueue();
  gReceived.clear();
  PostMessageA(h, WM_USER + 1, 1, 0);
  PostMessageA(h, WM_USER + 2, 2, 0);
  PostMessageA(h, WM_USER + 3, 3, 0);
  MSG m{};
  ASSERT_TRUE(PeekMessageA(&m, 0, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.message, WM_USER + 1);
  ASSERT_TRUE(PeekMessageA(&m, 0, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.message, WM_USER + 1);
  for (UINT expected = WM_USER + 1; expected <= WM_USER + 3; ++expected) {
    ASSERT_EQ(GetMessageA(&m, 0, 0, 0), TRUE);
    EXPECT_EQ(m.message, expected);
    EXPECT_EQ(m.hwnd, h);
    DispatchMessageA(&m);
  }
  EXPECT_FALSE(PeekMessageA(&m, 0, 0, 0, PM_NOREMOVE));
  ASSERT_EQ(gReceived.size(), 3u);
  EXPECT_EQ(gReceived[2].wParam, 3u);
}

TEST_F(UserMessages, PeekFiltersByWindowAndMessageRange) {
  HWND a = makeWindow();
  HWND b = makeWindow();
  HWND childOfB = CreateWindowExA(0, recorderClass(), "", WS_CHILD, 0, 0, 5, 5, b, 0, 0, nullptr);
  drainQueue();
  PostMessageA(a, WM_USER + 1, 0, 0);
  PostMessageA(childOfB, WM_USER + 2, 0, 0);
  PostMessageA(0, WM_USER + 3, 0, 0);  // to the thread itself
  MSG m{};
  ASSERT_TRUE(PeekMessageA(&m, b, 0, 0, PM_REMOVE));  // a window's filter takes its children's too
  EXPECT_EQ(m.message, WM_USER + 2);
  ASSERT_TRUE(PeekMessageA(&m, 0, WM_USER + 3, WM_USER + 9, PM_REMOVE));
  EXPECT_EQ(m.message, WM_USER + 3);
  EXPECT_EQ(m.hwnd, 0u);
  EXPECT_FALSE(PeekMessageA(&m, b, 0, 0, PM_REMOVE));
  ASSERT_TRUE(PeekMessageA(&m, 0, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_USER + 1);
  EXPECT_FALSE(PeekMessageA(nullptr, 0, 0, 0, PM_REMOVE));
}

TEST_F(UserMessages, SentMessagesRunBeforeTheCallReturnsEvenFromInsideAProcedure) {
  static std::vector<UINT> order;
  order.clear();
  WNDCLASSA wc{};
  wc.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m == WM_USER) {
      order.push_back(WM_USER);
      LRESULT inner = SendMessageA(w, WM_USER + 1, 0, 0);
      order.push_back(WM_USER + 2);
      return inner + 1;
    }
    if (m == WM_USER + 1) {
      order.push_back(WM_USER + 1);
      return 41;
    }
    return DefWindowProcA(w, m, wp, lp);
  };
  wc.lpszClassName = "ReentrantWindow";
  ASSERT_NE(RegisterClassA(&wc), 0);
  HWND h = CreateWindowExA(0, "ReentrantWindow", "", WS_POPUP, 0, 0, 10, 10, 0, 0, 0, nullptr);
  made_.push_back(h);
  EXPECT_EQ(SendMessageA(h, WM_USER, 0, 0), 42);
  EXPECT_EQ(order, (std::vector<UINT>{WM_USER, WM_USER + 1, WM_USER + 2}));
}

TEST_F(UserMessages, QuitMessageHasNoWindowAndDispatchesToNothing) {
  makeWindow();
  drainQueue();
  gReceived.clear();
  PostQuitMessage(0);
  MSG m{};
  ASSERT_TRUE(PeekMessageA(&m, 0, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(GetMessageA(&m, 0, 0, 0), FALSE);
  EXPECT_EQ(m.message, WM_QUIT);
  EXPECT_EQ(m.hwnd, 0u);
  EXPECT_EQ(DispatchMessageA(&m), 0);
  EXPECT_TRUE(gReceived.empty());
}

TEST_F(UserMessages, TranslateMessagePostsTheCharacterForALaterCall) {
  HWND h = makeWindow();
  drainQueue();
  ASSERT_TRUE(platform::sdl::test::pushKey(nativeOf(h), "A", true, platform::sdl::ModShift));
  ASSERT_TRUE(platform::sdl::test::pushKey(nativeOf(h), "1", true));
  MSG m{};
  ASSERT_TRUE(GetMessageA(&m, 0, 0, 0));
  ASSERT_EQ(m.message, WM_KEYDOWN);
  EXPECT_EQ(m.wParam, static_cast<WPARAM>('A'));
  EXPECT_TRUE(TranslateMessage(&m));
  // The character is posted: it comes next, ahead of the key typed after.
  ASSERT_TRUE(GetMessageA(&m, 0, 0, 0));
  EXPECT_EQ(m.message, WM_CHAR);
  EXPECT_EQ(m.wParam, static_cast<WPARAM>('A'));
  ASSERT_TRUE(GetMessageA(&m, 0, 0, 0));
  EXPECT_EQ(m.message, WM_KEYDOWN);
  EXPECT_EQ(m.wParam, static_cast<WPARAM>('1'));
  TranslateMessage(&m);
  ASSERT_TRUE(GetMessageA(&m, 0, 0, 0));
  EXPECT_EQ(m.message, WM_CHAR);
  EXPECT_EQ(m.wParam, static_cast<WPARAM>('1'));
  // Keys that type nothing give no character; other messages are not translated.
  MSG shift{h, WM_KEYDOWN, VK_SHIFT, 0, 0, {0, 0}};
  EXPECT_TRUE(TranslateMessage(&shift));
  MSG other{h, WM_USER, 'A', 0, 0, {0, 0}};
  EXPECT_FALSE(TranslateMessage(&other));
  EXPECT_FALSE(PeekMessageA(&m, 0, 0, 0, PM_NOREMOVE));
}

TEST_F(UserMessages, PaintComesOnlyWhenNothingElseIsQueuedAndUpdateWindowSendsItNow) {
  HWND h = makeWindow();
  drainQueue();
  InvalidateRect(h, nullptr, FALSE);
  PostMessageA(h, WM_USER, 0, 0);
  MSG m{};
  ASSERT_TRUE(GetMessageA(&m, 0, 0, 0));
  EXPECT_EQ(m.message, WM_USER);
  ASSERT_TRUE(PeekMessageA(&m, 0, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.message, WM_PAINT);
  EXPECT_EQ(m.hwnd, h);
  // Dispatched to default handling, which validates: no more WM_PAINT.
  ASSERT_TRUE(GetMessageA(&m, 0, 0, 0));
  DispatchMessageA(&m);
  EXPECT_FALSE(PeekMessageA(&m, 0, 0, 0, PM_NOREMOVE));

  gReceived.clear();
  EXPECT_TRUE(UpdateWindow(h));  // nothing to paint: nothing sent
  EXPECT_TRUE(receivedOf(WM_PAINT).empty());
  RECT part{10, 10, 20, 20};
  InvalidateRect(h, &part, TRUE);
  EXPECT_TRUE(UpdateWindow(h));
  EXPECT_EQ(receivedOf(WM_PAINT).size(), 1u);
  EXPECT_FALSE(PeekMessageA(&m, 0, 0, 0, PM_NOREMOVE));
}

TEST_F(UserMessages, BeginPaintReportsTheUpdateAreaAndValidates) {
  HWND h = makeWindow();
  drainQueue();
  RECT a{10, 10, 20, 20}, b{30, 5, 40, 15};
  InvalidateRect(h, &a, FALSE);
  InvalidateRect(h, &b, TRUE);
  PAINTSTRUCT ps{};
  HDC dc = BeginPaint(h, &ps);
  EXPECT_NE(dc, 0u);
  EXPECT_EQ(ps.rcPaint.left, 10);
  EXPECT_EQ(ps.rcPaint.top, 5);
  EXPECT_EQ(ps.rcPaint.right, 40);
  EXPECT_EQ(ps.rcPaint.bottom, 20);
  EXPECT_TRUE(ps.fErase);
  EXPECT_TRUE(EndPaint(h, &ps));
  MSG m{};
  EXPECT_FALSE(PeekMessageA(&m, 0, 0, 0, PM_NOREMOVE));
}

TEST_F(UserMessages, CloseBoxGoesThroughSysCommandAndCloseToDestroy) {
  HWND h = makeWindow();
  drainQueue();
  gReceived.clear();
  ASSERT_TRUE(platform::sdl::test::pushCloseRequest(nativeOf(h)));
  MSG m{};
  ASSERT_TRUE(GetMessageA(&m, 0, 0, 0));
  EXPECT_EQ(m.message, WM_SYSCOMMAND);
  EXPECT_EQ(m.wParam, SC_CLOSE);
  DispatchMessageA(&m);
  std::vector<UINT> seen;
  for (const Received& r : gReceived) seen.push_back(r.message);
  EXPECT_EQ(seen, (std::vector<UINT>{WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY}));
  EXPECT_FALSE(IsWindow(h));
}

TEST_F(UserMessages, AltF4ClosesTheWindowTheSameWay) {
  HWND h = makeWindow();
  drainQueue();
  gReceived.clear();
  ASSERT_TRUE(platform::sdl::test::pushKey(nativeOf(h), "F4", true, platform::sdl::ModAlt));
  MSG m{};
  ASSERT_TRUE(GetMessageA(&m, 0, 0, 0));
  EXPECT_EQ(m.message, WM_SYSKEYDOWN);
  EXPECT_EQ(m.wParam, static_cast<WPARAM>(VK_F1 + 3));
  EXPECT_TRUE(m.lParam & (1 << 29));
  TranslateMessage(&m);
  DispatchMessageA(&m);
  EXPECT_FALSE(receivedOf(WM_CLOSE).empty());
  EXPECT_FALSE(IsWindow(h));
}

}  // namespace
