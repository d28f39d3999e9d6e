// Where the TGA reader gets its image and pixel buffers. Both are released with std::free.
//
// Tests and the fuzz target put in an allocator that fails on demand, to reach the reader's
// out-of-memory paths (a 2^31-byte image cannot be made to fail reliably otherwise); it must
// hand out memory that std::free accepts. Null puts std::malloc back.
#pragma once

#include <cstddef>

using TgaAllocator = void* (*)(std::size_t bytes);
void setTgaAllocator(TgaAllocator allocator);

void* allocateTgaBuffer(std::size_t bytes);
