// CREATESTATUSBAR: the status window along the bottom of the GL window, with its text and
// the parts the host program asked for.
#include <algorithm>
#include <cstring>

#include "framework/framework.h"

std::int32_t STATUSITEM[STATUSITEMCOUNT] = {};
std::int32_t MAXSTATUSITEM = 0;
std::int32_t EDGES[STATUSITEMCOUNT] = {};
char FILENAME[261] = {};
HWND AWND = 0;

namespace {
constexpr char kStatusText[] = "Percorso file";
}  // namespace

HWND CREATESTATUSBAR(HWND PARENT) {
  // The whole buffer: the text, then NULs up to its end.
  std::memset(FILENAME, 0, sizeof FILENAME);
  std::memcpy(FILENAME, kStatusText, sizeof kStatusText - 1);

  AWND = CreateStatusWindowA(static_cast<LONG>(WS_CHILD | WS_VISIBLE), FILENAME, PARENT, STATUSBARID);
  if (AWND != 0) {
    // A count outside 0..20 would read and write past the two tables: it is clamped.
    const std::int32_t count = std::clamp(MAXSTATUSITEM, 0, STATUSITEMCOUNT);
    std::copy(STATUSITEM, STATUSITEM + count, EDGES);
    SendMessageA(AWND, SB_SETPARTS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(EDGES));
  }
  return AWND;
}
