// System cursors and icons, cursor files.
#include <fstream>
#include <iterator>
#include <map>

#include "platform/core/handle_table.h"
#include "platform/user/cursor_table.h"

namespace platform::user {
namespace {

HandleTable<Cursor>& cursors() {
  static HandleTable<Cursor> t(HandleTag::Cursor);
  return t;
}

// Icons only need to be told apart: the system's ones are tokens for the desktop's default.
HandleTable<int>& systemIcons() {
  static HandleTable<int> t(HandleTag::Icon);
  return t;
}

struct SystemCursorId {
  WORD id;
  sdl::SystemCursor shape;
};

// Every system cursor id to the native shape that matches it; ids with no native twin take
// the nearest one (the up arrow and the help cursor are arrows, the obsolete "size" cursor is
// the four-way one).
constexpr SystemCursorId kSystemCursors[] = {
    {32512, sdl::SystemCursor::Arrow},    {32513, sdl::SystemCursor::IBeam},
    {32514, sdl::SystemCursor::Wait},     {32515, sdl::SystemCursor::Crosshair},
    {32516, sdl::SystemCursor::Arrow},    {32640, sdl::SystemCursor::SizeAll},
    {32641, sdl::SystemCursor::Arrow},    {32642, sdl::SystemCursor::SizeNWSE},
    {32643, sdl::SystemCursor::SizeNESW}, {32644, sdl::SystemCursor::SizeWE},
    {32645, sdl::SystemCursor::SizeNS},   {32646, sdl::SystemCursor::SizeAll},
    {32648, sdl::SystemCursor::No},       {32649, sdl::SystemCursor::Hand},
    {32650, sdl::SystemCursor::WaitArrow}, {32651, sdl::SystemCursor::Arrow},
};

// Larger files are not cursors.
constexpr std::streamoff kMaxCursorFile = 4 << 20;

}  // namespace

const Cursor* findCursor(HCURSOR cursor) { return cursors().find(cursor); }

namespace {
HCURSOR gShown = 0;
}  // namespace

void showCursor(HCURSOR handle, bool again) {
  Cursor* c = cursors().find(handle);
  if (!c || (handle == gShown && !again)) return;
  gShown = handle;
  if (!c->native) {
    c->native = c->system ? sdl::createSystemCursor(*c->system)
                          : sdl::createImageCursor(c->image.width, c->image.height, c->image.rgba, c->image.hotX,
                                                   c->image.hotY);
  }
  sdl::setCursor(c->native);
}

HCURSOR shownCursor() { return gShown; }

const CursorImage* iconImage(HICON icon) {
  const Cursor* c = cursors().find(icon);
  return c && !c->system ? &c->image : nullptr;
}

}  // namespace platform::user

using namespace platform::user;

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name) {
  // The program has no cursor resources of its own; only the system's ids are known.
  if (instance != 0 || !name || !IS_INTRESOURCE(name)) return 0;
  auto id = static_cast<WORD>(reinterpret_cast<std::uintptr_t>(name));
  static std::map<WORD, HCURSOR> shared;
  if (auto it = shared.find(id); it != shared.end()) return it->second;
  for (const SystemCursorId& s : kSystemCursors) {
    if (s.id != id) continue;
    Cursor c;
    c.system = s.shape;
    HCURSOR h = cursors().add(std::move(c));
    shared[id] = h;
    return h;
  }
  return 0;
}

HICON LoadIconA(HINSTANCE instance, LPCSTR name) {
  if (instance != 0 || !name || !IS_INTRESOURCE(name)) return 0;
  auto id = static_cast<WORD>(reinterpret_cast<std::uintptr_t>(name));
  // The system's icons: application, hand, question, exclamation, asterisk, logo, shield.
  if (id < 32512 || id > 32518) return 0;
  static std::map<WORD, HICON> shared;
  if (auto it = shared.find(id); it != shared.end()) return it->second;
  HICON h = systemIcons().add(id);
  shared[id] = h;
  return h;
}

HCURSOR LoadCursorFromFileA(LPCSTR fileName) {
  if (!fileName || !*fileName) return 0;
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return 0;
  in.seekg(0, std::ios::end);
  std::streamoff size = in.tellg();
  if (size <= 0 || size > kMaxCursorFile) return 0;
  in.seekg(0, std::ios::beg);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) return 0;
  std::optional<CursorImage> image = decodeCursorFile(bytes);
  if (!image) return 0;
  Cursor c;
  c.image = std::move(*image);
  return cursors().add(std::move(c));
}
