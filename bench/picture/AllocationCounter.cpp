#include "AllocationCounter.h"

#include <malloc.h>

#include <atomic>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* pointer);
}

namespace {

std::atomic<std::size_t> inUse{0};
std::atomic<std::size_t> peak{0};

void* Counted(void* pointer) {
  if (pointer != nullptr) {
    const std::size_t now = inUse += malloc_usable_size(pointer);
    std::size_t high = peak.load();
    while (now > high && !peak.compare_exchange_weak(high, now)) {
    }
  }
  return pointer;
}

void Uncount(void* pointer) {
  if (pointer != nullptr) inUse -= malloc_usable_size(pointer);
}

}  // namespace

extern "C" {

void* malloc(std::size_t size) { return Counted(__libc_malloc(size)); }
void* calloc(std::size_t count, std::size_t size) { return Counted(__libc_calloc(count, size)); }
void free(void* pointer) {
  Uncount(pointer);
  __libc_free(pointer);
}
void* realloc(void* pointer, std::size_t size) {
  Uncount(pointer);
  void* moved = __libc_realloc(pointer, size);
  if (moved == nullptr && size != 0) {
    Counted(pointer);  // the old block stays
    return nullptr;
  }
  return Counted(moved);
}
void* memalign(std::size_t alignment, std::size_t size) {
  return Counted(__libc_memalign(alignment, size));
}
void* aligned_alloc(std::size_t alignment, std::size_t size) { return memalign(alignment, size); }
int posix_memalign(void** out, std::size_t alignment, std::size_t size) {
  void* pointer = memalign(alignment, size);
  if (pointer == nullptr) return 12;  // ENOMEM
  *out = pointer;
  return 0;
}

}  // extern "C"

namespace vs::bench {

std::size_t HeapInUse() { return inUse.load(); }
std::size_t HeapPeak() { return peak.load(); }
void ResetHeapPeak() { peak = inUse.load(); }

}  // namespace vs::bench
