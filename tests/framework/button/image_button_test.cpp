// The image button through the real window layer and pump: creation, the mode table with
// capture and repaint, the command reaching GETINPUTCOMMAND, painting clipped to the shape,
// missing faces, and what destruction frees.
#include <unistd.h>

#include <climits>
#include <filesystem>

#include "platform/sdl/backend.h"
#include "platform/sdl/test_events.h"
#include "platform/user/window_tree.h"
#include "tests/framework/button/button_fixture.h"

namespace buttontest {
namespace {

using buttonfaces::bodyColour;
using buttonfaces::Shape;

// Points of the round 64 x 64 face: inside its body (clear of the white mark in the middle),
// and inside the button's rectangle but outside the circle.
constexpr int kInX = 20, kInY = 32;
constexpr int kCornerX = 2, kCornerY = 2;

// The button's rectangle in the GL window's client coordinates.
RECT clientRectOf(HWND button) {
  RECT r{}, parent{};
  GetWindowRect(button, &r);
  POINT origin{0, 0};
  GetWindowRect(HWINDOW, &parent);
  // The GL window has a caption: its client area starts 3 right and 19 below its corner.
  origin = {parent.left + 3, parent.top + 19};
  return RECT{r.left - origin.x, r.top - origin.y, r.right - origin.x, r.bottom - origin.y};
}

TEST_F(ImageButtonTest, CreationKeepsThePlaceAndTakesTheNormalFacesSize) {
  HWND b = makeButton("round", 101, 40, 50);
  ASSERT_NE(b, 0u);
  const RECT r = clientRectOf(b);
  EXPECT_EQ(r.left, 40);
  EXPECT_EQ(r.top, 50);
  EXPECT_EQ(r.right - r.left, kRoundSize);
  EXPECT_EQ(r.bottom - r.top, kRoundSize);
  EXPECT_NE(GetPropA(b, NORMALBMP), 0u);
  EXPECT_NE(GetPropA(b, HOVERBMP), 0u);
  EXPECT_NE(GetPropA(b, PRESSBMP), 0u);
  EXPECT_NE(GetPropA(b, BUTTONRGN), 0u);
  EXPECT_EQ(mode(b), HOVERMODE_NORMAL);
  // The hit-test region is the circle: magenta corners lie outside it.
  const HRGN shape = GetPropA(b, BUTTONRGN);
  EXPECT_TRUE(PtInRegion(shape, kInX, kInY));
  EXPECT_FALSE(PtInRegion(shape, kCornerX, kCornerY));
}

// One row: how the button is brought into its starting mode, the message, and what must
// follow.
enum class Start { Normal, Hover, Pressed };
enum class Capture { Button, None };
struct Row {
  const char* name;
  Start start;
  UINT message;
  WPARAM keys;
  bool inside;  // pointer inside the shape
  HANDLE mode;
  Capture capture;
  bool command;
};

const Row kTable[] = {
    {"enter, no button held", Start::Normal, WM_MOUSEMOVE, 0, true, HOVERMODE_HOVER, Capture::Button, false},
    {"enter, left held", Start::Normal, WM_MOUSEMOVE, MK_LBUTTON, true, HOVERMODE_PRESSED, Capture::Button, false},
    {"enter, right held", Start::Normal, WM_MOUSEMOVE, MK_RBUTTON, true, HOVERMODE_PRESSED, Capture::Button, false},
    {"move inside while hovering", Start::Hover, WM_MOUSEMOVE, MK_LBUTTON, true, HOVERMODE_HOVER, Capture::Button, false},
    {"move inside while pressed", Start::Pressed, WM_MOUSEMOVE, 0, true, HOVERMODE_PRESSED, Capture::Button, false},
    {"leave while hovering", Start::Hover, WM_MOUSEMOVE, 0, false, HOVERMODE_NORMAL, Capture::None, false},
    {"leave while pressed", Start::Pressed, WM_MOUSEMOVE, MK_LBUTTON, false, HOVERMODE_NORMAL, Capture::None, false},
    {"move outside while normal", Start::Normal, WM_MOUSEMOVE, 0, false, HOVERMODE_NORMAL, Capture::None, false},
    {"left down while normal", Start::Normal, WM_LBUTTONDOWN, MK_LBUTTON, true, HOVERMODE_PRESSED, Capture::Button, false},
    {"left down while hovering", Start::Hover, WM_LBUTTONDOWN, MK_LBUTTON, true, HOVERMODE_PRESSED, Capture::Button, false},
    {"left up while pressed", Start::Pressed, WM_LBUTTONUP, 0, true, HOVERMODE_NORMAL, Capture::None, true},
    {"left up while hovering", Start::Hover, WM_LBUTTONUP, 0, true, HOVERMODE_NORMAL, Capture::None, false},
    {"left up while normal", Start::Normal, WM_LBUTTONUP, 0, true, HOVERMODE_NORMAL, Capture::None, false},
};

TEST_F(ImageButtonTest, ModeTableThroughThePump) {
  for (const Row& row : kTable) {
    SCOPED_TRACE(row.name);
    HWND b = makeButton("round", 101, 40, 50);
    ASSERT_NE(b, 0u);
    pumpAll();
    if (row.start == Start::Hover) deliver(b, WM_MOUSEMOVE, 0, kInX, kInY);
    if (row.start == Start::Pressed) deliver(b, WM_LBUTTONDOWN, MK_LBUTTON, kInX, kInY);
    pumpAll();
    commands().clear();

    const int x = row.inside ? kInX : kCornerX, y = row.inside ? kInY : kCornerY;
    deliver(b, row.message, row.keys, x, y);
    EXPECT_EQ(mode(b), row.mode);
    EXPECT_EQ(GetCapture(), row.capture == Capture::Button ? b : 0u);
    pumpAll();  // the posted command, if any, and the repaint
    if (row.command) {
      ASSERT_EQ(commands().size(), 1u);
      EXPECT_EQ(commands()[0].window, HWINDOW);
      EXPECT_EQ(commands()[0].message, WM_COMMAND);
      EXPECT_EQ(commands()[0].wParam, 101u);
      EXPECT_EQ(commands()[0].lParam, 0);
    } else {
      EXPECT_TRUE(commands().empty());
    }
    // The repaint shows the face of the new mode.
    const char letter = row.mode == HOVERMODE_HOVER ? 'H' : row.mode == HOVERMODE_PRESSED ? 'P' : 'N';
    EXPECT_EQ(screenColourAt(40 + kInX, 50 + kInY), bodyColour(Shape::Round, letter));

    DestroyWindow(b);
    made_.clear();
    ReleaseCapture();
    pumpAll();
  }
}

TEST_F(ImageButtonTest, RightHeldEnteringThenLeftReleasePostsTheCommand) {
  HWND b = makeButton("round", 7, 40, 50);
  deliver(b, WM_MOUSEMOVE, MK_RBUTTON, kInX, kInY);
  EXPECT_EQ(mode(b), HOVERMODE_PRESSED);
  deliver(b, WM_LBUTTONUP, MK_RBUTTON, kInX, kInY);
  pumpAll();
  ASSERT_EQ(commands().size(), 1u);
  EXPECT_EQ(commands()[0].wParam, 7u);
  EXPECT_EQ(commands()[0].lParam, 0);
}

TEST_F(ImageButtonTest, DraggingOutDropsThePressAndComingBackRestoresIt) {
  HWND b = makeButton("round", 9, 40, 50);
  deliver(b, WM_LBUTTONDOWN, MK_LBUTTON, kInX, kInY);
  // Captured, the button hears moves outside its shape, even left of and above it.
  deliver(b, WM_MOUSEMOVE, MK_LBUTTON, static_cast<WORD>(-5), kInY);
  EXPECT_EQ(mode(b), HOVERMODE_NORMAL);
  EXPECT_EQ(GetCapture(), 0u);
  deliver(b, WM_LBUTTONUP, 0, static_cast<WORD>(-5), kInY);
  pumpAll();
  EXPECT_TRUE(commands().empty()) << "a release outside posts nothing";

  deliver(b, WM_LBUTTONDOWN, MK_LBUTTON, kInX, kInY);
  deliver(b, WM_MOUSEMOVE, MK_LBUTTON, kCornerX, kCornerY);
  deliver(b, WM_MOUSEMOVE, MK_LBUTTON, kInX, kInY);
  EXPECT_EQ(mode(b), HOVERMODE_PRESSED) << "back inside with the button held";
  deliver(b, WM_LBUTTONUP, 0, kInX, kInY);
  pumpAll();
  EXPECT_EQ(commands().size(), 1u);
}

TEST_F(ImageButtonTest, CommandsGoToTheParentByIdentifierAlone) {
  HWND round = makeButton("round", 11, 40, 50);
  HWND diamond = makeButton("diamond", 12, 150, 40);
  for (HWND b : {diamond, round}) {
    deliver(b, WM_LBUTTONDOWN, MK_LBUTTON, 40, 40);
    deliver(b, WM_LBUTTONUP, 0, 40, 40);
    pumpAll();
  }
  ASSERT_EQ(commands().size(), 2u);
  EXPECT_EQ(commands()[0].wParam, 12u);
  EXPECT_EQ(commands()[1].wParam, 11u);
  EXPECT_EQ(commands()[0].lParam, 0);
  EXPECT_EQ(commands()[1].lParam, 0);
}

TEST_F(ImageButtonTest, PaintingIsClippedToTheShape) {
  HWND round = makeButton("round", 1, 40, 50);
  HWND diamond = makeButton("diamond", 2, 150, 40);
  ASSERT_NE(round, 0u);
  ASSERT_NE(diamond, 0u);
  pumpAll();
  EXPECT_EQ(screenColourAt(40 + kInX, 50 + kInY), bodyColour(Shape::Round, 'N'));
  EXPECT_EQ(screenColourAt(40 + kCornerX, 50 + kCornerY), 0u) << "magenta corner left out";
  EXPECT_EQ(screenColourAt(150 + 40, 40 + 20), bodyColour(Shape::Diamond, 'N'));
  EXPECT_EQ(screenColourAt(150 + 10, 40 + 10), 0u) << "outside the diamond";
  EXPECT_EQ(screenColourAt(40 + 32, 50 + 32), 0xFFFFFFu) << "the white mark in the middle";
}

// The status bar that CREATEOGLWINDOW made lies over the GL picture with the buttons: its
// face colour along the bottom of the client area, the text in its first part, and the
// three parts the host program asked for.
TEST_F(ImageButtonTest, TheStatusBarShowsOverTheGlPictureBesideTheButtons) {
  ASSERT_NE(HSTATUS, 0u);
  HWND b = makeButton("round", 1, 40, 50);
  ASSERT_NE(b, 0u);
  pumpAll();
  RECT client{}, bar{}, window{};
  GetClientRect(HWINDOW, &client);
  GetWindowRect(HSTATUS, &bar);
  GetWindowRect(HWINDOW, &window);
  const int barTop = bar.top - (window.top + 19);
  EXPECT_EQ(bar.bottom - (window.top + 19), client.bottom);
  int edges[3] = {};
  ASSERT_EQ(SendMessageA(HSTATUS, SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges)), 3);
  EXPECT_EQ(edges[1], 250);
  const Screen shot = screen();
  EXPECT_EQ(shot.at(200, barTop + 1), 0xF0F0F0u);
  EXPECT_EQ(shot.at(200, barTop - 1), 0u);
  int ink = 0;
  for (int x = 4; x < 100; ++x)
    for (int y = barTop + 5; y < client.bottom - 4; ++y) ink += (shot.at(x, y) >> 8 & 0xFF) < 100;
  EXPECT_GT(ink, 40) << "\"Percorso file\" in the first part";
  EXPECT_EQ(shot.at(40 + kInX, 50 + kInY), bodyColour(Shape::Round, 'N'));
}

TEST_F(ImageButtonTest, AMissingHoverFaceShowsTheNormalFace) {
  HWND b = makeButton("half", 1, 40, 50);
  EXPECT_EQ(GetPropA(b, HOVERBMP), 0u);
  deliver(b, WM_MOUSEMOVE, 0, kInX, kInY);
  EXPECT_EQ(mode(b), HOVERMODE_HOVER);
  pumpAll();
  EXPECT_EQ(screenColourAt(40 + kInX, 50 + kInY), bodyColour(Shape::Round, 'N'));
  deliver(b, WM_LBUTTONDOWN, MK_LBUTTON, kInX, kInY);
  pumpAll();
  EXPECT_EQ(screenColourAt(40 + kInX, 50 + kInY), bodyColour(Shape::Round, 'P'));
}

TEST_F(ImageButtonTest, WithoutAnyFaceTheButtonKeepsItsRectangleAndStillClicks) {
  HWND b = makeButton("nothing-here", 5, 30, 40, 50, 20);
  ASSERT_NE(b, 0u);
  const RECT r = clientRectOf(b);
  EXPECT_EQ(r.right - r.left, 50);
  EXPECT_EQ(r.bottom - r.top, 20);
  EXPECT_EQ(GetPropA(b, NORMALBMP), 0u);
  EXPECT_EQ(GetPropA(b, BUTTONRGN), 0u);
  // No shape: moves change nothing, but a click anywhere in the rectangle still counts.
  deliver(b, WM_MOUSEMOVE, 0, 10, 10);
  EXPECT_EQ(mode(b), HOVERMODE_NORMAL);
  deliver(b, WM_LBUTTONDOWN, MK_LBUTTON, 49, 19);
  EXPECT_EQ(mode(b), HOVERMODE_PRESSED);
  deliver(b, WM_LBUTTONUP, 0, 49, 19);
  pumpAll();
  ASSERT_EQ(commands().size(), 1u);
  EXPECT_EQ(commands()[0].wParam, 5u);
}

TEST_F(ImageButtonTest, AnEmptyBmpTypeReadsTheFacesFromTheCurrentFolder) {
  const std::string folder = facesFolder() + "/plain";
  std::filesystem::create_directories(folder);
  ASSERT_TRUE(buttonfaces::writeFaces(folder + "/", Shape::Diamond, kDiamondSize));
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(folder);
  BMPTYPE.clear();
  HWND b = CreateWindowExA(0, SZHOVERCLASS, "", WS_CHILD | WS_VISIBLE, 10, 10, 1, 1, HWINDOW,
                           static_cast<HMENU>(3), GetModuleHandleA(nullptr), nullptr);
  std::filesystem::current_path(before);
  ASSERT_NE(b, 0u);
  made_.push_back(b);
  const RECT r = clientRectOf(b);
  EXPECT_EQ(r.right - r.left, kDiamondSize);
  EXPECT_NE(GetPropA(b, BUTTONRGN), 0u);
}

TEST_F(ImageButtonTest, DestructionFreesTheFacesTheirBitmapsAndPalettes) {
  HWND b = makeButton("round", 1, 40, 50);
  std::vector<HDC> faces;
  std::vector<HGDIOBJ> held;
  for (const char* property : {NORMALBMP, HOVERBMP, PRESSBMP}) {
    const HDC dc = GetPropA(b, property);
    ASSERT_NE(dc, 0u);
    faces.push_back(dc);
    held.push_back(GetCurrentObject(dc, OBJ_BITMAP));
    held.push_back(GetCurrentObject(dc, OBJ_PAL));
  }
  const HRGN hitTest = GetPropA(b, BUTTONRGN);
  BITMAP bm{};
  ASSERT_NE(GetObjectA(held[0], sizeof bm, &bm), 0);

  DestroyWindow(b);
  made_.clear();
  for (HDC dc : faces) EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), 0u) << "memory context deleted";
  for (HGDIOBJ object : held) EXPECT_EQ(GetObjectA(object, sizeof bm, &bm), 0) << "bitmap or palette deleted";
  EXPECT_FALSE(PtInRegion(hitTest, kInX, kInY)) << "hit-test region deleted";
}

}  // namespace
}  // namespace buttontest

