// The TGA reader: LOADTGA and its two body readers.
//
// Whatever the file holds, nothing is written outside the image buffer: every packet is cut
// at the pixels the image has left, and the byte size is checked before anything is allocated.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "framework/framework.h"
#include "framework/texture/red_blue_swap.h"
#include "framework/texture/tga_buffers.h"

TTGAHEADER TGAHEADER = {};
TTGA TGA = {};
std::FILE* FTGA = nullptr;
const GLubyte UTGACOMPARE[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
const GLubyte CTGACOMPARE[12] = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0};

namespace {

// FTGA is read through this buffer. The run-length decoder asks for one packet header or one
// pixel at a time, and a trip to stdio for each would cost more than the decoding itself.
class TgaReadBuffer {
 public:
  void reset() { begin_ = end_ = 0; }

  // Copies up to `count` bytes of FTGA into `out`; returns how many there were.
  std::size_t read(void* out, std::size_t count) {
    auto* dst = static_cast<std::uint8_t*>(out);
    std::size_t done = std::min(count, end_ - begin_);
    std::memcpy(dst, data_ + begin_, done);
    begin_ += done;
    while (done < count) {
      const std::size_t left = count - done;
      if (left >= sizeof data_) return done + std::fread(dst + done, 1, left, FTGA);  // big blocks go straight in
      if (!refill()) return done;
      const std::size_t take = std::min(left, end_);
      std::memcpy(dst + done, data_, take);
      begin_ = take;
      done += take;
    }
    return done;
  }

  // The next byte, or -1 at the end of the file.
  int readByte() {
    if (begin_ == end_ && !refill()) return -1;
    return data_[begin_++];
  }

 private:
  bool refill() {
    begin_ = 0;
    end_ = std::fread(data_, 1, sizeof data_, FTGA);
    return end_ != 0;
  }

  std::uint8_t data_[64 * 1024];
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
};

TgaReadBuffer readBuffer;

constexpr std::uint64_t kLargestImageBytes = (std::uint64_t{1} << 31) - 1;

bool fail(const char* text, const char* caption = "ERROR") {
  MessageBoxA(0, text, caption, MB_OK);
  return false;
}

void closeTga() {
  if (FTGA != nullptr) std::fclose(FTGA);
  FTGA = nullptr;
  readBuffer.reset();
}

void freeImage(TGATEXTURE& texture) {
  std::free(texture.IMAGEDATA);
  texture.IMAGEDATA = nullptr;
}

void swapRedBlue(std::uint8_t* pixels, std::size_t count, std::size_t bytesPerPixel) {
  if (bytesPerPixel == 3)
    swapRedBlue3(pixels, count);
  else
    swapRedBlue4(pixels, count);
}

// Writes `count` copies of the blue-green-red(-alpha) pixel `color` as red-green-blue(-alpha).
void fillRun(std::uint8_t* out, const std::uint8_t* color, std::size_t count, std::size_t bytesPerPixel) {
  if (bytesPerPixel == 4) {
    const std::uint8_t pixel[4] = {color[2], color[1], color[0], color[3]};
    for (std::size_t i = 0; i < count; ++i) std::memcpy(out + 4 * i, pixel, 4);
  } else {
    for (std::size_t i = 0; i < count; ++i, out += 3) {
      out[0] = color[2];
      out[1] = color[1];
      out[2] = color[0];
    }
  }
}

// The image description (file bytes 12 to 17: size, depth, descriptor) and the image buffer,
// shared by both body readers. Shows the message and returns false on failure; nothing is
// allocated then.
bool readImageDescription(TGATEXTURE& texture) {
  if (readBuffer.read(TGA.HEADER, sizeof TGA.HEADER) < sizeof TGA.HEADER) return fail("Could not read info header");
  texture.WIDTH = TGA.HEADER[1] * 256u + TGA.HEADER[0];
  texture.HEIGHT = TGA.HEADER[3] * 256u + TGA.HEADER[2];
  texture.BPP = TGA.HEADER[4];
  TGA.WIDTH = texture.WIDTH;
  TGA.HEIGH = texture.HEIGHT;
  TGA.BPP = texture.BPP;
  if (texture.WIDTH == 0 || texture.HEIGHT == 0 || (texture.BPP != 24 && texture.BPP != 32))
    return fail("Invalid texture information");
  texture.TYP = texture.BPP == 24 ? GL_RGB : GL_RGBA;
  TGA.BYTESPERPIXEL = texture.BPP / 8;
  // 65535 x 65535 x 4 bytes does not fit the 32-bit size field: anything from 2^31 bytes on is
  // refused before an allocation is even tried.
  const std::uint64_t imageBytes = std::uint64_t{TGA.BYTESPERPIXEL} * texture.WIDTH * texture.HEIGHT;
  if (imageBytes > kLargestImageBytes) return fail("Could not allocate memory for image");
  TGA.IMAGESIZE = static_cast<std::uint32_t>(imageBytes);
  texture.IMAGEDATA = static_cast<GLubyte*>(allocateTgaBuffer(TGA.IMAGESIZE));
  if (texture.IMAGEDATA == nullptr) return fail("Could not allocate memory for image");
  return true;
}

}  // namespace

