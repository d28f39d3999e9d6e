// Decoding speed of our texture readers against stb_image, on the same 2048 x 2048 files:
// TGA uncompressed and run-length encoded at 24 and 32 bits, BMP at 24 and 32 bits.
//
// Both sides start from a file (in the page cache after the first pass) and end with pixels
// ready for GL: ours are LOADTGA (red-green-blue(-alpha) buffer) and, for BMP, LoadImageA with
// the framework's red-blue exchange of 24-bit rows (32-bit rows go to GL as they are, in
// blue-green-red-alpha order); stb_image's is stbi_load with the file's own channel count.
// The files are stored top row first, so that stb_image has no rows to flip either.
// Prints the median time of each over the same number of alternating runs, and the ratio
// stb_image / ours (above 1 means ours is faster).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "framework/framework.h"
#include "tools/image_writer/image_writer.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-but-set-variable"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_TGA
#define STBI_ONLY_BMP
#include <stb_image.h>
#pragma GCC diagnostic pop

namespace {

using image_writer::Bytes;
constexpr int kSide = 2048;
constexpr int kRuns = 25;

// A picture with the mix a foliage or bark texture has: flat patches (long runs) between
// patches of fine detail (raw packets), and an alpha channel that is 0 on the flat parts.
Bytes makePicture(int channels) {
  Bytes pixels(static_cast<std::size_t>(kSide) * kSide * channels);
  std::uint32_t state = 12345;
  std::size_t i = 0;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const bool flat = ((x / 24) + (y / 24)) % 3 == 0;
      state = state * 1664525u + 1013904223u;
      const std::uint8_t noise = static_cast<std::uint8_t>(state >> 24);
      const std::uint8_t rgba[4] = {flat ? std::uint8_t{40} : noise, flat ? std::uint8_t{90} : static_cast<std::uint8_t>(noise / 2 + 60),
                                    flat ? std::uint8_t{30} : static_cast<std::uint8_t>(x + y),
                                    flat ? std::uint8_t{0} : std::uint8_t{255}};
      for (int c = 0; c < channels; ++c) pixels[i++] = rgba[c];
    }
  }
  return pixels;
}

// A run-length encoded TGA (type 10), top row first: runs of 2 to 128 equal pixels become run
// packets, everything else raw packets of up to 128 pixels; packets cross row ends.
Bytes encodeRleTga(int channels, const Bytes& pixels) {
  Bytes file(18, 0);
  file[2] = 10;
  file[12] = kSide & 0xFF, file[13] = kSide >> 8, file[14] = kSide & 0xFF, file[15] = kSide >> 8;
  file[16] = static_cast<std::uint8_t>(channels * 8);
  file[17] = static_cast<std::uint8_t>(0x20 | (channels == 4 ? 8 : 0));
  const std::size_t count = static_cast<std::size_t>(kSide) * kSide;
  auto same = [&](std::size_t a, std::size_t b) {
    return std::equal(&pixels[a * channels], &pixels[a * channels] + channels, &pixels[b * channels]);
  };
  auto put = [&](std::size_t p) {
    const std::uint8_t* px = &pixels[p * channels];
    file.insert(file.end(), {px[2], px[1], px[0]});
    if (channels == 4) file.push_back(px[3]);
  };
  for (std::size_t p = 0; p < count;) {
    std::size_t run = 1;
    while (p + run < count && run < 128 && same(p, p + run)) ++run;
    if (run >= 2) {
      file.push_back(static_cast<std::uint8_t>(127 + run));
      put(p);
      p += run;
      continue;
    }
    std::size_t raw = 1;
    while (p + raw < count && raw < 128 && !(p + raw + 1 < count && same(p + raw, p + raw + 1))) ++raw;
    file.push_back(static_cast<std::uint8_t>(raw - 1));
    for (std::size_t k = 0; k < raw; ++k) put(p + k);
    p += raw;
  }
  return file;
}

void ourTga(const std::string& path) {
  TGATEXTURE texture{};
  if (!LOADTGA(texture, path)) std::abort();
  std::free(texture.IMAGEDATA);
}

void ourBmp(const std::string& path) {
  const HBITMAP bitmap = LoadImageA(0, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  BITMAP bm{};
  if (bitmap == 0 || GetObjectA(bitmap, sizeof bm, &bm) == 0) std::abort();
  if (bm.bmBitsPixel == 24) {
    auto* rows = static_cast<std::uint8_t*>(bm.bmBits);
    for (LONG y = 0; y < bm.bmHeight; ++y) SWAPRGB(rows + static_cast<std::size_t>(y) * bm.bmWidthBytes, bm.bmWidth);
  }
  DeleteObject(bitmap);
}

void stbLoad(const std::string& path) {
  int w = 0, h = 0, n = 0;
  stbi_uc* pixels = stbi_load(path.c_str(), &w, &h, &n, 0);
  if (pixels == nullptr || w != kSide || h != kSide) std::abort();
  stbi_image_free(pixels);
}

double seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main() {
  const auto folder = std::filesystem::temp_directory_path() / "texture-decode-bench";
  std::filesystem::create_directories(folder);
  const Bytes rgb = makePicture(3), rgba = makePicture(4);

  struct Case {
    const char* name;
    Bytes file;
    void (*ours)(const std::string&);
  };
  const Case cases[] = {
      {"TGA raw 24", image_writer::encodeTga(kSide, kSide, 3, rgb.data(), {.topLeftOrigin = true}), ourTga},
      {"TGA raw 32", image_writer::encodeTga(kSide, kSide, 4, rgba.data(), {.topLeftOrigin = true}), ourTga},
      {"TGA RLE 24", encodeRleTga(3, rgb), ourTga},
      {"TGA RLE 32", encodeRleTga(4, rgba), ourTga},
      {"BMP 24", image_writer::encodeBmp(kSide, kSide, 3, rgb.data(), {.topDown = true}), ourBmp},
      {"BMP 32", image_writer::encodeBmp(kSide, kSide, 4, rgba.data(), {.topDown = true}), ourBmp},
  };

  std::printf("%-12s %10s %12s %12s %8s\n", "image", "file MiB", "ours ms", "stb ms", "stb/ours");
  bool allFaster = true;
  for (const Case& c : cases) {
    const std::string path = (folder / (std::string(c.name) + ".img")).string();
    if (!image_writer::writeFile(path, c.file)) return 1;
    c.ours(path);  // warm the page cache and both readers once
    stbLoad(path);
    std::vector<double> ours, stb;
    for (int run = 0; run < kRuns; ++run) {
      ours.push_back(seconds([&] { c.ours(path); }));
      stb.push_back(seconds([&] { stbLoad(path); }));
    }
    const double ratio = median(stb) / median(ours);
    allFaster = allFaster && ratio >= 1.0;
    std::printf("%-12s %10.1f %12.2f %12.2f %8.2f\n", c.name, c.file.size() / 1048576.0, median(ours) * 1e3,
                median(stb) * 1e3, ratio);
    std::filesystem::remove(path);
  }
  std::filesystem::remove(folder);
  std::printf(allFaster ? "ours at least as fast as stb_image on every image\n"
                        : "stb_image faster on at least one image\n");
  return 0;
}
