#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <array>

#include "platform/events/Dispatch.h"
#include "platform/linux/qt/QtText.h"
#include "platform/linux/qt/about/CommandButton.h"
#include "platform/linux/qt/about/FixedDialog.h"
#include "platform/linux/qt/about/QtAboutViews.h"
#include "platform/linux/qt/about/TwipRect.h"

namespace vs {

namespace {

const QColor kDarkBlue(0, 0, 192);
const QColor kDarkRed(192, 0, 0);
constexpr std::array<int, 6> kLabelTops = {120, 480, 960, 1320, 1800, 2160};
constexpr std::array<int, 3> kLineTops = {840, 1680, 2520};

void SetForeground(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, colour);
  widget.setPalette(palette);
}

class QtAboutView : public about::FixedDialog, public AboutView {
 public:
  explicit QtAboutView(AboutEvents& events)
      : FixedDialog(4680, 3195, Slot("frmAbout.cmdOK_Click", events, &AboutEvents::cmdOK_Click)),
        cmdLicense_(about::TwipRect(480, 2640, 1695, 375), this),
        cmdOK_(about::TwipRect(2520, 2640, 1575, 375), this) {
    for (std::size_t i = 0; i < label1_.size(); ++i) {
      QLabel* label = new QLabel(this);
      label->setObjectName(QStringLiteral("Label1_%1").arg(i));
      label->setGeometry(about::TwipRect(120, kLabelTops[i], 4455, 255));
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
      label1_[i] = label;
    }
    SetForeground(*label1_[3], kDarkRed);
    SetForeground(*label1_[5], kDarkRed);
    for (std::size_t i = 0; i < kLineTops.size(); ++i) {
      QFrame* line = new QFrame(this);
      line->setObjectName(QStringLiteral("Line%1").arg(i + 1));
      line->setFrameShape(QFrame::HLine);
      line->setFrameShadow(QFrame::Plain);
      line->setLineWidth(1);
      line->setGeometry(about::TwipRect(120, kLineTops[i], 4440 - 120, about::kTwipsPerPixel));
      SetForeground(*line, kDarkBlue);
    }
    cmdLicense_.setObjectName(QStringLiteral("cmdLicense"));
    cmdOK_.setObjectName(QStringLiteral("cmdOK"));
    QWidget::setTabOrder(&cmdLicense_, &cmdOK_);
    QObject::connect(&cmdLicense_, &QPushButton::clicked, this,
                     Slot("frmAbout.cmdLicense_Click", events, &AboutEvents::cmdLicense_Click));
    QObject::connect(&cmdOK_, &QPushButton::clicked, this,
                     Slot("frmAbout.cmdOK_Click", events, &AboutEvents::cmdOK_Click));
    cmdLicense_.setFocus();
  }

  void ShowModal(const AboutTexts& texts) override {
    for (std::size_t i = 0; i < label1_.size(); ++i) {
      label1_[i]->setText(ToQString(texts.label1[i]));
    }
    cmdLicense_.setText(ToQString(texts.cmdLicense));
    cmdOK_.setText(ToQString(texts.cmdOK));
    ExecCentred(ToQString(texts.caption));
  }

  void Unload() override { Close(); }

 private:
  std::array<QLabel*, 6> label1_{};  // children of the dialog
  about::CommandButton cmdLicense_;
  about::CommandButton cmdOK_;
};

}  // namespace

std::unique_ptr<AboutView> CreateQtAboutView(AboutEvents& events) {
  return std::make_unique<QtAboutView>(events);
}

}  // namespace vs
