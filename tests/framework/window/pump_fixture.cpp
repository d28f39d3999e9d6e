#include "tests/framework/window/pump_fixture.h"

#include <algorithm>

#include "platform/sdl/test_gl_context.h"
#include "platform/test_seams.h"

namespace {

constexpr const char* kWindowClass = "GLWndProcUnderTest";
constexpr const char* kStatusClass = "StatusStandIn";
int paintCount = 0;

LRESULT statusStandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint = {};
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    ++paintCount;
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

ATOM registerClass(const char* name, WNDPROC proc) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = name;
  return RegisterClassA(&wc);
}

}  // namespace

void resetWindowProcGlobals() {
  ACTIVE = false;
  HWINDOW = 0;
  HSTATUS = 0;
  WIDTH = HEIGHT = 0;
  SHOWMENUBAR = false;
  CREATEMOUSEMENU = nullptr;
  GETINPUTCOMMAND = nullptr;
  MSG_ = {};
  std::fill(std::begin(SETKEY), std::end(SETKEY), 0);
  LEFTMOUSEDOWN = RIGHTMOUSEDOWN = LEFTMOUSEDOWN2 = RIGHTMOUSEDOWN2 = false;
  MOUSEFREE = false;
  XROT = YROT = DEPTH = XROT2 = YROT2 = DEPTH2 = 0.0f;
  XCOORD = YCOORD = ZCOORD = SETMX = SETMY = SETOMX = SETOMY = 0;
  MPOS = {0, 0};
  MSPEED = 0;
}

void GlWindowProcTest::SetUpTestSuite() {
  // A hidden GL window for the whole run keeps the GL driver loaded while the windows
  // under test come and go (see setup_scenario.h).
  platform::sdl::makeTestGlContext();
  registerClass(kWindowClass, GLWNDPROC);
  registerClass(kStatusClass, statusStandInProc);
}

void GlWindowProcTest::SetUp() {
  resetWindowProcGlobals();
  window_ = CreateWindowExA(0, kWindowClass, "GLWNDPROC under test", WS_POPUP | WS_VISIBLE, 0, 0,
                            800, 600, 0, 0, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window_, 0u);
  status_ = CreateWindowExA(0, kStatusClass, "", WS_CHILD | WS_VISIBLE, 0, 580, 800, 20, window_,
                            0, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(status_, 0u);
  HWINDOW = window_;
  HSTATUS = status_;
  drainQueue();
  // The creation message set ACTIVE; tests start from the running state.
  ASSERT_TRUE(ACTIVE);
}

void GlWindowProcTest::TearDown() {
  ReleaseCapture();
  DestroyWindow(window_);  // takes the status stand-in with it
  drainQueue();
  platform::seams::resetPointer();
  platform::seams::setForegroundWindowOverride(0);
  resetWindowProcGlobals();
}

void GlWindowProcTest::armStatusPaint() {
  InvalidateRect(status_, nullptr, FALSE);
  paintCount = 0;
}

int GlWindowProcTest::statusPaints() { return paintCount; }

void drainQueue() {
  MSG msg = {};
  for (int i = 0; i < 1000 && PeekMessageA(&msg, 0, 0, 0, PM_REMOVE); ++i) DispatchMessageA(&msg);
}

bool messageQueued(UINT message) {
  MSG msg = {};
  return PeekMessageA(&msg, 0, message, message, PM_NOREMOVE) != 0;
}
