#pragma once

#include <cstdint>
#include <string>

namespace vs {

// The media player control. Each call that fails throws RuntimeFailure.
class MediaPlayer {
 public:
  static constexpr std::int32_t kPlaying = 2;

  virtual ~MediaPlayer() = default;

  // kPlaying while a file plays, another value once it has stopped. Never
  // starts or stops anything.
  virtual std::int32_t PlayState() = 0;
  virtual void SetAutoStart(bool autoStart) = 0;
  // With auto-start on, opens the file and starts it.
  virtual void SetFileName(const std::string& path) = 0;
  // Starts the current file.
  virtual void Play() = 0;
};

}  // namespace vs
