// Child windows paint into their own surfaces and appear over the GL back buffer at the
// swap, cut to their window regions; the status window sits along the parent's bottom
// with its parts and text.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/wgl/child_compositor.h"
#include "platform/win32.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;

// A plain top-level window (no frame, so its client area is the whole window) with a GL
// context current on it, made once for the test program.
HWND topWindow() {
  static HWND top = [] {
    WNDCLASSA c{};
    c.lpfnWndProc = DefWindowProcA;
    c.hInstance = GetModuleHandleA(nullptr);
    c.lpszClassName = "ChildTestTop";
    RegisterClassA(&c);
    WNDCLASSA plain = c;
    plain.lpszClassName = "ChildTestPlain";
    RegisterClassA(&plain);
    HWND w = CreateWindowExA(0, "ChildTestTop", "children", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, 0, 0,
                             GetModuleHandleA(nullptr), nullptr);
    HDC dc = GetDC(w);
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.cColorBits = 32;
    pfd.cDepthBits = 24;
    SetPixelFormat(dc, ChoosePixelFormat(dc, &pfd), &pfd);
    wglMakeCurrent(dc, wglCreateContext(dc));
    return w;
  }();
  return top;
}

HWND makeChild(HWND parent, int x, int y, int w, int h) {
  return CreateWindowExA(0, "ChildTestPlain", "", WS_CHILD | WS_VISIBLE, x, y, w, h, parent, 0,
                         GetModuleHandleA(nullptr), nullptr);
}

// Paints a child's whole window context in one colour (0xRRGGBB) through a 32-bit DIB
// section and BitBlt, as an application would.
void paintChild(HWND child, std::uint32_t rgb) {
  RECT r{};
  GetWindowRect(child, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC memory = CreateCompatibleDC(0);
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, 0, 0);
  ASSERT_NE(bitmap, 0u);
  auto* px = static_cast<std::uint32_t*>(bits);
  for (int i = 0; i < w * h; ++i) px[i] = rgb;
  HGDIOBJ old = SelectObject(memory, bitmap);
  HDC dc = GetDC(child);
  EXPECT_TRUE(BitBlt(dc, 0, 0, w, h, memory, 0, 0, SRCCOPY));
  ReleaseDC(child, dc);
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(bitmap);
}

// Clears the back buffer, composites the children and reads the colour at a client point.
class Composited {
 public:
  explicit Composited(HWND top) {
    glDrawBuffer(GL_BACK);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    platform::wgl::compositeChildWindows(top);
    pixels_.resize(static_cast<std::size_t>(kWidth) * kHeight * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels_.data());
  }
  std::uint32_t at(int x, int y) const {
    const std::uint8_t* p = &pixels_[(static_cast<std::size_t>(kHeight - 1 - y) * kWidth + x) * 4];
    return static_cast<std::uint32_t>(p[0]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[2];
  }

 private:
  std::vector<std::uint8_t> pixels_;
};

class ChildWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(topWindow(), 0u); }
  void TearDown() override {
    for (HWND c : made_) DestroyWindow(c);
  }
  HWND child(HWND parent, int x, int y, int w, int h) {
    HWND c = makeChild(parent, x, y, w, h);
    made_.push_back(c);
    return c;
  }
  std::vector<HWND> made_;
};

constexpr std::uint32_t kGreen = 0x20C040;

TEST_F(ChildWindowTest, ItsPixelsAppearOverTheBackBufferCutToItsRegion) {
  HWND c = child(topWindow(), 20, 30, 40, 40);
  // An L: the left half, and the bottom half of the right half.
  HRGN shape = CreateRectRgn(0, 0, 20, 40);
  HRGN foot = CreateRectRgn(20, 20, 40, 40);
  CombineRgn(shape, shape, foot, RGN_OR);
  DeleteObject(foot);
  ASSERT_NE(SetWindowRgn(c, shape, FALSE), 0);
  paintChild(c, kGreen);

  Composited screen(topWindow());
  EXPECT_EQ(screen.at(20 + 5, 30 + 5), kGreen);
  EXPECT_EQ(screen.at(20 + 35, 30 + 35), kGreen);
  EXPECT_EQ(screen.at(20 + 30, 30 + 5), 0u) << "outside the region";
  EXPECT_EQ(screen.at(19, 30), 0u) << "outside the window";
  EXPECT_EQ(screen.at(20 + 39, 30 + 40), 0u) << "below the window";
}

