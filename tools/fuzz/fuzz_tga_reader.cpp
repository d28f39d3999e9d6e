// Fuzzes LOADTGA on whole files: whatever the bytes, the reader must either fail with one
// message and nothing left allocated or open, or decode exactly WIDTH x HEIGHT x BPP/8 bytes.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "framework/framework.h"
#include "framework/texture/tga_buffers.h"
#include "platform/test_seams.h"
#include "tools/fuzz/fuzz_file.h"

namespace {

int messagesShown = 0;

int answerQuietly(LPCSTR, LPCSTR, UINT) {
  ++messagesShown;
  return IDOK;
}

// Headers may announce up to 2^31 - 1 bytes. No input of the fuzzer's few kilobytes can fill
// more than 1 MiB of pixels, so larger allocations are refused: that takes the reader down its
// out-of-memory path and keeps each run fast.
void* limitedAllocate(std::size_t bytes) { return bytes > (std::size_t{1} << 20) ? nullptr : std::malloc(bytes); }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  platform::seams::setMessageBoxAnswer(&answerQuietly);
  setTgaAllocator(&limitedAllocate);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& path = writeFuzzInput(data, size, ".tga");
  TGATEXTURE texture{};
  messagesShown = 0;
  const bool loaded = LOADTGA(texture, path);
  if (FTGA != nullptr) std::abort();  // the file is closed on every path
  if (!loaded) {
    if (messagesShown != 1 || texture.IMAGEDATA != nullptr) std::abort();
    return 0;
  }
  if (messagesShown != 0 || texture.IMAGEDATA == nullptr) std::abort();
  const std::size_t bytes = std::size_t{texture.WIDTH} * texture.HEIGHT * (texture.BPP / 8);
  // Copying the whole buffer lets the sanitizer check that it really is that long.
  const std::vector<std::uint8_t> copy(texture.IMAGEDATA, texture.IMAGEDATA + bytes);
  std::free(texture.IMAGEDATA);
  if (copy.size() != bytes) std::abort();
  return 0;
}
