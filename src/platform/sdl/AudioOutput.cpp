#include "platform/sdl/AudioOutput.h"

#include <SDL.h>
#include <SDL_mixer.h>

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
