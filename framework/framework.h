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
// The one GL window of the process, its device context and GL context, and everything from
// the host program's first call until the context is current, plus the matching teardown.
// Calling order: OGLWINDOWSETTING, then optionally SHOWMENUBAR with CREATEMENUBAR,
// SHOWSTATUSBAR and PIXEL_FORMAT_FLAGS, then CREATEOGLWINDOW once, the GL start-up, the
// frame loop, and DELETEOGLWINDOW last.

// Cursor choices for OGLWINDOWSETTING (TYPECURSOR). FILECURSOR loads CURFILE; NOCURSOR is
// the slashed circle, not a hidden cursor.
constexpr std::int32_t ARROW = 1;
constexpr std::int32_t IBEAM = 2;
constexpr std::int32_t WAIT = 3;
constexpr std::int32_t CROSS = 4;
constexpr std::int32_t UPARROW = 5;
constexpr std::int32_t SIZE = 6;
constexpr std::int32_t FILECURSOR = 7;
constexpr std::int32_t SIZENWSE = 8;
constexpr std::int32_t SIZENESW = 9;
constexpr std::int32_t SIZEWE = 10;
constexpr std::int32_t SIZENS = 11;
constexpr std::int32_t SIZEALL = 12;
constexpr std::int32_t NOCURSOR = 13;
constexpr std::int32_t HAND = 14;
constexpr std::int32_t APPSTARTING = 15;
constexpr std::int32_t HELP = 16;

// Icon choices for OGLWINDOWSETTING (TYPEICON): the system's application icon, or ICOFILE
// loaded with the cursor-file loader.
constexpr std::int32_t GENERIC = 1;
constexpr std::int32_t FILEICON = 2;

inline constexpr const char* GLWINDOWCLASS = "GLWindow";

// Window styles: windowed has a caption; full screen only a thin border. Neither can be
// resized by the user.
constexpr DWORD GLWINDOWSTYLE = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                                WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;  // 0x96CA0000
constexpr DWORD GLFULLSCREENSTYLE = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS |
                                    WS_CLIPCHILDREN | WS_BORDER | WS_SYSMENU;  // 0x96880000

// The fatal start-up messages, shown by THROWERROR in a box captioned "Error". The accented
// letter of the last one is the Windows-1252 byte 0xE8.
inline constexpr const char* REGISTERERRORTEXT = "Errore di registro per la rispettiva applicazione!";
inline constexpr const char* CREATEERRORTEXT =
    "Impossibile creare la finestra per la rispettiva applicazione!";
inline constexpr const char* INITERRORTEXT = "la rispettiva applicazione non \xE8 stata inizilizata!";

extern HWND HWINDOW;    // the GL window, set by CREATEOGLWINDOW and never cleared
extern HDC DCWINDOW;    // its device context: pixel format, context and every buffer swap
extern HGLRC RCWINDOW;  // the GL rendering context
// Window size: the requested outer size when windowed (not the client size), the primary
// screen's size in full screen. Read by the viewport set-up and the free-look code.
extern std::int32_t WIDTH;
extern std::int32_t HEIGHT;
// Requested bits per pixel, also used for the alpha, accumulation, depth, stencil and
// auxiliary-buffer requests (kept to 0..255 in the request).
extern std::int32_t BITS;
extern bool FULLSCREEN;
// True from the window's creation message to its destroy message; the host program's frame
// loop runs while it is true.
extern bool ACTIVE;
// Extra pixel-format flags OR-ed into the fixed ones; bit 31 must stay clear.
extern std::int32_t PIXEL_FORMAT_FLAGS;
extern std::int32_t SETTYPECURSOR;  // cursor choice, ARROW..HELP
extern const char* CURSORFILE;      // cursor file for FILECURSOR (kept, not copied)
extern std::int32_t SETTYPEICON;    // icon choice, GENERIC or FILEICON
extern const char* ICONFILE;        // icon file for FILEICON (kept, not copied)
// When set, CREATEOGLWINDOW calls CREATEMENUBAR and the window procedure serves the
// context-menu and command hooks. Hooks left null are never called.
extern bool SHOWMENUBAR;
extern PROCEDURE CREATEMENUBAR;
extern PROCEDURE CREATEMOUSEMENU;
extern WNDPROC GETINPUTCOMMAND;
extern bool SHOWSTATUSBAR;  // when set, CREATEOGLWINDOW creates the status bar
extern HWND HSTATUS;        // the status bar, 0 when there is none
extern DWORD START;         // tick count taken by OGLWINDOWSETTING in free-look mode
extern bool FOGONOFF;       // set by OGLWINDOWSETTING; nothing reads it
extern GLuint OBJNULL;      // an empty display list reserved by OGLWINDOWSETTING, 0 if none
extern WNDCLASSEXA WINDOWCLASSEX;  // class record of "IMAGEBUTTON", filled at registration

