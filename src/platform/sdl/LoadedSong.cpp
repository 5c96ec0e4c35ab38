#include "platform/sdl/LoadedSong.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <filesystem>
#include <fstream>

#include "core/RuntimeFailure.h"
#include "core/Utf8Path.h"
#include "platform/sdl/NativeMidiBounds.h"

namespace vs {
namespace {

// Over an hour of CD-quality WAV; longer songs are read as they play.
constexpr std::uintmax_t kLongestHeldSong = std::uintmax_t{256} << 20;
constexpr std::size_t kReadChunk = std::size_t{256} << 10;

std::uintmax_t RegularFileSize(const std::string& path) {
  std::error_code error;
  std::filesystem::path name;
  try {
    name = PathOfUtf8(path);
  } catch (const std::filesystem::filesystem_error&) {
    throw RuntimeFailure("no such file (not a UTF-8 name)");  // Windows cannot name it
  }
  if (!std::filesystem::is_regular_file(name, error)) {
    throw RuntimeFailure("no such file (or not a regular file)");
  }
  const std::uintmax_t size = std::filesystem::file_size(name, error);
  if (error) throw RuntimeFailure(error.message());
  return size;
}

std::string ReadWhole(const std::string& path, std::uintmax_t size, const SignOfLife& alive) {
  std::ifstream in(PathOfUtf8(path), std::ios::binary);
  if (!in) throw RuntimeFailure("the file cannot be opened");
  std::string bytes(static_cast<std::size_t>(size), '\0');
  std::size_t done = 0;
  while (done < bytes.size() && in) {
    const std::size_t chunk = std::min(kReadChunk, bytes.size() - done);
    in.read(bytes.data() + done, static_cast<std::streamsize>(chunk));
    done += static_cast<std::size_t>(in.gcount());
    alive();
  }
  bytes.resize(done);
  return bytes;
}

// Only SDL_mixer's own MIDI reader needs the check; other MIDI players check files themselves.
bool WouldCrashTheMidiReader(std::string_view bytes) {
  if (!NativeMidiReaderReads(bytes.substr(0, kNativeMidiHeadBytes))) return false;
  // SDL_mixer lists its MIDI player only once that is opened, which it otherwise does at the
  // first load of a MIDI file.
  Mix_Init(MIX_INIT_MID);
  return Mix_HasMusicDecoder("NATIVEMIDI") && OverrunsNativeMidiReader(bytes);
}

}  // namespace

LoadedSong::LoadedSong(const std::string& path, const SignOfLife& alive) {
  const std::uintmax_t size = RegularFileSize(path);
  if (size > kLongestHeldSong) {
    music_ = Mix_LoadMUS(path.c_str());
  } else {
    bytes_ = ReadWhole(path, size, alive);
    if (WouldCrashTheMidiReader(bytes_)) throw RuntimeFailure("the MIDI file is damaged");
    music_ = Mix_LoadMUS_RW(SDL_RWFromConstMem(bytes_.data(), static_cast<int>(bytes_.size())), 1);
  }
  if (music_ == nullptr) throw RuntimeFailure(Mix_GetError());
}

LoadedSong::~LoadedSong() { Mix_FreeMusic(music_); }

}  // namespace vs
