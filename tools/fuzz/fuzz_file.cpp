#include "tools/fuzz/fuzz_file.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

const std::string& writeFuzzInput(const std::uint8_t* data, std::size_t size, const char* suffix) {
  static const std::string path = [suffix] {
    const std::filesystem::path folder =
        std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path();
    return (folder / ("fuzz-input-" + std::to_string(::getpid()) + suffix)).string();
  }();
  static const bool removedAtExit = [] {
    std::atexit([] { std::remove(path.c_str()); });
    return true;
  }();
  (void)removedAtExit;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) std::abort();
  if (size != 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);
  return path;
}