// Keeps the cursor and icon choices (the two strings by pointer: they must outlive
// CREATEOGLWINDOW). In free-look mode it also takes START and puts the pointer at the
// holding point. Reserves OBJNULL only when a GL context is already current.
void OGLWINDOWSETTING(std::int32_t TYPECURSOR, const char* CURFILE, std::int32_t TYPEICON,
                      const char* ICOFILE);
// Registers the classes, creates and shows the window, runs the menu-bar and status-bar
// steps, and makes a GL context current on it. Any failure shows its message and ends the
// program with exit code 0, so it returns true only.
bool CREATEOGLWINDOW(const char* APPNAME, std::int32_t APPWIDTH, std::int32_t APPHEIGHT,
                     std::int32_t APPBITS, bool APPFULLSCREEN);
// Detaches and deletes the context, releases the device context, destroys the window. Safe
// when the window is already gone; the globals keep their values.
void DELETEOGLWINDOW();
// Shows PCERRORMESSAGE in a box captioned "Error", then ends the program with exit code 0.
[[noreturn]] void THROWERROR(const char* PCERRORMESSAGE);

// The steps of CREATEOGLWINDOW. WINDOWREGISTER registers "GLWindow" (its result) and, if
// not known yet, "IMAGEBUTTON"; WINDOWCREATE makes and shows the window (0 on failure);
// WINDOWINIT gets the device context, sets the pixel format and makes a new context current.
bool WINDOWREGISTER();
HWND WINDOWCREATE(const char* PCAPPLICATIONNAME);
bool WINDOWINIT(HWND HPARENT);
// The class cursor and icon for a choice (0 for a choice outside the tables or a file that
// cannot be read).
HCURSOR CURSORFORCHOICE(std::int32_t CHOICE, const char* FILE);
HICON ICONFORCHOICE(std::int32_t CHOICE, const char* FILE);
// The pixel-format request built from BITS and PIXEL_FORMAT_FLAGS.
PIXELFORMATDESCRIPTOR PIXELFORMATREQUEST();

// ============================================================== window: message pump
// SETGLMSG handles at most one queued message per call and never waits; GLWNDPROC, the
// window procedure of "GLWindow", keeps ACTIVE, the key table and the mouse-driven view
// state; SETGLKEY asks whether a key is down.

constexpr std::int32_t MAXKEY = 500;  // SETKEY has slots 0..MAXKEY

