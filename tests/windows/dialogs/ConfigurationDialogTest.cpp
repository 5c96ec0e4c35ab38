#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <memory>
#include <string>

#include "DialogTestSupport.h"
// After the Windows headers it needs.
#include <commctrl.h>

#include "platform/windows/dialogs/DialogIds.h"
#include "platform/windows/dialogs/Dialogs.h"

namespace vs {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using namespace dialogs;

constexpr char kCafe[] = "caf\xC3\xA9.bmp";                       // café
constexpr char kCyrillic[] = "\xD0\x81\xD0\xBB\xD0\xBA\xD0\xB0";  // Ёлка
constexpr char kCjk[] = "C:\\\xE5\x86\x99\xE7\x9C\x9F.jpg";       // C:\写真.jpg
constexpr wchar_t kCaption[] = L"VostramelSaver Screen Saver Configuration";

class ConfigurationDialogTest : public ::testing::Test {
 protected:
  HWND Item(int id) const { return GetDlgItem(dialog, id); }

  bool Populate() const {
    folder.AddFile("b.bmp");
    folder.AddFile("A.BMP");
    folder.AddFile("notes.txt");
    folder.AddFolder("sub");
    folder.AddFolder(kCyrillic);
    folder.AddFile(std::string(kCyrillic) + "\\" + kCafe);
    return true;
  }

  // Filled before the dialog lists it.
  test::TemporaryFolder folder;
  bool populated = Populate();
  test::CurrentDirectory inFolder{folder.Path()};
  test::RecordingConfigurationEvents events;
  std::unique_ptr<ConfigurationView> view = CreateWin32ConfigurationView(events);
  HWND dialog = test::WindowCaptioned(kCaption);
};

TEST_F(ConfigurationDialogTest, GeometryIsTheDesignInPixelsAt96Dpi) {
  ASSERT_NE(dialog, nullptr);
  RECT client{};
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, 574);
  EXPECT_EQ(client.bottom, 396);
  const struct {
    int id;
    RECT pixels;
  } expected[] = {{kDrive1, {24, 64, 225, 85}},     {kDir1, {24, 88, 225, 154}},
                  {kCombo1, {24, 160, 225, 181}},   {kFile1, {24, 184, 225, 294}},
                  {kList1, {320, 64, 553, 159}},    {kTxtTimer, {320, 320, 353, 345}},
                  {kVsTimer, {352, 320, 369, 345}}, {kCmdOK, {80, 352, 161, 377}},
                  {kLabel1, {24, 16, 225, 57}},     {kCmdMoreInfo, {408, 352, 497, 377}}};
  for (const auto& control : expected) {
    const RECT found = test::ClientRectOf(Item(control.id));
    EXPECT_TRUE(EqualRect(&found, &control.pixels))
        << control.id << ": " << found.left << "," << found.top << "," << found.right << ","
        << found.bottom;
  }
}

TEST_F(ConfigurationDialogTest, MovingToAMonitorOfAnotherDpiScalesTheLayoutAndFont) {
  RECT suggested{10, 20, 900, 700};
  SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  const struct {
    int id;
    RECT pixels;  // edges in twips * 144 / 1440, rounded
  } expected[] = {
      {kCmdOK, {120, 528, 242, 566}}, {kDrive1, {36, 96, 338, 128}}, {kList1, {480, 96, 830, 239}}};
  for (const auto& control : expected) {
    const RECT found = test::ClientRectOf(Item(control.id));
    EXPECT_TRUE(EqualRect(&found, &control.pixels))
        << control.id << ": " << found.left << "," << found.top << "," << found.right << ","
        << found.bottom;
  }
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Item(kCmdOK), WM_GETFONT, 0, 0)), sizeof font,
             &font);
  EXPECT_LT(font.lfHeight, -11);  // larger than at 96 DPI
  EXPECT_GE(font.lfHeight, -16);  // 8 points at 144 DPI at most
  RECT frame{};
  GetWindowRect(dialog, &frame);
  EXPECT_EQ(frame.left, 10);
  EXPECT_EQ(frame.top, 20);
}

