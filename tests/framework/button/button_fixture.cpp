#include "tests/framework/button/button_fixture.h"

#include <GL/gl.h>

#include <filesystem>

#include <unistd.h>

#include "platform/wgl/child_compositor.h"

namespace buttontest {
namespace {

std::vector<Command> gCommands;

LRESULT recorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  gCommands.push_back({window, message, wParam, lParam});
  return 0;
}

void ensureGlWindow() {
  if (HWINDOW != 0) return;
  OGLWINDOWSETTING(ARROW, nullptr, GENERIC, nullptr);
  SHOWMENUBAR = true;
  GETINPUTCOMMAND = recorder;
  SHOWSTATUSBAR = true;
  STATUSITEM[0] = 150;
  STATUSITEM[1] = 250;
  STATUSITEM[2] = -1;
  MAXSTATUSITEM = 3;
  CREATEOGLWINDOW("image buttons", 400, 300, 32, false);
}

}  // namespace

// The faces' folder, removed when the test program ends.
struct FacesFolder {
  std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("button_test_faces." + std::to_string(::getpid()));
  ~FacesFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
};

const std::string& facesFolder() {
  static FacesFolder owner;
  static const std::string folder = [] {
    const std::filesystem::path& p = owner.path;
    std::filesystem::create_directories(p);
    const std::string base = p.string() + "/";
    buttonfaces::writeFaces(base + "round", buttonfaces::Shape::Round, 64);
    buttonfaces::writeFaces(base + "diamond", buttonfaces::Shape::Diamond, 80);
    buttonfaces::writeFaces(base + "half", buttonfaces::Shape::Round, 64);
    std::filesystem::remove(base + "halfH.BMP");
    return p.string();
  }();
  return folder;
}

std::vector<Command>& ImageButtonTest::commands() { return gCommands; }

void ImageButtonTest::SetUp() {
  ensureGlWindow();
  ASSERT_NE(HWINDOW, 0u);
  pumpAll();
  gCommands.clear();
}

void ImageButtonTest::TearDown() {
  for (HWND b : made_) DestroyWindow(b);
  ReleaseCapture();
  pumpAll();
  BMPTYPE.clear();
}

HWND ImageButtonTest::makeButton(const std::string& base, int id, int x, int y, int width, int height) {
  BMPTYPE = facesFolder() + "/" + base;
  HWND b = CreateWindowExA(0, SZHOVERCLASS, "", WS_CHILD | WS_VISIBLE, x, y, width, height, HWINDOW,
                           static_cast<HMENU>(id), GetModuleHandleA(nullptr), nullptr);
  if (b) made_.push_back(b);
  return b;
}

void ImageButtonTest::deliver(HWND button, UINT message, WPARAM keys, int x, int y) {
  ASSERT_TRUE(PostMessageA(button, message, keys, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y))));
  SETGLMSG();
  ASSERT_EQ(MSG_.hwnd, button);
  ASSERT_EQ(MSG_.message, message);
}

void ImageButtonTest::pumpAll() {
  MSG peek{};
  for (int i = 0; i < 1000 && PeekMessageA(&peek, 0, 0, 0, PM_NOREMOVE); ++i) SETGLMSG();
}

ImageButtonTest::Screen ImageButtonTest::screen() {
  RECT client{};
  GetClientRect(HWINDOW, &client);
  glDrawBuffer(GL_BACK);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  platform::wgl::compositeChildWindows(HWINDOW);
  const int w = client.right, h = client.bottom;
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(w) * h * 4);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  Screen out;
  out.width = w;
  out.colours.resize(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const std::uint8_t* p = &rgba[(static_cast<std::size_t>(h - 1 - y) * w + x) * 4];
      out.colours[static_cast<std::size_t>(y) * w + x] = static_cast<std::uint32_t>(p[0]) << 16 | p[1] << 8 | p[2];
    }
  }
  return out;
}

}  // namespace buttontest
