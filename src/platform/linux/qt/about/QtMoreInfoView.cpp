#include <QPlainTextEdit>

#include "platform/events/Dispatch.h"
#include "platform/linux/qt/QtText.h"
#include "platform/linux/qt/about/CommandButton.h"
#include "platform/linux/qt/about/FixedDialog.h"
#include "platform/linux/qt/about/QtAboutViews.h"
#include "platform/linux/qt/about/TwipRect.h"

namespace vs {

namespace {

class QtMoreInfoView : public about::FixedDialog, public MoreInfoView {
 public:
  explicit QtMoreInfoView(MoreInfoEvents& events)
      : FixedDialog(7125, 3690,
                    Slot("frmMoreInfo.cmdOK_Click", events, &MoreInfoEvents::cmdOK_Click)),
        text1_(this),
        cmdOK_(about::TwipRect(2640, 3240, 1815, 375), this) {
    text1_.setObjectName(QStringLiteral("Text1"));
    text1_.setGeometry(about::TwipRect(120, 120, 6855, 2895));
    text1_.setReadOnly(true);
    text1_.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text1_.setLineWrapMode(QPlainTextEdit::NoWrap);
    text1_.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_.setTabChangesFocus(true);
    cmdOK_.setObjectName(QStringLiteral("cmdOK"));
    QWidget::setTabOrder(&text1_, &cmdOK_);
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