// Real pointer events from the native window, through the window layer's routing and the
// pump: the button hears the pointer only over its shape, unless it holds the capture.
namespace buttontest {
namespace {

class NativePointerTest : public ImageButtonTest {
 protected:
  void move(int x, int y, unsigned buttonsHeld = 0) {
    ASSERT_TRUE(platform::sdl::test::pushPointerMove(native(), x, y, buttonsHeld));
    pumpAll();
  }
  void button(bool down, int x, int y) {
    ASSERT_TRUE(platform::sdl::test::pushButton(native(), platform::sdl::ButtonLeft, down, x, y));
    pumpAll();
  }
  static std::uint32_t native() { return platform::user::findWindow(HWINDOW)->native; }
};

TEST_F(NativePointerTest, OnlyTheShapeReactsUnlessTheButtonHoldsTheCapture) {
  HWND diamond = makeButton("diamond", 21, 150, 40);
  pumpAll();
  // Inside the diamond's rectangle but outside its shape: the GL window hears the move.
  move(150 + 10, 40 + 10);
  EXPECT_EQ(mode(diamond), HOVERMODE_NORMAL);
  EXPECT_EQ(SETOMX, 160);
  EXPECT_EQ(SETOMY, 50);
  // Over the shape: hover, and the capture.
  move(150 + 40, 40 + 20);
  EXPECT_EQ(mode(diamond), HOVERMODE_HOVER);
  EXPECT_EQ(GetCapture(), diamond);
  // Back to the corner: the captured button hears it and lets go.
  move(150 + 10, 40 + 10);
  EXPECT_EQ(mode(diamond), HOVERMODE_NORMAL);
  EXPECT_EQ(GetCapture(), 0u);
  // A click on the shape posts the command.
  move(150 + 40, 40 + 20);
  button(true, 150 + 40, 40 + 20);
  EXPECT_EQ(mode(diamond), HOVERMODE_PRESSED);
  button(false, 150 + 40, 40 + 20);
  ASSERT_EQ(commands().size(), 1u);
  EXPECT_EQ(commands()[0].wParam, 21u);
  EXPECT_EQ(commands()[0].lParam, 0);
}

}  // namespace
}  // namespace buttontest
