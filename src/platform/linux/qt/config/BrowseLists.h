#pragma once

#include <QComboBox>
#include <functional>
#include <string>

#include "platform/ConfigurationView.h"
#include "platform/linux/browse/DriveMemory.h"
#include "platform/linux/qt/config/Controls.h"

namespace vs::config {

// The drives by mount point and label; onChange runs when the user picks one.
class DriveList : public QComboBox, public DriveListBox {
 public:
  DriveList(browse::DriveMemory& drives, std::function<void()> onChange, QWidget* parent);
  std::string Drive() const override;
  // Shows the drive holding `path` without raising a change.
  void ShowDriveOf(const std::string& path);

 private:
  browse::DriveMemory& drives_;
};

// The classic directory list: the path from the root, one entry per level,
// then the subdirectories; opening an entry makes it the path.
class DirList : public QListWidget, public DirListBox {
 public:
  // Starts at `start`, or its nearest readable ancestor.
  DirList(browse::DriveMemory& drives, DriveList& driveList, const std::string& start,
          std::function<void()> onChange, QWidget* parent);
  std::string Path() const override { return path_; }
  void SetPath(const std::string& path) override;

 private:
  void Open(const std::string& directory);
  void Fill();

  browse::DriveMemory& drives_;
  DriveList& driveList_;
  std::function<void()> onChange_;
  std::string path_;
};

class FileList : public MultiSelectList, public FileListBox {
 public:
  FileList(const std::string& path, const std::string& pattern, QWidget* parent);
  int ListCount() const override { return Count(); }
  std::string List(int index) const override { return Text(index); }
  bool Selected(int index) const override { return IsSelected(index); }
  std::string Path() const override { return path_; }
  void SetPath(const std::string& path) override;
  std::string Pattern() const override { return pattern_; }
  void SetPattern(const std::string& pattern) override;

 private:
  void Fill();

  std::string path_;
  std::string pattern_;
};

}  // namespace vs::config
