#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vs {

// Events of the configuration dialog's controls, raised on the UI thread. A
// click in a list is a change of its selection by the user (mouse or
// keyboard); changes the dialog makes itself raise no click.
class ConfigurationEvents {
 public:
  virtual ~ConfigurationEvents() = default;

  virtual void Drive1_Change() = 0;
  // Dir1's path changed, by the user or by DirListBox::SetPath.
  virtual void Dir1_Change() = 0;
  // An item was picked from Combo1's drop-down list.
  virtual void Combo1_Click() = 0;
  virtual void File1_Click() = 0;
  virtual void File1_DblClick() = 0;
  virtual void list1_Click() = 0;
  virtual void list1_DblClick() = 0;
  virtual void list2_Click() = 0;
  virtual void list2_DblClick() = 0;
  // vsTimer's value changed (arrow, track, or thumb released).
  virtual void vsTimer_Change() = 0;
  virtual void cmdAdd_Click() = 0;
  virtual void cmdAddAll_Click() = 0;
  virtual void cmdRemove_Click() = 0;
  virtual void cmdRemoveAll_Click() = 0;
  virtual void cmdOK_Click() = 0;
  virtual void cmdCancel_Click() = 0;
  virtual void cmdMoreInfo_Click() = 0;
};

class CommandButton {
 public:
  virtual ~CommandButton() = default;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
};

class TextBox {
 public:
  virtual ~TextBox() = default;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
};

class ScrollBar {
 public:
  virtual ~ScrollBar() = default;
  virtual std::int16_t Value() const = 0;
};

// A drop-down combo box whose text the user may edit.
class ComboBox {
 public:
  virtual ~ComboBox() = default;
  // Appends to the drop-down list; neither selects the item nor changes the text.
  virtual void AddItem(const std::string& item) = 0;
  // The text as shown, typed or picked.
  virtual std::string Text() const = 0;
};

// The drive list: the file systems the user browses, by mount point.
class DriveListBox {
 public:
  virtual ~DriveListBox() = default;
  // The chosen drive's mount point.
  virtual std::string Drive() const = 0;
};

// The directory list. Each drive keeps its own current directory.
class DirListBox {
 public:
  virtual ~DirListBox() = default;
  virtual std::string Path() const = 0;
  // A drive's mount point opens that drive's current directory. A directory
  // that cannot be read opens its nearest readable ancestor instead, never
  // failing. Raises Dir1_Change when the path changes.
  virtual void SetPath(const std::string& path) = 0;
};

// A list with extended multi-selection. Entries are indexed from 0.
class SelectableList {
 public:
  virtual ~SelectableList() = default;
  virtual int ListCount() const = 0;
  virtual std::string List(int index) const = 0;
  virtual bool Selected(int index) const = 0;
};

// A list box whose entries the dialog edits.
class ListBox : public SelectableList {
 public:
  // Appends the items, in order, unselected.
  virtual void AddItems(const std::vector<std::string>& items) = 0;
  // Removes the entries at `ascendingIndexes`; the others keep their order.
  virtual void RemoveItems(const std::vector<int>& ascendingIndexes) = 0;
  virtual void Clear() = 0;
};

// The file list: names (without directory) of the plain files of Path() that
// match Pattern(), ignoring case, sorted by name.
class FileListBox : public SelectableList {
 public:
  virtual std::string Path() const = 0;
  virtual void SetPath(const std::string& path) = 0;
  virtual std::string Pattern() const = 0;
  virtual void SetPattern(const std::string& pattern) = 0;
};

// The configuration dialog's window and controls, created hidden.
class ConfigurationView {
 public:
  virtual ~ConfigurationView() = default;

  virtual DriveListBox& Drive1() = 0;
  virtual DirListBox& Dir1() = 0;
  virtual ComboBox& Combo1() = 0;
  virtual FileListBox& File1() = 0;
  virtual ListBox& list1() = 0;
  virtual ListBox& list2() = 0;
  virtual TextBox& txtTimer() = 0;
  virtual ScrollBar& vsTimer() = 0;
  virtual CommandButton& cmdAdd() = 0;
  virtual CommandButton& cmdAddAll() = 0;
  virtual CommandButton& cmdRemove() = 0;
  virtual CommandButton& cmdRemoveAll() = 0;

  // Shows the dialog modally, focus on cmdOK; returns when it is closed.
  virtual void ShowModal() = 0;
};

}  // namespace vs
