// Shared pieces of the window-layer tests: a window class whose procedure records every
// message it gets, and a way to empty the queue between tests.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32.h"

struct Received {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// Every message the recording procedure got, in order.
extern std::vector<Received> gReceived;

// Registers (once) and returns the class "RecorderWindow" whose procedure appends to
// gReceived and hands everything to DefWindowProcA.
const char* recorderClass();

// Takes every queued message (painting windows that ask for it) without dispatching.
void drainQueue();

// Messages of one kind received so far.
std::vector<Received> receivedOf(UINT message);

// A captioned 800x600 top-level window of the recorder class; destroyed with the fixture.
class UserTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  HWND makeWindow(DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, int width = 800, int height = 600);
  std::uint32_t nativeOf(HWND window);
  std::vector<HWND> made_;
};
