// THROWERROR: the framework's one fatal stop.
#include <cstdlib>

#include "framework/framework.h"

void THROWERROR(const char* PCERRORMESSAGE) {
  MessageBoxA(0, PCERRORMESSAGE, "Error", MB_OK);
  // exit, not abort: the program ends normally with code 0, without releasing the window.
  std::exit(0);
}
