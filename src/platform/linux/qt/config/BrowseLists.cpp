#include "platform/linux/qt/config/BrowseLists.h"

#include <QApplication>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>
#include <utility>

#include "core/Paths.h"
#include "platform/linux/browse/Directories.h"
#include "platform/linux/qt/QtText.h"

namespace vs::config {
namespace {

constexpr int kLevelRole = Qt::UserRole + 1;
constexpr int kPathRole = Qt::UserRole;
constexpr int kIndentPerLevel = 8;

// Indents each directory entry by its depth below the root.
class LevelIndent : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem indented(option);
    indented.rect.setLeft(option.rect.left() + index.data(kLevelRole).toInt() * kIndentPerLevel);
    QStyledItemDelegate::paint(painter, indented, index);
  }
};

}  // namespace

DriveList::DriveList(browse::DriveMemory& drives, std::function<void()> onChange, QWidget* parent)
    : QComboBox(parent), drives_(drives) {
  for (const browse::Drive& drive : drives_.Drives()) {
    addItem(ToQString(drive.DisplayName()));
  }
  connect(this, &QComboBox::currentIndexChanged, this,
          [change = std::move(onChange)] { change(); });
}

std::string DriveList::Drive() const {
  return drives_.Drives()[static_cast<std::size_t>(std::max(0, currentIndex()))].mountPoint;
}

void DriveList::ShowDriveOf(const std::string& path) {
  const QSignalBlocker quiet(this);
  setCurrentIndex(static_cast<int>(drives_.DriveOf(path)));
}

DirList::DirList(browse::DriveMemory& drives, DriveList& driveList, const std::string& start,
                 std::function<void()> onChange, QWidget* parent)
    : QListWidget(parent),
      drives_(drives),
      driveList_(driveList),
      onChange_(std::move(onChange)),
      path_(browse::NearestReadableDirectory(start)) {
  setItemDelegate(new LevelIndent(this));
  setUniformItemSizes(true);
  connect(this, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { Open(NameOf(item->data(kPathRole))); });
  drives_.Remember(path_);
  driveList_.ShowDriveOf(path_);
  Fill();
}

void DirList::SetPath(const std::string& path) {
  const auto& drives = drives_.Drives();
  const auto drive = std::find_if(drives.begin(), drives.end(),
                                  [&](const browse::Drive& d) { return d.mountPoint == path; });
  Open(drive == drives.end()
           ? path
           : drives_.CurrentDirectory(static_cast<std::size_t>(drive - drives.begin())));
}

void DirList::Open(const std::string& directory) {
  // A directory that vanished or cannot be read opens its nearest readable
  // ancestor, so the drive, directory and file lists always agree.
  const std::string opened = browse::NearestReadableDirectory(directory);
  if (opened == path_) return;
  path_ = opened;
  drives_.Remember(path_);
  driveList_.ShowDriveOf(path_);
  Fill();
  onChange_();
}

void DirList::Fill() {
  const QSignalBlocker quiet(this);
  clear();
  const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
  const std::vector<std::string> chain = browse::PathChain(path_);
  int level = 0;
  for (const std::string& directory : chain) {
    auto* entry =
        new QListWidgetItem(open, ToQString(level == 0 ? directory : FileNameOf(directory)), this);
    entry->setData(kPathRole, NameData(directory));
    entry->setData(kLevelRole, level++);
  }
  setCurrentRow(count() - 1);
  for (const std::string& name :
       browse::ListSubdirectories(path_).value_or(std::vector<std::string>{})) {
    auto* entry = new QListWidgetItem(closed, ToQString(name), this);
    entry->setData(kPathRole, NameData(JoinPath(path_, name)));
    entry->setData(kLevelRole, level);
  }
}

FileList::FileList(const std::string& path, const std::string& pattern, QWidget* parent)
    : MultiSelectList(parent), path_(path), pattern_(pattern) {
  Fill();
}

void FileList::SetPath(const std::string& path) {
  path_ = path;
  Fill();
}

void FileList::SetPattern(const std::string& pattern) {
  pattern_ = pattern;
  Fill();
}

void FileList::Fill() {
  SetEntries(browse::ListFiles(path_, pattern_).value_or(std::vector<std::string>{}));
}

}  // namespace vs::config
