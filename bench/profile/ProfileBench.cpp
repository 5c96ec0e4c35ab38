// The settings file at its largest, read and written key by key the way the
// settings loader and the configuration dialog do, each beside one plain read
// of the same file.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/ini/IniProfile.h"
#include "samples/SampleFiles.h"

namespace vs {
namespace {

constexpr const char* kFile = "VostramelSaver.ini";
constexpr const char* kSection = "VOSTRAMELSAVER";
constexpr int kEntries = 32767;
constexpr std::size_t kPathBuffer = 4097;

std::string PathOf(const char* kind, int i) {
  return std::string("/home/someone/Media/") + kind + "/holiday 2024/file_" + std::to_string(i) +
         (kind[0] == 'P' ? ".jpg" : ".mp3");
}

void WriteSettings(IniProfile& profile) {
  profile.WritePrivateProfileString(kSection, "TOTAL_IMAGES_DISPLAY", std::to_string(kEntries),
                                    kFile);
  for (int i = 0; i < kEntries; ++i) {
    profile.WritePrivateProfileString(kSection, "IMAGES_FILE_" + std::to_string(i),
                                      PathOf("Pictures", i), kFile);
  }
  profile.WritePrivateProfileString(kSection, "TOTAL_AUDIOS_DISPLAY", std::to_string(kEntries),
                                    kFile);
  for (int i = 0; i < kEntries; ++i) {
    profile.WritePrivateProfileString(kSection, "AUDIOS_FILE_" + std::to_string(i),
                                      PathOf("Music", i), kFile);
  }
  profile.WritePrivateProfileString(kSection, "TIMER", "5000", kFile);
  profile.Commit();
}

std::size_t ReadSettings(IniProfile& profile) {
  std::size_t bytes = 0;
  auto read = [&](const std::string& key, const char* defaultValue, std::size_t buffer) {
    bytes += profile.GetPrivateProfileString(kSection, key, defaultValue, buffer, kFile).size();
  };
  read("TOTAL_IMAGES_DISPLAY", "", 7);
  for (int i = 0; i < kEntries; ++i) read("IMAGES_FILE_" + std::to_string(i), "0", kPathBuffer);
  read("TOTAL_AUDIOS_DISPLAY", "", 7);
  for (int i = 0; i < kEntries; ++i) read("AUDIOS_FILE_" + std::to_string(i), "0", kPathBuffer);
  read("TIMER", "5000", 10);
  return bytes;
}

// A folder holding the full settings file for the life of the process.
class Fixture {
 public:
  Fixture() {
    IniProfile profile(folder_.Path());
    WriteSettings(profile);
    // A file saved in an earlier session: the profile trusts its cached copy
    // of a file only once the last change is two seconds old.
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
  }
  const std::string& Directory() const { return folder_.Path(); }

 private:
  samples::TempDir folder_;
};

// Peak resident memory of the process so far; the benchmarks run largest last.
void ReportPeakMemory(benchmark::State& state) {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

const Fixture& Settings() {
  static const Fixture fixture;
  return fixture;
}

void BM_PlainReadOfFile(benchmark::State& state) {
  const std::string path = Settings().Directory() + "/" + kFile;
  for (auto _ : state) {
    std::string content;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    char buffer[65536];
    for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;) {
      content.append(buffer, static_cast<std::size_t>(got));
    }
    close(fd);
    benchmark::DoNotOptimize(content);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(std::filesystem::file_size(path)));
  ReportPeakMemory(state);
}
BENCHMARK(BM_PlainReadOfFile)->Unit(benchmark::kMillisecond);

void BM_LoaderReadsAllKeys(benchmark::State& state) {
  const std::string& directory = Settings().Directory();
  for (auto _ : state) {
    IniProfile profile(directory);  // fresh, so the parse is measured too
    benchmark::DoNotOptimize(ReadSettings(profile));
  }
  ReportPeakMemory(state);
}
BENCHMARK(BM_LoaderReadsAllKeys)->Unit(benchmark::kMillisecond);

void BM_DialogWritesAllKeysAndCommits(benchmark::State& state) {
  const std::string directory = Settings().Directory() + "/write";
  for (auto _ : state) {
    std::filesystem::remove_all(directory);
    IniProfile profile(directory);
    WriteSettings(profile);
  }
  ReportPeakMemory(state);
}
BENCHMARK(BM_DialogWritesAllKeysAndCommits)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vs
