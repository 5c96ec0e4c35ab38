#pragma once

#include <cstddef>

namespace vs::bench {

// Heap bytes in use, counted by this executable's malloc replacement; the
// decoders, libjpeg and giflib all allocate through malloc.
std::size_t HeapInUse();
// The highest HeapInUse() since the last ResetHeapPeak().
std::size_t HeapPeak();
void ResetHeapPeak();

}  // namespace vs::bench
