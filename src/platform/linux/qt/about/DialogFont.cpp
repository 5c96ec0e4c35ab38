#include "platform/linux/qt/about/DialogFont.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <algorithm>

namespace vs::about {
namespace {

constexpr qreal kDesignPointSize = 8;
// Below this, text fits but no longer reads well: leave it clipped instead.
constexpr qreal kSmallestPointSize = 6;
constexpr qreal kStep = 0.5;

bool LabelFits(const QLabel& label) {
  const QRect room = label.contentsRect();
  const int flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
  const QRect needed = label.fontMetrics().boundingRect(room, flags, label.text());
  return room.contains(needed);
}

bool ButtonFits(const QAbstractButton& button) {
  // Room the style itself asks for around a caption, inside the frame.
  const QStyle* style = button.style();
  const int frame = 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
  const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
  const QSize text = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
  return text.width() + frame + margin <= button.width() &&
         text.height() + frame <= button.height();
}

bool EverythingFits(const QWidget& dialog) {
  const auto labels = dialog.findChildren<QLabel*>();
  const auto buttons = dialog.findChildren<QAbstractButton*>();
  return std::all_of(labels.begin(), labels.end(), [](QLabel* l) { return LabelFits(*l); }) &&
         std::all_of(buttons.begin(), buttons.end(),
                     [](QAbstractButton* b) { return ButtonFits(*b); });
}

}  // namespace

void FitDialogFont(QWidget& dialog) {
  QFont font = QApplication::font(&dialog);
  // The default may be given in pixels; what is shown has a point size either way.
  qreal size = std::min(QFontInfo(font).pointSizeF(), kDesignPointSize);
  for (;;) {
    font.setPointSizeF(size);
    dialog.setFont(font);
    if (size - kStep < kSmallestPointSize || EverythingFits(dialog)) return;
    size -= kStep;
  }
}

}  // namespace vs::about
