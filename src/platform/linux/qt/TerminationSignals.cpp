#include "platform/linux/qt/TerminationSignals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace vs {
namespace {

int signalPipe[2] = {-1, -1};
volatile std::sig_atomic_t signalsSeen = 0;

extern "C" void OnTerminationSignal(int signalNumber) {
  // The first one ends the program through the UI thread; a second one means
  // that thread did not get to it (stuck where nothing foresaw), so the host
  // still gets its clean end. The X server and the compositor give the cursor
  // back with the program's windows.
  signalsSeen = signalsSeen + 1;
  if (signalsSeen > 1) ::_exit(0);
  // The interrupted code may be about to read errno.
  const int savedErrno = errno;
  const char byte = static_cast<char>(signalNumber);
  [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
  errno = savedErrno;
}

void ReportNotRouted(const char* step) {
  std::fprintf(stderr, "VostramelSaver: termination signals are not handled (%s: %s)\n", step,
               std::strerror(errno));
}

}  // namespace

void RouteTerminationSignals(std::function<void()> onSignal) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) {
    ReportNotRouted("socketpair");
    return;
  }
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read);
  QObject::connect(notifier, &QSocketNotifier::activated, [onSignal = std::move(onSignal)] {
    char byte = 0;
    while (::read(signalPipe[0], &byte, 1) > 0) {
    }
    onSignal();
  });
  struct sigaction action {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
    if (sigaction(signalNumber, &action, nullptr) != 0) ReportNotRouted(strsignal(signalNumber));
  }
}

}  // namespace vs
