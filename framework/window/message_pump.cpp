// SETGLMSG: at most one queued message per call, and never a wait.
#include "framework/framework.h"

void SETGLMSG() {
  if (!PeekMessageA(&MSG_, 0, 0, 0, PM_NOREMOVE)) return;
  // A message is known to be there, so the fetch cannot block. Its result is not looked
  // at: the quit message is dispatched like any other, to no window.
  GetMessageA(&MSG_, 0, 0, 0);
  TranslateMessage(&MSG_);
  DispatchMessageA(&MSG_);
}
