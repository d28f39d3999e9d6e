// LoadImageA for bitmaps read from BMP files.
//
// Every bitmap loaded this way is a DIB section in the file's own depth and row order, with or
// without LR_CREATEDIBSECTION; LR_LOADTRANSPARENT is accepted and leaves the colour table as
// the file has it. Resource images (no LR_LOADFROMFILE), icons and cursors are not loaded, and
// neither is a bitmap asked for at a size other than the file's: the layer does not stretch.
#include "platform/gdi/bmp_file_loader.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/win32.h"

HANDLE LoadImageA(HINSTANCE /*instance*/, LPCSTR name, UINT type, int width, int height, UINT flags) {
  if (type != IMAGE_BITMAP || (flags & LR_LOADFROMFILE) == 0) return 0;
  if (name == nullptr || IS_INTRESOURCE(name)) return 0;
  auto bitmap = platform::gdi::loadBmpFile(name);
  if (!bitmap) return 0;
  if ((width != 0 && width != bitmap->width) || (height != 0 && height != bitmap->height)) return 0;
  return platform::gdi::addObject(std::move(*bitmap));
}
