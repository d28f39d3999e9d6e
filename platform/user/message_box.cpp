// Modal message boxes, with the test seam that answers them.
#include <cstdio>

#include "platform/sdl/backend.h"
#include "platform/test_seams.h"

namespace {
platform::seams::MessageBoxAnswer gAnswer = nullptr;
}

namespace platform::seams {
void setMessageBoxAnswer(MessageBoxAnswer answer) { gAnswer = answer; }
}  // namespace platform::seams

// No owner window is needed: the box is modal to the whole program. Returns the button
// chosen, or 0 when no box could be shown; then caption and text go to standard error so
// that a user without a display still reads them.
int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT type) {
  if (gAnswer) return gAnswer(text, caption, type);
  namespace sdl = platform::sdl;
  if (!caption) caption = "Error";
  if (!text) text = "";

  std::vector<sdl::BoxButton> buttons;
  int escape = 0;
  switch (type & 0xF) {
    case MB_YESNO:
      buttons = {{IDYES, "Yes"}, {IDNO, "No"}};
      break;
    case MB_OKCANCEL:
      buttons = {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
      escape = IDCANCEL;
      break;
    default:
      buttons = {{IDOK, "OK"}};
      escape = IDOK;
      break;
  }
  sdl::BoxIcon icon = sdl::BoxIcon::None;
  switch (type & 0xF0) {
    case MB_ICONERROR: icon = sdl::BoxIcon::Error; break;
    case MB_ICONWARNING: icon = sdl::BoxIcon::Warning; break;
    // The desktop's boxes have no question mark; the information icon is the nearest.
    case MB_ICONQUESTION:
    case MB_ICONINFORMATION: icon = sdl::BoxIcon::Information; break;
    default: break;
  }
  int chosen = sdl::showMessageBox(sdl::toUtf8(caption), sdl::toUtf8(text), icon, buttons, escape);
  if (chosen < 0) {
    std::fprintf(stderr, "%s: %s\n", sdl::toUtf8(caption).c_str(), sdl::toUtf8(text).c_str());
    return 0;
  }
  return chosen;
}
