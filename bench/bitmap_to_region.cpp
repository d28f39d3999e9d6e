// BITMAPTOREGION on square 24-bit pictures of 1024, 2048 and 4096 pixels a side, each row
// holding runs of 5 to 11 opaque pixels between 5 to 11 magenta ones, shifted from row to
// row so that rows never merge: about a million runs (rectangles) at 4096. The whole call
// is timed: loading the file, the copy to 32 bits, the scan and the region pieces.
//
// Prints megapixels per second for each size and the time ratio between the 4096 and 2048
// sizes, which stays near 4 (four times the pixels and runs) when the cost grows with the
// pixels and not with their square.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "framework/framework.h"
#include "tools/image_writer/image_writer.h"

namespace {

struct Picture {
  std::string path;
  long runs = 0;
};

void paint(std::uint8_t* px, bool opaque) {
  px[0] = opaque ? 40 : 255;
  px[1] = opaque ? 120 : 0;
  px[2] = opaque ? 200 : 255;
}

// Each row starts with a magenta gap of 0 to 7 pixels, then alternates opaque runs and
// magenta gaps of 5 to 11 pixels each.
Picture writePicture(int side) {
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(side) * side * 3);
  std::mt19937 random(static_cast<unsigned>(side));
  Picture p;
  p.path = "/tmp/bench_bitmap_to_region_" + std::to_string(side) + ".bmp";
  for (int y = 0; y < side; ++y) {
    std::uint8_t* row = &rgb[static_cast<std::size_t>(y) * side * 3];
    int x = 0;
    for (int gap = static_cast<int>(random() % 8); x < gap; ++x) paint(row + 3 * x, false);
    while (x < side) {
      int run = 5 + static_cast<int>(random() % 7), gap = 5 + static_cast<int>(random() % 7);
      for (int end = std::min(side, x + run); x < end; ++x) paint(row + 3 * x, true);
      ++p.runs;
      for (int end = std::min(side, x + gap); x < end; ++x) paint(row + 3 * x, false);
    }
  }
  image_writer::writeFile(p.path, image_writer::encodeBmp(side, side, 3, rgb.data()));
  return p;
}

std::map<int, Picture> pictures;

const Picture& pictureOf(int side) {
  auto it = pictures.find(side);
  if (it == pictures.end()) it = pictures.emplace(side, writePicture(side)).first;
  return it->second;
}

void BM_BitmapToRegion(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  const Picture& picture = pictureOf(side);
  long rectangles = 0;
  for (auto _ : state) {
    HRGN region = BITMAPTOREGION(picture.path, 0x00FF00FF, 1);
    rectangles = GetRegionData(region, 0, nullptr) / 16 - 2;
    DeleteObject(region);
    if (region == 0) state.SkipWithError("no region");
  }
  const double pixels = static_cast<double>(side) * side;
  state.counters["Mpixels/s"] = benchmark::Counter(pixels / 1e6, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["runs"] = static_cast<double>(picture.runs);
  state.counters["rects"] = static_cast<double>(rectangles);
}
BENCHMARK(BM_BitmapToRegion)->Arg(1024)->Arg(2048)->Arg(4096)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Keeps each run's time per iteration so that the sizes can be compared at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs)
      if (!r.error_occurred) times[r.run_name.args] = {r.GetAdjustedCPUTime(), r.GetAdjustedRealTime()};
    ConsoleReporter::ReportRuns(runs);
  }
  struct Times {
    double cpu, real;
  };
  std::map<std::string, Times> times;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  // CPU time is the steadier figure on a shared machine; wall time is shown beside it.
  auto& t = reporter.times;
  if (t.count("2048") && t.count("4096")) {
    std::printf("time ratio 4096 / 2048: %.2f CPU, %.2f wall (4 = linear in pixels, 16 = quadratic)\n",
                t["4096"].cpu / t["2048"].cpu, t["4096"].real / t["2048"].real);
  }
  for (const auto& entry : pictures) std::remove(entry.second.path.c_str());
  return 0;
}
