// The status window of the common controls: a bar along the bottom of its parent's client
// area, divided into parts, each with a line of text. It paints into its own surface
// (platform/user/child_surfaces.h), which each buffer swap puts over the GL picture.
//
// Messages: SB_SETPARTS (count, address of the right edges; -1 = up to the right border),
// SB_GETPARTS, SB_SETTEXTA (part in the low byte of WPARAM), SB_GETTEXTLENGTHA and
// SB_GETTEXTA (the buffer must hold SB_GETTEXTLENGTHA's length plus the NUL).
#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/sdl/backend.h"
#include "platform/sdl/text_drawing.h"
#include "platform/user/child_surfaces.h"
#include "platform/user/window_tree.h"

namespace platform::user {
namespace {

constexpr const char* kClassName = "StatusWindow";
constexpr int kBarHeight = 22;
constexpr int kTextPixels = 13;
constexpr int kMaxParts = 256;
constexpr std::uint32_t kFace = 0xF0F0F0;
constexpr std::uint32_t kShadow = 0xA0A0A0;
constexpr std::uint32_t kLight = 0xFFFFFF;
constexpr std::uint32_t kText = 0x000000;

struct StatusParts {
  std::vector<int> edges{-1};  // one part over the whole width until SB_SETPARTS
  std::vector<std::string> texts{std::string()};
};

std::map<HWND, StatusParts>& statuses() {
  static std::map<HWND, StatusParts> s;
  return s;
}

// The parts of a live status window; null for any other window.
StatusParts* partsOf(HWND window) {
  auto it = statuses().find(window);
  return it == statuses().end() ? nullptr : &it->second;
}

// ------------------------------------------------------------------ drawing
void fill(gdi::Bitmap& s, int left, int top, int right, int bottom, std::uint32_t rgb) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, s.width);
  bottom = std::min(bottom, s.height);
  for (int y = top; y < bottom; ++y) {
    std::uint8_t* p = s.rowFromTop(y) + static_cast<std::size_t>(left) * 4;
    for (int x = left; x < right; ++x, p += 4) {
      p[0] = static_cast<std::uint8_t>(rgb);
      p[1] = static_cast<std::uint8_t>(rgb >> 8);
      p[2] = static_cast<std::uint8_t>(rgb >> 16);
      p[3] = 0;
    }
  }
}

// The right end of part i, in the bar's coordinates.
int partRight(const StatusParts& parts, std::size_t i, int width) {
  const int edge = parts.edges[i];
  return edge < 0 ? width : std::min(edge, width);
}

void paintBar(const StatusParts& parts, gdi::Bitmap& s) {
  fill(s, 0, 0, s.width, s.height, kFace);
  fill(s, 0, 0, s.width, 1, kShadow);  // a line between the GL picture and the bar
  const int lineHeight = sdl::textLineHeight(kTextPixels);
  int left = 0;
  for (std::size_t i = 0; i < parts.edges.size(); ++i) {
    const int right = partRight(parts, i, s.width);
    if (right - left > 4) {
      // A sunken box with two pixels between neighbours.
      const int boxLeft = left + (i == 0 ? 0 : 2), boxRight = right - 2, boxTop = 3, boxBottom = s.height - 1;
      fill(s, boxLeft, boxTop, boxRight, boxTop + 1, kShadow);
      fill(s, boxLeft, boxTop, boxLeft + 1, boxBottom, kShadow);
      fill(s, boxLeft, boxBottom - 1, boxRight, boxBottom, kLight);
      fill(s, boxRight - 1, boxTop, boxRight, boxBottom, kLight);
      const std::string utf8 = sdl::toUtf8(parts.texts[i].c_str());
      const int textY = boxTop + 1 + std::max(0, (boxBottom - boxTop - 2 - lineHeight) / 2);
      sdl::drawText(sdl::PixelTarget{s.pixels.data(), s.width, s.height, s.stride}, utf8, boxLeft + 4, textY,
                    kTextPixels, kText, boxLeft + 1, boxTop + 1, boxRight - 1, boxBottom - 1);
    }
    left = std::max(left, right);
  }
}

