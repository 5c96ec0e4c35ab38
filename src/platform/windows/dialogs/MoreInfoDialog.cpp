#include "formats/io/windows/WideNames.h"
#include "platform/events/Dispatch.h"
#include "platform/windows/dialogs/Controls.h"
#include "platform/windows/dialogs/DialogIds.h"
#include "platform/windows/dialogs/Dialogs.h"
#include "platform/windows/dialogs/FixedWindow.h"

namespace vs {
namespace {

class Win32MoreInfoView : public MoreInfoView {
 public:
  explicit Win32MoreInfoView(MoreInfoEvents& events)
      : window_(L"", 7125, 3690,
                Slot("frmMoreInfo.cmdOK_Click", events, &MoreInfoEvents::cmdOK_Click)),
        // Read-only, yet scrolled, selected and copied.
        text1_(window_.AddControl(dialogs::kText1, L"EDIT", L"",
                                  WS_TABSTOP | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE |
                                      ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL,
                                  {120, 120, 6855, 2895}, {}, WS_EX_CLIENTEDGE)),
        cmdOK_(window_, dialogs::kMoreInfoCmdOK, L"", {2640, 3240, 1815, 375},
               Slot("frmMoreInfo.cmdOK_Click", events, &MoreInfoEvents::cmdOK_Click)) {}

  void ShowModal(const MoreInfoTexts& texts) override {
    // The edit control's lines end with "\r\n", as the text's do.
    SetWindowTextW(text1_, WideName(texts.text1).c_str());
    SendMessageW(text1_, EM_SETSEL, 0, 0);
    SendMessageW(text1_, EM_SCROLLCARET, 0, 0);
    SetWindowTextW(cmdOK_.Handle(), WideName(texts.cmdOK).c_str());
    window_.SetCaption(WideName(texts.caption));
    window_.ShowModal(text1_);
  }

  void Unload() override { window_.Close(); }

 private:
  dialogs::FixedWindow window_;
  HWND text1_;
  dialogs::Button cmdOK_;
};

}  // namespace

std::unique_ptr<MoreInfoView> CreateWin32MoreInfoView(MoreInfoEvents& events) {
  return std::make_unique<Win32MoreInfoView>(events);
}

}  // namespace vs
