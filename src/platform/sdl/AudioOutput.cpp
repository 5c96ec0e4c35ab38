#include "platform/sdl/AudioOutput.h"

#include <SDL.h>
#include <SDL_mixer.h>

#ifdef __linux__
#include <dlfcn.h>
#endif

#include <filesystem>
#include <string>

#include "core/RuntimeFailure.h"

namespace vs {
namespace {

constexpr int kChunkFrames = 2048;

// FluidSynth would otherwise load FluidR3_GM (140 MB) for every MIDI file; Debian's small
// General MIDI font loads in a blink. SDL_SOUNDFONTS still wins when the user sets it.
void ChooseSoundFont() {
  if (SDL_getenv("SDL_SOUNDFONTS") != nullptr) return;
  for (const char* font :
       {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"}) {
    std::error_code error;
    if (std::filesystem::is_regular_file(font, error)) {
      Mix_SetSoundFonts(font);
      return;
    }
  }
}

#ifdef __linux__
void DropAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// ALSA's library writes every failed look for a device to stderr ("ALSA lib
// confmisc.c:855:(parse_card) cannot find card '0'" and more on a machine
// without a sound card), where only this program's lines belong: its error
// hook drops them. Reached through the loader, as SDL reaches it, so the
// program does not link ALSA itself; the library stays loaded for SDL.
void SilenceAlsa() {
  static void* const alsa = dlopen("libasound.so.2", RTLD_LAZY);
  if (alsa == nullptr) return;
  using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
  const auto setHandler =
      reinterpret_cast<int (*)(Handler)>(dlsym(alsa, "snd_lib_error_set_handler"));
  if (setHandler != nullptr) setHandler(&DropAlsaMessage);
}
#else
void SilenceAlsa() {}
#endif

bool TryOpen() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, MIX_DEFAULT_CHANNELS,
                    kChunkFrames) == 0) {
    return true;
  }
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  return false;
}

}  // namespace

AudioOutput::~AudioOutput() { Close(); }

void AudioOutput::Close() {
  if (!open_) return;
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  open_ = false;
}

void AudioOutput::Open() {
  if (open_) return;
  ChooseSoundFont();
  SilenceAlsa();
  if (!TryOpen()) {
    const std::string reason = SDL_GetError();
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    const bool opened = TryOpen();
    // The driver is chosen at open; a later player in this process tries the real device again.
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    if (!opened) {
      throw RuntimeFailure("Cannot open an audio device: " + reason + "; " + SDL_GetError());
    }
  }
  open_ = true;
}

}  // namespace vs
