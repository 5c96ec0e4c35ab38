#include "platform/sdl/NativeMidiBounds.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace vs {
namespace {

constexpr std::size_t kRiffSkip = 20;  // "RIFF", its size, "RMID", "data" and its size
static_assert(kRiffSkip + 4 == kNativeMidiHeadBytes);
constexpr std::uint8_t kMeta = 0xFF;
constexpr std::uint8_t kEndOfTrack = 0x2F;
constexpr std::uint8_t kTempo = 0x51;
constexpr std::uint32_t kTempoBytes = 3;

// Reads forward through bytes that must lie within the text given.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  bool AtEnd() const { return at_ >= bytes_.size(); }
  std::optional<std::uint8_t> Byte() {
    if (AtEnd()) return std::nullopt;
    return static_cast<std::uint8_t>(bytes_[at_++]);
  }
  std::optional<std::uint32_t> BigEndian(int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
      const std::optional<std::uint8_t> byte = Byte();
      if (!byte) return std::nullopt;
      value = value << 8 | *byte;
    }
    return value;
  }
  // A variable-length quantity: at most four bytes of seven bits, the last without the high bit.
  std::optional<std::uint32_t> Quantity() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const std::optional<std::uint8_t> byte = Byte();
      if (!byte) return std::nullopt;
      value = value << 7 | (*byte & 0x7Fu);
      if ((*byte & 0x80u) == 0) return value;
    }
    return std::nullopt;
  }
  std::optional<std::string_view> Take(std::size_t count) {
    if (count > bytes_.size() - at_) return std::nullopt;
    const std::string_view taken = bytes_.substr(at_, count);
    at_ += count;
    return taken;
  }
  bool Skip(std::size_t count) { return Take(count).has_value(); }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

// Walks a track the way the reader does, up to its end-of-track event or its last byte.
bool TrackInBounds(std::string_view track) {
  Reader in(track);
  std::uint8_t status = 0;
  while (!in.AtEnd()) {
    std::optional<std::uint8_t> event;
    if (!in.Quantity() || !(event = in.Byte())) return false;
    if (*event >= 0xF0) {
      // Meta and system-exclusive events: a type for meta events, then a length and data.
      std::optional<std::uint8_t> type = 0;
      if (*event == kMeta && !(type = in.Byte())) return false;
      const std::optional<std::uint32_t> length = in.Quantity();
      if (!length || !in.Skip(*length)) return false;
      if (*event == kMeta && *type == kTempo && *length < kTempoBytes) return false;
      if (*event == kMeta && *type == kEndOfTrack) return true;
      continue;
    }
    // A channel event; without a status byte it reuses the last one (running status).
    if (*event & 0x80u) {
      status = *event >> 4;
      if (!in.Byte()) return false;
    }
    const bool twoDataBytes =
        status == 0x8 || status == 0x9 || status == 0xA || status == 0xB || status == 0xE;
    if (twoDataBytes && !in.Byte()) return false;
  }
  return true;
}

// Where the reader looks for "MThd": a RIFF wrapper ("RMID") is passed over unread.
std::size_t MagicOffset(std::string_view file) {
  return file.substr(0, 4) == "RIFF" ? kRiffSkip : 0;
}

}  // namespace

bool NativeMidiReaderReads(std::string_view head) {
  const std::size_t at = MagicOffset(head);
  return head.size() >= at && head.substr(at, 4) == "MThd";
}

bool OverrunsNativeMidiReader(std::string_view file) {
  if (!NativeMidiReaderReads(file)) return false;
  Reader in(file);
  in.Skip(MagicOffset(file) + 4);
  // A header cut short leaves the reader with values it never read.
  const std::optional<std::uint32_t> headerSize = in.BigEndian(4);
  if (!headerSize) return true;
  if (*headerSize != 6) return false;
  const std::optional<std::uint32_t> format = in.BigEndian(2);
  if (!format) return true;
  if (*format > 1) return false;
  const std::optional<std::uint32_t> tracks = in.BigEndian(2);
  if (!tracks || !in.Skip(2)) return true;
  for (std::uint32_t i = 0; i < *tracks; ++i) {
    std::optional<std::uint32_t> size;
    std::optional<std::string_view> track;
    if (!in.Skip(4) || !(size = in.BigEndian(4)) || !(track = in.Take(*size))) return true;
    if (!TrackInBounds(*track)) return true;
  }
  return false;
}

}  // namespace vs
