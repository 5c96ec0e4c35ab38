#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/linux/wayland/PaintFrame.h"
#include "platform/linux/wayland/SurfaceScale.h"

struct wl_buffer;
struct wl_shm;

namespace vs {

// Two shared-memory buffers for a surface that draws whole frames: one is
// drawn while the compositor may still read the other.
class ShmBuffers {
 public:
  struct Buffer {
    wl_buffer* buffer = nullptr;
    Frame frame{};
    std::size_t bytes = 0;
    bool held = false;  // by the compositor, from attach to release
  };

  // `released` runs when the compositor gives a buffer back.
  ShmBuffers(wl_shm* shm, std::function<void()> released);
  ~ShmBuffers();
  ShmBuffers(const ShmBuffers&) = delete;
  ShmBuffers& operator=(const ShmBuffers&) = delete;

  // A buffer of `size` the compositor does not hold, marked held from now;
  // null while it holds both, or when no memory could be had.
  Buffer* Take(PixelSize size);

 private:
  static void Released(void* data, wl_buffer* buffer);
  std::unique_ptr<Buffer> Create(PixelSize size);
  void Destroy(Buffer& buffer);

  wl_shm* shm_;
  std::function<void()> released_;
  std::array<std::unique_ptr<Buffer>, 2> buffers_;
};

}  // namespace vs
