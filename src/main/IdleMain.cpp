#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "idle/IdleLauncher.h"
#include "idle/IdleOptions.h"
#include "platform/linux/idle/LauncherLock.h"
#include "platform/linux/idle/MutterIdleMonitor.h"
#include "platform/linux/idle/QueriedInhibit.h"
#include "platform/linux/idle/SaverProcess.h"
#include "platform/linux/idle/ScreenSaverService.h"
#include "platform/linux/idle/WaylandIdle.h"
#include "platform/linux/idle/XSyncIdle.h"
#include "platform/linux/posix/ProgramDirectory.h"
#include "platform/linux/qt/QtTimer.h"

namespace {

const char kUsage[] =
    "Usage: vostramel-saver-idle [--minutes N | --seconds N]\n"
    "Starts the Vostramel Saver when the desktop has been idle for N minutes (default 10),\n"
    "except while an application asks the desktop not to blank.\n";

int Fail(const std::string& line) {
  std::fprintf(stderr, "vostramel-saver-idle: %s\n", line.c_str());
  return 1;
}

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] != '\0';
}

// Whichever the desktop offers, in this order: GNOME's, the Wayland
// compositor's, the X server's.
struct IdleSource {
  std::unique_ptr<vs::MutterIdleMonitor> mutter;
  std::unique_ptr<vs::WaylandIdle> wayland;
  std::unique_ptr<vs::XSyncIdle> x;
  const char* name = nullptr;
};

IdleSource OpenIdleSource(const QDBusConnection& bus, std::int32_t milliseconds,
                          const vs::IdleCallbacks& callbacks) {
  IdleSource source;
  if ((source.mutter = vs::MutterIdleMonitor::Open(bus, milliseconds, callbacks))) {
    source.name = "GNOME's idle monitor";
  } else if (Set("WAYLAND_DISPLAY") &&
             (source.wayland = vs::WaylandIdle::Open(milliseconds, callbacks))) {
    source.name = "the Wayland compositor's idle notifications";
  } else if (Set("DISPLAY") && (source.x = vs::XSyncIdle::Open(milliseconds, callbacks))) {
    source.name = "the X server's idle time";
  }
  return source;
}

// Inhibited while any of the desktop's inhibitors says so.
struct Inhibits {
  bool session = false;
  bool power = false;
  bool own = false;
  bool Any() const { return session || power || own; }
};

}  // namespace

int main(int argc, char* argv[]) {
  const vs::IdleOptions options = vs::ReadIdleOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!options.error.empty()) return Fail(options.error);
  if (options.help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  const std::string saver = vs::FindSaverProgram(vs::ProgramDirectory());
  if (saver.empty()) {
    return Fail("no saver program: neither VostramelSaver.scr beside this program nor "
                "../lib/vostramel-saver/VostramelSaver.scr");
  }
  if (const std::string locked = vs::LockLauncher(); !locked.empty()) return Fail(locked);

  QCoreApplication application(argc, argv);
  QDBusConnection bus = QDBusConnection::sessionBus();

  std::function<void()> countdownEnded;
  vs::QtTimer countdown(0, [&countdownEnded] { countdownEnded(); });
  std::unique_ptr<vs::SaverProcess> process;
  vs::IdleLauncher launcher(options.idleMilliseconds, countdown, [&process] {
    return process->Start();
  });
  countdownEnded = [&launcher] { launcher.CountdownEnded(); };
  process = std::make_unique<vs::SaverProcess>(saver, [&launcher](int status) {
    if (status != 0) {
      std::fprintf(stderr,
                   "vostramel-saver-idle: the saver ended with status %d; it starts again after "
                   "the next idle period\n",
                   status);
    }
    launcher.SaverEnded();
  });

  const IdleSource source = OpenIdleSource(
      bus, options.idleMilliseconds,
      {[&launcher] { launcher.Idle(); }, [&launcher] { launcher.Active(); },
       [](const std::string& line) {
         Fail(line);
         QCoreApplication::exit(1);
       }});
  if (source.name == nullptr) {
    if (!bus.isConnected()) {
      return Fail("no session bus and no display: DBUS_SESSION_BUS_ADDRESS, WAYLAND_DISPLAY and "
                  "DISPLAY name none that answers; run it in a desktop session");
    }
    return Fail("the desktop tells no idle time: no org.gnome.Mutter.IdleMonitor on the session "
                "bus, no Wayland idle protocol and no X display with the SYNC extension");
  }

  Inhibits inhibits;
  std::vector<std::unique_ptr<QObject>> inhibitors;
  // The Wayland compositor's idle time honours its idle inhibitors, the X
  // server's is reset by players; GNOME's idle monitor holds none of its own.
  std::string inhibitorNames = source.x         ? "the X server's idle time, which players reset"
                               : source.wayland ? "the compositor's idle inhibitors"
                                                : "";
  if (bus.isConnected()) {
    auto report = [&launcher, &inhibits](bool Inhibits::*which) {
      return [&launcher, &inhibits, which](bool inhibited) {
        inhibits.*which = inhibited;
        launcher.SetInhibited(inhibits.Any());
      };
    };
    inhibitors.push_back(std::make_unique<vs::QueriedInhibit>(
        bus, vs::QueriedInhibit::GnomeSessionManager(), report(&Inhibits::session)));
    inhibitors.push_back(std::make_unique<vs::QueriedInhibit>(
        bus, vs::QueriedInhibit::KdePolicyAgent(), report(&Inhibits::power)));
    auto service = std::make_unique<vs::ScreenSaverService>(bus, report(&Inhibits::own));
    inhibitorNames += inhibitorNames.empty() ? "" : ", ";
    inhibitorNames += service->Register()
                          ? "GNOME's session manager, KDE's power management and "
                            "org.freedesktop.ScreenSaver, offered here"
                          : "GNOME's session manager and KDE's power management "
                            "(another program offers org.freedesktop.ScreenSaver)";
    inhibitors.push_back(std::move(service));
  }
  std::printf("vostramel-saver-idle: idle time from %s; inhibits from %s; starts %s\n", source.name,
              inhibitorNames.c_str(), saver.c_str());
  std::fflush(stdout);
  return QCoreApplication::exec();
}
