#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/ConfigurationView.h"

namespace vs::fake {

struct FakeButton : CommandButton {
  void SetEnabled(bool value) override { enabled = value; }
  bool Enabled() const override { return enabled; }
  bool enabled = true;
};

struct FakeTextBox : TextBox {
  std::string Text() const override { return text; }
  void SetText(const std::string& value) override { text = value; }
  std::string text = "5";  // txtTimer's initial text
};

struct FakeScrollBar : ScrollBar {
  std::int16_t Value() const override { return value; }
  std::int16_t value = 5;
};

struct FakeComboBox : ComboBox {
  void AddItem(const std::string& item) override { items.push_back(item); }
  std::string Text() const override { return text; }
  std::vector<std::string> items;
  std::string text = "*.bmp";
};

struct FakeDriveList : DriveListBox {
  std::string Drive() const override { return drive; }
  std::string drive = "/";
};

// Entries and selection by index, as the tests set them.
struct FakeList : ListBox {
  int ListCount() const override { return static_cast<int>(items.size()); }
  std::string List(int index) const override { return items.at(static_cast<std::size_t>(index)); }
  bool Selected(int index) const override { return selected.count(index) > 0; }
  void AddItems(const std::vector<std::string>& added) override;
  void RemoveItems(const std::vector<int>& ascendingIndexes) override;
  void Clear() override;
  std::vector<std::string> items;
  std::set<int> selected;
};

// Lists the names a test gives per directory, filtered by the pattern's
// extension ("*.ext"; "*.*" lists all), as the real file list would.
struct FakeFileList : FileListBox {
  int ListCount() const override { return static_cast<int>(Shown().size()); }
  std::string List(int index) const override { return Shown().at(static_cast<std::size_t>(index)); }
  bool Selected(int index) const override { return selected.count(index) > 0; }
  std::string Path() const override { return path; }
  void SetPath(const std::string& value) override;
  std::string Pattern() const override { return pattern; }
  void SetPattern(const std::string& value) override;
  std::vector<std::string> Shown() const;

  std::function<std::vector<std::string>(const std::string& directory)> namesIn;
  std::string path = "/home/user";
  std::string pattern;
  std::set<int> selected;
};

class FakeConfigurationView : public ConfigurationView {
 public:
  explicit FakeConfigurationView(ConfigurationEvents& events);

  DriveListBox& Drive1() override { return drive1; }
  DirListBox& Dir1() override { return dir1; }
  ComboBox& Combo1() override { return combo1; }
  FileListBox& File1() override { return file1; }
  ListBox& list1() override { return targets1; }
  ListBox& list2() override { return targets2; }
  TextBox& txtTimer() override { return timerText; }
  ScrollBar& vsTimer() override { return timerBar; }
  CommandButton& cmdAdd() override { return add; }
  CommandButton& cmdAddAll() override { return addAll; }
  CommandButton& cmdRemove() override { return remove; }
  CommandButton& cmdRemoveAll() override { return removeAll; }
  // Runs what the test queued as the user's actions, then closes.
  void ShowModal() override;

  struct Dir : DirListBox {
    explicit Dir(ConfigurationEvents& events) : events_(events) {}
    std::string Path() const override { return path; }
    void SetPath(const std::string& value) override;
    std::string path = "/home/user";

   private:
    ConfigurationEvents& events_;
  };

  FakeDriveList drive1;
  Dir dir1;
  FakeComboBox combo1;
  FakeFileList file1;
  FakeList targets1, targets2;
  FakeTextBox timerText;
  FakeScrollBar timerBar;
  FakeButton add, addAll, remove, removeAll;
  std::function<void()> whileShown;
  int modalShows = 0;
};

}  // namespace vs::fake
