// The window layer's set-up state: one window, one device context, one GL context, and the
// host program's choices, all with their initial values for the whole run.
#include "framework/framework.h"

HWND HWINDOW = 0;
HDC DCWINDOW = 0;
HGLRC RCWINDOW = 0;
std::int32_t WIDTH = 0;
std::int32_t HEIGHT = 0;
std::int32_t BITS = 0;
bool FULLSCREEN = false;
bool ACTIVE = false;
std::int32_t PIXEL_FORMAT_FLAGS = 0;
std::int32_t SETTYPECURSOR = 0;
const char* CURSORFILE = nullptr;
std::int32_t SETTYPEICON = 0;
const char* ICONFILE = nullptr;
bool SHOWMENUBAR = false;
PROCEDURE CREATEMENUBAR = nullptr;
PROCEDURE CREATEMOUSEMENU = nullptr;
WNDPROC GETINPUTCOMMAND = nullptr;
bool SHOWSTATUSBAR = false;
HWND HSTATUS = 0;
DWORD START = 0;
bool FOGONOFF = false;
GLuint OBJNULL = 0;
WNDCLASSEXA WINDOWCLASSEX = {};
