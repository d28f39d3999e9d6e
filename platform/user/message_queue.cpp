// The message queue: posting, peeking, getting, sending and dispatching.
#include "platform/user/message_queue.h"

#include <deque>

#include "platform/sdl/backend.h"
#include "platform/user/window_tree.h"

namespace platform::user {
namespace {

struct Queued {
  MSG msg;
  unsigned modifiers;
  bool input;
};

// Posted messages (PostMessageA, the quit message, the characters TranslateMessage makes)
// are taken before input messages, as on the system: so a key's character comes right after
// the key, ahead of keys typed later.
std::deque<Queued>& posted() {
  static std::deque<Queued> q;
  return q;
}
std::deque<Queued>& input() {
  static std::deque<Queued> q;
  return q;
}

unsigned gKeyModifiers = 0;

MSG stamp(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG m{window, message, wParam, lParam, GetTickCount(), {0, 0}};
  GetCursorPos(&m.pt);
  return m;
}

bool isKeyMessage(UINT m) { return m == WM_KEYDOWN || m == WM_KEYUP || m == WM_SYSKEYDOWN || m == WM_SYSKEYUP; }

bool isDescendant(HWND ancestor, HWND window) {
  for (Window* w = findWindow(window); w && w->parent; w = findWindow(w->parent)) {
    if (w->parent == ancestor) return true;
  }
  return false;
}

bool matches(const MSG& m, HWND window, UINT filterMin, UINT filterMax) {
  if (window != 0 && m.hwnd != window && !isDescendant(window, m.hwnd)) return false;
  if (filterMin == 0 && filterMax == 0) return true;
  return m.message >= filterMin && m.message <= filterMax;
}

// A window needing paint, for when nothing else is queued: parents before their children.
HWND windowToPaint(HWND filter) {
  HWND h = findWindowWhere([&](const Window& w) {
    if (!w.needsPaint || w.destroying || !isShowing(w.handle)) return false;
    return filter == 0 || w.handle == filter || isDescendant(filter, w.handle);
  });
  if (h == 0) return 0;
  // Paint the topmost ancestor that also needs it first.
  HWND pick = h;
  for (Window* up = findWindow(findWindow(h)->parent); up; up = findWindow(up->parent))
    if (up->needsPaint) pick = up->handle;
  return pick;
}

}  // namespace

void postMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  posted().push_back({stamp(window, message, wParam, lParam), gKeyModifiers, false});
}

void postInputMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, unsigned modifiers) {
  auto& q = input();
  if (message == WM_MOUSEMOVE && !q.empty() && q.back().msg.message == WM_MOUSEMOVE &&
      q.back().msg.hwnd == window) {
    q.back() = {stamp(window, message, wParam, lParam), modifiers, true};
    return;
  }
  q.push_back({stamp(window, message, wParam, lParam), modifiers, true});
}

void discardMessagesFor(HWND window) {
  for (auto* q : {&posted(), &input()}) {
    for (auto it = q->begin(); it != q->end();) {
      if (it->msg.hwnd == window)
        it = q->erase(it);
      else
        ++it;
    }
  }
}

unsigned messageKeyModifiers() { return gKeyModifiers; }

}  // namespace platform::user

using namespace platform::user;

BOOL PeekMessageA(MSG* msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags) {
  if (!msg) return FALSE;
  pumpNativeEvents();
  for (auto* q : {&posted(), &input()}) {
    for (auto it = q->begin(); it != q->end(); ++it) {
      if (!matches(it->msg, window, filterMin, filterMax)) continue;
      *msg = it->msg;
      if (removeFlags & PM_REMOVE) {
        if (it->input && isKeyMessage(it->msg.message)) gKeyModifiers = it->modifiers;
        q->erase(it);
      }
      return TRUE;
    }
  }
  // Nothing queued: a window that needs painting gets its WM_PAINT now. It is not removed
  // by taking it; painting the window (BeginPaint/EndPaint) is what ends it.
  bool paintInRange = (filterMin == 0 && filterMax == 0) || (filterMin <= WM_PAINT && WM_PAINT <= filterMax);
  if (paintInRange) {
    if (HWND h = windowToPaint(window)) {
      *msg = stamp(h, WM_PAINT, 0, 0);
      return TRUE;
    }
  }
  return FALSE;
}

BOOL GetMessageA(MSG* msg, HWND window, UINT filterMin, UINT filterMax) {
  if (!msg) return -1;
  for (;;) {
    if (PeekMessageA(msg, window, filterMin, filterMax, PM_REMOVE)) return msg->message == WM_QUIT ? FALSE : TRUE;
    // With no native windows nothing can ever arrive on this one thread: report an error
    // rather than wait forever.
    if (!platform::sdl::videoReady()) return -1;
    platform::sdl::waitForEvent(10);
  }
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // A null window posts to the thread itself.
  if (window != 0 && !findWindow(window)) return FALSE;
  postMessage(window, message, wParam, lParam);
  return TRUE;
}

void PostQuitMessage(int exitCode) {
  postMessage(0, WM_QUIT, static_cast<WPARAM>(static_cast<std::intptr_t>(exitCode)), 0);
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* w = findWindow(window);
  if (!w || !w->proc) return 0;
  // The record may move while the procedure runs; only the pointer is kept.
  WNDPROC proc = w->proc;
  return proc(window, message, wParam, lParam);
}

LRESULT DispatchMessageA(const MSG* msg) {
  if (!msg || msg->hwnd == 0) return 0;
  return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL TranslateMessage(const MSG* msg) {
  if (!msg || !isKeyMessage(msg->message)) return FALSE;
  if (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) {
    int c = characterForKey(static_cast<int>(msg->wParam), messageKeyModifiers());
    if (c != 0) {
      UINT charMessage = msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
      postMessage(msg->hwnd, charMessage, static_cast<WPARAM>(c), msg->lParam);
    }
  }
  return TRUE;
}