TEST_F(ConfigurationDialogTest, CaptionsAreExactAndTheDialogHasNoControlBox) {
  EXPECT_EQ(test::TextOf(Item(kCmdAddAll)), L"Add A&ll");
  EXPECT_EQ(test::TextOf(Item(kCmdRemoveAll)), L"Re&move All");
  EXPECT_EQ(test::TextOf(Item(kCmdMoreInfo)), L"A&bout");
  EXPECT_EQ(test::TextOf(Item(kLabel1)),
            L"SOURCE:" + std::wstring(47, L' ') +
                L"Select your favorite image/audio files...then...add to target box ");
  EXPECT_EQ(view->txtTimer().Text(), "5");
  EXPECT_TRUE(GetWindowLongW(Item(kTxtTimer), GWL_STYLE) & ES_READONLY);
  const LONG style = GetWindowLongW(dialog, GWL_STYLE);
  EXPECT_FALSE(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
}

// Windows passes the Screen Saver Settings window as "/c:HWND", in decimal.
TEST(SettingsWindowTest, OnlyANumberThatNamesAWindowIsTheOwner) {
  const HWND settings = CreateWindowExW(0, L"STATIC", L"Settings", WS_POPUP, 0, 0, 10, 10, nullptr,
                                        nullptr, nullptr, nullptr);
  const std::string number = std::to_string(reinterpret_cast<std::uintptr_t>(settings));
  EXPECT_EQ(SettingsWindowOf("/c:" + number), settings);
  EXPECT_EQ(SettingsWindowOf("-C:" + number + " more"), settings);
  EXPECT_EQ(SettingsWindowOf("/c"), nullptr);
  EXPECT_EQ(SettingsWindowOf("/c:"), nullptr);
  EXPECT_EQ(SettingsWindowOf("/c:x" + number), nullptr);
  DestroyWindow(settings);
  EXPECT_EQ(SettingsWindowOf("/c:" + number), nullptr);
}

// Without the Settings window, the dialog stands for the program: a window of
// its own with a task bar button, so that it cannot get lost behind others.
TEST_F(ConfigurationDialogTest, AloneItHasATaskBarButton) {
  HWND owner = dialog;
  LONG_PTR exStyle = 0;
  test::WhenShown(dialog, [&] {
    owner = GetWindow(dialog, GW_OWNER);
    exStyle = GetWindowLongPtrW(dialog, GWL_EXSTYLE);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
  });
  view->ShowModal();
  EXPECT_EQ(owner, nullptr);
  EXPECT_TRUE(exStyle & WS_EX_APPWINDOW);
  EXPECT_FALSE(exStyle & WS_EX_TOOLWINDOW);
}

struct ToolTipSearch {
  HWND dialog;
  HWND found = nullptr;
};

BOOL CALLBACK FindToolTips(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<ToolTipSearch*>(data);
  wchar_t kind[32] = {};
  GetClassNameW(window, kind, 32);
  if (std::wstring(kind) == TOOLTIPS_CLASSW && GetWindow(window, GW_OWNER) == search.dialog) {
    search.found = window;
  }
  return search.found == nullptr;
}

std::wstring ToolTipOf(HWND tips, HWND dialog, HWND control) {
  wchar_t text[256] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = dialog;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text;
  SendMessageW(tips, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
  return text;
}

TEST_F(ConfigurationDialogTest, ToolTipsAreExactAlsoOverTheComboText) {
  ToolTipSearch search{dialog};
  EnumThreadWindows(GetCurrentThreadId(), &FindToolTips, reinterpret_cast<LPARAM>(&search));
  ASSERT_NE(search.found, nullptr);
  EXPECT_EQ(SendMessageW(search.found, TTM_GETTOOLCOUNT, 0, 0), 15);
  EXPECT_EQ(ToolTipOf(search.found, dialog, Item(kTxtTimer)),
            L"Mininmum is 1 Sec....Maximum is  60 sec.");
  EXPECT_EQ(ToolTipOf(search.found, dialog, Item(kList1)),
            L"<Target> this is your screen saver images. ");
  EXPECT_EQ(ToolTipOf(search.found, dialog, Item(kCmdRemove)),
            L"Remove selected files from <Targer> list box");
  COMBOBOXINFO combo{};
  combo.cbSize = sizeof combo;
  ASSERT_TRUE(GetComboBoxInfo(Item(kCombo1), &combo));
  EXPECT_EQ(ToolTipOf(search.found, dialog, combo.hwndItem), L"File type");
  EXPECT_EQ(ToolTipOf(search.found, dialog, Item(kVsTimer)), L"");
}

TEST_F(ConfigurationDialogTest, FontIsTheMessageFontAtEightPointsAtMost) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  ASSERT_TRUE(SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, 96));
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Item(kCmdOK), WM_GETFONT, 0, 0)), sizeof font,
             &font);
  EXPECT_STREQ(font.lfFaceName, metrics.lfMessageFont.lfFaceName);
  EXPECT_GE(font.lfHeight, -11);  // 8 points at 96 DPI
}

