// Modal message boxes on SDL2.
#include <SDL.h>

#include "platform/sdl/backend.h"

namespace platform::sdl {

int showMessageBox(const std::string& caption, const std::string& text, BoxIcon icon,
                   const std::vector<BoxButton>& buttons, int escapeButtonId) {
  std::vector<SDL_MessageBoxButtonData> data;
  data.reserve(buttons.size());
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    Uint32 flags = 0;
    if (i == 0) flags |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
    if (buttons[i].id == escapeButtonId) flags |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    data.push_back(SDL_MessageBoxButtonData{flags, buttons[i].id, buttons[i].labelUtf8.c_str()});
  }
  Uint32 flags = SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
  switch (icon) {
    case BoxIcon::Information: flags |= SDL_MESSAGEBOX_INFORMATION; break;
    case BoxIcon::Warning: flags |= SDL_MESSAGEBOX_WARNING; break;
    case BoxIcon::Error: flags |= SDL_MESSAGEBOX_ERROR; break;
    case BoxIcon::None: break;
  }
  SDL_MessageBoxData box{flags, nullptr, caption.c_str(), text.c_str(), static_cast<int>(data.size()),
                         data.data(), nullptr};
  int chosen = -1;
  if (SDL_ShowMessageBox(&box, &chosen) != 0) return -1;
  // Closing the box without a button counts as its Escape button, or as no answer.
  if (chosen < 0) return escapeButtonId > 0 ? escapeButtonId : 0;
  return chosen;
}

}  // namespace platform::sdl
