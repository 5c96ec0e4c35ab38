#include "FakeConfigurationView.h"

#include <algorithm>

#include "core/Extension.h"

namespace vs::fake {

void FakeList::AddItems(const std::vector<std::string>& added) {
  items.insert(items.end(), added.begin(), added.end());
}

void FakeList::RemoveItems(const std::vector<int>& ascendingIndexes) {
  for (auto index = ascendingIndexes.rbegin(); index != ascendingIndexes.rend(); ++index) {
    items.erase(items.begin() + *index);
  }
  selected.clear();
}

void FakeList::Clear() {
  items.clear();
  selected.clear();
}

void FakeFileList::SetPath(const std::string& value) {
  path = value;
  selected.clear();
}

void FakeFileList::SetPattern(const std::string& value) {
  pattern = value;
  selected.clear();
}

std::vector<std::string> FakeFileList::Shown() const {
  std::vector<std::string> names = namesIn ? namesIn(path) : std::vector<std::string>{};
  if (pattern == "*.*") return names;
  const std::string wanted = LastThreeUpper(pattern);
  names.erase(
      std::remove_if(names.begin(), names.end(),
                     [&](const std::string& name) { return LastThreeUpper(name) != wanted; }),
      names.end());
  return names;
}

FakeConfigurationView::FakeConfigurationView(ConfigurationEvents& events) : dir1(events) {}

void FakeConfigurationView::Dir::SetPath(const std::string& value) {
  if (value == path) return;
  path = value;
  events_.Dir1_Change();
}

void FakeConfigurationView::ShowModal() {
  ++modalShows;
  if (whileShown) whileShown();
}

}  // namespace vs::fake
