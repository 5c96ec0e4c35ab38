// The loader on the largest settings file, beside one plain read of it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include "platform/ini/IniProfile.h"
#include "platform/linux/posix/PosixFileSystem.h"
#include "samples/SampleFiles.h"
#include "settings/Logfile.h"
#include "settings/support.h"

namespace {

constexpr int kEntries = 32767;

struct LargeSettings {
  LargeSettings() {
    std::ofstream out(folder / "VostramelSaver.ini");
    out << "[VOSTRAMELSAVER]\nTOTAL_IMAGES_DISPLAY=" << kEntries << '\n';
    for (int i = 0; i < kEntries; ++i) {
      out << "IMAGES_FILE_" << i << "=/home/someone/Pictures/Holidays 2026/IMG_" << 100000 + i
          << ".JPG\n";
    }
    out << "TOTAL_AUDIOS_DISPLAY=" << kEntries << '\n';
    for (int i = 0; i < kEntries; ++i) {
      out << "AUDIOS_FILE_" << i << "=/home/someone/Music/Album " << i % 97 << "/Track " << i
          << ".mp3\n";
    }
    out << "TIMER=5000\n";
    out.close();
    // A file saved in an earlier session: the profile trusts its cached copy
    // of a file only once the last change is two seconds old.
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
  }

  vs::samples::TempDir folder;
};

const LargeSettings& Settings() {
  static const LargeSettings settings;
  return settings;
}

void BM_PlainReadOfTheFile(benchmark::State& state) {
  const std::string path = Settings().folder / "VostramelSaver.ini";
  for (auto _ : state) benchmark::DoNotOptimize(vs::samples::ReadFile(path).size());
}
BENCHMARK(BM_PlainReadOfTheFile)->Unit(benchmark::kMillisecond);

void BM_LoadIni(benchmark::State& state) {
  vs::PosixFileSystem files;
  vs::Logfile log(files, Settings().folder.Path());
  for (auto _ : state) {
    vs::IniProfile profile(Settings().folder.Path());  // fresh: the parse is part of the load
    vs::Support support(profile, log, Settings().folder.Path());
    support.LoadIni();
    if (support.ImageFiles.Count() != kEntries + 1 || support.AudioFiles.Count() != kEntries) {
      state.SkipWithError("the loader did not keep every entry");
    }
  }
}
BENCHMARK(BM_LoadIni)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
