// Cursors and icons behind HCURSOR / HICON handles. System ones are shared and live for the
// whole run; file cursors keep their decoded picture.
#pragma once

#include <optional>

#include "platform/sdl/backend.h"
#include "platform/user/cursor_file.h"
#include "platform/win32.h"

namespace platform::user {

struct Cursor {
  std::optional<sdl::SystemCursor> system;  // set for LoadCursorA cursors
  CursorImage image;                        // file cursors
  sdl::NativeCursor* native = nullptr;      // made the first time it is shown
};

const Cursor* findCursor(HCURSOR cursor);
// Makes `cursor` the pointer's shape; 0 or an unknown handle leaves the shape alone.
// Showing the cursor already shown does nothing unless `again` (the desktop may have
// changed the shape meanwhile, e.g. when the pointer came back from another window).
void showCursor(HCURSOR cursor, bool again = false);
// The cursor last shown over one of the program's windows, 0 before any.
HCURSOR shownCursor();
// The picture to use as a window icon, when the handle names one (a file cursor or icon).
const CursorImage* iconImage(HICON icon);

}  // namespace platform::user
