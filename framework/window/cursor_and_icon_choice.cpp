// The class cursor and icon for the choices of OGLWINDOWSETTING.
#include <array>

#include "framework/framework.h"

namespace {

// System cursor ids for the choices ARROW..HELP; FILECURSOR's entry is unused.
const std::array<LPCSTR, 16>& systemCursorIds() {
  static const std::array<LPCSTR, 16> ids = {
      IDC_ARROW,  IDC_IBEAM,    IDC_WAIT,     IDC_CROSS,  IDC_UPARROW, IDC_SIZE,
      nullptr,    IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZEWE, IDC_SIZENS,  IDC_SIZEALL,
      IDC_NO,     IDC_HAND,     IDC_APPSTARTING, IDC_HELP};
  return ids;
}

// A missing file name is as unreadable as a missing file: no handle.
HCURSOR loadFromFile(const char* file) { return file ? LoadCursorFromFileA(file) : 0; }

}  // namespace

HCURSOR CURSORFORCHOICE(std::int32_t CHOICE, const char* FILE) {
  if (CHOICE == FILECURSOR) return loadFromFile(FILE);
  if (CHOICE < ARROW || CHOICE > HELP) return 0;
  return LoadCursorA(0, systemCursorIds()[static_cast<std::size_t>(CHOICE - ARROW)]);
}

HICON ICONFORCHOICE(std::int32_t CHOICE, const char* FILE) {
  if (CHOICE == GENERIC) return LoadIconA(0, IDI_APPLICATION);
  // The icon file goes through the cursor-file loader; its handle serves as the icon.
  if (CHOICE == FILEICON) return loadFromFile(FILE);
  return 0;
}
