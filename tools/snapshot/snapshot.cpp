// Headless snapshot of the demo: starts the real demo (window layer, message pump, frame) on
// SDL's offscreen driver, feeds it scripted input through the window's message queue, and
// writes the last frame as a PNG.
//
//   snapshot [--frames N] [--out FILE] [--data DIR] [--hold KEY:FROM:TO]...
//            [--drag left|right:FROM:TO:X0,Y0:X1,Y1]...
//
// KEY is one digit or capital letter (its virtual-key code) or a decimal virtual-key code.
// FROM and TO count loop passes from 0. Texture files are read from DIR (default: the
// current folder).
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <string>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "app/demo.h"
#include "app/headless_run.h"

namespace {

struct Options {
  int frames = 30;
  std::string out = "snapshot.png";
  std::string data = ".";
  demo::InputScript input;
};

int usage(const char* why) {
  std::fprintf(stderr,
               "snapshot: %s\n"
               "usage: snapshot [--frames N] [--out FILE] [--data DIR] [--hold KEY:FROM:TO]...\n"
               "                [--drag left|right:FROM:TO:X0,Y0:X1,Y1]...\n",
               why);
  return 2;
}

// Reads a whole decimal number in [lo, hi].
bool parseInt(const std::string& text, int lo, int hi, int& out) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || v < lo || v > hi) return false;
  out = static_cast<int>(v);
  return true;
}

std::vector<std::string> split(const std::string& text, char sep) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = text.find(sep, start);
    parts.push_back(text.substr(start, at - start));
    if (at == std::string::npos) return parts;
    start = at + 1;
  }
}

constexpr int kMaxPass = 10'000'000;

bool parseKey(const std::string& text, int& vk) {
  if (text.size() == 1 && ((text[0] >= '0' && text[0] <= '9') || (text[0] >= 'A' && text[0] <= 'Z'))) {
    vk = text[0];
    return true;
  }
  return parseInt(text, 1, 255, vk);
}

bool parsePoint(const std::string& text, POINT& p) {
  const auto xy = split(text, ',');
  int x = 0, y = 0;
  if (xy.size() != 2 || !parseInt(xy[0], 0, 0xFFFF, x) || !parseInt(xy[1], 0, 0xFFFF, y)) return false;
  p = {x, y};
  return true;
}

bool parseHold(const std::string& text, demo::InputScript& input) {
  const auto f = split(text, ':');
  int vk = 0, from = 0, to = 0;
  if (f.size() != 3 || !parseKey(f[0], vk) || !parseInt(f[1], 0, kMaxPass, from) ||
      !parseInt(f[2], from + 1, kMaxPass, to))
    return false;
  input.holdKey(vk, from, to);
  return true;
}

bool parseDrag(const std::string& text, demo::InputScript& input) {
  const auto f = split(text, ':');
  int from = 0, to = 0;
  POINT start{}, end{};
  if (f.size() != 5 || (f[0] != "left" && f[0] != "right") || !parseInt(f[1], 0, kMaxPass, from) ||
      !parseInt(f[2], from + 2, kMaxPass, to) || !parsePoint(f[3], start) || !parsePoint(f[4], end))
    return false;
  input.drag(f[0] == "left" ? demo::Button::Left : demo::Button::Right, start, end, from, to);
  return true;
}

// Returns 0 when the options are good, else the usage exit code.
int parseOptions(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    if (i + 1 >= argc) return usage(("missing value after " + flag).c_str());
    const std::string value = argv[++i];
    bool ok = false;
    if (flag == "--frames") ok = parseInt(value, 1, kMaxPass, o.frames);
    else if (flag == "--out") ok = !value.empty() && (o.out = value, true);
    else if (flag == "--data") ok = !value.empty() && (o.data = value, true);
    else if (flag == "--hold") ok = parseHold(value, o.input);
    else if (flag == "--drag") ok = parseDrag(value, o.input);
    else return usage(("unknown option " + flag).c_str());
    if (!ok) return usage(("bad value for " + flag + ": " + value).c_str());
  }
  return 0;
}

std::vector<std::uint8_t> gFrame;
demo::FrameSize gFrameSize;
void keepFrame() { gFrameSize = demo::readBackBuffer(gFrame); }

bool writePng(const std::string& path, demo::FrameSize size, const std::vector<std::uint8_t>& rgba) {
  if (size.width <= 0 || size.height <= 0 ||
      rgba.size() != static_cast<std::size_t>(size.width) * size.height * 4)
    return false;
  // The window's alpha is whatever the clear left; a picture wants it opaque.
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(size.width) * size.height * 3);
  for (std::size_t i = 0, j = 0; j < rgb.size(); i += 4, j += 3) std::memcpy(&rgb[j], &rgba[i], 3);
  stbi_flip_vertically_on_write(1);  // GL rows are bottom-up
  return stbi_write_png(path.c_str(), size.width, size.height, 3, rgb.data(), size.width * 3) != 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (int bad = parseOptions(argc, argv, o)) return bad;
  // The PNG path is taken from where the program was started, before moving to the data.
  std::error_code error;
  const std::filesystem::path out = std::filesystem::absolute(o.out, error);
  if (error || chdir(o.data.c_str()) != 0) {
    std::fprintf(stderr, "snapshot: cannot use %s or enter %s\n", o.out.c_str(), o.data.c_str());
    return 1;
  }
  setenv("SDL_VIDEODRIVER", "offscreen", 0);

  demo::startWindowed();
  for (int pass = 0; pass < o.frames; ++pass) {
    o.input.postDue(pass);
    const bool last = pass + 1 == o.frames;
    demo::runLoopPass(last ? keepFrame : nullptr);
    if (!ACTIVE && !last) {
      std::fprintf(stderr, "snapshot: the demo ended on pass %d, before the last frame\n", pass);
      DELETEOGLWINDOW();
      return 1;
    }
  }
  DELETEOGLWINDOW();
  if (!writePng(out.string(), gFrameSize, gFrame)) {
    std::fprintf(stderr, "snapshot: cannot write %s\n", out.string().c_str());
    return 1;
  }
  std::printf("snapshot: %d passes, %dx%d frame written to %s\n", o.frames, gFrameSize.width,
              gFrameSize.height,
              out.string().c_str());
  return 0;
}
