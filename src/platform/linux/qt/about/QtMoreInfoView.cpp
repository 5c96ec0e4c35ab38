#include <QPlainTextEdit>

#include "platform/design/MoreInfoDesign.h"
#include "platform/events/Dispatch.h"
#include "platform/linux/qt/QtText.h"
#include "platform/linux/qt/about/CommandButton.h"
#include "platform/linux/qt/about/DesignWidgets.h"
#include "platform/linux/qt/about/FixedDialog.h"
#include "platform/linux/qt/about/QtAboutViews.h"

namespace vs {

namespace {

namespace form = vs::design::more_info;

class QtMoreInfoView : public about::FixedDialog, public MoreInfoView {
 public:
  explicit QtMoreInfoView(MoreInfoEvents& events)
      : FixedDialog(form::kWindow.width, form::kWindow.height,
                    Slot("frmMoreInfo.cmdOK_Click", events, &MoreInfoEvents::cmdOK_Click)),
        text1_(this),
        cmdOK_(form::kCmdOK, this) {
    about::Place(text1_, form::kText1);
    text1_.setReadOnly(true);
    text1_.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text1_.setLineWrapMode(QPlainTextEdit::NoWrap);
    text1_.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_.setTabChangesFocus(true);
    about::SetTabOrder(*this, form::kTabOrder);
    QObject::connect(&cmdOK_, &QPushButton::clicked, this,
                     Slot("frmMoreInfo.cmdOK_Click", events, &MoreInfoEvents::cmdOK_Click));
    text1_.setFocus();
  }

  void ShowModal(const MoreInfoTexts& texts) override {
    QString text = ToQString(texts.text1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text1_.setPlainText(text);
    text1_.moveCursor(QTextCursor::Start);
    cmdOK_.setText(ToQString(texts.cmdOK));
    ExecCentred(ToQString(texts.caption));
  }

  void Unload() override { Close(); }

 private:
  QPlainTextEdit text1_;
  about::CommandButton cmdOK_;
};

}  // namespace

std::unique_ptr<MoreInfoView> CreateQtMoreInfoView(MoreInfoEvents& events) {
  return std::make_unique<QtMoreInfoView>(events);
}

}  // namespace vs
