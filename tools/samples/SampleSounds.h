#pragma once

#include <string>
#include <vector>

namespace vs::samples {

// Mono 16-bit 44.1 kHz sine; `amplitude` is a fraction of full scale.
void WriteSineWav(const std::string& path, double seconds, double amplitude = 0.5);
// The MIDI notes played one after another as sines, each `secondsPerNote` long.
void WriteTuneWav(const std::string& path, const std::vector<int>& notes, double secondsPerNote);
// A format-0 MIDI file: a piano playing `notes`, each `ticksPerNote` long
// (384 ticks are half a second).
void WriteMidi(const std::string& path, const std::vector<int>& notes = {60, 64, 67, 72},
               int ticksPerNote = 96);
// The same sine, and the same tune, as MP3.
void WriteSineMp3(const std::string& path, double seconds);
void WriteTuneMp3(const std::string& path, const std::vector<int>& notes, double secondsPerNote);

}  // namespace vs::samples
