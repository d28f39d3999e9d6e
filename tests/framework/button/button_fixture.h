// Image buttons on the real GL window, driven by messages through the framework's pump.
//
// The GL window is made once per test program (the class "GLWindow" registers only once
// per process) with SHOWMENUBAR set, GETINPUTCOMMAND recording every command it gets, and a
// status bar of three parts ending at 150, 250 and the right border.
// The faces come from the face generator: a round 64 x 64 button and a diamond 80 x 80 one.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "framework/framework.h"
#include "tools/button_faces/button_faces.h"

namespace buttontest {

struct Command {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// The folder holding "roundN.BMP", ..., "diamondP.BMP" and "halfN.BMP", "halfP.BMP" (a
// round button without a hover face).
const std::string& facesFolder();

class ImageButtonTest : public ::testing::Test {
 protected:
  static constexpr int kRoundSize = 64;
  static constexpr int kDiamondSize = 80;

  void SetUp() override;
  void TearDown() override;

  // Creates a button of the class with BMPTYPE = facesFolder() + "/" + base, at the client
  // position (x, y) of the GL window, 1 x 1 until it sizes itself.
  HWND makeButton(const std::string& base, int id, int x, int y, int width = 1, int height = 1);

  // Posts a pointer message to the button and lets one SETGLMSG dispatch it.
  void deliver(HWND button, UINT message, WPARAM keys, int x, int y);
  // Dispatches everything queued (paints included), a bounded number of messages.
  static void pumpAll();

  static HANDLE mode(HWND button) { return GetPropA(button, HOVERMODE); }
  // The commands GETINPUTCOMMAND received since the test began.
  static std::vector<Command>& commands();

  // Composites the child windows over a cleared back buffer and reads the colours
  // (0xRRGGBB) of the GL window's client area, top row first.
  struct Screen {
    int width = 0;
    std::vector<std::uint32_t> colours;
    std::uint32_t at(int x, int y) const { return colours[static_cast<std::size_t>(y) * width + x]; }
  };
  static Screen screen();
  static std::uint32_t screenColourAt(int clientX, int clientY) { return screen().at(clientX, clientY); }

  std::vector<HWND> made_;
};

}  // namespace buttontest
