// Seams where tests put in what no headless display can give: a dialog's answer, the
// pointer's place on the screen. Everything else goes through the real backend.
#pragma once

#include "platform/win32.h"

namespace platform::seams {

// Answers message boxes instead of showing them: gets the text, caption and style exactly
// as handed to MessageBoxA and returns the button chosen (or 0 for a box that failed).
// Null puts the real box back.
using MessageBoxAnswer = int (*)(LPCSTR text, LPCSTR caption, UINT type);
void setMessageBoxAnswer(MessageBoxAnswer answer);

// Overrides the pointer's screen position reported by GetCursorPos and set by SetCursorPos,
// and the foreground window. Cleared by resetPointer().
void setPointerScreenPosition(int x, int y);
void resetPointer();
void setForegroundWindowOverride(HWND window);  // 0 = use the real answer

// Makes GlobalAlloc and GlobalReAlloc fail for blocks larger than `bytes`, as they would
// when memory runs out; 0 puts the normal limit back.
void setGlobalMemoryLimit(std::size_t bytes);

}  // namespace platform::seams
