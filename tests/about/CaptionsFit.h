#pragma once

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QWidget>
#include <string>
#include <vector>

namespace vs::testing {

// Labels and buttons of `window` whose text, measured in the control's own
// font, does not fit its rectangle (a wrapping label may use every line its
// height holds; a caption keeps the room its style puts round it).
inline std::vector<std::string> ClippedCaptions(const QWidget& window) {
  std::vector<std::string> clipped;
  auto note = [&clipped](const QWidget& control, const QString& text) {
    clipped.push_back(control.objectName().toStdString() + ": " + text.toStdString());
  };
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    const QRect room = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    if (!room.contains(label->fontMetrics().boundingRect(room, flags, label->text())))
      note(*label, label->text());
  }
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    const QStyle* style = button->style();
    const int around = 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button) +
                       style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    if (text.width() + around > button->width() || text.height() > button->height())
      note(*button, button->text());
  }
  return clipped;
}

}  // namespace vs::testing
