#include "app/headless_run.h"

#include <algorithm>

#include "app/demo.h"
#include "app/program.h"

namespace demo {

void openWindow() {
  FULLSCREEN = false;
  openGlWindow();
}

void startWindowed() {
  openWindow();
  OPENGL_CREATELIST();
}

void runLoopPass(void (*beforeSwap)()) { loopPass(beforeSwap); }

FrameSize clientSize() {
  RECT r{};
  if (!GetClientRect(HWINDOW, &r)) return {};
  return {std::max<LONG>(0, r.right - r.left), std::max<LONG>(0, r.bottom - r.top)};
}

FrameSize readBackBuffer(std::vector<std::uint8_t>& pixels) {
  const FrameSize size = clientSize();
  const std::size_t bytes = static_cast<std::size_t>(size.width) * size.height * 4;
  if (pixels.size() != bytes) pixels.resize(bytes);
  if (bytes == 0) return size;
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, size.width, size.height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  return size;
}

void InputScript::add(int pass, UINT message, WPARAM wParam, LPARAM lParam) {
  events_.push_back({pass, message, wParam, lParam});
  std::stable_sort(events_.begin(), events_.end(),
                   [](const Event& a, const Event& b) { return a.pass < b.pass; });
}

void InputScript::holdKey(int virtualKey, int from, int to) {
  add(from, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
  add(to, WM_KEYUP, static_cast<WPARAM>(virtualKey), 1);
}

namespace {
LPARAM clientPoint(long x, long y) {
  return MAKELPARAM(static_cast<WORD>(std::clamp<long>(x, 0, 0xFFFF)),
                    static_cast<WORD>(std::clamp<long>(y, 0, 0xFFFF)));
}
}  // namespace

void InputScript::drag(Button button, POINT start, POINT end, int from, int to) {
  const bool left = button == Button::Left;
  const WPARAM held = left ? MK_LBUTTON : MK_RBUTTON;
  add(from, left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, held, clientPoint(start.x, start.y));
  const int steps = to - from - 1;
  for (int i = 1; i <= steps; ++i) {
    const long x = start.x + (static_cast<long>(end.x) - start.x) * i / steps;
    const long y = start.y + (static_cast<long>(end.y) - start.y) * i / steps;
    add(from + i, WM_MOUSEMOVE, held, clientPoint(x, y));
  }
  add(to, left ? WM_LBUTTONUP : WM_RBUTTONUP, 0, clientPoint(end.x, end.y));
}

void InputScript::postDue(int pass) const {
  for (const Event& e : events_)
    if (e.pass == pass) PostMessageA(HWINDOW, e.message, e.wParam, e.lParam);
}

int InputScript::lastPass() const { return events_.empty() ? -1 : events_.back().pass; }

}  // namespace demo
