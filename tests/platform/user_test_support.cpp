#include "tests/platform/user_test_support.h"

#include "platform/test_seams.h"
#include "platform/user/window_tree.h"

std::vector<Received> gReceived;

namespace {
LRESULT recorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  gReceived.push_back({window, message, wParam, lParam});
  return DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

const char* recorderClass() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = recorderProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(0, IDC_ARROW);
    wc.lpszClassName = "RecorderWindow";
    registered = RegisterClassA(&wc) != 0;
  }
  return "RecorderWindow";
}

void drainQueue() {
  MSG m;
  for (int i = 0; i < 10000 && PeekMessageA(&m, 0, 0, 0, PM_REMOVE); ++i) {
    if (m.message == WM_PAINT) {
      PAINTSTRUCT ps;
      BeginPaint(m.hwnd, &ps);
      EndPaint(m.hwnd, &ps);
    }
  }
}

std::vector<Received> receivedOf(UINT message) {
  std::vector<Received> out;
  for (const Received& r : gReceived)
    if (r.message == message) out.push_back(r);
  return out;
}

void UserTest::SetUp() {
  recorderClass();
  drainQueue();
  gReceived.clear();
}

void UserTest::TearDown() {
  ReleaseCapture();
  platform::seams::resetPointer();
  for (HWND h : made_) DestroyWindow(h);
  drainQueue();
  gReceived.clear();
}

HWND UserTest::makeWindow(DWORD style, int width, int height) {
  HWND h = CreateWindowExA(0, recorderClass(), "test", style, CW_USEDEFAULT, CW_USEDEFAULT, width, height, 0, 0,
                           GetModuleHandleA(nullptr), nullptr);
  if (h) made_.push_back(h);
  return h;
}

std::uint32_t UserTest::nativeOf(HWND window) {
  platform::user::Window* w = platform::user::findWindow(window);
  return w ? w->native : 0;
}
