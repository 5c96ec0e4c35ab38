#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeConfigurationView.h"
#include "FakePlatform.h"
#include "config/frm_Configuration.h"
#include "settings/Logfile.h"
#include "settings/support.h"

namespace vs::fake {

// The dialog on the fake platform, with its fake window.
class ConfigurationTest : public ::testing::Test {
 protected:
  ConfigurationTest();

  // Shows the dialog; the fake window closes at once, the form stays usable.
  void Open();
  std::vector<std::string> LogLines() const;
  bool LogHasFailure() const;

  FakePlatform platform;
  Logfile log;
  Support support;
  frm_Configuration form;
  FakeConfigurationView* view = nullptr;
};

}  // namespace vs::fake
