#include "formats/picture/JpegShortSource.h"

// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

namespace vs {

namespace {

// Files with more markers than this before the frame keep their own height.
constexpr int kMaxMarkersBeforeFrame = 1024;
constexpr std::size_t kBufferSize = 16384;

bool IsFrameHeader(unsigned code) {
  // SOF0-SOF15 less DHT (C4), JPG (C8) and DAC (CC).
  return code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
}

struct ShortSource {
  jpeg_source_mgr manager;
  std::FILE* stream;
  std::uint64_t position;  // file offset of the next byte read
  std::uint64_t heightAt;
  JOCTET claimed[2];
  JOCTET buffer[kBufferSize];
};

void StartSource(j_decompress_ptr) {}
void EndSource(j_decompress_ptr) {}

boolean FillBuffer(j_decompress_ptr info) {
  auto* source = reinterpret_cast<ShortSource*>(info->src);
  std::size_t got = std::fread(source->buffer, 1, kBufferSize, source->stream);
  if (got == 0) {
    // As the stdio source: warn, then end the picture.
    WARNMS(info, JWRN_JPEG_EOF);
    source->buffer[0] = 0xFF;
    source->buffer[1] = JPEG_EOI;
    got = 2;
  } else {
    for (std::uint64_t i = 0; i < 2; ++i) {
      const std::uint64_t at = source->heightAt + i;
      if (at >= source->position && at < source->position + got) {
        source->buffer[at - source->position] = source->claimed[i];
      }
    }
    source->position += got;
  }
  source->manager.next_input_byte = source->buffer;
  source->manager.bytes_in_buffer = got;
  return TRUE;
}

void SkipBytes(j_decompress_ptr info, long count) {
  jpeg_source_mgr& source = *info->src;
  if (count <= 0) return;
  while (count > static_cast<long>(source.bytes_in_buffer)) {
    count -= static_cast<long>(source.bytes_in_buffer);
    FillBuffer(info);
  }
  source.next_input_byte += count;
  source.bytes_in_buffer -= static_cast<std::size_t>(count);
}

}  // namespace

JpegFrameHeight FindJpegFrameHeight(const PictureFile& file) {
  std::uint64_t at = 2;  // after the start-of-image marker
  for (int markers = 0; markers < kMaxMarkersBeforeFrame; ++markers) {
    unsigned char bytes[7];
    if (file.ReadSomeAt(at, bytes, sizeof bytes) != sizeof bytes || bytes[0] != 0xFF) break;
    const unsigned code = bytes[1];
    if (code == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    if (IsFrameHeader(code)) return {at + 5, bytes[5] << 8 | bytes[6]};
    if (code == 0xDA || code == 0xD9) break;  // a scan or the end before any frame
    const bool withoutLength = code == 0x01 || (code >= 0xD0 && code <= 0xD7);
    at += withoutLength ? 2 : 2 + (static_cast<unsigned>(bytes[2]) << 8 | bytes[3]);
  }
  return {};
}

void UseShortSource(j_decompress_ptr info, std::FILE* stream, std::uint64_t heightAt,
                    int claimedHeight) {
  auto* source = static_cast<ShortSource*>((*info->mem->alloc_small)(
      reinterpret_cast<j_common_ptr>(info), JPOOL_PERMANENT, sizeof(ShortSource)));
  source->manager.init_source = StartSource;
  source->manager.fill_input_buffer = FillBuffer;
  source->manager.skip_input_data = SkipBytes;
  source->manager.resync_to_restart = jpeg_resync_to_restart;
  source->manager.term_source = EndSource;
  source->manager.bytes_in_buffer = 0;
  source->manager.next_input_byte = nullptr;
  source->stream = stream;
  source->position = 0;
  source->heightAt = heightAt;
  source->claimed[0] = static_cast<JOCTET>(claimedHeight >> 8);
  source->claimed[1] = static_cast<JOCTET>(claimedHeight);
  info->src = &source->manager;
}

}  // namespace vs
