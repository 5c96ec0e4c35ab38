#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>

#include "platform/linux/qt/TerminationSignals.h"

namespace vs {
namespace {

TEST(TerminationSignals, NotBeingAbleToRouteThemIsSaidOnStandardError) {
  EXPECT_EXIT(
      {
        rlimit noFiles{};
        getrlimit(RLIMIT_NOFILE, &noFiles);
        noFiles.rlim_cur = 0;
        setrlimit(RLIMIT_NOFILE, &noFiles);
        RouteTerminationSignals([] {});
        std::_Exit(0);
      },
      ::testing::ExitedWithCode(0), "termination signals are not handled");
}

TEST(TerminationSignals, TheFirstKeepsErrnoAndASecondEndsAtOnceWhenTheUiThreadIsStuck) {
  EXPECT_EXIT(
      {
        RouteTerminationSignals([] {});
        errno = EDOM;
        std::raise(SIGTERM);
        if (errno != EDOM) std::_Exit(1);
        // This thread never gets back to the event loop.
        std::raise(SIGTERM);
        std::_Exit(2);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace vs
