#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ConfigurationView.h"
#include "platform/windows/dialogs/FixedWindow.h"

namespace vs::dialogs {

// A push button that is never a default button, pressed by a click, Space,
// Enter while it has the focus, or its access key.
class Button : public CommandButton {
 public:
  Button(FixedWindow& window, int id, const design::Control& design, std::function<void()> onClick);
  HWND Handle() const { return button_; }
  void SetEnabled(bool enabled) override;
  bool Enabled() const override { return IsWindowEnabled(button_) != FALSE; }

 private:
  HWND button_;
};

// A list of file names or paths with extended multi-selection. The dialog
// sets its entries without raising a click: only the user's selection changes
// do. Each entry keeps its name's UTF-8 bytes.
class NameList {
 public:
  NameList(FixedWindow& window, int id, const design::Control& design,
           std::function<void()> onClick, std::function<void()> onDoubleClick);
  HWND Handle() const { return list_; }
  int Count() const { return static_cast<int>(entries_.size()); }
  // Fails with a clear description outside 0 to Count() - 1.
  const std::string& Text(int index) const;
  bool IsSelected(int index) const;
  void SetEntries(std::vector<std::string> entries);
  void AppendEntries(const std::vector<std::string>& entries);

 private:
  HWND list_;
  std::vector<std::string> entries_;
};

class TargetList : public ListBox {
 public:
  TargetList(FixedWindow& window, int id, const design::Control& design,
             std::function<void()> onClick, std::function<void()> onDoubleClick);
  HWND Handle() const { return list_.Handle(); }
  int ListCount() const override { return list_.Count(); }
  std::string List(int index) const override { return list_.Text(index); }
  bool Selected(int index) const override { return list_.IsSelected(index); }
  void AddItems(const std::vector<std::string>& items) override { list_.AppendEntries(items); }
  void RemoveItems(const std::vector<int>& ascendingIndexes) override;
  void Clear() override { list_.SetEntries({}); }

 private:
  NameList list_;
};

// Editable; Enter adds no item; picking an item from the list is the only click.
class PatternCombo : public ComboBox {
 public:
  PatternCombo(FixedWindow& window, int id, const design::Control& design,
               std::function<void()> onClick);
  HWND Handle() const { return combo_; }
  void AddItem(const std::string& item) override;
  std::string Text() const override { return WindowTextOf(combo_); }

 private:
  HWND combo_;
};

// Read-only: only the dialog writes it.
class TimerText : public TextBox {
 public:
  TimerText(FixedWindow& window, int id, const design::Control& design);
  HWND Handle() const { return edit_; }
  std::string Text() const override { return WindowTextOf(edit_); }
  void SetText(const std::string& value) override;

 private:
  HWND edit_;
};

// Changes its value by one on an arrow or track click, and when the thumb is
// released; the lower arrow raises it.
class TimerBar : public ScrollBar {
 public:
  TimerBar(FixedWindow& window, int id, const design::Control& design, const design::Range& range,
           std::function<void()> onChange);
  HWND Handle() const { return bar_; }
  std::int16_t Value() const override { return static_cast<std::int16_t>(value_); }

 private:
  void Scroll(WORD request, int position);

  HWND bar_;
  int minimum_;
  int maximum_;
  int value_;
  std::function<void()> onChange_;
};

// A label's static text; "&" is shown as it is.
HWND AddLabel(FixedWindow& window, int id, const design::Control& design);

}  // namespace vs::dialogs
