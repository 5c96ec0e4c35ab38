#include "platform/linux/qt/config/Controls.h"

#include <QSignalBlocker>

namespace vs::config {
namespace {

constexpr int kNameRole = Qt::UserRole;

}  // namespace

MultiSelectList::MultiSelectList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setUniformItemSizes(true);  // keeps lists of thousands of entries fast
}

std::string MultiSelectList::Text(int index) const { return NameOf(item(index)->data(kNameRole)); }

bool MultiSelectList::IsSelected(int index) const { return item(index)->isSelected(); }

void MultiSelectList::SetEntries(const std::vector<std::string>& entries) {
  const QSignalBlocker quiet(this);
  clear();
  AppendEntries(entries);
}

void MultiSelectList::AppendEntries(const std::vector<std::string>& entries) {
  const QSignalBlocker quiet(this);
  QStringList shown;
  shown.reserve(static_cast<qsizetype>(entries.size()));
  for (const std::string& entry : entries) shown.append(ToQString(entry));
  // Added at once, then given their bytes: one insertion per item is ten
  // times slower for thousands of entries.
  const int first = count();
  addItems(shown);
  for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
    item(first + i)->setData(kNameRole, NameData(entries[static_cast<std::size_t>(i)]));
  }
}

void TargetList::AddItems(const std::vector<std::string>& items) {
  if (!items.empty()) AppendEntries(items);
}

void TargetList::RemoveItems(const std::vector<int>& ascendingIndexes) {
  // Rebuilt in one pass: removing entries one by one is quadratic.
  std::vector<std::string> kept;
  auto removed = ascendingIndexes.begin();
  for (int i = 0; i < count(); ++i) {
    if (removed != ascendingIndexes.end() && *removed == i) {
      ++removed;
    } else {
      kept.push_back(Text(i));
    }
  }
  SetEntries(kept);
}

PatternCombo::PatternCombo(const QString& text, QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setEditText(text);
}

void PatternCombo::AddItem(const std::string& item) {
  const QSignalBlocker quiet(this);
  const QString text = currentText();
  const int current = currentIndex();
  addItem(ToQString(item));
  // Qt selects the first item added; the text stays as it was.
  setCurrentIndex(current);
  setEditText(text);
}

TimerText::TimerText(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
  setReadOnly(true);
}

TimerBar::TimerBar(int minimum, int maximum, int value, QWidget* parent)
    : QScrollBar(Qt::Vertical, parent) {
  setRange(minimum, maximum);
  setSingleStep(1);
  setPageStep(1);
  setValue(value);
  setTracking(false);
  setFocusPolicy(Qt::StrongFocus);
}

}  // namespace vs::config
