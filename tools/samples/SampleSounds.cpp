#include "samples/SampleSounds.h"

#include <lame/lame.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <vector>

#include "core/Utf8Path.h"

namespace vs::samples {
namespace {

constexpr int kRate = 44100;

void AppendTone(std::vector<std::int16_t>& samples, double frequency, double seconds,
                double amplitude) {
  const double kPi = 3.14159265358979323846;
  const auto count = static_cast<std::size_t>(seconds * kRate);
  for (std::size_t i = 0; i < count; ++i) {
    samples.push_back(static_cast<std::int16_t>(std::lround(
        amplitude * 32767.0 * std::sin(2.0 * kPi * frequency * static_cast<double>(i) / kRate))));
  }
}

std::vector<std::int16_t> Sine(double seconds, double amplitude) {
  std::vector<std::int16_t> samples;
  AppendTone(samples, 440.0, seconds, amplitude);
  return samples;
}

void PutLittle(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void PutBig(std::string& out, std::uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A MIDI delta time: seven bits a byte, most significant first.
std::string VariableLength(int value) {
  std::string bytes(1, static_cast<char>(value & 0x7F));
  for (value >>= 7; value > 0; value >>= 7) {
    bytes.insert(bytes.begin(), static_cast<char>(0x80 | (value & 0x7F)));
  }
  return bytes;
}

void WriteWav(const std::string& path, const std::vector<std::int16_t>& samples) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::string out = "RIFF";
  PutLittle(out, 36 + dataBytes, 4);
  out += "WAVEfmt ";
  PutLittle(out, 16, 4);
  PutLittle(out, 1, 2);  // PCM
  PutLittle(out, 1, 2);  // mono
  PutLittle(out, kRate, 4);
  PutLittle(out, kRate * 2, 4);
  PutLittle(out, 2, 2);
  PutLittle(out, 16, 2);
  out += "data";
  PutLittle(out, dataBytes, 4);
  for (std::int16_t sample : samples) PutLittle(out, static_cast<std::uint16_t>(sample), 2);
  std::ofstream(PathOfUtf8(path), std::ios::binary) << out;
}

void WriteMp3(const std::string& path, std::vector<std::int16_t> samples) {
  lame_global_flags* lame = lame_init();
  lame_set_num_channels(lame, 1);
  lame_set_in_samplerate(lame, kRate);
  lame_set_mode(lame, MONO);
  lame_set_brate(lame, 64);
  lame_init_params(lame);
  const auto count = static_cast<int>(samples.size());
  std::vector<unsigned char> mp3(samples.size() * 5 / 4 + 7200 + 7200);
  int size = lame_encode_buffer(lame, samples.data(), samples.data(), count, mp3.data(),
                                static_cast<int>(mp3.size()));
  size += lame_encode_flush(lame, mp3.data() + size, static_cast<int>(mp3.size()) - size);
  lame_close(lame);
  std::ofstream(PathOfUtf8(path), std::ios::binary)
      .write(reinterpret_cast<const char*>(mp3.data()), static_cast<std::streamsize>(size));
}

std::vector<std::int16_t> Tune(const std::vector<int>& notes, double secondsPerNote) {
  std::vector<std::int16_t> samples;
  for (int note : notes) {
    AppendTone(samples, 440.0 * std::pow(2.0, (note - 69) / 12.0), secondsPerNote, 0.4);
  }
  return samples;
}

}  // namespace

void WriteSineWav(const std::string& path, double seconds, double amplitude) {
  WriteWav(path, Sine(seconds, amplitude));
}

void WriteTuneWav(const std::string& path, const std::vector<int>& notes, double secondsPerNote) {
  WriteWav(path, Tune(notes, secondsPerNote));
}

void WriteMidi(const std::string& path, const std::vector<int>& notes, int ticksPerNote) {
  std::string track;
  track += std::string("\x00\xC0\x00", 3);  // piano
  for (int note : notes) {
    track += std::string("\x00\x90", 2) + static_cast<char>(note) + '\x64';
    track += VariableLength(ticksPerNote) + '\x80' + static_cast<char>(note) + '\x40';
  }
  track += std::string("\x00\xFF\x2F\x00", 4);
  std::string out = "MThd";
  PutBig(out, 6, 4);
  PutBig(out, 0, 2);    // format 0
  PutBig(out, 1, 2);    // one track
  PutBig(out, 384, 2);  // ticks per quarter note at 120 bpm: 96 ticks = 0.125 s
  out += "MTrk";
  PutBig(out, static_cast<std::uint32_t>(track.size()), 4);
  out += track;
  std::ofstream(PathOfUtf8(path), std::ios::binary) << out;
}

void WriteSineMp3(const std::string& path, double seconds) { WriteMp3(path, Sine(seconds, 0.5)); }

void WriteTuneMp3(const std::string& path, const std::vector<int>& notes, double secondsPerNote) {
  WriteMp3(path, Tune(notes, secondsPerNote));
}

}  // namespace vs::samples
