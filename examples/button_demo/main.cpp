// The image button example: the GL window with a status bar of three parts and two shaped
// image buttons over a turning cube. The round button changes the background colour, the
// diamond button the cube's colour; each click is counted in the status bar's second part
// and reported on standard output as "command <id>".
//
// The buttons' faces are made at start-up by the face generator into a fresh folder under
// the system's temporary folder, which is removed at exit.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include <unistd.h>

#include "examples/button_demo/button_scene.h"
#include "framework/framework.h"
#include "tools/button_faces/button_faces.h"

namespace {

constexpr int kRoundId = 101;
constexpr int kDiamondId = 102;
constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;

// A termination request ends the loop like Escape does, so that the faces are removed.
volatile std::sig_atomic_t stopRequested = 0;
void requestStop(int) { stopRequested = 1; }

void noMenuBar() {}

void showClicks() {
  char text[64];
  std::snprintf(text, sizeof text, "Clic: %d", buttondemo::clickCount);
  SendMessageA(HSTATUS, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(text));
}

LRESULT onCommand(HWND, UINT, WPARAM wParam, LPARAM) {
  const int id = static_cast<int>(LOWORD(wParam));
  if (id == kRoundId) ++buttondemo::backgroundIndex;
  if (id == kDiamondId) ++buttondemo::cubeIndex;
  ++buttondemo::clickCount;
  std::printf("command %d\n", id);
  std::fflush(stdout);
  showClicks();
  return 0;
}

HWND createButton(const std::string& facePrefix, int id, int x, int y) {
  BMPTYPE = facePrefix;
  // The button takes its size from its normal face; 1 x 1 is only the size until then.
  return CreateWindowExA(0, SZHOVERCLASS, "", WS_CHILD | WS_VISIBLE, x, y, 1, 1, HWINDOW,
                         static_cast<HMENU>(id), GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

// Writes the faces of both buttons into a fresh folder; false when that fails.
bool writeAllFaces(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  return !ec && buttonfaces::writeFaces((folder / "round").string(), buttonfaces::Shape::Round, 64) &&
         buttonfaces::writeFaces((folder / "diamond").string(), buttonfaces::Shape::Diamond, 80);
}

int main() {
  std::signal(SIGTERM, requestStop);
  std::signal(SIGINT, requestStop);

  OGLWINDOWSETTING(ARROW, nullptr, GENERIC, nullptr);
  SHOWSTATUSBAR = true;
  STATUSITEM[0] = 200;
  STATUSITEM[1] = 400;
  STATUSITEM[2] = -1;
  MAXSTATUSITEM = 3;
  SHOWMENUBAR = true;
  CREATEMENUBAR = noMenuBar;
  GETINPUTCOMMAND = onCommand;
  CREATEOGLWINDOW("Pulsanti immagine", kWindowWidth, kWindowHeight, 32, false);

  // The faces are made once the window stands (a failed window set-up ends the program).
  std::error_code ec;
  const std::filesystem::path faces =
      std::filesystem::temp_directory_path(ec) / ("button_demo." + std::to_string(::getpid()));
  if (!writeAllFaces(faces)) {
    std::fprintf(stderr, "button_demo: cannot write the button faces into %s\n", faces.string().c_str());
  }
  createButton((faces / "round").string(), kRoundId, 40, 40);
  createButton((faces / "diamond").string(), kDiamondId, 140, 32);
  showClicks();
  SendMessageA(HSTATUS, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>("Esc: esci"));

  RECT client{};
  GetClientRect(HWINDOW, &client);
  buttondemo::setUpView(client.right - client.left, client.bottom - client.top);
  for (std::uint64_t frame = 0; ACTIVE && !stopRequested; ++frame) {
    SETGLMSG();
    buttondemo::drawFrame(frame);
    SwapBuffers(DCWINDOW);
    // No vertical sync under a virtual X server: keep to about 60 frames a second.
    std::this_thread::sleep_for(std::chrono::milliseconds(16));
  }
  DELETEOGLWINDOW();
  std::filesystem::remove_all(faces, ec);
  return 0;
}
