// The fatal stops: a box captioned "Error" with the Italian message, then exit code 0.
#include <cstdio>
#include <cstdlib>

#include "framework/framework.h"
#include "tests/framework/window/setup_scenario.h"

namespace {

constexpr const char* kTitle = "Finestra di prova";

void throwErrorScenario() {
  window_test::useReportingMessageBoxes();
  THROWERROR("Qualcosa non va");
}

TEST(ThrowError, ShowsTheMessageCaptionedErrorAndExitsWithZero) {
  window_test::expectFatalStop(throwErrorScenario, "^box caption=Error type=0 text=Qualcosa non va\n$");
}

void secondWindowScenario() {
  window_test::startScenario();
  OGLWINDOWSETTING(ARROW, "", GENERIC, "");
  CREATEOGLWINDOW(kTitle, 800, 600, 32, false);
  std::fprintf(stderr, "first window %s\n", IsWindow(HWINDOW) ? "made" : "missing");
  CREATEOGLWINDOW(kTitle, 800, 600, 32, false);
  std::fprintf(stderr, "second call returned\n");
  std::exit(3);
}

TEST(CreateOglWindow, SecondCallStopsWithTheRegistrationMessage) {
  window_test::expectFatalStop(
      secondWindowScenario,
      "^first window made\nbox caption=Error type=0 text=Errore di registro per la rispettiva "
      "applicazione!\n$");
}

// No video driver can run, so no window can be made. The menu-bar and status-bar steps
// still run before the window is checked.
void noWindowScenario() {
  setenv("SDL_VIDEODRIVER", "no-such-video-driver", 1);
  window_test::useReportingMessageBoxes();
  OGLWINDOWSETTING(ARROW, "", GENERIC, "");
  SHOWMENUBAR = true;
  CREATEMENUBAR = [] { std::fprintf(stderr, "menu bar hook with window %u\n", HWINDOW); };
  SHOWSTATUSBAR = true;
  CREATEOGLWINDOW(kTitle, 800, 600, 32, false);
  std::exit(3);
}

TEST(CreateOglWindow, NoWindowStopsWithTheCreationMessage) {
  window_test::expectFatalStop(noWindowScenario,
                               "menu bar hook with window 0\n.*box caption=Error type=0 "
                               "text=Impossibile creare la finestra per la rispettiva "
                               "applicazione!\n$");
}

// A request no format can meet (drawing into bitmaps) leaves no format and no context.
void noFormatScenario() {
  window_test::startScenario();
  OGLWINDOWSETTING(ARROW, "", GENERIC, "");
  PIXEL_FORMAT_FLAGS = static_cast<std::int32_t>(PFD_DRAW_TO_BITMAP);
  CREATEOGLWINDOW(kTitle, 800, 600, 32, false);
  std::exit(3);
}

TEST(CreateOglWindow, NoPixelFormatStopsWithTheInitialisationMessage) {
  window_test::expectFatalStop(
      noFormatScenario,
      "^box caption=Error type=0 text=la rispettiva applicazione non \\\\xE8 stata inizilizata!\n$");
}

}  // namespace
