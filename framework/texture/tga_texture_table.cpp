// The TGA texture table: TEXTURELOADTGAID and TEXTURETGASELECTID.
#include <cstdlib>
#include <type_traits>

#include "framework/framework.h"
#include "framework/texture/file_exists.h"

static_assert(std::is_same_v<GLuint, std::uint32_t>, "TEXID is handed to glGenTextures");

TGATEXTURE TEXTURETGA2[201] = {};

void TEXTURELOADTGAID(const std::string& TGAFILE, std::int32_t NUM) {
  if (!textureFileExists(TGAFILE.c_str())) return;
  TGATEXTURE& slot = TEXTURETGA2[NUM];
  if (!LOADTGA(slot, TGAFILE)) return;

  glEnable(GL_TEXTURE_2D);
  glGenTextures(1, &slot.TEXID);
  glBindTexture(GL_TEXTURE_2D, slot.TEXID);
  // Decoded rows carry no fill bytes. Where a row is not a multiple of 4 bytes (24-bit images
  // whose width is not), the upload and the mipmaps read it with an alignment of 1, and the
  // alignment in force before is put back afterwards.
  const bool unalignedRows = (std::size_t{slot.WIDTH} * (slot.BPP / 8)) % 4 != 0;
  GLint savedAlignment = 4;
  if (unalignedRows) {
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &savedAlignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  }
  const auto width = static_cast<GLsizei>(slot.WIDTH);
  const auto height = static_cast<GLsizei>(slot.HEIGHT);
  glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(slot.BPP / 8), width, height, 0, slot.TYP,
               GL_UNSIGNED_BYTE, slot.IMAGEDATA);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_MIN_FILTER);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_MAG_FILTER);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  if (GL_MIN_FILTER == GL_LINEAR_MIPMAP_NEAREST || GL_MIN_FILTER == GL_LINEAR_MIPMAP_LINEAR) {
    if (slot.BPP == 24)
      ADDMIPMAPSTEXTURE(24, width, height, slot.IMAGEDATA);
    else
      gluBuild2DMipmaps(GL_TEXTURE_2D, 4, width, height, GL_RGBA, GL_UNSIGNED_BYTE, slot.IMAGEDATA);
  }
  if (unalignedRows) glPixelStorei(GL_UNPACK_ALIGNMENT, savedAlignment);
  std::free(slot.IMAGEDATA);
  slot.IMAGEDATA = nullptr;
}

void TEXTURETGASELECTID(std::int32_t NUM) { glBindTexture(GL_TEXTURE_2D, TEXTURETGA2[NUM].TEXID); }
