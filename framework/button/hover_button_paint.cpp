// WM_PAINT and WM_DESTROY of an image button.
#include "framework/button/hover_button_steps.h"

namespace hoverbutton {
namespace {

// The memory context of the face for a mode; a face whose file did not load shows the
// normal face instead, so the button never vanishes while it is hovered or pressed.
HDC faceForMode(HWND WND, HANDLE mode) {
  const char* property = mode == HOVERMODE_NORMAL    ? NORMALBMP
                         : mode == HOVERMODE_HOVER   ? HOVERBMP
                         : mode == HOVERMODE_PRESSED ? PRESSBMP
                                                     : nullptr;
  if (property == nullptr) return 0;
  const HDC face = GetPropA(WND, property);
  return face != 0 ? face : GetPropA(WND, NORMALBMP);
}

// Deletes a face's memory context, then the bitmap and palette it held (the context lets
// go of them when it is deleted).
void freeFace(HDC face) {
  const HGDIOBJ bitmap = GetCurrentObject(face, OBJ_BITMAP);
  const HGDIOBJ palette = GetCurrentObject(face, OBJ_PAL);
  DeleteDC(face);
  DeleteObject(bitmap);   // fails harmlessly for the shared default objects
  DeleteObject(palette);
}

}  // namespace

void onPaint(HWND WND) {
  RECT rect{};
  GetWindowRect(WND, &rect);
  const HDC face = faceForMode(WND, GetPropA(WND, HOVERMODE));
  // Begin and end the paint also with nothing to draw, so that the window is validated and
  // no further WM_PAINT comes for it.
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(WND, &paint);
  if (face != 0) BitBlt(dc, 0, 0, rect.right - rect.left, rect.bottom - rect.top, face, 0, 0, SRCCOPY);
  EndPaint(WND, &paint);
}

void onDestroy(HWND WND) {
  RemovePropA(WND, HOVERMODE);
  const HRGN region = GetPropA(WND, BUTTONRGN);
  if (region != 0) DeleteObject(region);
  RemovePropA(WND, BUTTONRGN);
  for (const char* property : {PRESSBMP, HOVERBMP, NORMALBMP}) {
    const HDC face = GetPropA(WND, property);
    if (face != 0) freeFace(face);
    RemovePropA(WND, property);
  }
}

}  // namespace hoverbutton
