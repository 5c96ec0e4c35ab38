#pragma once

#include <string>

namespace vs::test {

// Mono 16-bit 44.1 kHz sine; `amplitude` is a fraction of full scale.
void WriteSineWav(const std::string& path, double seconds, double amplitude = 0.5);
// A format-0 MIDI file: a piano playing four short notes (half a second).
void WriteMidi(const std::string& path);
// The same sine as MP3; false when the tests were built without an encoder.
bool WriteSineMp3(const std::string& path, double seconds);

}  // namespace vs::test
