// The SDL2 backend as the rest of the platform layer sees it: native top-level windows, GL
// contexts, input events, message boxes, cursors, the pointer, the screen and the clock.
// No SDL type appears here, so only platform/sdl/ includes SDL.
//
// Texts handed to these functions are already UTF-8; toUtf8 converts the layer's
// Windows-1252 texts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform::sdl {

// Brings up SDL's video subsystem once; false (with a message on standard error) when no
// video driver can run.
bool initVideo();
bool videoReady();

// Windows-1252 to UTF-8 with SDL's iconv.
std::string toUtf8(const char* windows1252);

// ------------------------------------------------------------------ native windows
// A native window is named by SDL's window id; 0 is none.
using NativeWindow = std::uint32_t;

struct NativeWindowSpec {
  std::string titleUtf8;
  int x = 0, y = 0;           // screen position of the native drawable
  int width = 1, height = 1;  // size of the native drawable
  bool decorated = true;      // the desktop draws a caption and frame around it
  bool coverScreen = false;   // borderless, as large as the desktop, no mode change
  bool visible = false;
};

NativeWindow createWindow(const NativeWindowSpec& wanted);
void destroyWindow(NativeWindow window);
void showWindow(NativeWindow window, bool visible);
void setWindowTitle(NativeWindow window, const std::string& titleUtf8);
void setWindowGeometry(NativeWindow window, int x, int y, int width, int height);
bool windowPosition(NativeWindow window, int* x, int* y);
// Sets the window's icon from 32-bit RGBA rows (top row first).
void setWindowIcon(NativeWindow window, int width, int height, const std::vector<std::uint8_t>& rgba);
NativeWindow keyboardFocusWindow();

// Size of the primary display; false when unknown.
bool screenSize(int* width, int* height);
// Milliseconds since the backend's clock started.
std::uint32_t ticks();

// ------------------------------------------------------------------ message boxes
enum class BoxIcon { None, Information, Warning, Error };
// Shows a modal box with the given buttons (first one chosen by Return) and returns the id
// of the button pressed (closing it counts as the Escape button, 0 when there is none);
// -1 when no box could be shown at all.
struct BoxButton {
  int id;
  std::string labelUtf8;
};
int showMessageBox(const std::string& captionUtf8, const std::string& textUtf8, BoxIcon icon,
                   const std::vector<BoxButton>& buttons, int escapeButtonId);

// ------------------------------------------------------------------ cursors
enum class SystemCursor { Arrow, IBeam, Wait, Crosshair, WaitArrow, SizeNWSE, SizeNESW, SizeWE, SizeNS, SizeAll, No, Hand };
struct NativeCursor;  // opaque; lives until the end of the run
NativeCursor* createSystemCursor(SystemCursor which);
NativeCursor* createImageCursor(int width, int height, const std::vector<std::uint8_t>& rgba, int hotX, int hotY);
void setCursor(NativeCursor* cursor);

// ------------------------------------------------------------------ pointer
// Pointer position on the screen; false when the driver cannot tell.
bool globalPointer(int* x, int* y);
bool warpPointer(int x, int y);
// Keeps pointer events coming while the pointer is outside the window.
void capturePointer(bool on);

// ------------------------------------------------------------------ input events
enum class EventKind {
  None,
  KeyDown,
  KeyUp,
  PointerMove,
  ButtonDown,
  ButtonUp,
  Wheel,
  CloseRequest,
  Exposed,
  Moved,
  PointerEnter,
};

enum Modifier : unsigned {
  ModShift = 1,
  ModControl = 2,
  ModAlt = 4,
  ModCapsLock = 8,
  ModNumLock = 16,
};

enum PointerButton { ButtonLeft = 1, ButtonMiddle = 2, ButtonRight = 3 };

struct InputEvent {
  EventKind kind = EventKind::None;
  NativeWindow window = 0;
  std::uint32_t time = 0;
  // keys
  int virtualKey = 0;     // Windows virtual-key code, 0 when the key has none
  int scanCode = 0;       // PC set-1 scan code
  bool extended = false;  // right-hand Ctrl/Alt, the navigation block, keypad Enter and /
  bool repeat = false;
  unsigned modifiers = 0;  // Modifier bits at the time of the event
  // pointer (x, y relative to the native drawable; may lie outside it while captured)
  int x = 0, y = 0;
  int button = 0;          // ButtonDown/ButtonUp: which button
  unsigned buttonsHeld = 0;  // PointerMove: bit (b - 1) set for each PointerButton b held
  int wheelSteps = 0;  // positive away from the user
};

// Takes the next native event (false when none is pending).
bool pollEvent(InputEvent* event);
// Waits at most `milliseconds` for a native event to arrive, without taking it.
void waitForEvent(int milliseconds);

// ------------------------------------------------------------------ GL
struct GlContext;  // opaque
// Creates a compatibility-profile context for the window, leaving whatever was current.
GlContext* createGlContext(NativeWindow window);
bool makeGlCurrent(NativeWindow window, GlContext* context);  // null context: detach
void deleteGlContext(GlContext* context);
// True when some GL context is current on this window.
bool glCurrentOn(NativeWindow window);
void swapWindow(NativeWindow window);

}  // namespace platform::sdl
