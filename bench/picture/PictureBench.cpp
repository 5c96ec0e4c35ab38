// Decoding times and heap peaks for a 1920 x 1080 screen. The inputs are
// generated at start into a temporary directory, or into $VS_PICTURE_BENCH_DIR
// (kept, for decode_picture_once under callgrind).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>

#include "AllocationCounter.h"
#include "BenchInputs.h"
#include "formats/picture/DecodePicture.h"
#include "samples/SampleFiles.h"
#include "samples/SampleJpeg.h"

namespace vs::bench {
namespace {

constexpr double kFrameBytes = double{kScreenWidth} * kScreenHeight * 4;

// Runs `decode` per iteration and reports its heap peak above the heap in
// use before it, in screen frames of 1920 x 1080 x 4 bytes.
template <typename Decode>
void Measure(benchmark::State& state, Decode decode) {
  std::size_t worst = 0;
  for (auto _ : state) {
    const std::size_t before = HeapInUse();
    ResetHeapPeak();
    decode();
    worst = std::max(worst, HeapPeak() - before);
  }
  state.counters["peak_frames"] = static_cast<double>(worst) / kFrameBytes;
  state.counters["peak_MB"] = static_cast<double>(worst) / 1e6;
}

void DecodeForScreen(benchmark::State& state, const std::string& path) {
  Measure(state, [&] {
    DecodedPicture picture = DecodePictureFile(path, kScreenWidth, kScreenHeight);
    benchmark::DoNotOptimize(picture.pixels.data());
  });
}

// What a common viewer does: the whole picture into memory.
void DecodeWholeJpeg(benchmark::State& state, const std::string& path) {
  Measure(state, [&] {
    std::ifstream in(path, std::ios::binary);
    const samples::Bytes bytes{std::istreambuf_iterator<char>(in), {}};
    int width = 0, height = 0;
    const samples::Pixels pixels = samples::DecodeJpegFully(bytes, width, height);
    benchmark::DoNotOptimize(pixels.data());
  });
}

}  // namespace
}  // namespace vs::bench

int main(int argc, char** argv) {
  using namespace vs::bench;
  benchmark::Initialize(&argc, argv);
  std::unique_ptr<vs::samples::TempDir> temporary;
  std::string directory;
  if (const char* kept = std::getenv("VS_PICTURE_BENCH_DIR")) {
    directory = kept;
  } else {
    temporary = std::make_unique<vs::samples::TempDir>();
    directory = temporary->Path();
  }
  const BenchInputs inputs = WriteBenchInputs(directory);
  const std::pair<const char*, std::string> cases[] = {
      {"Jpeg_1920x1080_floor", inputs.screenJpeg},
      {"Jpeg_6000x4000", inputs.jpeg24},
      {"Jpeg_12000x8000", inputs.jpeg96},
      {"JpegProgressive_6000x4000", inputs.progressive24},
      {"JpegTurned3_6000x4000", inputs.jpeg24Turned3},
      {"JpegTurned6_6000x4000", inputs.jpeg24Turned6},
      {"JpegTurned8_6000x4000", inputs.jpeg24Turned8},
      {"JpegProgressiveTurned6_6000x4000", inputs.progressive24Turned6},
      {"Bmp24_6000x4000", inputs.bmp24},
      {"Gif_4000x3000", inputs.gif12}};
  for (const auto& [name, path] : cases) {
    benchmark::RegisterBenchmark(name, DecodeForScreen, path)->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark("JpegWholeDecode_6000x4000", DecodeWholeJpeg, inputs.jpeg24)
      ->Unit(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
