#include "playback/AudioPlayback.h"

#include <exception>

#include "core/Extension.h"

namespace vs {

AudioPlayback::AudioPlayback(SaverWindow& window, Application& app, Support& support, Logfile& log)
    : window_(window), app_(app), support_(support), log_(log) {}

void AudioPlayback::Timer2_Timer() {
  Timer& timer2 = window_.Timer2();
  MediaPlayer& player = window_.MediaPlayer1();
  try {
    app_.DoEvents();
    timer2.SetEnabled(false);
    if (app_.GetInputState()) app_.End();
    if (player.PlayState() == MediaPlayer::kPlaying) {
      timer2.SetEnabled(true);
      timer2.SetInterval(kPlayingPoll);
      return;
    }
    timer2.SetInterval(kStartingPoll);
    const std::string& entry = support_.AudioFiles(AudioIndex);
    std::int32_t next = AudioIndex;
    if (!IsAudioEntry(entry)) {
      ++next;
    } else if (player.PlayState() != MediaPlayer::kPlaying) {
      app_.DoEvents();
      player.SetAutoStart(true);
      player.SetFileName(support_.AudioFiles(AudioIndex));
      player.Play();
      ++next;
    }
    app_.DoEvents();
    // In 32 bits, so the wrap also holds for the longest list.
    AudioIndex = static_cast<std::int16_t>(next == support_.AudioFiles.UBound() + 1 ? 0 : next);
    app_.DoEvents();
    timer2.SetEnabled(true);
  } catch (const std::exception& failure) {
    log_.WriteLog("Error out in audio object");
    log_.WriteLog(failure.what());
    log_.WriteLog(
        "Error to play audio. VostramelSaver will disable audio play back. Please check your "
        "audio setting");
    timer2.SetEnabled(false);
  }
}

}  // namespace vs
