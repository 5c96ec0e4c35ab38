#include <gtest/gtest.h>

#include <string>

#include "platform/sdl/NativeMidiBounds.h"

namespace vs {
namespace {

std::string BigEndian(unsigned value, int bytes) {
  std::string out;
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  return out;
}

std::string Track(const std::string& events) {
  return "MTrk" + BigEndian(static_cast<unsigned>(events.size()), 4) + events;
}

std::string Midi(const std::string& tracks, unsigned count = 1) {
  return "MThd" + BigEndian(6, 4) + BigEndian(1, 2) + BigEndian(count, 2) + BigEndian(96, 2) +
         tracks;
}

std::string Bytes(std::initializer_list<int> bytes) {
  std::string out;
  for (int byte : bytes) out.push_back(static_cast<char>(byte));
  return out;
}

const std::string kNotes =
    Bytes({0x00, 0xC0, 0x00, 0x00, 0x90, 0x3C, 0x64, 0x60, 0x3C, 0x00, 0x00, 0xFF, 0x51,
           0x03, 0x07, 0xA1, 0x20, 0x00, 0xF0, 0x02, 0x7E, 0xF7, 0x00, 0xFF, 0x2F, 0x00});

TEST(NativeMidiBounds, IntactFilesAndFilesThatAreNoMidiPass) {
  const std::string intact = Midi(Track(kNotes) + Track(Bytes({0x00, 0xFF, 0x2F, 0x00})), 2);
  EXPECT_FALSE(OverrunsNativeMidiReader(intact));
  EXPECT_FALSE(OverrunsNativeMidiReader("RIFF" + BigEndian(0, 4) + "RMIDdata" +
                                        BigEndian(static_cast<unsigned>(intact.size()), 4) +
                                        intact));
  // Bytes after the end-of-track event are never read.
  EXPECT_FALSE(OverrunsNativeMidiReader(Midi(Track(kNotes + Bytes({0x00, 0xF0, 0x7F})))));
  for (const std::string& other :
       {std::string(), std::string("RIFF"), std::string("MTh"), std::string("RIFF....WAVEfmt "),
        "MThd" + BigEndian(7, 4) + std::string(7, '\0')}) {
    EXPECT_FALSE(OverrunsNativeMidiReader(other)) << other;
  }
  EXPECT_TRUE(NativeMidiReaderReads(intact.substr(0, kNativeMidiHeadBytes)));
  EXPECT_FALSE(NativeMidiReaderReads("RIFF....WAVEfmt "));
}

TEST(NativeMidiBounds, LengthsPastTheirTrackOrFileFail) {
  const std::string track = Track(kNotes);
  const struct {
    const char* what;
    std::string file;
  } damaged[] = {
      {"header cut short", Midi("").substr(0, 12)},
      {"fewer tracks than counted", Midi(track, 2)},
      {"track longer than the file", Midi(track.substr(0, track.size() - 1))},
      {"track size of 4 GiB", Midi("MTrk" + BigEndian(0xFFFFFFFF, 4) + kNotes)},
      {"system-exclusive data past the track",
       Midi(Track(Bytes({0x00, 0xF0, 0x8F, 0xFF, 0xFF, 0x7F, 0x00})))},
      {"meta event without its type", Midi(Track(Bytes({0x00, 0xFF})))},
      {"quantity without its last byte", Midi(Track(Bytes({0x00, 0xFF, 0x01, 0x81})))},
      {"quantity of five bytes",
       Midi(Track(Bytes({0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 0x3C, 0x64})))},
      {"note without its velocity", Midi(Track(Bytes({0x00, 0x90, 0x3C})))},
      {"running status without its second byte",
       Midi(Track(Bytes({0x00, 0x90, 0x3C, 0x64, 0x00, 0x3C})))},
      {"tempo of no bytes", Midi(Track(Bytes({0x00, 0xFF, 0x51, 0x00, 0x00, 0xFF, 0x2F, 0x00})))},
  };
  for (const auto& [what, file] : damaged) EXPECT_TRUE(OverrunsNativeMidiReader(file)) << what;
}

}  // namespace
}  // namespace vs