TEST_F(ChildWindowTest, WithoutARegionTheWholeRectangleShows) {
  HWND c = child(topWindow(), 100, 100, 10, 10);
  paintChild(c, kGreen);
  Composited screen(topWindow());
  EXPECT_EQ(screen.at(100, 100), kGreen);
  EXPECT_EQ(screen.at(109, 109), kGreen);
  EXPECT_EQ(screen.at(110, 109), 0u);
}

TEST_F(ChildWindowTest, HiddenChildrenAreNotDrawn) {
  HWND c = child(topWindow(), 100, 100, 10, 10);
  paintChild(c, kGreen);
  ShowWindow(c, SW_HIDE);
  EXPECT_EQ(Composited(topWindow()).at(105, 105), 0u);
  ShowWindow(c, SW_SHOW);
  EXPECT_EQ(Composited(topWindow()).at(105, 105), kGreen);
}

TEST_F(ChildWindowTest, GrandchildrenAreCutToTheirParentAndMoveWithIt) {
  HWND c = child(topWindow(), 50, 50, 30, 30);
  paintChild(c, 0x0000FF);
  HWND inner = makeChild(c, 20, 20, 30, 30);  // reaches past its parent's right and bottom
  ASSERT_NE(inner, 0u);
  paintChild(inner, kGreen);
  Composited screen(topWindow());
  EXPECT_EQ(screen.at(50 + 5, 50 + 5), 0x0000FFu);
  EXPECT_EQ(screen.at(50 + 25, 50 + 25), kGreen);
  EXPECT_EQ(screen.at(50 + 35, 50 + 25), 0u) << "cut to the parent";

  MoveWindow(c, 150, 50, 30, 30, FALSE);
  paintChild(inner, kGreen);
  EXPECT_EQ(Composited(topWindow()).at(150 + 25, 50 + 25), kGreen);
}

TEST_F(ChildWindowTest, MoveWindowGivesASurfaceOfTheNewSize) {
  HWND c = child(topWindow(), 10, 10, 20, 20);
  paintChild(c, kGreen);
  MoveWindow(c, 10, 10, 60, 8, FALSE);
  paintChild(c, 0xFF0000);
  Composited screen(topWindow());
  EXPECT_EQ(screen.at(10 + 59, 10 + 7), 0xFF0000u);
  EXPECT_EQ(screen.at(10 + 5, 10 + 12), 0u);
}

TEST_F(ChildWindowTest, SetWindowRgnOwnsTheRegionAndDeletesTheOldOne) {
  HWND c = makeChild(topWindow(), 0, 0, 10, 10);
  HRGN first = CreateRectRgn(0, 0, 5, 5);
  HRGN second = CreateRectRgn(0, 0, 8, 8);
  ASSERT_NE(SetWindowRgn(c, first, FALSE), 0);
  EXPECT_TRUE(PtInRegion(first, 1, 1));
  ASSERT_NE(SetWindowRgn(c, second, FALSE), 0);
  EXPECT_FALSE(PtInRegion(first, 1, 1)) << "the replaced region is deleted";
  EXPECT_TRUE(PtInRegion(second, 1, 1));
  DestroyWindow(c);
  EXPECT_FALSE(PtInRegion(second, 1, 1)) << "the window's region goes with it";
}

TEST_F(ChildWindowTest, ParentControlIdAndRectangles) {
  HWND c = CreateWindowExA(0, "ChildTestPlain", "", WS_CHILD | WS_VISIBLE, 7, 9, 11, 13, topWindow(),
                           static_cast<HMENU>(4321), GetModuleHandleA(nullptr), nullptr);
  made_.push_back(c);
  EXPECT_EQ(GetParent(c), topWindow());
  EXPECT_EQ(GetDlgCtrlID(c), 4321);
  RECT top{}, r{};
  GetWindowRect(topWindow(), &top);
  GetWindowRect(c, &r);
  EXPECT_EQ(r.left - top.left, 7);
  EXPECT_EQ(r.top - top.top, 9);
  EXPECT_EQ(r.right - r.left, 11);
  EXPECT_EQ(r.bottom - r.top, 13);
}

// ------------------------------------------------------------------ the status window

class StatusWindowTest : public ChildWindowTest {
 protected:
  HWND makeBar(const char* text = "Percorso file") {
    HWND bar = CreateStatusWindowA(static_cast<LONG>(WS_CHILD | WS_VISIBLE), text, topWindow(), 0x7712);
    if (bar) made_.push_back(bar);
    return bar;
  }
  static std::string textOf(HWND bar, int part) {
    const auto length = static_cast<std::size_t>(SendMessageA(bar, SB_GETTEXTLENGTHA, part, 0));
    std::string text(length + 1, '?');
    SendMessageA(bar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text.data()));
    text.pop_back();
    return text;
  }
};

