// Runs the demo without a person at the controls, for the snapshot tool, the tests and the
// benchmarks: the entry point's start-up without the full-screen question, single passes
// of its main loop, input posted through the real message queue, and the frame read back.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win32.h"

namespace demo {

// Opens the demo's captioned 800 by 600 window, as after answering No to the full-screen
// question, and sets the GL start-up state, culling and light 0.
void openWindow();

// openWindow, then OPENGL_CREATELIST: the entry point's whole start-up. Textures are read
// from the current working folder.
void startWindowed();

// One pass of the main loop: clear, at most one window message, the frame, the swap.
// `beforeSwap` (if any) runs after the frame is drawn, while the back buffer still holds it.
void runLoopPass(void (*beforeSwap)() = nullptr);

// The client area's size in pixels: what the user sees of the GL drawable.
struct FrameSize {
  int width = 0;
  int height = 0;
};
FrameSize clientSize();

// Reads the back buffer's client area as RGBA rows, bottom row first (GL's order), into
// `pixels`, which is resized only when its size is wrong.
FrameSize readBackBuffer(std::vector<std::uint8_t>& pixels);

enum class Button { Left, Right };

// Input laid out over loop passes and posted to the demo's window through the real queue,
// one message per pass at most, so that the one-message-per-pass pump keeps pace with it.
class InputScript {
 public:
  // Key down posted on pass `from`, key up on pass `to`.
  void holdKey(int virtualKey, int from, int to);
  // Button down at `start` on pass `from`, one pointer move per pass towards `end` (client
  // coordinates) with the button's flag, reaching it on pass `to` - 1, button up on pass `to`.
  void drag(Button button, POINT start, POINT end, int from, int to);
  // Posts everything due on `pass` to HWINDOW.
  void postDue(int pass) const;
  // The last pass that posts anything (-1 when empty).
  int lastPass() const;

 private:
  struct Event {
    int pass;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  void add(int pass, UINT message, WPARAM wParam, LPARAM lParam);
  std::vector<Event> events_;
};

}  // namespace demo
