#include "platform/linux/wayland/WaylandRegistry.h"

#include <wayland-client-protocol.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "fractional-scale-v1-client-protocol.h"
#include "platform/linux/wayland/LayerShellProtocol.h"
#include "viewporter-client-protocol.h"
#include "xdg-output-unstable-v1-client-protocol.h"

namespace vs {
namespace {

// The highest version of `interface` this program speaks that the compositor offers.
template <typename Proxy>
Proxy* Bind(wl_registry* registry, std::uint32_t name, const wl_interface& interface,
            std::uint32_t offered, std::uint32_t spoken) {
  return static_cast<Proxy*>(
      wl_registry_bind(registry, name, &interface, std::min(offered, spoken)));
}

}  // namespace

struct WaylandRegistry::Listeners {
  static void Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                     std::uint32_t version) {
    auto* self = static_cast<WaylandRegistry*>(data);
    WaylandGlobals& globals = self->globals_;
    const auto is = [interface](const wl_interface& known) {
      return std::strcmp(interface, known.name) == 0;
    };
    if (is(wl_compositor_interface) && globals.compositor == nullptr) {
      // Version 4: damage in buffer pixels.
      globals.compositor = Bind<wl_compositor>(registry, name, wl_compositor_interface, version, 4);
    } else if (is(wl_shm_interface) && globals.shm == nullptr) {
      globals.shm = Bind<wl_shm>(registry, name, wl_shm_interface, version, 1);
    } else if (is(wl_seat_interface) && globals.seat == nullptr) {
      globals.seat = Bind<wl_seat>(registry, name, wl_seat_interface, version, 5);
    } else if (is(zwlr_layer_shell_v1_interface) && globals.layerShell == nullptr) {
      globals.layerShell =
          Bind<zwlr_layer_shell_v1>(registry, name, zwlr_layer_shell_v1_interface, version, 4);
    } else if (is(wp_viewporter_interface) && globals.viewporter == nullptr) {
      globals.viewporter = Bind<wp_viewporter>(registry, name, wp_viewporter_interface, version, 1);
    } else if (is(wp_fractional_scale_manager_v1_interface) && globals.fractionalScale == nullptr) {
      globals.fractionalScale = Bind<wp_fractional_scale_manager_v1>(
          registry, name, wp_fractional_scale_manager_v1_interface, version, 1);
    } else if (is(zxdg_output_manager_v1_interface) && globals.xdgOutputs == nullptr) {
      globals.xdgOutputs = Bind<zxdg_output_manager_v1>(
          registry, name, zxdg_output_manager_v1_interface, version, 3);
      for (const auto& output : self->outputs_) output->Describe(globals.xdgOutputs);
    } else if (is(wl_output_interface) && version >= 2) {
      auto* bound = Bind<wl_output>(registry, name, wl_output_interface, version, 3);
      self->outputs_.push_back(
          std::make_unique<WaylandOutput>(name, bound, [self](WaylandOutput& output) {
            if (self->changed_) self->changed_(output);
          }));
      self->outputs_.back()->Describe(globals.xdgOutputs);
    }
  }

  static void GlobalRemove(void* data, wl_registry*, std::uint32_t name) {
    auto* self = static_cast<WaylandRegistry*>(data);
    auto& outputs = self->outputs_;
    const auto gone = std::find_if(outputs.begin(), outputs.end(),
                                   [name](const auto& output) { return output->Name() == name; });
    if (gone == outputs.end()) return;
    if (self->removed_) self->removed_(**gone);
    outputs.erase(gone);
  }

  static constexpr wl_registry_listener kRegistry{Global, GlobalRemove};
};

WaylandRegistry::WaylandRegistry(wl_display* display)
    : registry_(wl_display_get_registry(display)) {
  wl_registry_add_listener(registry_, &Listeners::kRegistry, this);
}

WaylandRegistry::~WaylandRegistry() {
  outputs_.clear();
  // Client-side only: the connection closes next, and with it the globals.
  for (void* global :
       {static_cast<void*>(globals_.compositor), static_cast<void*>(globals_.shm),
        static_cast<void*>(globals_.seat), static_cast<void*>(globals_.layerShell),
        static_cast<void*>(globals_.viewporter), static_cast<void*>(globals_.fractionalScale),
        static_cast<void*>(globals_.xdgOutputs)}) {
    if (global != nullptr) wl_proxy_destroy(static_cast<wl_proxy*>(global));
  }
  wl_registry_destroy(registry_);
}

}  // namespace vs
