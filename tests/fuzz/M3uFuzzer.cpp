// The input is up to four lists separated by form feeds, written as lists
// that can name each other beside a few playable files and a folder.
#include <filesystem>
#include <string>
#include <string_view>

#include "core/Extension.h"
#include "formats/m3u/M3uPlaylist.h"
#include "fuzz/FuzzCheck.h"
#include "samples/SampleFiles.h"

namespace {

using vs::fuzz::Require;

const char* const kLists[] = {"top.m3u", "two.m3u", "Four.M3U", "sub/three.m3u8"};

const vs::samples::TempDir& Folder() {
  static const vs::samples::TempDir folder;
  static const bool filled = [] {
    folder.AddDirectory("sub");
    folder.AddDirectory("folder.m3u");
    for (const char* name : {"song.mp3", "tune.OGG", "sub/deep.wav", "sub/with space.mid"}) {
      folder.Write(name, {});
    }
    return true;
  }();
  (void)filled;
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const vs::samples::TempDir& folder = Folder();
  std::string_view input(reinterpret_cast<const char*>(data), size);
  for (const char* name : kLists) {
    const std::size_t end = std::min(input.find('\f'), input.size());
    vs::samples::WriteText(folder / name, std::string(input.substr(0, end)));
    input.remove_prefix(std::min(end + 1, input.size()));
  }
  const auto files = vs::ExpandPlaylist(folder / kLists[0]);
  Require(files.size() <= vs::kMaxPlaylistEntries, "the number of files is bounded");
  for (const std::string& file : files) {
    std::error_code error;
    Require(std::filesystem::is_regular_file(file, error), "only existing files are collected");
    Require(!vs::IsPlaylistPath(file), "lists are expanded, not collected");
  }
  return 0;
}
