// Movable global memory: blocks behind handles, locked to get their address.
//
// Every block is movable here (a handle is 32 bits and cannot be the address itself), so
// GMEM_FIXED blocks differ only in name. A block may move when it is reallocated while
// unlocked, or while locked if the caller allows it with GMEM_MOVEABLE; it keeps its
// contents up to the smaller of the old and new sizes, and new bytes are zero.
#include <cstdint>
#include <new>
#include <vector>

#include "platform/core/handle_table.h"
#include "platform/test_seams.h"
#include "platform/win32.h"

namespace {

// Larger requests fail, as they would in the original's 32-bit address space.
constexpr std::size_t kMaxBlock = std::size_t{1} << 30;
std::size_t blockLimit = kMaxBlock;  // lowered by tests to make allocations fail

struct Block {
  std::vector<std::uint8_t> bytes;
  int locks = 0;
};

platform::HandleTable<Block>& blocks() {
  static platform::HandleTable<Block> t(platform::HandleTag::Global);
  return t;
}

bool resize(Block& b, std::size_t size) {
  if (size > blockLimit) return false;
  try {
    b.bytes.resize(size, 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

}  // namespace

void platform::seams::setGlobalMemoryLimit(std::size_t bytes) { blockLimit = bytes ? bytes : kMaxBlock; }

HGLOBAL GlobalAlloc(UINT /*flags*/, std::size_t bytes) {
  Block b;
  if (!resize(b, bytes)) return 0;
  return blocks().add(std::move(b));
}

// Returns the block's handle (unchanged), or 0 when it cannot be resized; the block then
// keeps its old size and contents.
HGLOBAL GlobalReAlloc(HGLOBAL block, std::size_t bytes, UINT flags) {
  Block* b = blocks().find(block);
  if (!b) return 0;
  bool mayMove = b->locks == 0 || (flags & GMEM_MOVEABLE) != 0;
  if (!mayMove && bytes > b->bytes.capacity()) return 0;
  return resize(*b, bytes) ? block : 0;
}

// The block's address, counting one more lock; null for a bad handle or an empty block.
LPVOID GlobalLock(HGLOBAL block) {
  Block* b = blocks().find(block);
  if (!b || b->bytes.empty()) return nullptr;
  ++b->locks;
  return b->bytes.data();
}

// TRUE while the block is still locked after this call, FALSE once it is not (or for a
// bad handle or a block that was not locked).
BOOL GlobalUnlock(HGLOBAL block) {
  Block* b = blocks().find(block);
  if (!b || b->locks == 0) return FALSE;
  --b->locks;
  return b->locks > 0 ? TRUE : FALSE;
}

// 0 when freed; the handle itself when it names no block.
HGLOBAL GlobalFree(HGLOBAL block) { return blocks().remove(block) ? 0 : block; }

std::size_t GlobalSize(HGLOBAL block) {
  Block* b = blocks().find(block);
  return b ? b->bytes.size() : 0;
}