TEST_F(ConfigurationDialogTest, ShowsWithFocusOnOkTabsInOrderAndAnswersAccessKeys) {
  std::vector<int> chain;
  HWND focus = nullptr;
  test::WhenShown(dialog, [&] {
    focus = GetFocus();
    HWND control = focus;
    do {
      chain.push_back(GetDlgCtrlID(control));
      control = GetNextDlgTabItem(dialog, control, FALSE);
    } while (control != nullptr && control != focus && chain.size() < 30);
    test::PressInDialog(dialog, WM_SYSCHAR, 'l');  // Add A&ll
    test::PressInDialog(dialog, WM_SYSCHAR, 'm');  // Re&move All
    SetFocus(Item(kCmdCancel));
    test::PressInDialog(dialog, WM_KEYDOWN, VK_RETURN);  // the focused button
    SetFocus(Item(kList1));
    test::PressInDialog(dialog, WM_KEYDOWN, VK_RETURN);  // no default button
    test::PressInDialog(dialog, WM_KEYDOWN, VK_ESCAPE);  // no cancel button
    PostMessageW(dialog, WM_CLOSE, 0, 0);
  });
  view->ShowModal();
  EXPECT_EQ(focus, Item(kCmdOK));
  EXPECT_THAT(chain, ElementsAreArray({kCmdOK, kList1, kCmdAdd, kCmdAddAll, kCmdRemove,
                                       kCmdRemoveAll, kCmdCancel, kDir1, kFile1, kDrive1, kCombo1,
                                       kTxtTimer, kCmdMoreInfo, kVsTimer, kList2}));
  EXPECT_THAT(events.log, ElementsAre("cmdAddAll_Click", "cmdRemoveAll_Click", "cmdCancel_Click"));
  EXPECT_FALSE(IsWindowVisible(dialog));
}

TEST_F(ConfigurationDialogTest, FileListShowsMatchingPlainFilesSortedIgnoringCase) {
  EXPECT_EQ(view->Dir1().Path(), folder.Utf8());
  EXPECT_EQ(view->File1().Path(), folder.Utf8());
  ASSERT_EQ(view->File1().ListCount(), 2);
  EXPECT_EQ(view->File1().List(0), "A.BMP");
  EXPECT_EQ(view->File1().List(1), "b.bmp");
  view->File1().SetPattern("*.txt; *.BMP");
  EXPECT_EQ(view->File1().ListCount(), 3);
  view->File1().SetPattern("");
  EXPECT_EQ(view->File1().ListCount(), 3);  // every file, no folder
  EXPECT_TRUE(events.log.empty());          // set by the dialog, not clicked
}

TEST_F(ConfigurationDialogTest, NamesInAnyScriptRoundTripThroughTheLists) {
  const std::string tree = folder.Utf8() + "\\" + kCyrillic;
  view->Dir1().SetPath(tree);
  EXPECT_EQ(view->Dir1().Path(), tree);
  view->File1().SetPath(view->Dir1().Path());
  ASSERT_EQ(view->File1().ListCount(), 1);
  EXPECT_EQ(view->File1().List(0), kCafe);
  view->list1().AddItems({kCjk});
  EXPECT_EQ(view->list1().List(0), kCjk);
  wchar_t shown[64] = {};
  SendMessageW(Item(kList1), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(shown));
  EXPECT_STREQ(shown, L"C:\\\u5199\u771F.jpg");
}

TEST_F(ConfigurationDialogTest, ListsRaiseClicksOnlyForTheUsersSelection) {
  view->list1().AddItems({"C:\\a.jpg", "C:\\b.jpg", "C:\\c.jpg"});
  view->File1().SetPath(folder.Utf8());
  EXPECT_TRUE(events.log.empty());
  test::ClickEntry(Item(kList1), 1);
  EXPECT_THAT(events.log, ElementsAre("list1_Click"));
  EXPECT_TRUE(view->list1().Selected(1));
  EXPECT_FALSE(view->list1().Selected(0));
  view->list1().RemoveItems({0});
  ASSERT_EQ(view->list1().ListCount(), 2);
  EXPECT_EQ(view->list1().List(1), "C:\\c.jpg");
  test::ClickEntry(Item(kFile1), 0, true);
  // Whether the second press of a double click is a click of its own is the
  // list box's matter.
  ASSERT_GE(events.log.size(), 3u);
  EXPECT_EQ(events.log[1], "File1_Click");
  EXPECT_EQ(events.log.back(), "File1_DblClick");
  EXPECT_TRUE(view->File1().Selected(0));
}

TEST_F(ConfigurationDialogTest, DirectoryListOpensByDoubleClickAndFallsBackToReadableAncestor) {
  const HWND dir1 = Item(kDir1);
  const int entries = static_cast<int>(SendMessageW(dir1, LB_GETCOUNT, 0, 0));
  ASSERT_GT(entries, 2);
  test::ClickEntry(dir1, entries - 2, true);  // "sub", sorted before the Cyrillic name
  EXPECT_EQ(view->Dir1().Path(), folder.Utf8() + "\\sub");
  EXPECT_THAT(events.log, ElementsAre("Dir1_Change"));
  view->Dir1().SetPath(folder.Utf8() + "\\gone\\deeper");
  EXPECT_EQ(view->Dir1().Path(), folder.Utf8());
  view->Dir1().SetPath(folder.Utf8());  // unchanged: no event
  EXPECT_THAT(events.log, ElementsAre("Dir1_Change", "Dir1_Change"));
}

