#include "platform/linux/qt/config/Controls.h"

#include <QSignalBlocker>

namespace vs::config {
namespace {

QStringList ToQt(const std::vector<std::string>& items) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(items.size()));
  for (const std::string& item : items) list.append(QString::fromStdString(item));
  return list;
}

}  // namespace

MultiSelectList::MultiSelectList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setUniformItemSizes(true);  // keeps lists of thousands of entries fast
}

std::string MultiSelectList::Text(int index) const { return item(index)->text().toStdString(); }

bool MultiSelectList::IsSelected(int index) const { return item(index)->isSelected(); }

void MultiSelectList::SetEntries(const QStringList& entries) {
  const QSignalBlocker quiet(this);
  clear();
  addItems(entries);
}

void MultiSelectList::AppendEntries(const QStringList& entries) {
  const QSignalBlocker quiet(this);
  addItems(entries);
}

void TargetList::AddItems(const std::vector<std::string>& items) {
  if (!items.empty()) AppendEntries(ToQt(items));
}

void TargetList::RemoveItems(const std::vector<int>& ascendingIndexes) {
  // Rebuilt in one pass: removing entries one by one is quadratic.
  QStringList kept;
  auto removed = ascendingIndexes.begin();
  for (int i = 0; i < count(); ++i) {
    if (removed != ascendingIndexes.end() && *removed == i) {
      ++removed;
    } else {
      kept.append(item(i)->text());
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
  addItem(QString::fromStdString(item));
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
