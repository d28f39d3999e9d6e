// Window classes and the program's instance handle.
#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/user/class_table.h"

namespace platform::user {
namespace {

// Atoms of registered classes start here, as the system's string atoms do.
constexpr ATOM kFirstAtom = 0xC000;

std::vector<WindowClass>& classes() {
  static std::vector<WindowClass> c;
  return c;
}

bool sameName(const std::string& a, const char* b) {
  std::size_t n = std::char_traits<char>::length(b);
  if (a.size() != n) return false;
  for (std::size_t i = 0; i < n; ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

ATOM registerClass(WindowClass c) {
  if (c.name.empty() || !c.proc || findClass(c.name.c_str())) return 0;
  if (classes().size() >= 0x3FFF) return 0;
  c.atom = static_cast<ATOM>(kFirstAtom + classes().size());
  classes().push_back(std::move(c));
  return classes().back().atom;
}

}  // namespace

const WindowClass* findClass(LPCSTR name) {
  if (!name) return nullptr;
  if (IS_INTRESOURCE(name)) {
    auto atom = static_cast<ATOM>(reinterpret_cast<std::uintptr_t>(name));
    for (const WindowClass& c : classes())
      if (c.atom == atom) return &c;
    return nullptr;
  }
  for (const WindowClass& c : classes())
    if (sameName(c.name, name)) return &c;
  return nullptr;
}

}  // namespace platform::user

using platform::user::WindowClass;

namespace {

// The fields the plain and the extended class records share.
template <class Record>
WindowClass classFrom(const Record& wc) {
  WindowClass c;
  c.name = wc.lpszClassName;
  c.style = wc.style;
  c.proc = wc.lpfnWndProc;
  c.classExtra = wc.cbClsExtra;
  c.windowExtra = wc.cbWndExtra;
  c.instance = wc.hInstance;
  c.icon = wc.hIcon;
  c.cursor = wc.hCursor;
  c.background = wc.hbrBackground;
  return c;
}

}  // namespace

ATOM RegisterClassA(const WNDCLASSA* wc) {
  if (!wc || !wc->lpszClassName || IS_INTRESOURCE(wc->lpszClassName)) return 0;
  return platform::user::registerClass(classFrom(*wc));
}

ATOM RegisterClassExA(const WNDCLASSEXA* wc) {
  // The record is 48 bytes on the 32-bit system it comes from; both sizes are accepted.
  if (!wc || (wc->cbSize != sizeof(WNDCLASSEXA) && wc->cbSize != 48)) return 0;
  if (!wc->lpszClassName || IS_INTRESOURCE(wc->lpszClassName)) return 0;
  WindowClass c = classFrom(*wc);
  c.smallIcon = wc->hIconSm;
  return platform::user::registerClass(std::move(c));
}

BOOL GetClassInfoExA(HINSTANCE, LPCSTR className, WNDCLASSEXA* out) {
  const WindowClass* c = platform::user::findClass(className);
  if (!c || !out) return FALSE;
  out->cbSize = sizeof(WNDCLASSEXA);
  out->style = c->style;
  out->lpfnWndProc = c->proc;
  out->cbClsExtra = c->classExtra;
  out->cbWndExtra = c->windowExtra;
  out->hInstance = c->instance;
  out->hIcon = c->icon;
  out->hCursor = c->cursor;
  out->hbrBackground = c->background;
  out->lpszMenuName = nullptr;
  out->lpszClassName = c->name.c_str();
  out->hIconSm = c->smallIcon;
  return c->atom;
}