extern MSG MSG_;  // the message last fetched by SETGLMSG
// One slot per virtual-key code: nonzero (-1) from the key's key-down to its key-up.
// Key messages with codes above MAXKEY write no slot.
extern std::int32_t SETKEY[MAXKEY + 1];
extern bool LEFTMOUSEDOWN;
extern bool RIGHTMOUSEDOWN;
extern bool LEFTMOUSEDOWN2;   // same as LEFTMOUSEDOWN, for the host program
extern bool RIGHTMOUSEDOWN2;  // same as RIGHTMOUSEDOWN, for the host program
// Free look: the pointer is held at (WIDTH / 2, HEIGHT / 2) on the screen and its motion
// turns the view. Only the host program sets it; any key release clears it.
extern bool MOUSEFREE;
extern float XROT;   // view angle fed by vertical left drags (degrees)
extern float YROT;   // view angle fed by horizontal left drags (degrees)
extern float DEPTH;  // viewing distance, fed by vertical right drags
extern float XROT2;  // second set, changed exactly like XROT, YROT, DEPTH (for the host)
extern float YROT2;
extern float DEPTH2;
extern std::int32_t XCOORD;  // where the next left-drag step is measured from
extern std::int32_t YCOORD;
extern std::int32_t ZCOORD;  // client y the next right-drag step is measured from
extern std::int32_t SETMX;   // where the left button last went down, 0 after release
extern std::int32_t SETMY;
extern std::int32_t SETOMX;  // position of the last mouse-move message
extern std::int32_t SETOMY;
extern POINT MPOS;           // pointer's screen position read in free look
// MSPEED, the multiplier of every mouse increment, is declared with the mouse-driven view.

// Handles one queued message, if there is one: fetch, translate, dispatch.
void SETGLMSG();
LRESULT GLWNDPROC(HWND WINDOW, UINT AMESSAGE, WPARAM AWPARAM, LPARAM ALPARAM);
// True when the SETKEY slot of the character's code (0..255) is set; "1" reads slot 49.
bool SETGLKEY(char KEY);

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

// Loads a BMP file as a DIB section in its own size and depth (0 when it does not load,
// PAL then untouched) and sets PAL to a palette for it: the halftone palette for bitmaps
// deeper than 8 bits, else 256 entries from its colour table (black past a shorter table).
// The caller deletes both.
HBITMAP LOADBMPFROMFILE(const std::string& FILENAME, HPALETTE& PAL);

// Rectangles by which BITMAPTOREGION's rectangle buffer grows.
constexpr DWORD ALLOC_UNIT = 100;

// The region, in image pixels with (0, 0) top-left, of every pixel of the BMP file whose
// colour lies outside the band TRANSCOLOR .. TRANSCOLOR + TOLERANCE (per channel, capped at
// 255). An image with no opaque pixel gives an empty region; 0 when the file does not load
// or the region cannot be built. The caller owns the region.
HRGN BITMAPTOREGION(const std::string& BMPNAME, COLORREF TRANSCOLOR, BYTE TOLERANCE);


// ============================================================== render: GL start-up and 2D mode
// Both read the creation size WIDTH and HEIGHT of the window (a size below 1 counts as 1).

// 3D view: viewport over WIDTH x HEIGHT, 45-degree perspective from 0.1 to DEPTH, identity
// model-view, clear colour (R, G, B, A) and clear depth DEPTH, depth test LEQUAL, current
// colour (1, 1, 1, 0.5), blend factors SRC_ALPHA/ONE, local viewer, NICEST hints, automatic
// normals and normalisation.
void OPENGL_INIT(double DEPTH, double A, double R, double G, double B);

// 2D overlay view: orthographic box 4 units wide, -2..2 deep, its height following the
// window's proportions; sets OFFX and OFFY. OPENGL_INIT switches back to 3D.
void OPENGL_I2D(double A, double R, double G, double B);

// 2D drawing offsets (HEIGHT div WIDTH) - 2.05 and (HEIGHT div WIDTH) - 1.45, set by OPENGL_I2D.
extern float OFFX;
extern float OFFY;

// ============================================================== render: lights and render modes
// Each only issues GL state and drawing calls, so each may be recorded into a display list;
// LIGHTPOSITION is written when the operation is called, list or not.

// Light colours handed to GL by SETGLLIGHT, read afresh at every call (red, green, blue, alpha).
extern GLfloat AMBIENTLIGHT[4];   // (0.5, 0.5, 0.5, 1)
extern GLfloat DIFFUSELIGHT[4];   // (1, 1, 1, 1)
extern GLfloat SPECULARLIGHT[4];  // (1, 1, 1, 1)
// The last light position handed to GL (x, y, z, w); shared by all lights.
extern GLfloat LIGHTPOSITION[4];

