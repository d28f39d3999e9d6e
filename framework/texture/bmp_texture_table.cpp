// The BMP texture table: TEXTURELOADID and the switches around it.
#include "framework/framework.h"

GLuint TEXTUREID2[501] = {};
GLint GL_MIN_FILTER = GL_LINEAR;
GLint GL_MAG_FILTER = GL_LINEAR;

namespace {

bool buildsMipmaps(GLint minFilter) {
  return minFilter == GL_LINEAR_MIPMAP_NEAREST || minFilter == GL_LINEAR_MIPMAP_LINEAR;
}

// Turns a 24-bit bitmap's blue-green-red pixels into red-green-blue in place. Rows whose width
// in bytes is not a multiple of 4 end in fill bytes, so those bitmaps are exchanged row by row;
// otherwise the rows lie back to back and one pass covers them all.
void swapBitmapRows(const BITMAP& bm) {
  auto* bits = static_cast<std::uint8_t*>(bm.bmBits);
  if (bm.bmWidthBytes == bm.bmWidth * 3) {
    SWAPRGB(bits, bm.bmWidth * bm.bmHeight);
    return;
  }
  for (LONG row = 0; row < bm.bmHeight; ++row)
    SWAPRGB(bits + static_cast<std::size_t>(row) * static_cast<std::size_t>(bm.bmWidthBytes), bm.bmWidth);
}

}  // namespace

void TEXTURELOADID(const char* BMPFILE, std::int32_t NUM) {
  const std::int32_t FORMAT = GETBMPDEPTH(BMPFILE);
  const HBITMAP bitmap = LoadImageA(GetModuleHandleA(nullptr), BMPFILE, IMAGE_BITMAP, 0, 0,
                                    LR_LOADFROMFILE | LR_LOADTRANSPARENT | LR_CREATEDIBSECTION);
  BITMAP bm{};
  // Only a bitmap that really has the depth the headers announced is uploaded; a file the
  // platform cannot load leaves the slot with a texture name and no image, like a missing one.
  const bool usable = bitmap != 0 && GetObjectA(bitmap, sizeof bm, &bm) == static_cast<int>(sizeof bm) &&
                      bm.bmBits != nullptr && bm.bmBitsPixel == FORMAT && (FORMAT == 24 || FORMAT == 32);
  if (usable && FORMAT == 24) swapBitmapRows(bm);

  glEnable(GL_TEXTURE_2D);
  glGenTextures(1, &TEXTUREID2[NUM]);
  glBindTexture(GL_TEXTURE_2D, TEXTUREID2[NUM]);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_MIN_FILTER);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_MAG_FILTER);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  if (usable) {
    if (FORMAT == 24)
      glTexImage2D(GL_TEXTURE_2D, 0, 3, bm.bmWidth, bm.bmHeight, 0, GL_RGB, GL_UNSIGNED_BYTE, bm.bmBits);
    else
      glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, bm.bmWidth, bm.bmHeight, 0, GL_BGRA, GL_UNSIGNED_BYTE, bm.bmBits);
    if (buildsMipmaps(GL_MIN_FILTER)) ADDMIPMAPSTEXTURE(FORMAT, bm.bmWidth, bm.bmHeight, bm.bmBits);
  }
  if (bitmap != 0) DeleteObject(bitmap);
}

void TEXTURESELECTID(std::int32_t NUM) { glBindTexture(GL_TEXTURE_2D, TEXTUREID2[NUM]); }

void TEXTUREON() { glEnable(GL_TEXTURE_2D); }

void TEXTUREOFF() { glDisable(GL_TEXTURE_2D); }
