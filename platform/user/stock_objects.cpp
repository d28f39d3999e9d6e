// The system's shared brushes and fonts, and the program's instance handle.
#include <map>

#include "platform/core/handle_table.h"
#include "platform/gdi/gdi_objects.h"

namespace {

// The classic desktop colours, indexed by COLOR_ number.
constexpr COLORREF kSystemColors[] = {
    0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
    0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
    0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
    0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0xC8D0D4, 0xC8D0D4,
};

HGDIOBJ sharedObject(std::map<int, HGDIOBJ>& cache, int key, platform::gdi::GdiObject object) {
  if (auto it = cache.find(key); it != cache.end()) return it->second;
  HGDIOBJ h = platform::gdi::addObject(std::move(object), true);
  cache[key] = h;
  return h;
}

}  // namespace

HBRUSH GetSysColorBrush(int index) {
  constexpr int count = static_cast<int>(sizeof kSystemColors / sizeof kSystemColors[0]);
  if (index < 0 || index >= count) return 0;
  static std::map<int, HGDIOBJ> cache;
  return sharedObject(cache, index, platform::gdi::Brush{kSystemColors[index], false});
}

HGDIOBJ GetStockObject(int index) {
  static std::map<int, HGDIOBJ> cache;
  switch (index) {
    case WHITE_BRUSH: return sharedObject(cache, index, platform::gdi::Brush{RGB(255, 255, 255), false});
    case 1: return sharedObject(cache, index, platform::gdi::Brush{RGB(192, 192, 192), false});  // light grey
    case 2: return sharedObject(cache, index, platform::gdi::Brush{RGB(128, 128, 128), false});  // grey
    case 3: return sharedObject(cache, index, platform::gdi::Brush{RGB(64, 64, 64), false});     // dark grey
    case BLACK_BRUSH: return sharedObject(cache, index, platform::gdi::Brush{RGB(0, 0, 0), false});
    case NULL_BRUSH: return sharedObject(cache, index, platform::gdi::Brush{0, true});
    case 13:  // the system font
    case 17:  // the default GUI font
      return sharedObject(cache, index, platform::gdi::Font{8});
    default: return 0;
  }
}

HINSTANCE GetModuleHandleA(LPCSTR moduleName) {
  // One module: the program. Named modules (libraries) are not tracked.
  if (moduleName) return 0;
  static platform::HandleTable<int> instances(platform::HandleTag::Instance);
  static const HINSTANCE self = instances.add(0);
  return self;
}