// Two-sided lighting on / off.
void TWOSIDEON();
void TWOSIDEOFF();
// Back faces culled, counter-clockwise polygons in front.
void SETGLREFRACTIVE();
// Alpha-tested sprites: fragments with alpha 0.4 or less are discarded.
void SETGLSPRITE();
// Alpha test off, and always blending off and depth writes on.
void SETGLSPRITEOFF();
// Places light NLIGHT at (LX, LY, LZ, LVAL) in the current coordinates and draws one point of
// size SIZE there (a SIZE of 0 or less keeps the point size in force). Switches nothing on.
void PUTGLPOINTLIGHT(GLenum NLIGHT, float SIZE, float LX, float LY, float LZ, float LVAL);
// Lighting and light NLIGHT on, with the three light colours and the position (L0..L3).
void SETGLLIGHT(GLenum NLIGHT, float L0, float L1, float L2, float L3);

// ============================================================== texture: BMP textures
// BMP files turned into GL textures whose names live in TEXTUREID2, one slot per caller-chosen
// number (0..500). Only 24-bit and 32-bit files give an image; a load that fails is silent and
// still leaves a fresh texture name (without an image) bound in the slot. All of these need
// the window's rendering context to be current.

// GL texture name of each slot; 0 while the slot was never loaded.
extern GLuint TEXTUREID2[501];
// Filters given to every texture created afterwards, BMP and TGA alike. A minifying filter of
// GL_LINEAR_MIPMAP_NEAREST or GL_LINEAR_MIPMAP_LINEAR also builds the mipmap levels.
extern GLint GL_MIN_FILTER;
extern GLint GL_MAG_FILTER;

// Loads the BMP file BMPFILE into slot NUM: a new texture name, bound, with the filters above
// and repeat wrapping; 2D texturing is on afterwards. Leaves the unpack alignment at 4 with no
// row length or skips.
void TEXTURELOADID(const char* BMPFILE, std::int32_t NUM);
// Binds the texture of slot NUM (texture 0 for a slot never loaded).
void TEXTURESELECTID(std::int32_t NUM);
void TEXTUREON();
void TEXTUREOFF();
// Bits per pixel from the file's headers, or 0 for a missing, unreadable, too short, non-BMP
// or OS/2-style (12-byte header) file.
std::int32_t GETBMPDEPTH(const char* BMPFILE);
// Exchanges the first and third byte of SIZE packed 3-byte pixels, in place.
void SWAPRGB(void* DATA, std::int32_t SIZE);
// Builds every mipmap level of the bound texture from BITS: red-green-blue data for FORMAT 24,
// blue-green-red-alpha for FORMAT 32; any other FORMAT does nothing.
void ADDMIPMAPSTEXTURE(std::int32_t FORMAT, std::int32_t WIDTH, std::int32_t HEIGHT, const void* BITS);

// ============================================================== texture: TGA reader and table
// Uncompressed (type 2) and run-length encoded (type 10) true-colour TGA files of 24 or 32
// bits, decoded into red-green-blue(-alpha) pixels in file row order, and a second texture
// table, TEXTURETGA2 (slots 0..200), holding textures made from them. Every failure of the
// reader is told in an English message box (MessageBoxA, MB_OK) and makes LOADTGA false.

#include <cstdio>  // std::FILE, for FTGA

// One decoded TGA image and its GL texture.
struct TGATEXTURE {
  GLubyte* IMAGEDATA;   // decoded pixels (malloc'd, the caller frees them with std::free)
  std::uint32_t BPP;    // 24 or 32
  std::uint32_t WIDTH;
  std::uint32_t HEIGHT;
  std::uint32_t TEXID;  // GL texture name, 0 while none
  std::uint32_t TYP;    // GL_RGB or GL_RGBA
};

