// The program's one message queue (one thread, one queue), as the rest of the layer uses it.
#pragma once

#include "platform/win32.h"

namespace platform::user {

// Appends a message to the queue, stamped with the time and pointer position. Posted
// messages are taken before input messages. Messages made from native input carry the
// keyboard modifiers of their moment; a pointer move replaces a pointer move for the same
// window at the input queue's tail, so a burst of moves with nothing between them
// collapses into the latest.
void postMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void postInputMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, unsigned modifiers);

// Drops every queued message for a window that is going away.
void discardMessagesFor(HWND window);

// The modifier keys as of the last key message taken from the queue (sdl::Modifier bits);
// TranslateMessage reads them, as the system reads its key state.
unsigned messageKeyModifiers();

// Turns every pending native event into queued messages (platform/user/native_input.cpp).
void pumpNativeEvents();

// Character that a key-down of `virtualKey` types with these modifiers (sdl::Modifier
// bits), on a US keyboard layout; 0 for keys that type nothing.
int characterForKey(int virtualKey, unsigned modifiers);

}  // namespace platform::user
