#include <array>

#include "formats/io/windows/WideNames.h"
#include "platform/events/Dispatch.h"
#include "platform/windows/dialogs/Controls.h"
#include "platform/windows/dialogs/DialogIds.h"
#include "platform/windows/dialogs/Dialogs.h"
#include "platform/windows/dialogs/FixedWindow.h"

namespace vs {
namespace {

constexpr COLORREF kDarkBlue = RGB(0, 0, 192);
constexpr COLORREF kDarkRed = RGB(192, 0, 0);
constexpr std::array<int, 6> kLabelTops = {120, 480, 960, 1320, 1800, 2160};
constexpr std::array<int, 3> kLineTops = {840, 1680, 2520};

class Win32AboutView : public AboutView {
 public:
  explicit Win32AboutView(AboutEvents& events)
      : window_(L"", 4680, 3195, Slot("frmAbout.cmdOK_Click", events, &AboutEvents::cmdOK_Click)),
        label1_(AddLabels()),
        cmdLicense_(window_, dialogs::kCmdLicense, L"", {480, 2640, 1695, 375},
                    Slot("frmAbout.cmdLicense_Click", events, &AboutEvents::cmdLicense_Click)),
        cmdOK_(window_, dialogs::kAboutCmdOK, L"", {2520, 2640, 1575, 375},
               Slot("frmAbout.cmdOK_Click", events, &AboutEvents::cmdOK_Click)) {
    window_.SetTextColour(label1_[3], kDarkRed);
    window_.SetTextColour(label1_[5], kDarkRed);
    for (int top : kLineTops) window_.AddHorizontalLine(120, 4440, top, kDarkBlue);
  }

  void ShowModal(const AboutTexts& texts) override {
    for (std::size_t i = 0; i < label1_.size(); ++i) {
      SetWindowTextW(label1_[i], WideName(texts.label1[i]).c_str());
    }
    SetWindowTextW(cmdLicense_.Handle(), WideName(texts.cmdLicense).c_str());
    SetWindowTextW(cmdOK_.Handle(), WideName(texts.cmdOK).c_str());
    window_.SetCaption(WideName(texts.caption));
    window_.ShowModal(cmdLicense_.Handle());
  }

  void Unload() override { window_.Close(); }

 private:
  std::array<HWND, 6> AddLabels() {
    std::array<HWND, 6> labels{};
    for (std::size_t i = 0; i < labels.size(); ++i) {
      labels[i] = dialogs::AddLabel(window_, dialogs::kAboutLabel1 + static_cast<int>(i), L"",
                                    {120, kLabelTops[i], 4455, 255}, true);
    }
    return labels;
  }

  dialogs::FixedWindow window_;
  std::array<HWND, 6> label1_;
  dialogs::Button cmdLicense_;
  dialogs::Button cmdOK_;
};

}  // namespace

std::unique_ptr<AboutView> CreateWin32AboutView(AboutEvents& events) {
  return std::make_unique<Win32AboutView>(events);
}

}  // namespace vs
