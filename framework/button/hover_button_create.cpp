// WM_CREATE of an image button: its three faces, its size and its shape.
#include "framework/button/hover_button_steps.h"

namespace hoverbutton {
namespace {

constexpr COLORREF kShapeColour = 0x00FF00FF;  // magenta lies outside the button
constexpr BYTE kShapeTolerance = 1;

// The file of one face: BMPTYPE, the face's letter, ".BMP".
std::string faceFile(char letter) { return BMPTYPE + letter + ".BMP"; }

// A memory context with the face's bitmap and palette selected into it, or 0 when the file
// does not load (nothing is then kept). The bitmap's description goes to `description`.
HDC loadFace(char letter, BITMAP* description) {
  HPALETTE palette = 0;
  const HBITMAP bitmap = LOADBMPFROMFILE(faceFile(letter), palette);
  if (bitmap == 0) return 0;
  GetObjectA(bitmap, sizeof(BITMAP), description);
  const HDC dc = CreateCompatibleDC(0);
  if (dc == 0) {
    DeleteObject(bitmap);
    DeleteObject(palette);
    return 0;
  }
  SelectObject(dc, bitmap);
  SelectPalette(dc, palette, FALSE);
  RealizePalette(dc);
  return dc;
}

// Keeps the button where it was created, in its parent's client coordinates, with the
// size of the normal face. The parent's frame is taken to be 3 pixels at the side and 19
// at the top (a captioned window of this layer).
void fitToFace(HWND WND, const BITMAP& face) {
  RECT self{}, parent{};
  GetWindowRect(WND, &self);
  GetWindowRect(GetParent(WND), &parent);
  MoveWindow(WND, self.left - parent.left - 3, self.top - parent.top - 19, face.bmWidth, face.bmHeight, FALSE);
}

}  // namespace

void onCreate(HWND WND) {
  BITMAP face{};
  const HDC normal = loadFace('N', &face);
  // Without its normal face the button keeps the size and place it was created with.
  if (normal != 0) fitToFace(WND, face);
  SetPropA(WND, NORMALBMP, normal);
  BITMAP unused{};
  SetPropA(WND, HOVERBMP, loadFace('H', &unused));
  SetPropA(WND, PRESSBMP, loadFace('P', &unused));
  SetPropA(WND, HOVERMODE, HOVERMODE_NORMAL);

  const HRGN shape = BITMAPTOREGION(faceFile('N'), kShapeColour, kShapeTolerance);
  if (shape == 0) return;  // no shape: no window region and no hit-test region
  SetWindowRgn(WND, shape, FALSE);  // the window owns this one from now on
  SetPropA(WND, BUTTONRGN, BITMAPTOREGION(faceFile('N'), kShapeColour, kShapeTolerance));
}

}  // namespace hoverbutton
