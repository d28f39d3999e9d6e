#include "framework/texture/file_exists.h"

#include <filesystem>

bool textureFileExists(const char* name) {
  if (name == nullptr || *name == '\0') return false;
  std::error_code error;
  const auto status = std::filesystem::status(name, error);
  return !error && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}
