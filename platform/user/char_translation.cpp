// Which character a key types: the US keyboard layout, as TranslateMessage uses it.
#include "platform/sdl/backend.h"
#include "platform/user/message_queue.h"

namespace platform::user {
namespace {

struct Punctuation {
  int virtualKey;
  char plain;
  char shifted;
};

constexpr Punctuation kPunctuation[] = {
    {VK_OEM_1, ';', ':'},     {VK_OEM_PLUS, '=', '+'},  {VK_OEM_COMMA, ',', '<'}, {VK_OEM_MINUS, '-', '_'},
    {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},    {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},
    {VK_OEM_5, '\\', '|'},    {VK_OEM_6, ']', '}'},     {VK_OEM_7, '\'', '"'},    {VK_OEM_102, '\\', '|'},
    {VK_SPACE, ' ', ' '},     {VK_MULTIPLY, '*', '*'},  {VK_ADD, '+', '+'},       {VK_SUBTRACT, '-', '-'},
    {VK_DECIMAL, '.', '.'},   {VK_DIVIDE, '/', '/'},
};

constexpr char kShiftedDigits[] = ")!@#$%^&*(";

}  // namespace

int characterForKey(int vk, unsigned modifiers) {
  bool shift = (modifiers & sdl::ModShift) != 0;
  bool control = (modifiers & sdl::ModControl) != 0;
  bool alt = (modifiers & sdl::ModAlt) != 0;
  if (control && alt) return 0;
  if (vk >= 'A' && vk <= 'Z') {
    if (control) return vk - 'A' + 1;  // Ctrl+A..Ctrl+Z type the control characters 1..26
    bool upper = shift != ((modifiers & sdl::ModCapsLock) != 0);
    return upper ? vk : vk - 'A' + 'a';
  }
  if (control) return 0;
  if (vk >= '0' && vk <= '9') return shift ? kShiftedDigits[vk - '0'] : vk;
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return '0' + (vk - VK_NUMPAD0);
  switch (vk) {
    case VK_BACK: return 8;
    case VK_TAB: return 9;
    case VK_RETURN: return 13;
    case VK_ESCAPE: return 27;
    default: break;
  }
  for (const Punctuation& p : kPunctuation)
    if (p.virtualKey == vk) return shift ? p.shifted : p.plain;
  return 0;
}

}  // namespace platform::user
