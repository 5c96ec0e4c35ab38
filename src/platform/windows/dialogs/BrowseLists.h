#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ConfigurationView.h"
#include "platform/windows/dialogs/Controls.h"
#include "platform/windows/dialogs/DriveDirectories.h"
#include "platform/windows/dialogs/FixedWindow.h"

namespace vs::dialogs {

// The drives by letter and label; onChange runs when the user picks one.
class DriveList : public DriveListBox {
 public:
  DriveList(FixedWindow& window, int id, const design::Control& design, DriveDirectories& drives,
            std::function<void()> onChange);
  HWND Handle() const { return combo_; }
  // The chosen drive's root ("C:\").
  std::string Drive() const override;
  // Shows the drive holding `path` without raising a change.
  void ShowDriveOf(const std::string& path);

 private:
  DriveDirectories& drives_;
  HWND combo_;
};

// The classic directory list: the path from the root, one entry per level,
// then the subdirectories; double-click or Enter opens an entry.
class DirList : public DirListBox {
 public:
  // Starts at `start`, or its nearest readable ancestor.
  DirList(FixedWindow& window, int id, const design::Control& design, DriveDirectories& drives,
          DriveList& driveList, const std::string& start, std::function<void()> onChange);
  ~DirList() override;
  DirList(const DirList&) = delete;
  DirList& operator=(const DirList&) = delete;
  HWND Handle() const { return list_; }
  std::string Path() const override { return path_; }
  void SetPath(const std::string& path) override;

 private:
  struct Entry {
    std::string path;
    std::wstring shown;
    int level;
    bool open;
  };

  void OpenSelected();
  void Open(const std::string& directory);
  void Fill();
  void Draw(const DRAWITEMSTRUCT& item) const;
  void FitItemHeight();
  int Scaled(int pixels) const;

  DriveDirectories& drives_;
  DriveList& driveList_;
  std::function<void()> onChange_;
  std::string path_;
  std::vector<Entry> entries_;
  HICON openIcon_ = nullptr;
  HICON closedIcon_ = nullptr;
  HWND list_ = nullptr;
};

class FileList : public FileListBox {
 public:
  FileList(FixedWindow& window, int id, const design::Control& design, const std::string& path,
           const std::string& pattern, std::function<void()> onClick,
           std::function<void()> onDoubleClick);
  HWND Handle() const { return list_.Handle(); }
  int ListCount() const override { return list_.Count(); }
  std::string List(int index) const override { return list_.Text(index); }
  bool Selected(int index) const override { return list_.IsSelected(index); }
  std::string Path() const override { return path_; }
  void SetPath(const std::string& path) override;
  std::string Pattern() const override { return pattern_; }
  void SetPattern(const std::string& pattern) override;

 private:
  void Fill();

  NameList list_;
  std::string path_;
  std::string pattern_;
};

}  // namespace vs::dialogs