// The reader's working state: one load at a time.
struct TTGAHEADER {
  GLubyte HEADER[12];  // the file's first 12 bytes
};
struct TTGA {
  GLubyte HEADER[6];  // file bytes 12..17: width, height, depth, descriptor
  std::uint32_t BYTESPERPIXEL;
  std::uint32_t IMAGESIZE;
  std::uint32_t TYP;  // not set by the reader
  std::uint32_t HEIGH;
  std::uint32_t WIDTH;
  std::uint32_t BPP;
};
extern TTGAHEADER TGAHEADER;
extern TTGA TGA;
extern std::FILE* FTGA;  // the file being read, null between loads
// The 12-byte prefixes of an uncompressed and of a run-length encoded true-colour file.
extern const GLubyte UTGACOMPARE[12];
extern const GLubyte CTGACOMPARE[12];

// Decodes FILENAME (opened under its first 255 characters) into TEXTURE. On success
// TEXTURE.IMAGEDATA is a new buffer of WIDTH x HEIGHT x BPP/8 bytes owned by the caller.
// Images of 2^31 bytes or more are refused as too large to allocate.
bool LOADTGA(TGATEXTURE& TEXTURE, const std::string& FILENAME);
// The body readers LOADTGA hands the open file to, after its 12-byte prefix.
bool LOADUNCOMPRESSEDTGA(TGATEXTURE& TEXTURE, const std::string& FILENAME);
bool LOADCOMPRESSEDTGA(TGATEXTURE& TEXTURE, const std::string& FILENAME);

// One record per slot; all fields 0 at start.
extern TGATEXTURE TEXTURETGA2[201];
// Loads the TGA file TGAFILE into slot NUM: silent when the file does not exist; after a failed
// decode (reader's message shown) the slot keeps its texture. Otherwise a new texture name,
// bound, with 3 or 4 components, the filters of GL_MIN_FILTER / GL_MAG_FILTER and repeat
// wrapping; 2D texturing is on afterwards. Rows that are not a multiple of 4 bytes are
// uploaded with an unpack alignment of 1, and the alignment in force is put back.
void TEXTURELOADTGAID(const std::string& TGAFILE, std::int32_t NUM);
// Binds the texture of slot NUM (texture 0 for a slot never loaded).
void TEXTURETGASELECTID(std::int32_t NUM);

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
// The tree generators compile display lists and hand back the one to draw; the lists it calls
// stay alive for the whole run. Each needs a current GL context and must be called outside
// any glNewList ... glEndList pair.

// A trunk of height H and base radius R along +Z with four fixed levels of NUMPICE branches
// per fork, each leaning ANG degrees from its parent and ending in a short point; levels 1
// and 2 are H2 long, level 3 H2/1.5 and level 4 H2/2. Running the list needs 16 free levels
// of the model-view stack and leaves face culling enabled.
void TREE(GLuint& TREE, float ANG, std::int32_t NUMPOINTS, std::int32_t NUMPICE, float R, float H,
          float H2);
// The leaf cards (8 * SIZE square, lit on both sides) of the TREE built with the same ANG,
// NUMPICE, H and H2: one on each of its level-3 and level-4 branches. The lists bind no
// texture. Running the list needs 16 free levels of the model-view stack, leaves two-sided
// lighting off and face culling enabled.
void TREELEAF(GLuint& LEAF, float ANG, std::int32_t NUMPICE, float SIZE, float H, float H2);
// A random 3D fractal tree of NUMLEVEL fork levels (3 turned and tilted copies at scale 0.7
// per fork) with a cluster of 8 leaves on every branch end; QUALITY is the number of segments
// around a branch. MDLLEAF draws one leaf, MATLEAF and MATTREE select the leaf and tree
// materials; each runs once per call, recorded into the lists (a null one is skipped). The
// choices come from the process-wide random sequence, 1 + f(NUMLEVEL) words per call with
// f(0) = 1 and f(k) = 11 + 3 f(k - 1); a negative NUMLEVEL counts as 0. Running the list needs
// 2 * NUMLEVEL + 4 free model-view levels (plus what MDLLEAF pushes) and 2 attribute levels.
void TREEFRACTAL3D(GLuint& TREE, PROCEDURE MDLLEAF, PROCEDURE MATTREE, PROCEDURE MATLEAF,
                   std::int32_t QUALITY, std::int32_t NUMLEVEL);
