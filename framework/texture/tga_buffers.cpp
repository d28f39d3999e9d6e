#include "framework/texture/tga_buffers.h"

#include <cstdlib>

namespace {
TgaAllocator currentAllocator = nullptr;
}

void setTgaAllocator(TgaAllocator allocator) { currentAllocator = allocator; }

void* allocateTgaBuffer(std::size_t bytes) {
  return currentAllocator ? currentAllocator(bytes) : std::malloc(bytes);
}
