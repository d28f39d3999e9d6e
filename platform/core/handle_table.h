// 32-bit handles for the layer's objects.
//
// A handle packs a table tag (4 bits), a generation (8 bits) and a slot index (20 bits), so
// that 0 is never a handle, a handle of one table is never found in another, and a handle
// whose object was removed stays dead even after its slot is reused (until the generation
// wraps after 255 reuses of the same slot).
#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace platform {

enum class HandleTag : std::uint32_t {
  Window = 1,
  DeviceContext = 2,
  GlContext = 3,
  GdiObject = 4,
  Cursor = 5,
  Icon = 6,
  Global = 7,
  Instance = 8,
};

template <class T>
class HandleTable {
 public:
  explicit HandleTable(HandleTag tag) : tag_(static_cast<std::uint32_t>(tag)) {}

  std::uint32_t add(T value) {
    std::uint32_t index;
    if (!free_.empty()) {
      index = free_.back();
      free_.pop_back();
    } else {
      if (slots_.size() >= kMaxSlots) return 0;
      index = static_cast<std::uint32_t>(slots_.size());
      slots_.emplace_back();
    }
    Slot& s = slots_[index];
    s.generation = static_cast<std::uint8_t>(s.generation + 1);
    if (s.generation == 0) s.generation = 1;
    s.value.emplace(std::move(value));
    return (tag_ << 28) | (static_cast<std::uint32_t>(s.generation) << 20) | index;
  }

  T* find(std::uint32_t handle) {
    Slot* s = slot(handle);
    return s ? &*s->value : nullptr;
  }
  const T* find(std::uint32_t handle) const { return const_cast<HandleTable*>(this)->find(handle); }

  bool remove(std::uint32_t handle) {
    Slot* s = slot(handle);
    if (!s) return false;
    s->value.reset();
    free_.push_back(handle & kIndexMask);
    return true;
  }

  // Calls fn(handle, value) for every live object, in slot order.
  template <class Fn>
  void forEach(Fn&& fn) {
    for (std::uint32_t i = 0; i < slots_.size(); ++i) {
      if (slots_[i].value)
        fn((tag_ << 28) | (static_cast<std::uint32_t>(slots_[i].generation) << 20) | i, *slots_[i].value);
    }
  }

  // The first live object, in slot order, for which pred(handle, value) holds; 0 if none.
  template <class Pred>
  std::uint32_t findIf(Pred&& pred) {
    for (std::uint32_t i = 0; i < slots_.size(); ++i) {
      if (!slots_[i].value) continue;
      std::uint32_t h = (tag_ << 28) | (static_cast<std::uint32_t>(slots_[i].generation) << 20) | i;
      if (pred(h, *slots_[i].value)) return h;
    }
    return 0;
  }

  void clear() {
    for (std::uint32_t i = 0; i < slots_.size(); ++i) {
      if (slots_[i].value) {
        slots_[i].value.reset();
        free_.push_back(i);
      }
    }
  }

 private:
  static constexpr std::uint32_t kIndexMask = (1u << 20) - 1;
  static constexpr std::size_t kMaxSlots = kIndexMask;

  struct Slot {
    std::uint8_t generation = 0;
    std::optional<T> value;
  };

  Slot* slot(std::uint32_t handle) {
    if ((handle >> 28) != tag_) return nullptr;
    std::uint32_t index = handle & kIndexMask;
    if (index >= slots_.size()) return nullptr;
    Slot& s = slots_[index];
    if (!s.value || s.generation != ((handle >> 20) & 0xFF)) return nullptr;
    return &s;
  }

  std::uint32_t tag_;
  std::vector<Slot> slots_;
  std::vector<std::uint32_t> free_;
};

}  // namespace platform
