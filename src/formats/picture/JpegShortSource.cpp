#include "formats/picture/JpegShortSource.h"

// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

namespace vs {

namespace {

constexpr std::size_t kBufferSize = 16384;

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
