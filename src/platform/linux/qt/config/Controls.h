#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <string>
#include <vector>

#include "platform/ConfigurationView.h"
#include "platform/linux/qt/QtText.h"
#include "platform/linux/qt/about/CommandButton.h"

namespace vs::config {

// A list of file names or paths, with extended multi-selection, whose entries
// the dialog sets without raising a click: only the user's selection changes
// do. Each entry keeps its name's bytes.
class MultiSelectList : public QListWidget {
 public:
  explicit MultiSelectList(QWidget* parent);

  int Count() const { return count(); }
  std::string Text(int index) const;
  bool IsSelected(int index) const;
  void SetEntries(const std::vector<std::string>& entries);
  void AppendEntries(const std::vector<std::string>& entries);
};

class TargetList : public MultiSelectList, public ListBox {
 public:
  using MultiSelectList::MultiSelectList;
  int ListCount() const override { return Count(); }
  std::string List(int index) const override { return Text(index); }
  bool Selected(int index) const override { return IsSelected(index); }
  void AddItems(const std::vector<std::string>& items) override;
  void RemoveItems(const std::vector<int>& ascendingIndexes) override;
  void Clear() override { SetEntries({}); }
};

// Editable; Return adds no item; picking an item is the only click.
class PatternCombo : public QComboBox, public ComboBox {
 public:
  PatternCombo(const QString& text, QWidget* parent);
  void AddItem(const std::string& item) override;
  std::string Text() const override { return ToStdString(currentText()); }
};

class Button : public about::CommandButton, public CommandButton {
 public:
  using about::CommandButton::CommandButton;
  void SetEnabled(bool enabled) override { setEnabled(enabled); }
  bool Enabled() const override { return isEnabled(); }
};

// Read-only: only the dialog writes it.
class TimerText : public QLineEdit, public TextBox {
 public:
  TimerText(const QString& text, QWidget* parent);
  std::string Text() const override { return ToStdString(text()); }
  void SetText(const std::string& value) override { setText(ToQString(value)); }
};

// Changes its value on arrow and track clicks and when the thumb is released.
class TimerBar : public QScrollBar, public ScrollBar {
 public:
  TimerBar(int minimum, int maximum, int value, QWidget* parent);
  std::int16_t Value() const override { return static_cast<std::int16_t>(value()); }
};

}  // namespace vs::config
