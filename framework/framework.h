// The OpenGL framework: one window with its GL context, the message pump and input state,
// the mouse-driven view, BMP and TGA texture tables, the GL start-up state, lights and
// render modes, primitive solids and the tree generators, plus an optional status bar and
// a shaped image button. The whole public interface is declared here; the state lives in
// module-level globals with fixed initial values that last for the whole run.
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdint>
#include <string>

#include "platform/win32.h"

// Procedure pointer of the hooks and of the tree generators' callbacks.
using PROCEDURE = void (*)();

// ============================================================== window: set-up and teardown

// ============================================================== window: message pump

// ============================================================== window: status bar
// The optional status bar: a status window along the bottom of the GL window, made by
// CREATEOGLWINDOW when SHOWSTATUSBAR is set (HSTATUS keeps its handle). It shows
// "Percorso file" and is divided into MAXSTATUSITEM parts whose right edges, in the status
// window's own coordinates, the host program puts in STATUSITEM (-1 = up to the right
// border). Entry I (1..20) of each table is element I - 1 here.
constexpr std::int32_t STATUSITEMCOUNT = 20;
constexpr UINT STATUSBARID = 0x7712;  // control identifier of the status window

extern std::int32_t STATUSITEM[STATUSITEMCOUNT];
// Number of parts, 0..20; a value outside that range is clamped into it when the bar is
// made, so no table is ever read or written past its end.
extern std::int32_t MAXSTATUSITEM;
// The copy of the first MAXSTATUSITEM entries of STATUSITEM handed to the status window.
extern std::int32_t EDGES[STATUSITEMCOUNT];
// The status text: "Percorso file" followed by NULs (260 characters and the final NUL).
extern char FILENAME[261];
// The status window last created, 0 when creation failed.
extern HWND AWND;

// Creates the status window as a child of PARENT, sets its parts and returns it (0 on
// failure). Called by CREATEOGLWINDOW only.
HWND CREATESTATUSBAR(HWND PARENT);


// ============================================================== window: mouse-driven view
// SETGLMOUSEMOVE multiplies the current matrix by the view that the window procedure
// gathered from drags: a translation by -DEPTH along one axis, then a turn by XROT and a
// turn by YROT. The mode picks the axes:
//   GL_M0: (0, 0, -DEPTH), XROT about x,  YROT about y
//   GL_MX: (0, -DEPTH, 0), XROT about x,  YROT about z
//   GL_MY: (-DEPTH, 0, 0), XROT about -z, YROT about y
//   GL_MZ: (0, 0, -DEPTH), XROT about y,  YROT about x
// Any other mode applies nothing. Every call stores SPEED as MSPEED, the multiplier of
// every mouse increment, so drags change nothing until the first call.
constexpr std::int32_t GL_M0 = 0;
constexpr std::int32_t GL_MX = 1;
constexpr std::int32_t GL_MY = 2;
constexpr std::int32_t GL_MZ = 3;

struct MOUSEVIEWOFFSET {
  float X;
  float Y;
  float Z;
};

extern MOUSEVIEWOFFSET MY;   // the translation the last applied call made (for the host program)
extern std::int32_t MSPEED;  // mouse increment multiplier, 0 until the first call

void SETGLMOUSEMOVE(std::int32_t XYZ, std::int32_t SPEED);

// ============================================================== button: image button
// The "IMAGEBUTTON" window class: a push button drawn from three bitmaps (normal, hover,
// pressed) named BMPTYPE + "N", "H" or "P" + ".BMP", shaped by the normal image's
// non-magenta pixels. A press released over the button posts WM_COMMAND to its parent with
// WPARAM = the control identifier and LPARAM = 0. All state of a button is in its window
// properties, so any number of buttons can exist.
inline constexpr const char* SZHOVERCLASS = "IMAGEBUTTON";
inline constexpr const char* NORMALBMP = "NORMALBITMAP";
inline constexpr const char* HOVERBMP = "HOVERBITMAP";
inline constexpr const char* PRESSBMP = "PRESSBITMAP";
inline constexpr const char* HOVERMODE = "HOVERMODEBYTE";
inline constexpr const char* BUTTONRGN = "HOVERBUTTONREGION";

// Button modes, the value of the HOVERMODE property.
constexpr HANDLE HOVERMODE_NORMAL = 1;
constexpr HANDLE HOVERMODE_HOVER = 2;
constexpr HANDLE HOVERMODE_PRESSED = 3;

// Common beginning (folder and/or base name) of the buttons' image files; empty at start.
extern std::string BMPTYPE;

// Window procedure of the "IMAGEBUTTON" class.
LRESULT HOVERBUTTONHANDLER(HWND WND, UINT IMSG, WPARAM wParam, LPARAM lParam);


// ============================================================== render: GL start-up and 2D mode

// ============================================================== render: lights and render modes

// ============================================================== texture: BMP textures

// ============================================================== texture: TGA reader and table

// ============================================================== geometry: vectors and random

// Three float64 read with the indexes 1, 2, 3 for x, y, z (the result slot of FINDNORMAL).
struct FNORMALVECTOR {
  double ELEMENT[3];
  double& operator[](int index) { return ELEMENT[index - 1]; }
  const double& operator[](int index) const { return ELEMENT[index - 1]; }
};

// The unit face normal of the last FINDNORMAL call; (0, 0, 0) at start.
extern FNORMALVECTOR FNORMAL;

// Unit normal of the face V1, V2, V3 (front face counter-clockwise), left in FNORMAL.
// Collinear or coincident points give (0, 0, 0).
void FINDNORMAL(double V1X, double V1Y, double V1Z, double V2X, double V2Y, double V2Z,
                double V3X, double V3Y, double V3Z);

// Seed of the process-wide MT19937 generator. The first draw after it changes reseeds the
// generator from it and then stores its bitwise NOT here; it starts at 0, so every run draws
// the same sequence.
extern std::int32_t RANDSEED;

// One tempered 32-bit word of the process-wide sequence.
std::uint32_t RANDOMWORD();
// One word scaled to [0, 1): word / 2^32 (exact in float64).
double RANDOMREAL();
// One word scaled to [0, L): floor(word * L / 2^32); a negative L is first raised by 1.
// Always consumes exactly one word.
std::int32_t RANDOMINT(std::int32_t L);
// One real draw u, returned as (u / 0.9) * RANGE rounded to float32.
float RANDOMF(float RANGE);

// ============================================================== geometry: primitives

// Two vertices (each with its texture coordinate when TEXTURE is true) inside the caller's
// glBegin/glEnd; the caller sets the normal.
void LINEFREE(float TX1, float TY1, float TX2, float TY2, float X1, float Y1, float Z1, float X2,
              float Y2, float Z2, bool TEXTURE);
// Lit, textured sphere of radius R about (SX, SY, SZ): N segments around, N / 2 bands.
// Fewer than 4 segments or a zero radius draw one point at the centre.
void SFERA(float SX, float SY, float SZ, float R, std::int32_t N);
// Side of a truncated cone along +Z as one quad strip with alternating wide and narrow
// facets: radius ROUT at height Z, RIN at Z + H, about the axis point (X, Y).
void CONOTRONCO(float X, float Y, float Z, std::int32_t NUMPOINTS, float RIN, float ROUT, float H);
// NUMPOINTS copies of list OBJNAME turned evenly about the Z axis through (X, Y, Z), each
// pushed out by R along its turned X axis. Leaves face culling enabled.
void PUTCIRCLEOBJ(GLuint OBJNAME, float X, float Y, float Z, std::int32_t NUMPOINTS, float R);

// ============================================================== geometry: trees
