#pragma once

#include <cstddef>

namespace vs {

// The Exif orientation (1-8) in the payload of an APP1 segment, which starts
// with "Exif\0\0"; 1 (upright) when the payload holds none or is malformed.
int ExifOrientation(const unsigned char* payload, std::size_t size);

}  // namespace vs
