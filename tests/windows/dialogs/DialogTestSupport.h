#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/AboutView.h"
#include "platform/ConfigurationView.h"
#include "platform/MoreInfoView.h"
#include "platform/windows/Win32.h"

namespace vs::test {

// Records each event by its handler's name.
class RecordingConfigurationEvents : public ConfigurationEvents {
 public:
  std::vector<std::string> log;
  std::function<void(const std::string&)> onEvent;  // runs after the entry is logged

  void Drive1_Change() override { Record("Drive1_Change"); }
  void Dir1_Change() override { Record("Dir1_Change"); }
  void Combo1_Click() override { Record("Combo1_Click"); }
  void File1_Click() override { Record("File1_Click"); }
  void File1_DblClick() override { Record("File1_DblClick"); }
  void list1_Click() override { Record("list1_Click"); }
  void list1_DblClick() override { Record("list1_DblClick"); }
  void list2_Click() override { Record("list2_Click"); }
  void list2_DblClick() override { Record("list2_DblClick"); }
  void vsTimer_Change() override { Record("vsTimer_Change"); }
  void cmdAdd_Click() override { Record("cmdAdd_Click"); }
  void cmdAddAll_Click() override { Record("cmdAddAll_Click"); }
  void cmdRemove_Click() override { Record("cmdRemove_Click"); }
  void cmdRemoveAll_Click() override { Record("cmdRemoveAll_Click"); }
  void cmdOK_Click() override { Record("cmdOK_Click"); }
  void cmdCancel_Click() override { Record("cmdCancel_Click"); }
  void cmdMoreInfo_Click() override { Record("cmdMoreInfo_Click"); }

 private:
  void Record(const std::string& name) {
    log.push_back(name);
    if (onEvent) onEvent(name);
  }
};

// A folder of its own, removed with what it holds.
class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  const std::filesystem::path& Path() const { return path_; }
  std::string Utf8() const;
  // An empty file; `name` in UTF-8.
  void AddFile(const std::string& name) const;
  void AddFolder(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

// Makes `folder` the process's directory while alive.
class CurrentDirectory {
 public:
  explicit CurrentDirectory(const std::filesystem::path& folder);
  ~CurrentDirectory();

 private:
  std::filesystem::path old_;
};

// The top-level window captioned `caption`, shown or hidden.
HWND WindowCaptioned(const std::wstring& caption);

// Runs `act` once `window` is shown by a modal loop; should the act leave it
// open, a close command follows later, so that a test fails instead of hanging.
void WhenShown(HWND window, std::function<void()> act);

// A control's rectangle in its window's client coordinates.
RECT ClientRectOf(HWND control);

// The user's click (or double click) on entry `index` of a list box.
void ClickEntry(HWND list, int index, bool twice = false);

// A key as the modal loop hands it to the dialog manager.
bool PressInDialog(HWND dialog, UINT message, WPARAM key);

std::wstring TextOf(HWND window);

}  // namespace vs::test
