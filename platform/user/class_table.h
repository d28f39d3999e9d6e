// Registered window classes.
#pragma once

#include <string>

#include "platform/win32.h"

namespace platform::user {

struct WindowClass {
  ATOM atom = 0;
  std::string name;  // as registered; looked up without regard to case
  UINT style = 0;
  WNDPROC proc = nullptr;
  int classExtra = 0;
  int windowExtra = 0;
  HINSTANCE instance = 0;
  HICON icon = 0;
  HICON smallIcon = 0;
  HCURSOR cursor = 0;
  HBRUSH background = 0;
};

// By name, or by atom when `name` is an integer resource; null when unknown.
const WindowClass* findClass(LPCSTR name);

}  // namespace platform::user
