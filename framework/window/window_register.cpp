// WINDOWREGISTER: the GL window's class and, once per process, the image button's class.
#include "framework/framework.h"

namespace {

void registerImageButtonClass(HINSTANCE instance) {
  if (GetClassInfoExA(0, SZHOVERCLASS, &WINDOWCLASSEX)) return;
  WINDOWCLASSEX = {};
  WINDOWCLASSEX.cbSize = sizeof(WNDCLASSEXA);
  WINDOWCLASSEX.style = 0;
  WINDOWCLASSEX.lpfnWndProc = HOVERBUTTONHANDLER;
  WINDOWCLASSEX.cbClsExtra = 0;
  WINDOWCLASSEX.cbWndExtra = 0;
  WINDOWCLASSEX.hInstance = instance;
  WINDOWCLASSEX.hIcon = LoadIconA(0, IDI_APPLICATION);
  WINDOWCLASSEX.hCursor = LoadCursorA(0, IDC_ARROW);
  // The hollow brush: erasing a button's background paints nothing.
  WINDOWCLASSEX.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  WINDOWCLASSEX.lpszMenuName = nullptr;
  WINDOWCLASSEX.lpszClassName = SZHOVERCLASS;
  WINDOWCLASSEX.hIconSm = LoadIconA(0, IDI_APPLICATION);
  RegisterClassExA(&WINDOWCLASSEX);  // a failure only means no image buttons
}

}  // namespace

bool WINDOWREGISTER() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA glClass = {};
  glClass.style = CS_VREDRAW | CS_HREDRAW;
  glClass.lpfnWndProc = GLWNDPROC;
  glClass.cbClsExtra = 0;
  glClass.cbWndExtra = 0;
  glClass.hInstance = instance;
  glClass.hIcon = ICONFORCHOICE(SETTYPEICON, ICONFILE);
  glClass.hCursor = CURSORFORCHOICE(SETTYPECURSOR, CURSORFILE);
  glClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  glClass.lpszMenuName = nullptr;
  glClass.lpszClassName = GLWINDOWCLASS;
  const bool registered = RegisterClassA(&glClass) != 0;

  registerImageButtonClass(instance);
  return registered;
}
