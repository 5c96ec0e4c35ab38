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

TEST(TerminationSignals, TheHandlerKeepsErrnoAlsoWhenItsPipeIsFull) {
  EXPECT_EXIT(
      {
        RouteTerminationSignals([] {});
        // Nothing drains the pipe here, so its writes soon fail.
        for (int i = 0; i < 100000; ++i) {
          errno = EDOM;
          std::raise(SIGHUP);
          if (errno != EDOM) std::_Exit(1);
        }
        std::_Exit(0);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace vs