TEST_F(StatusWindowTest, SitsAlongTheBottomOfTheParentsClientArea) {
  HWND bar = makeBar();
  ASSERT_NE(bar, 0u);
  EXPECT_EQ(GetParent(bar), topWindow());
  EXPECT_EQ(GetDlgCtrlID(bar), 0x7712);
  RECT top{}, r{};
  GetWindowRect(topWindow(), &top);
  GetWindowRect(bar, &r);
  EXPECT_EQ(r.left, top.left);
  EXPECT_EQ(r.right, top.right);
  EXPECT_EQ(r.bottom, top.bottom);
  EXPECT_GT(r.bottom - r.top, 15);
  EXPECT_LT(r.bottom - r.top, 40);
  EXPECT_EQ(textOf(bar, 0), "Percorso file");
}

TEST_F(StatusWindowTest, PartsAndTheirTexts) {
  HWND bar = makeBar();
  const int edges[3] = {100, 250, -1};
  EXPECT_TRUE(SendMessageA(bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges)));
  int back[5] = {0, 0, 0, 0, 0};
  EXPECT_EQ(SendMessageA(bar, SB_GETPARTS, 5, reinterpret_cast<LPARAM>(back)), 3);
  EXPECT_EQ(back[0], 100);
  EXPECT_EQ(back[1], 250);
  EXPECT_EQ(back[2], -1);
  EXPECT_EQ(back[3], 0) << "nothing written past the parts";

  EXPECT_TRUE(SendMessageA(bar, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>("terza")));
  EXPECT_EQ(textOf(bar, 2), "terza");
  EXPECT_EQ(textOf(bar, 0), "Percorso file") << "the first part keeps its text";
  EXPECT_FALSE(SendMessageA(bar, SB_SETTEXTA, 3, reinterpret_cast<LPARAM>("none")));
  EXPECT_EQ(SendMessageA(bar, SB_GETTEXTLENGTHA, 7, 0), 0);
}

TEST_F(StatusWindowTest, ZeroPartsOrNoEdgesKeepThePartsThereAre) {
  HWND bar = makeBar();
  const int edges[1] = {50};
  EXPECT_FALSE(SendMessageA(bar, SB_SETPARTS, 0, reinterpret_cast<LPARAM>(edges)));
  EXPECT_FALSE(SendMessageA(bar, SB_SETPARTS, 2, 0));
  EXPECT_FALSE(SendMessageA(bar, SB_SETPARTS, 100000, reinterpret_cast<LPARAM>(edges)));
  int back[2] = {0, 0};
  EXPECT_EQ(SendMessageA(bar, SB_GETPARTS, 2, reinterpret_cast<LPARAM>(back)), 1);
  EXPECT_EQ(back[0], -1);
}

// Dark pixels (text) in the columns [x0, x1) of the bar's middle rows.
int inkBetween(const Composited& screen, int barTop, int x0, int x1) {
  int n = 0;
  for (int y = barTop + 5; y < kHeight - 4; ++y)
    for (int x = x0; x < x1; ++x)
      if (((screen.at(x, y) >> 8) & 0xFF) < 100) ++n;
  return n;
}

TEST_F(StatusWindowTest, PaintsItsPartsAndTextOverTheGlPicture) {
  HWND bar = makeBar();
  const int edges[3] = {100, 250, -1};
  SendMessageA(bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
  SendMessageA(bar, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>("Esc"));
  UpdateWindow(bar);
  RECT top{}, r{};
  GetWindowRect(topWindow(), &top);
  GetWindowRect(bar, &r);
  const int barTop = r.top - top.top;

  Composited screen(topWindow());
  EXPECT_GT(inkBetween(screen, barTop, 4, 96), 40) << "\"Percorso file\" in the first part";
  EXPECT_EQ(inkBetween(screen, barTop, 104, 246), 0) << "the second part is empty";
  EXPECT_GT(inkBetween(screen, barTop, 254, kWidth), 5) << "\"Esc\" in the third part";
  // The face colour fills the bar; the GL picture shows just above it.
  EXPECT_EQ(screen.at(180, barTop + 1), 0xF0F0F0u);
  EXPECT_EQ(screen.at(180, barTop - 1), 0u);
  // The parts are boxed: shadow lines on the left of the second and third parts.
  EXPECT_EQ(screen.at(102, barTop + 10), 0xA0A0A0u);
  EXPECT_EQ(screen.at(252, barTop + 10), 0xA0A0A0u);
}

}  // namespace
