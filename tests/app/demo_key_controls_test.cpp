// The frame-counted debounce of keys 1 and 2, as a table over frames: which keys are held on
// each frame, and which tree indexes show after each frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/demo.h"

namespace {

constexpr int kKey1 = '1';  // virtual-key codes of the main keyboard's digits
constexpr int kKey2 = '2';

void resetControls() {
  NUM1 = 0;
  NUM2 = 0;
  for (std::int32_t& t : TIMER) t = 0;
  for (std::int32_t& k : SETKEY) k = 0;
}

// Runs one OPENGL_KEYBOARD per frame. `key1` and `key2` say per frame whether the key is
// held ('#') or not ('.'); the result lists NUM1 (or NUM2) after each frame as digits.
std::string runFrames(const std::string& key1, const std::string& key2, std::string* num2 = nullptr) {
  std::string num1;
  const std::size_t frames = std::max(key1.size(), key2.size());
  for (std::size_t f = 0; f < frames; ++f) {
    SETKEY[kKey1] = f < key1.size() && key1[f] == '#' ? -1 : 0;
    SETKEY[kKey2] = f < key2.size() && key2[f] == '#' ? -1 : 0;
    OPENGL_KEYBOARD();
    num1 += static_cast<char>('0' + NUM1);
    if (num2) *num2 += static_cast<char>('0' + NUM2);
  }
  return num1;
}

struct DebounceCase {
  const char* name;
  const char* key1;
  const char* key2;
  const char* num1;
  const char* num2;
};

const DebounceCase kCases[] = {
    {"a tap seen on one frame", "#.........", "", "0000000000", "0000000000"},
    {"a tap seen on two frames", "##........", "", "0000000000", "0000000000"},
    {"taps of two frames never add up", "##.##.##.##.", "", "000000000000", "000000000000"},
    {"25 frames of key 1: 1 on frame 3, 2 on frame 13, 0 on frame 23",
     "#########################", "",  //
     "0011111111112222222222000", "0000000000000000000000000"},
    {"releasing starts the count afresh", "##.###", "", "000001", "000000"},
    {"both keys together step both at the same frames",
     "#########################", "#########################",
     "0011111111112222222222000", "0011111111112222222222333"},
    {"key 2 goes through all five fractal trees and back to the first",
     "", "###########################################",
     "0000000000000000000000000000000000000000000",
     "0011111111112222222222333333333344444444440"},
    {"the keys count independently", "#####", "..###", "00111", "00001"},
};

TEST(DemoKeyControls, DebounceOverFrames) {
  for (const DebounceCase& c : kCases) {
    SCOPED_TRACE(c.name);
    resetControls();
    std::string num2;
    EXPECT_EQ(runFrames(c.key1, c.key2, &num2), c.num1);
    EXPECT_EQ(num2, c.num2);
  }
  resetControls();
}

}  // namespace
