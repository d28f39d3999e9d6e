// ADDMIPMAPSTEXTURE: every mipmap level of the bound texture, built by GLU.
#include "framework/framework.h"

void ADDMIPMAPSTEXTURE(std::int32_t FORMAT, std::int32_t WIDTH, std::int32_t HEIGHT, const void* BITS) {
  if (FORMAT == 24)
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, WIDTH, HEIGHT, GL_RGB, GL_UNSIGNED_BYTE, BITS);
  else if (FORMAT == 32)
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGBA, WIDTH, HEIGHT, GL_BGRA, GL_UNSIGNED_BYTE, BITS);
}
