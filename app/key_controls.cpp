// Keys 1 and 2 step the trees on show. The repeat counts frames, not time.
#include "app/demo.h"

namespace {

// A key held on three frames in a row steps `index`; held on, it steps again every ten
// frames (frames 3, 13, 23, ... of the hold). Letting go starts the count afresh.
void stepWhileHeld(char key, std::int32_t& counter, std::int32_t& index, std::int32_t last) {
  if (SETGLKEY(key)) {
    ++counter;
    if (counter == 3) ++index;
    if (counter >= 10) counter = 0;
  } else {
    counter = 0;
  }
  if (index > last) index = 0;
}

}  // namespace

void OPENGL_KEYBOARD() {
  stepWhileHeld('1', TIMER[1], NUM1, 2);
  stepWhileHeld('2', TIMER[2], NUM2, 4);
}
