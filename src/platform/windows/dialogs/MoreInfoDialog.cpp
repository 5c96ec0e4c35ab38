#include "formats/io/windows/WideNames.h"
#include "platform/design/MoreInfoDesign.h"
#include "platform/events/Dispatch.h"
#include "platform/windows/dialogs/Controls.h"
#include "platform/windows/dialogs/DialogIds.h"
#include "platform/windows/dialogs/Dialogs.h"
#include "platform/windows/dialogs/FixedWindow.h"

namespace vs {
namespace {

namespace form = vs::design::more_info;

class Win32MoreInfoView : public MoreInfoView {
 public:
  explicit Win32MoreInfoView(MoreInfoEvents& events)
      : window_(form::kWindow,
                Slot("frmMoreInfo.cmdOK_Click", events, &MoreInfoEvents::cmdOK_Click)),
        // Read-only, yet scrolled, selected and copied.
        text1_(window_.AddControl(dialogs::kText1, L"EDIT", form::kText1,
                                  WS_TABSTOP | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE |
                                      ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL,
                                  {}, WS_EX_CLIENTEDGE)),
        cmdOK_(window_, dialogs::kMoreInfoCmdOK, form::kCmdOK,
               Slot("frmMoreInfo.cmdOK_Click", events, &MoreInfoEvents::cmdOK_Click)) {
    window_.SetTabOrder(form::kTabOrder);
  }

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
