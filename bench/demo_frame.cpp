// The demo's real frame, headless at 800 by 600, against a bare loop of clear, one message
// and swap; checks that the frame allocates nothing on the heap and that resident memory
// does not grow over 10,000 frames; and times the start-up up to the first frame.
//
// SDL's offscreen driver neither shows nor waits at a buffer swap, so every measured pass
// ends with glFinish, the wait for the finished picture that a swap to a real display
// implies. Prints its figures and ends with exit code 1 when a check fails.
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "app/demo.h"
#include "app/headless_run.h"

// ---------------------------------------------------------------- counting allocator
// Every C++ heap allocation of the process goes through these; the loops below read the
// count before and after.
namespace {
std::atomic<long> gAllocations{0};
}

void* operator new(std::size_t size) {
  gAllocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  gAllocations.fetch_add(1, std::memory_order_relaxed);
  return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Resident set size in KiB, from /proc/self/statm.
long residentKiB() {
  std::FILE* f = std::fopen("/proc/self/statm", "r");
  if (!f) return -1;
  long pages = 0, resident = 0;
  const int got = std::fscanf(f, "%ld %ld", &pages, &resident);
  std::fclose(f);
  return got == 2 ? resident * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

void demoPass() {
  demo::runLoopPass();
  glFinish();
}

void bareLoopPass() {
  glClear(GL_COLOR_BUFFER_BIT);
  SETGLMSG();
  SwapBuffers(DCWINDOW);
  glFinish();
}

void frameOnly() {
  OPENGL_DRAW();
  glFinish();
}

constexpr int kWarmUp = 200;
constexpr int kFrames = 10'000;
constexpr int kFrameOnly = 500;
constexpr int kSamples = 10;  // resident memory is read every kFrames / kSamples passes
// Growth allowed over the second half of the run, once the driver's caches have settled.
constexpr long kAllowedGrowthKiB = 256;

struct Run {
  double seconds;
  long allocations;
  long resident[kSamples + 1];  // before the first pass, then after each tenth
};

Run measure(void (*pass)(), int count) {
  Run run{};
  run.resident[0] = residentKiB();
  const long allocationsBefore = gAllocations.load();
  const auto t = Clock::now();
  for (int s = 1; s <= kSamples; ++s) {
    for (int i = 0; i < count / kSamples; ++i) pass();
    run.resident[s] = residentKiB();
  }
  run.seconds = secondsSince(t);
  run.allocations = gAllocations.load() - allocationsBefore;
  return run;
}

}  // namespace

int main() {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);

  // Start-up: window and GL state, then textures and the eleven tree lists, then the first
  // frame drawn and finished.
  const auto start = Clock::now();
  demo::openWindow();
  glFinish();
  const double windowSeconds = secondsSince(start);
  auto t = Clock::now();
  OPENGL_CREATELIST();
  glFinish();
  const double sceneSeconds = secondsSince(t);
  demoPass();
  const double toFirstFrame = secondsSince(start);

  for (int i = 0; i < kWarmUp; ++i) demoPass();

  const Run demoRun = measure(demoPass, kFrames);
  const Run frameRun = measure(frameOnly, kFrameOnly);
  const Run bareRun = measure(bareLoopPass, kFrames);

  // The texture loads alone, timed again after the runs (into fresh texture names).
  t = Clock::now();
  OPENGL_TEXTURE();
  glFinish();
  const double textureSeconds = secondsSince(t);

  const double demoFps = kFrames / demoRun.seconds;
  const double bareFps = kFrames / bareRun.seconds;
  const demo::FrameSize size = demo::clientSize();
  std::printf("demo loop pass (800x600 viewport, %dx%d client): %9.1f frames/s\n", size.width,
              size.height, demoFps);
  std::printf("bare loop pass (clear, one message, swap):      %9.1f frames/s\n", bareFps);
  std::printf("time of a demo pass / time of a bare pass:      %9.1f\n", bareFps / demoFps);
  std::printf("start-up to the first frame: %.3f s (window and GL state %.3f s, textures and the\n"
              "  eleven lists %.3f s, of which texture loads %.3f s; first frame %.3f s)\n",
              toFirstFrame, windowSeconds, sceneSeconds, textureSeconds,
              toFirstFrame - windowSeconds - sceneSeconds);
  std::printf("heap allocations: %ld in %d OPENGL_DRAW calls, %ld in %d demo passes, %ld in %d bare passes\n",
              frameRun.allocations, kFrameOnly, demoRun.allocations, kFrames, bareRun.allocations, kFrames);
  std::printf("resident memory (KiB) every %d demo passes:", kFrames / kSamples);
  for (long kib : demoRun.resident) std::printf(" %ld", kib);
  const long firstHalf = demoRun.resident[kSamples / 2] - demoRun.resident[0];
  const long secondHalf = demoRun.resident[kSamples] - demoRun.resident[kSamples / 2];
  std::printf("\n  growth over the first half %+ld KiB, over the second half %+ld KiB\n", firstHalf,
              secondHalf);

  DELETEOGLWINDOW();
  bool ok = true;
  if (frameRun.allocations != 0 || demoRun.allocations != 0) {
    std::printf("FAIL: a loop pass allocates on the heap\n");
    ok = false;
  }
  if (demoRun.resident[0] < 0 || secondHalf > kAllowedGrowthKiB) {
    std::printf("FAIL: resident memory grows\n");
    ok = false;
  }
  return ok ? 0 : 1;
}
