// Window properties: one value per name and window, names compared without regard to case.
#include <cctype>
#include <string>

#include "platform/user/window_tree.h"

namespace {

// Names may also be atoms (integer resources); both become one key form.
bool keyFor(LPCSTR name, std::string* key) {
  if (!name) return false;
  if (IS_INTRESOURCE(name)) {
    *key = "#" + std::to_string(reinterpret_cast<std::uintptr_t>(name));
    return true;
  }
  key->clear();
  for (const char* p = name; *p; ++p) key->push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(*p))));
  return true;
}

}  // namespace

using platform::user::findWindow;
using platform::user::Window;

BOOL SetPropA(HWND window, LPCSTR name, HANDLE value) {
  Window* w = findWindow(window);
  std::string key;
  if (!w || !keyFor(name, &key)) return FALSE;
  w->properties[key] = value;
  return TRUE;
}

HANDLE GetPropA(HWND window, LPCSTR name) {
  Window* w = findWindow(window);
  std::string key;
  if (!w || !keyFor(name, &key)) return 0;
  auto it = w->properties.find(key);
  return it == w->properties.end() ? 0 : it->second;
}

HANDLE RemovePropA(HWND window, LPCSTR name) {
  Window* w = findWindow(window);
  std::string key;
  if (!w || !keyFor(name, &key)) return 0;
  auto it = w->properties.find(key);
  if (it == w->properties.end()) return 0;
  HANDLE value = it->second;
  w->properties.erase(it);
  return value;
}
