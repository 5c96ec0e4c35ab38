#include "platform/linux/wayland/ShmBuffers.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client-protocol.h>

#include <cstdio>
#include <limits>

namespace vs {

ShmBuffers::ShmBuffers(wl_shm* shm, std::function<void()> released)
    : shm_(shm), released_(std::move(released)) {}

ShmBuffers::~ShmBuffers() {
  for (auto& buffer : buffers_) {
    if (buffer) Destroy(*buffer);
  }
}

void ShmBuffers::Released(void* data, wl_buffer* released) {
  auto* self = static_cast<ShmBuffers*>(data);
  for (auto& buffer : self->buffers_) {
    if (buffer && buffer->buffer == released) buffer->held = false;
  }
  self->released_();
}

ShmBuffers::Buffer* ShmBuffers::Take(PixelSize size) {
  // The first free one of the right size; a free one of another size is made anew.
  for (auto& buffer : buffers_) {
    if (buffer && !buffer->held && buffer->frame.width == size.width &&
        buffer->frame.height == size.height) {
      buffer->held = true;
      return buffer.get();
    }
  }
  for (auto& buffer : buffers_) {
    if (buffer && buffer->held) continue;
    if (buffer) Destroy(*buffer);
    buffer = Create(size);
    if (!buffer) return nullptr;
    buffer->held = true;
    return buffer.get();
  }
  return nullptr;
}

std::unique_ptr<ShmBuffers::Buffer> ShmBuffers::Create(PixelSize size) {
  const auto bytes =
      static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height) * 4;
  if (size.width <= 0 || size.height <= 0 ||
      bytes > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    return nullptr;
  }
  const int fd = memfd_create("vostramel-saver-frame", MFD_CLOEXEC);
  void* memory = MAP_FAILED;
  if (fd >= 0 && ftruncate(fd, static_cast<off_t>(bytes)) == 0) {
    memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  }
  if (memory == MAP_FAILED) {
    // The surface keeps its last frame.
    std::perror("VostramelSaver: no memory for a frame");
    if (fd >= 0) close(fd);
    return nullptr;
  }
  wl_shm_pool* pool = wl_shm_create_pool(shm_, fd, static_cast<std::int32_t>(bytes));
  auto buffer = std::make_unique<Buffer>();
  buffer->buffer = wl_shm_pool_create_buffer(pool, 0, size.width, size.height, size.width * 4,
                                             WL_SHM_FORMAT_XRGB8888);
  // The buffer keeps the memory; neither the pool nor the descriptor is needed any more.
  wl_shm_pool_destroy(pool);
  close(fd);
  static constexpr wl_buffer_listener kListener{Released};
  wl_buffer_add_listener(buffer->buffer, &kListener, this);
  buffer->frame = {static_cast<std::uint32_t*>(memory), size.width, size.height, size.width};
  buffer->bytes = bytes;
  return buffer;
}

void ShmBuffers::Destroy(Buffer& buffer) {
  wl_buffer_destroy(buffer.buffer);
  munmap(buffer.frame.pixels, buffer.bytes);
}

}  // namespace vs
