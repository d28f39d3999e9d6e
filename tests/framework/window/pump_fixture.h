// A window driven by GLWNDPROC, standing in for the GL window, with a child window standing
// in for the status bar that counts its paints. The window procedure's globals are reset
// before and after every test.
#pragma once

#include <gtest/gtest.h>

#include "framework/framework.h"

class GlWindowProcTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  // Marks the status stand-in as needing paint and zeroes its paint count, so that an
  // UpdateWindow on HSTATUS afterwards shows as one paint.
  void armStatusPaint();
  static int statusPaints();

  static LRESULT send(UINT message, WPARAM wParam, LPARAM lParam) {
    return GLWNDPROC(HWINDOW, message, wParam, lParam);
  }

  HWND window_ = 0;
  HWND status_ = 0;
};

// Takes and dispatches every queued message (bounded), leaving the queue empty.
void drainQueue();
// True if a message with this id is queued for the thread (nothing is removed).
bool messageQueued(UINT message);

// Zeroes every global the window procedure reads or writes.
void resetWindowProcGlobals();