// ------------------------------------------------------------------ messages
LRESULT setParts(HWND window, WPARAM count, LPARAM edges) {
  // A count of 0 (or one above the control's limit) keeps the parts there are.
  StatusParts* parts = partsOf(window);
  if (!parts || count == 0 || count > kMaxParts || edges == 0) return FALSE;
  const auto* given = reinterpret_cast<const int*>(edges);
  parts->edges.assign(given, given + count);
  parts->texts.resize(count);
  InvalidateRect(window, nullptr, FALSE);
  return TRUE;
}

LRESULT getParts(HWND window, WPARAM count, LPARAM edges) {
  const StatusParts* parts = partsOf(window);
  if (!parts) return 0;
  if (edges != 0) {
    const std::size_t n = std::min<std::size_t>(count, parts->edges.size());
    std::copy_n(parts->edges.begin(), n, reinterpret_cast<int*>(edges));
  }
  return static_cast<LRESULT>(parts->edges.size());
}

LRESULT setText(HWND window, WPARAM which, LPARAM text) {
  StatusParts* parts = partsOf(window);
  const std::size_t part = which & 0xFF;
  if (!parts || part >= parts->texts.size()) return FALSE;
  parts->texts[part] = text ? reinterpret_cast<const char*>(text) : "";
  InvalidateRect(window, nullptr, FALSE);
  return TRUE;
}

const std::string* partText(HWND window, WPARAM which) {
  const StatusParts* parts = partsOf(window);
  const std::size_t part = which & 0xFF;
  return parts && part < parts->texts.size() ? &parts->texts[part] : nullptr;
}

LRESULT statusProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      statuses()[window] = StatusParts{};
      return 0;
    case WM_NCDESTROY:
      statuses().erase(window);
      return DefWindowProcA(window, message, wParam, lParam);
    case WM_ERASEBKGND:
      return 1;  // the paint covers everything
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      BeginPaint(window, &paint);
      gdi::Bitmap* surface = childSurface(window);
      if (const StatusParts* parts = partsOf(window); parts && surface) paintBar(*parts, *surface);
      EndPaint(window, &paint);
      return 0;
    }
    case SB_SETPARTS:
      return setParts(window, wParam, lParam);
    case SB_GETPARTS:
      return getParts(window, wParam, lParam);
    case SB_SETTEXTA:
      return setText(window, wParam, lParam);
    case SB_GETTEXTLENGTHA: {
      const std::string* text = partText(window, wParam);
      return text ? static_cast<LRESULT>(text->size()) : 0;
    }
    case SB_GETTEXTA: {
      const std::string* text = partText(window, wParam);
      if (!text) return 0;
      if (lParam != 0) std::memcpy(reinterpret_cast<char*>(lParam), text->c_str(), text->size() + 1);
      return static_cast<LRESULT>(text->size());
    }
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

bool classRegistered() {
  static const bool registered = [] {
    WNDCLASSA c{};
    c.lpfnWndProc = statusProc;
    c.hInstance = GetModuleHandleA(nullptr);
    c.hCursor = LoadCursorA(0, IDC_ARROW);
    c.lpszClassName = kClassName;
    return RegisterClassA(&c) != 0;
  }();
  return registered;
}

}  // namespace
}  // namespace platform::user

using namespace platform::user;

HWND CreateStatusWindowA(LONG style, LPCSTR text, HWND parent, UINT id) {
  const Window* p = findWindow(parent);
  if (!p || !classRegistered()) return 0;
  const int width = clientWidth(*p);
  const int top = std::max(0, clientHeight(*p) - kBarHeight);
  HWND bar = CreateWindowExA(0, kClassName, text, static_cast<DWORD>(style) | WS_CHILD, 0, top, width, kBarHeight,
                             parent, static_cast<HMENU>(id), GetModuleHandleA(nullptr), nullptr);
  if (bar != 0) SendMessageA(bar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
  return bar;
}
