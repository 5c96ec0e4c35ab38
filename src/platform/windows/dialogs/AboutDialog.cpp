#include <array>

#include "formats/io/windows/WideNames.h"
#include "platform/design/AboutDesign.h"
#include "platform/events/Dispatch.h"
#include "platform/windows/dialogs/Controls.h"
#include "platform/windows/dialogs/DialogIds.h"
#include "platform/windows/dialogs/Dialogs.h"
#include "platform/windows/dialogs/FixedWindow.h"

namespace vs {
namespace {

namespace form = vs::design::about;

class Win32AboutView : public AboutView {
 public:
  explicit Win32AboutView(AboutEvents& events)
      : window_(form::kWindow, Slot("frmAbout.cmdOK_Click", events, &AboutEvents::cmdOK_Click)),
        label1_(AddLabels()),
        cmdLicense_(window_, dialogs::kCmdLicense, form::kCmdLicense,
                    Slot("frmAbout.cmdLicense_Click", events, &AboutEvents::cmdLicense_Click)),
        cmdOK_(window_, dialogs::kAboutCmdOK, form::kCmdOK,
               Slot("frmAbout.cmdOK_Click", events, &AboutEvents::cmdOK_Click)) {
    for (std::size_t i : form::kDarkRedLabels) {
      window_.SetTextColour(label1_[i], dialogs::ToColorRef(design::kDarkRed));
    }
    for (const design::HorizontalLine& line : form::kLines) window_.AddHorizontalLine(line);
    window_.SetTabOrder(form::kTabOrder);
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
      labels[i] =
          dialogs::AddLabel(window_, dialogs::kAboutLabel1 + static_cast<int>(i), form::kLabel1[i]);
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
