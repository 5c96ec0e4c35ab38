#pragma once

// clang-format off
#include <cstdint>
#include <cstdio>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>
// clang-format on

namespace vs {

// Reads `stream` as libjpeg's stdio source does, but shows `claimedHeight` as
// the frame's height, whose two bytes are at file offset `heightAt`. Every scan codes its rows from
// the top, so libjpeg then decodes only the top rows of each scan and skips the rest of the scan's
// data as bytes before the next marker. Allocated in libjpeg's pool; may
// leave through the error handler.
void UseShortSource(j_decompress_ptr info, std::FILE* stream, std::uint64_t heightAt,
                    int claimedHeight);

}  // namespace vs