TEST_F(ConfigurationDialogTest, EachDriveKeepsItsOwnDirectory) {
  ASSERT_EQ(folder.Utf8().substr(1, 2), ":\\");
  const std::string drive = folder.Utf8().substr(0, 3);
  const std::string other = drive == "Z:\\" ? "C:\\" : "Z:\\";  // Wine maps Z: to the root
  EXPECT_EQ(view->Drive1().Drive(), drive);
  view->Dir1().SetPath(folder.Utf8() + "\\sub");
  view->Dir1().SetPath(other);
  EXPECT_EQ(view->Dir1().Path(), other);
  EXPECT_EQ(view->Drive1().Drive(), other);
  view->Dir1().SetPath(drive);
  EXPECT_EQ(view->Dir1().Path(), folder.Utf8() + "\\sub");
  EXPECT_EQ(view->Drive1().Drive(), drive);
  EXPECT_TRUE(std::none_of(events.log.begin(), events.log.end(),
                           [](const std::string& e) { return e == "Drive1_Change"; }));
}

TEST_F(ConfigurationDialogTest, PickingADriveRaisesItsChange) {
  const HWND drive1 = Item(kDrive1);
  ASSERT_GT(SendMessageW(drive1, CB_GETCOUNT, 0, 0), 1);
  const auto current = SendMessageW(drive1, CB_GETCURSEL, 0, 0);
  SendMessageW(drive1, CB_SETCURSEL, current == 0 ? 1 : 0, 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kDrive1, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(drive1));
  EXPECT_THAT(events.log, ElementsAre("Drive1_Change"));
}

TEST_F(ConfigurationDialogTest, ComboTextIsEditableAndAPickedItemIsItsTextWhenClicked) {
  view->Combo1().AddItem("*.bmp");
  view->Combo1().AddItem("*.gif");
  EXPECT_EQ(view->Combo1().Text(), "*.bmp");  // adding changes neither text nor selection
  EXPECT_EQ(SendMessageW(Item(kCombo1), CB_GETCURSEL, 0, 0), CB_ERR);
  std::string textWhenClicked;
  events.onEvent = [&](const std::string&) { textWhenClicked = view->Combo1().Text(); };
  SendMessageW(Item(kCombo1), CB_SETCURSEL, 1, 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kCombo1, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(Item(kCombo1)));
  EXPECT_THAT(events.log, ElementsAre("Combo1_Click"));
  EXPECT_EQ(textWhenClicked, "*.gif");
  SetWindowTextW(Item(kCombo1), L"*.txt");
  EXPECT_EQ(view->Combo1().Text(), "*.txt");
}

TEST_F(ConfigurationDialogTest, ScrollBarChangesOnArrowTrackAndReleasedThumbOnly) {
  const auto scroll = [&](WORD request, WORD position = 0) {
    SendMessageW(dialog, WM_VSCROLL, MAKEWPARAM(request, position),
                 reinterpret_cast<LPARAM>(Item(kVsTimer)));
  };
  scroll(SB_LINEDOWN);
  EXPECT_EQ(view->vsTimer().Value(), 6);
  scroll(SB_PAGEUP);
  scroll(SB_LINEUP);
  EXPECT_EQ(view->vsTimer().Value(), 4);
  scroll(SB_THUMBTRACK, 30);
  EXPECT_EQ(view->vsTimer().Value(), 4);
  scroll(SB_THUMBPOSITION, 60);
  scroll(SB_LINEDOWN);  // already at the top of the range
  EXPECT_EQ(view->vsTimer().Value(), 60);
  EXPECT_EQ(GetScrollPos(Item(kVsTimer), SB_CTL), 60);
  EXPECT_THAT(events.log,
              ElementsAre("vsTimer_Change", "vsTimer_Change", "vsTimer_Change", "vsTimer_Change"));
}

TEST_F(ConfigurationDialogTest, DisablingTheFocusedButtonPassesTheFocusOn) {
  test::WhenShown(dialog, [&] {
    SetFocus(Item(kCmdAddAll));
    view->cmdAddAll().SetEnabled(false);
    EXPECT_FALSE(view->cmdAddAll().Enabled());
    EXPECT_EQ(GetFocus(), Item(kCmdRemove));
    PostMessageW(dialog, WM_CLOSE, 0, 0);
  });
  view->ShowModal();
}

}  // namespace
}  // namespace vs
