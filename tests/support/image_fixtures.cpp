#include "tests/support/image_fixtures.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace fixtures {

namespace {

// One folder per test process, removed when the process ends.
struct TempFolder {
  std::filesystem::path path;
  TempFolder() {
    path = std::filesystem::temp_directory_path() / ("image-fixtures-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};

}  // namespace

std::string tempPath(const std::string& name) {
  static const TempFolder folder;
  return (folder.path / name).string();
}

std::string writeFile(const std::string& name, const Bytes& bytes) {
  const std::string path = tempPath(name);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path;
}

Bytes& operator+=(Bytes& bytes, const Bytes& more) {
  bytes.insert(bytes.end(), more.begin(), more.end());
  return bytes;
}

Bytes operator+(Bytes bytes, const Bytes& more) { return bytes += more; }

void putLe16(Bytes& bytes, std::size_t at, std::uint16_t value) {
  bytes.at(at) = static_cast<std::uint8_t>(value);
  bytes.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
}

void putLe32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  putLe16(bytes, at, static_cast<std::uint16_t>(value));
  putLe16(bytes, at + 2, static_cast<std::uint16_t>(value >> 16));
}

std::size_t bmpStride(std::size_t rowBytes) { return (rowBytes + 3) / 4 * 4; }

Bytes bmpFile(const BmpLayout& layout, const std::vector<Bytes>& rows) {
  const bool core = layout.infoSize == 12;
  const bool masksAfterHeader = layout.compression == BI_BITFIELDS && layout.infoSize == 40;
  Bytes file(14 + layout.infoSize + (masksAfterHeader ? 12 : 0), 0);
  file[0] = 'B';
  file[1] = 'M';
  putLe32(file, kBmpInfoSize, layout.infoSize);
  if (core) {
    putLe16(file, 18, static_cast<std::uint16_t>(layout.width));
    putLe16(file, 20, static_cast<std::uint16_t>(layout.height));
    putLe16(file, 22, 1);
    putLe16(file, 24, layout.bitsPerPixel);
  } else {
    putLe32(file, kBmpWidth, static_cast<std::uint32_t>(layout.width));
    putLe32(file, kBmpHeight, static_cast<std::uint32_t>(layout.height));
    putLe16(file, kBmpPlanes, 1);
    putLe16(file, kBmpBitCount, layout.bitsPerPixel);
    putLe32(file, kBmpCompression, layout.compression);
    putLe32(file, kBmpClrUsed, static_cast<std::uint32_t>(layout.colors.size()));
    if (layout.compression == BI_BITFIELDS)
      for (int i = 0; i < 3; ++i) putLe32(file, kBmpMasks + 4 * i, layout.masks[i]);
  }
  for (const RGBQUAD& c : layout.colors) {
    file.insert(file.end(), {c.rgbBlue, c.rgbGreen, c.rgbRed});
    if (!core) file.push_back(c.rgbReserved);
  }
  file.resize(file.size() + layout.gapBeforePixels, 0xEE);
  putLe32(file, kBmpOffBits, static_cast<std::uint32_t>(file.size()));
  for (const Bytes& row : rows) {
    Bytes padded = row;
    padded.resize(bmpStride(row.size()), 0);
    file += padded;
  }
  putLe32(file, 2, static_cast<std::uint32_t>(file.size()));
  return file;
}

Bytes tgaHeader(std::uint8_t imageType, std::uint16_t width, std::uint16_t height, std::uint8_t bits,
                std::uint8_t descriptor) {
  Bytes header(18, 0);
  header[2] = imageType;
  header[12] = static_cast<std::uint8_t>(width);
  header[13] = static_cast<std::uint8_t>(width >> 8);
  header[14] = static_cast<std::uint8_t>(height);
  header[15] = static_cast<std::uint8_t>(height >> 8);
  header[16] = bits;
  header[17] = descriptor;
  return header;
}

}  // namespace fixtures
