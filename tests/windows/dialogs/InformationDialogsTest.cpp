#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "DialogTestSupport.h"
#include "platform/windows/dialogs/DialogIds.h"
#include "platform/windows/dialogs/Dialogs.h"

namespace vs {
namespace {

using ::testing::ElementsAre;
using namespace dialogs;

// Unloads its window on OK, as the forms do.
class RecordingAboutEvents : public AboutEvents {
 public:
  std::vector<std::string> log;
  AboutView* view = nullptr;
  void cmdLicense_Click() override { log.push_back("cmdLicense_Click"); }
  void cmdOK_Click() override {
    log.push_back("cmdOK_Click");
    view->Unload();
  }
};

class RecordingMoreInfoEvents : public MoreInfoEvents {
 public:
  std::vector<std::string> log;
  MoreInfoView* view = nullptr;
  void cmdOK_Click() override {
    log.push_back("cmdOK_Click");
    view->Unload();
  }
};

AboutTexts Texts() {
  return {"About VostramelSaver",
          {"Vostramel_Saver Version: 2.0.3", "By someone",
           "For updates or more information visited:", "https://example.org",
           "Report bugs or comments:", "someone@example.org"},
          "&License",
          "&Ok"};
}

std::string Licence() {
  std::string text;
  for (int line = 1; line <= 29; ++line) {
    text += "Line " + std::to_string(line) + " of the licence, long enough to need a scroll " +
            "bar sideways as well\r\n";
  }
  return text;
}

TEST(AboutDialogTest, ShowsCentredOverItsOpenerWithFocusOnLicenceAndAnswersKeys) {
  RecordingAboutEvents events;
  std::unique_ptr<AboutView> view = CreateWin32AboutView(events);
  events.view = view.get();
  test::RecordingConfigurationEvents configurationEvents;
  const auto configuration = CreateWin32ConfigurationView(configurationEvents);
  const HWND opener = test::WindowCaptioned(L"VostramelSaver Screen Saver Configuration");
  const HWND about = test::WindowCaptioned(L"");
  ASSERT_NE(about, nullptr);
  HWND focus = nullptr;
  RECT client{}, shown{}, under{};
  bool openerEnabled = true;
  test::WhenShown(opener, [&] {
    test::WhenShown(about, [&] {
      focus = GetFocus();
      GetClientRect(about, &client);
      GetWindowRect(about, &shown);
      openerEnabled = IsWindowEnabled(opener) != FALSE;
      test::PressInDialog(about, WM_KEYDOWN, VK_RETURN);  // &License has the focus
      test::PressInDialog(about, WM_KEYDOWN, VK_ESCAPE);  // nothing
      test::PressInDialog(about, WM_SYSCHAR, 'o');        // &Ok
    });
    view->ShowModal(Texts());
    GetWindowRect(opener, &under);
    PostMessageW(opener, WM_CLOSE, 0, 0);
  });
  configuration->ShowModal();
  EXPECT_EQ(focus, GetDlgItem(about, kCmdLicense));
  EXPECT_EQ(client.right, 312);
  EXPECT_EQ(client.bottom, 213);
  EXPECT_FALSE(openerEnabled);
  EXPECT_NEAR((shown.left + shown.right) / 2, (under.left + under.right) / 2, 1);
  EXPECT_NEAR((shown.top + shown.bottom) / 2, (under.top + under.bottom) / 2, 1);
  EXPECT_THAT(events.log, ElementsAre("cmdLicense_Click", "cmdOK_Click"));
  EXPECT_EQ(test::TextOf(GetDlgItem(about, kAboutLabel1 + 3)), L"https://example.org");
  EXPECT_EQ(test::TextOf(about), L"About VostramelSaver");
}

TEST(AboutDialogTest, CloseCommandIsOk) {
  RecordingAboutEvents events;
  std::unique_ptr<AboutView> view = CreateWin32AboutView(events);
  events.view = view.get();
  const HWND about = test::WindowCaptioned(L"");
  test::WhenShown(about, [&] { PostMessageW(about, WM_CLOSE, 0, 0); });
  view->ShowModal(Texts());
  EXPECT_THAT(events.log, ElementsAre("cmdOK_Click"));
  EXPECT_FALSE(IsWindowVisible(about));
}

TEST(MoreInfoDialogTest, LicenceIsReadOnlyWithBothScrollBarsAtTheTopWithFocus) {
  RecordingMoreInfoEvents events;
  std::unique_ptr<MoreInfoView> view = CreateWin32MoreInfoView(events);
  events.view = view.get();
  const HWND window = test::WindowCaptioned(L"");
  const HWND text1 = GetDlgItem(window, kText1);
  HWND focus = nullptr;
  DWORD selectionStart = 1, selectionEnd = 1;
  int firstLine = -1;
  bool vertical = false, horizontal = false;
  test::WhenShown(window, [&] {
    focus = GetFocus();
    SendMessageW(text1, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart),
                 reinterpret_cast<LPARAM>(&selectionEnd));
    firstLine = static_cast<int>(SendMessageW(text1, EM_GETFIRSTVISIBLELINE, 0, 0));
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof bar;
    vertical =
        GetScrollBarInfo(text1, OBJID_VSCROLL, &bar) && !(bar.rgstate[0] & STATE_SYSTEM_INVISIBLE);
    horizontal =
        GetScrollBarInfo(text1, OBJID_HSCROLL, &bar) && !(bar.rgstate[0] & STATE_SYSTEM_INVISIBLE);
    SendMessageW(text1, WM_CHAR, 'x', 0);  // typing changes nothing
    test::PressInDialog(window, WM_KEYDOWN, VK_TAB);
    test::PressInDialog(window, WM_KEYDOWN, VK_RETURN);  // "OK" now has the focus
  });
  view->ShowModal({"More Information", Licence(), "OK"});
  EXPECT_EQ(focus, text1);
  EXPECT_EQ(selectionStart, 0u);
  EXPECT_EQ(selectionEnd, 0u);
  EXPECT_EQ(firstLine, 0);
  EXPECT_TRUE(vertical);
  EXPECT_TRUE(horizontal);
  EXPECT_TRUE(GetWindowLongW(text1, GWL_STYLE) & ES_READONLY);
  const std::string licence = Licence();
  EXPECT_EQ(test::TextOf(text1), std::wstring(licence.begin(), licence.end()));
  EXPECT_THAT(events.log, ElementsAre("cmdOK_Click"));
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 475);
  EXPECT_EQ(client.bottom, 246);
}

}  // namespace
}  // namespace vs
