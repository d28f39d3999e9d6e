// Reads back what GL holds for the texture bound to GL_TEXTURE_2D.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

struct TextureLevel {
  GLint width = 0;
  GLint height = 0;
  GLint internalFormat = 0;
};

inline TextureLevel boundLevel(GLint level = 0) {
  TextureLevel out;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &out.width);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &out.height);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_INTERNAL_FORMAT, &out.internalFormat);
  return out;
}

inline GLint boundParameter(GLenum name) {
  GLint value = 0;
  glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
  return value;
}

inline GLint boundTexture() {
  GLint name = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
  return name;
}

inline GLint integerState(GLenum name) {
  GLint value = 0;
  glGetIntegerv(name, &value);
  return value;
}

// The pixels of one level in `format` (GL_RGB or GL_RGBA), rows packed without padding,
// first row at t = 0.
inline std::vector<std::uint8_t> boundPixels(GLenum format, GLint level = 0) {
  const TextureLevel l = boundLevel(level);
  const int components = format == GL_RGBA ? 4 : 3;
  std::vector<std::uint8_t> out(static_cast<std::size_t>(l.width) * l.height * components);
  GLint savedAlignment = integerState(GL_PACK_ALIGNMENT);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, level, format, GL_UNSIGNED_BYTE, out.data());
  glPixelStorei(GL_PACK_ALIGNMENT, savedAlignment);
  return out;
}

// The bound texture was made under the default filters: linear both ways, repeat wrapping in
// both directions, and no mipmap levels.
inline void expectDefaultSampling() {
  EXPECT_EQ(boundParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
  EXPECT_EQ(boundParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
  EXPECT_EQ(boundParameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
  EXPECT_EQ(boundParameter(GL_TEXTURE_WRAP_T), GL_REPEAT);
  EXPECT_EQ(boundLevel(1).width, 0);
}