bool LOADTGA(TGATEXTURE& TEXTURE, const std::string& FILENAME) {
  closeTga();
  FTGA = std::fopen(FILENAME.substr(0, 255).c_str(), "rb");
  if (FTGA == nullptr) return fail("Could not open texture file");
  if (readBuffer.read(TGAHEADER.HEADER, sizeof TGAHEADER.HEADER) < sizeof TGAHEADER.HEADER) {
    fail("Could not read file header");
    closeTga();
    return false;
  }
  bool loaded;
  if (std::memcmp(TGAHEADER.HEADER, UTGACOMPARE, sizeof UTGACOMPARE) == 0)
    loaded = LOADUNCOMPRESSEDTGA(TEXTURE, FILENAME);
  else if (std::memcmp(TGAHEADER.HEADER, CTGACOMPARE, sizeof CTGACOMPARE) == 0)
    loaded = LOADCOMPRESSEDTGA(TEXTURE, FILENAME);
  else
    loaded = fail("TGA file be type 2 or type 10", "Invalid Image");
  if (!loaded) closeTga();
  return loaded;
}

bool LOADUNCOMPRESSEDTGA(TGATEXTURE& TEXTURE, const std::string& /*FILENAME*/) {
  if (!readImageDescription(TEXTURE)) return false;
  if (readBuffer.read(TEXTURE.IMAGEDATA, TGA.IMAGESIZE) < TGA.IMAGESIZE) {
    fail("Could not read image data");
    freeImage(TEXTURE);
    return false;
  }
  swapRedBlue(TEXTURE.IMAGEDATA, std::size_t{TEXTURE.WIDTH} * TEXTURE.HEIGHT, TGA.BYTESPERPIXEL);
  closeTga();
  return true;
}

bool LOADCOMPRESSEDTGA(TGATEXTURE& TEXTURE, const std::string& /*FILENAME*/) {
  if (!readImageDescription(TEXTURE)) return false;
  const std::size_t bytesPerPixel = TGA.BYTESPERPIXEL;
  const std::size_t pixelCount = std::size_t{TEXTURE.HEIGHT} * TEXTURE.WIDTH;
  std::size_t currentPixel = 0;
  auto* colorBuffer = static_cast<std::uint8_t*>(allocateTgaBuffer(bytesPerPixel));
  if (colorBuffer == nullptr) {
    fail("Could not allocate memory for color buffer");
    freeImage(TEXTURE);
    return false;
  }
  auto failDecoding = [&](const char* text) {
    fail(text);
    std::free(colorBuffer);
    freeImage(TEXTURE);
    return false;
  };

  do {
    const int chunkHeader = readBuffer.readByte();
    if (chunkHeader < 0) return failDecoding("Could not read RLE header");
    const std::size_t left = pixelCount - currentPixel;
    std::uint8_t* out = TEXTURE.IMAGEDATA + currentPixel * bytesPerPixel;
    if (chunkHeader < 128) {
      // Raw packet: the pixels that fit are read straight into the image and exchanged there.
      const std::size_t count = static_cast<std::size_t>(chunkHeader) + 1;
      const std::size_t fit = std::min(count, left);
      if (readBuffer.read(out, fit * bytesPerPixel) < fit * bytesPerPixel)
        return failDecoding("Could not read image data");
      swapRedBlue(out, fit, bytesPerPixel);
      currentPixel += fit;
      if (count > fit) {
        // One pixel too many: it is read before it is found to have no place.
        if (readBuffer.read(colorBuffer, bytesPerPixel) < bytesPerPixel)
          return failDecoding("Could not read image data");
        return failDecoding("Too many pixels read");
      }
    } else {
      // Run packet: one pixel standing for 1 to 128 equal pixels.
      if (readBuffer.read(colorBuffer, bytesPerPixel) < bytesPerPixel)
        return failDecoding("Could not read from file");
      const std::size_t count = static_cast<std::size_t>(chunkHeader) - 127;
      const std::size_t fit = std::min(count, left);
      fillRun(out, colorBuffer, fit, bytesPerPixel);
      currentPixel += fit;
      if (count > fit) return failDecoding("Too many pixels read");
    }
  } while (currentPixel != pixelCount);

  std::free(colorBuffer);
  closeTga();
  return true;
}
