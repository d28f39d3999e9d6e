// CREATEOGLWINDOW and DELETEOGLWINDOW end to end on the real layer, each scenario in a
// fresh process (the class "GLWindow" registers once per process).
#include <GL/gl.h>

#include <cstring>
#include <string>

#include "framework/framework.h"
#include "tests/framework/window/setup_scenario.h"

namespace {

using window_test::Scenario;

constexpr const char* kTitle = "Finestra di prova \xE8";

std::string windowText(HWND window) {
  char buffer[256] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

void expectRect(Scenario& s, const RECT& r, LONG left, LONG top, LONG right, LONG bottom,
                const char* what) {
  s.expectEq(r.left, left, what);
  s.expectEq(r.top, top, what);
  s.expectEq(r.right, right, what);
  s.expectEq(r.bottom, bottom, what);
}

// The start most scenarios share: arrow cursor, default icon, the 800 by 600 request.
bool openWindow(bool fullScreen = false) {
  window_test::startScenario();
  OGLWINDOWSETTING(ARROW, "", GENERIC, "");
  return CREATEOGLWINDOW(kTitle, 800, 600, 32, fullScreen);
}

WNDCLASSEXA registeredGlClass() {
  WNDCLASSEXA gl = {};
  gl.cbSize = sizeof gl;
  GetClassInfoExA(GetModuleHandleA(nullptr), "GLWindow", &gl);
  return gl;
}

// What every successful creation gives: the running state and a usable current context.
void expectReady(Scenario& s) {
  s.expect(HWINDOW != 0 && IsWindow(HWINDOW), "HWINDOW is a live window");
  s.expect(ACTIVE, "ACTIVE set by the creation message");
  s.expect(DCWINDOW != 0, "DCWINDOW");
  s.expect(RCWINDOW != 0, "RCWINDOW");
  s.expectEq(wglGetCurrentContext(), RCWINDOW, "current context");
  // The format the request leads to: RGBA, double-buffered, for windows, with depth.
  const PIXELFORMATDESCRIPTOR request = PIXELFORMATREQUEST();
  PIXELFORMATDESCRIPTOR chosen = {};
  const int format = ChoosePixelFormat(DCWINDOW, &request);
  s.expect(format != 0 && DescribePixelFormat(DCWINDOW, format, sizeof chosen, &chosen) != 0,
           "chosen format described");
  s.expectEq(chosen.iPixelType, PFD_TYPE_RGBA, "pixel type");
  const DWORD needed = PFD_DOUBLEBUFFER | PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
  s.expectEq(chosen.dwFlags & needed, needed, "format flags");
  GLint depthBits = 0;
  glGetIntegerv(GL_DEPTH_BITS, &depthBits);
  s.expect(depthBits > 0, "context with a depth buffer");
  s.expectEq(windowText(HWINDOW), std::string(kTitle), "title");
  s.expectEq(window_test::messageBoxCount, 0, "message boxes shown");
  s.expect(SwapBuffers(DCWINDOW) != 0, "buffers swap");
}

void windowedScenario() {
  Scenario s;
  s.expect(openWindow(), "CREATEOGLWINDOW result");
  expectReady(s);
  s.expectEq(WIDTH, 800, "WIDTH");
  s.expectEq(HEIGHT, 600, "HEIGHT");
  s.expectEq(BITS, 32, "BITS");
  s.expect(!FULLSCREEN, "FULLSCREEN");
  RECT r = {};
  GetWindowRect(HWINDOW, &r);
  expectRect(s, r, 0, 0, 800, 600, "outer rectangle at the screen's corner");
  GetClientRect(HWINDOW, &r);
  expectRect(s, r, 0, 0, 794, 578, "client area inside caption and border");
  s.finish();
}

TEST(CreateOglWindow, WindowedKeepsTheRequestedOuterSize) { window_test::runInFreshProcess(windowedScenario); }

void fullScreenScenario() {
  Scenario s;
  s.expect(openWindow(true), "CREATEOGLWINDOW result");
  expectReady(s);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  s.expect(screenWidth > 0 && screenHeight > 0, "screen size known");
  s.expect(screenWidth != 800 || screenHeight != 600, "screen differs from the request");
  s.expectEq(WIDTH, screenWidth, "WIDTH");
  s.expectEq(HEIGHT, screenHeight, "HEIGHT");
  s.expect(FULLSCREEN, "FULLSCREEN");
  RECT r = {};
  GetWindowRect(HWINDOW, &r);
  expectRect(s, r, 0, 0, screenWidth, screenHeight, "window covers the screen");
  s.finish();
}

TEST(CreateOglWindow, FullScreenTakesTheScreenSize) { window_test::runInFreshProcess(fullScreenScenario); }

// Both classes as registered, read back from the layer.
void classesScenario() {
  Scenario s;
  openWindow();
  const HINSTANCE instance = GetModuleHandleA(nullptr);

  const WNDCLASSEXA gl = registeredGlClass();
  s.expect(gl.lpszClassName != nullptr, "GLWindow known");
  s.expectEq(gl.style, CS_VREDRAW | CS_HREDRAW, "GLWindow style");
  s.expect(gl.lpfnWndProc == GLWNDPROC, "GLWindow procedure");
  s.expectEq(gl.cbClsExtra, 0, "GLWindow class bytes");
  s.expectEq(gl.cbWndExtra, 0, "GLWindow window bytes");
  s.expectEq(gl.hInstance, instance, "GLWindow instance");
  s.expectEq(gl.hIcon, LoadIconA(0, IDI_APPLICATION), "GLWindow icon");
  s.expectEq(gl.hCursor, LoadCursorA(0, IDC_ARROW), "GLWindow cursor");
  s.expectEq(gl.hbrBackground, GetSysColorBrush(COLOR_BTNFACE), "GLWindow brush");
  s.expect(gl.lpszMenuName == nullptr, "GLWindow menu");

  WNDCLASSEXA button = {};
  button.cbSize = sizeof button;
  s.expect(GetClassInfoExA(0, "IMAGEBUTTON", &button) != 0, "IMAGEBUTTON known");
  s.expectEq(button.style, 0u, "IMAGEBUTTON style");
  s.expect(button.lpfnWndProc == HOVERBUTTONHANDLER, "IMAGEBUTTON procedure");
  s.expectEq(button.cbWndExtra, 0, "IMAGEBUTTON window bytes");
  s.expectEq(button.hIcon, LoadIconA(0, IDI_APPLICATION), "IMAGEBUTTON icon");
  s.expectEq(button.hCursor, LoadCursorA(0, IDC_ARROW), "IMAGEBUTTON cursor");
  s.expectEq(button.hbrBackground, GetStockObject(NULL_BRUSH), "IMAGEBUTTON brush");
  s.expect(button.lpszMenuName == nullptr, "IMAGEBUTTON menu");
  s.expectEq(button.hIconSm, LoadIconA(0, IDI_APPLICATION), "IMAGEBUTTON small icon");
  s.expect(WINDOWCLASSEX.lpszClassName && std::strcmp(WINDOWCLASSEX.lpszClassName, "IMAGEBUTTON") == 0,
           "WINDOWCLASSEX holds the image button class");
  s.finish();
}

TEST(CreateOglWindow, RegistersBothClassesAsTabled) { window_test::runInFreshProcess(classesScenario); }

void slashedCircleScenario() {
  Scenario s;
  window_test::startScenario();
  OGLWINDOWSETTING(NOCURSOR, "", GENERIC, "");
  CREATEOGLWINDOW(kTitle, 800, 600, 32, false);
  s.expect(registeredGlClass().hCursor != 0, "a cursor, not a hidden one");
  s.expectEq(registeredGlClass().hCursor, LoadCursorA(0, IDC_NO), "class cursor");
  s.finish();
}

TEST(CreateOglWindow, NoCursorChoiceIsTheSlashedCircle) { window_test::runInFreshProcess(slashedCircleScenario); }

void unreadableFilesScenario() {
  Scenario s;
  window_test::startScenario();
  OGLWINDOWSETTING(FILECURSOR, "no-such-cursor.cur", FILEICON, "no-such-icon.ico");
  s.expect(CREATEOGLWINDOW(kTitle, 800, 600, 32, false), "window made all the same");
  expectReady(s);
  const WNDCLASSEXA gl = registeredGlClass();
  s.expectEq(gl.hCursor, 0u, "no class cursor");
  s.expectEq(gl.hIcon, 0u, "no class icon");
  s.finish();
}

TEST(CreateOglWindow, UnreadableCursorAndIconFilesLeaveTheClassWithout) {
  window_test::runInFreshProcess(unreadableFilesScenario);
}

int menuBarCalls = 0;
bool menuBarSawWindowBeforeContext = false;

void menuBarHook() {
  ++menuBarCalls;
  menuBarSawWindowBeforeContext = HWINDOW != 0 && RCWINDOW == 0;
}

void menuBarHiddenScenario() {
  Scenario s;
  CREATEMENUBAR = menuBarHook;  // set, but SHOWMENUBAR stays false
  openWindow();
  s.expectEq(menuBarCalls, 0, "menu-bar hook calls");
  s.expectEq(HSTATUS, 0u, "no status bar without SHOWSTATUSBAR");
  s.finish();
}

TEST(CreateOglWindow, MenuBarHookIsNotCalledWhenHidden) { window_test::runInFreshProcess(menuBarHiddenScenario); }

void menuBarShownScenario() {
  Scenario s;
  SHOWMENUBAR = true;
  CREATEMENUBAR = menuBarHook;
  openWindow();
  s.expectEq(menuBarCalls, 1, "menu-bar hook calls");
  s.expect(menuBarSawWindowBeforeContext, "hook runs after the window, before the context");
  s.finish();
}

TEST(CreateOglWindow, MenuBarHookRunsOnceWhenShown) { window_test::runInFreshProcess(menuBarShownScenario); }

void menuBarWithoutHookScenario() {
  Scenario s;
  SHOWMENUBAR = true;  // but no hook
  s.expect(openWindow(), "CREATEOGLWINDOW result");
  expectReady(s);
  s.finish();
}

TEST(CreateOglWindow, MenuBarShownWithoutHookIsSkipped) {
  window_test::runInFreshProcess(menuBarWithoutHookScenario);
}

// Once the context is current, OGLWINDOWSETTING can reserve its empty list.
void emptyListScenario() {
  Scenario s;
  openWindow();
  s.expectEq(OBJNULL, 0u, "no list before the context");
  OGLWINDOWSETTING(ARROW, "", GENERIC, "");
  s.expect(OBJNULL != 0, "list name reserved");
  s.expect(glIsList(OBJNULL) == GL_TRUE, "list compiled");
  s.finish();
}

TEST(CreateOglWindow, EmptyListOnlyWithACurrentContext) { window_test::runInFreshProcess(emptyListScenario); }

void deleteScenario() {
  Scenario s;
  openWindow();
  const HWND window = HWINDOW;
  const HGLRC context = RCWINDOW;
  DELETEOGLWINDOW();
  s.expect(!IsWindow(window), "window destroyed");
  s.expect(!ACTIVE, "destroy message cleared ACTIVE");
  s.expectEq(wglGetCurrentContext(), 0u, "context detached");
  s.expect(wglDeleteContext(context) == 0, "context already deleted");
  s.expectEq(HWINDOW, window, "HWINDOW keeps its value");
  s.expectEq(RCWINDOW, context, "RCWINDOW keeps its value");
  s.finish();
}

TEST(DeleteOglWindow, ReleasesContextAndWindow) { window_test::runInFreshProcess(deleteScenario); }

// The close box: default processing of the close command destroys the window while the
// loop still runs; DELETEOGLWINDOW afterwards shows nothing and still drops the context.
void deleteAfterCloseScenario() {
  Scenario s;
  openWindow();
  const HGLRC context = RCWINDOW;
  SendMessageA(HWINDOW, WM_SYSCOMMAND, SC_CLOSE, 0);
  s.expect(!IsWindow(HWINDOW), "closed by the system");
  s.expect(!ACTIVE, "ACTIVE cleared by the destroy message");
  DELETEOGLWINDOW();
  s.expectEq(window_test::messageBoxCount, 0, "message boxes shown");
  s.expectEq(wglGetCurrentContext(), 0u, "context detached");
  s.expect(wglDeleteContext(context) == 0, "context already deleted");
  s.finish();
}

TEST(DeleteOglWindow, AfterTheSystemDestroyedTheWindow) {
  window_test::runInFreshProcess(deleteAfterCloseScenario);
}

}  // namespace
