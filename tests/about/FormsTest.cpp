#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeInfoViews.h"
#include "FakePlatform.h"
#include "about/LicenceText.h"
#include "about/frmAbout.h"

namespace vs {
namespace {

using test::FakeAboutView;
using test::FakeMoreInfoView;

class InfoForms : public ::testing::Test {
 protected:
  void OnAbout(FakeAboutView::Script script) {
    platform.makeAboutView = [this, script](AboutEvents& events) {
      ++aboutOpenings;
      return std::make_unique<FakeAboutView>(events, script, openWindows);
    };
  }
  void OnLicence(FakeMoreInfoView::Script script) {
    platform.makeMoreInfoView = [this, script](MoreInfoEvents& events) {
      ++licenceOpenings;
      return std::make_unique<FakeMoreInfoView>(events, script, openWindows);
    };
  }

  fake::FakePlatform platform;
  int openWindows = 0;
  int aboutOpenings = 0;
  int licenceOpenings = 0;
  std::vector<std::string> trace;
};

TEST_F(InfoForms, LicenceOpensOverTheAboutBoxAndEachOkClosesItsOwnWindow) {
  OnLicence([&](FakeMoreInfoView& licence) {
    EXPECT_EQ(openWindows, 2) << "the About box stays open under the licence";
    EXPECT_EQ(licence.texts.caption, "More Information");
    EXPECT_EQ(licence.texts.text1, LicenceText());
    licence.events.cmdOK_Click();
    trace.push_back("licence closed");
  });
  OnAbout([&](FakeAboutView& about) {
    about.events.cmdLicense_Click();
    trace.push_back("licence click returned");
    EXPECT_FALSE(about.unloaded);
    about.events.cmdLicense_Click();
    about.events.cmdOK_Click();
  });

  frmAbout about(platform);
  about.Show();

  EXPECT_EQ(trace, (std::vector<std::string>{"licence closed", "licence click returned",
                                             "licence closed"}));
  EXPECT_EQ(licenceOpenings, 2) << "a fresh window for every opening";
  EXPECT_EQ(openWindows, 0) << "every window is destroyed once closed";
}

TEST_F(InfoForms, AboutBoxOpensAfreshEachTimeAndIgnoresALateClose) {
  std::vector<AboutTexts> shown;
  OnAbout([&](FakeAboutView& about) {
    shown.push_back(about.texts);
    about.events.cmdOK_Click();
    about.events.cmdOK_Click();  // a close command racing the button
  });

  frmAbout about(platform);
  about.Show();
  about.Show();
  about.cmdOK_Click();  // after the window is gone

  EXPECT_EQ(aboutOpenings, 2);
  EXPECT_EQ(openWindows, 0);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].label1[0], "Vostramel_Saver Version: " VS_VERSION);
  EXPECT_EQ(shown[1].label1, shown[0].label1);
}

}  // namespace
}  // namespace vs
