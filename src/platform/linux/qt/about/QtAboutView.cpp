#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <array>

#include "platform/design/AboutDesign.h"
#include "platform/events/Dispatch.h"
#include "platform/linux/qt/QtText.h"
#include "platform/linux/qt/about/CommandButton.h"
#include "platform/linux/qt/about/DesignWidgets.h"
#include "platform/linux/qt/about/FixedDialog.h"
#include "platform/linux/qt/about/QtAboutViews.h"

namespace vs {

namespace {

namespace form = vs::design::about;

void SetForeground(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, colour);
  widget.setPalette(palette);
}

class QtAboutView : public about::FixedDialog, public AboutView {
 public:
  explicit QtAboutView(AboutEvents& events)
      : FixedDialog(form::kWindow.width, form::kWindow.height,
                    Slot("frmAbout.cmdOK_Click", events, &AboutEvents::cmdOK_Click)),
        cmdLicense_(form::kCmdLicense, this),
        cmdOK_(form::kCmdOK, this) {
    for (std::size_t i = 0; i < label1_.size(); ++i) {
      QLabel* label = new QLabel(this);
      about::Place(*label, form::kLabel1[i]);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(about::TextAlignment(form::kLabel1[i]));
      label1_[i] = label;
    }
    for (std::size_t i : form::kDarkRedLabels) {
      SetForeground(*label1_[i], about::ToQColor(design::kDarkRed));
    }
    for (const design::HorizontalLine& shape : form::kLines) {
      QFrame* line = new QFrame(this);
      line->setFrameShape(QFrame::HLine);
      line->setFrameShadow(QFrame::Plain);
      line->setLineWidth(1);
      about::Place(*line, shape);
      SetForeground(*line, about::ToQColor(shape.colour));
    }
    about::SetTabOrder(*this, form::kTabOrder);
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
