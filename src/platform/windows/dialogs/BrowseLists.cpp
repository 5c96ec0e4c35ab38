#include "platform/windows/dialogs/BrowseLists.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <utility>

#include "core/Paths.h"
#include "formats/io/windows/WideNames.h"
#include "platform/windows/dialogs/Folders.h"

namespace vs::dialogs {
namespace {

constexpr int kIndentPerLevel = 8;  // pixels at 96 DPI
constexpr int kGap = 2;

// The shell's own small folder icon; no disk is touched.
HICON FolderIcon(bool open) {
  SHFILEINFOW info{};
  const UINT flags =
      SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES | (open ? SHGFI_OPENICON : 0u);
  return SHGetFileInfoW(L"folder", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info, flags) != 0
             ? info.hIcon
             : nullptr;
}

}  // namespace

DriveList::DriveList(FixedWindow& window, int id, const design::Control& design,
                     DriveDirectories& drives, std::function<void()> onChange)
    : drives_(drives) {
  Notifications notifications;
  notifications.command = [onChange = std::move(onChange)](WORD code) {
    if (code == CBN_SELCHANGE) onChange();
  };
  combo_ = window.AddControl(id, WC_COMBOBOXW, design, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                             std::move(notifications));
  for (const dialogs::Drive& drive : drives_.Drives()) {
    SendMessageW(combo_, CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(WideName(drive.DisplayName()).c_str()));
  }
}

std::string DriveList::Drive() const {
  const auto index = SendMessageW(combo_, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return {};
  return drives_.Drives()[static_cast<std::size_t>(index)].root;
}

void DriveList::ShowDriveOf(const std::string& path) {
  const auto drive = drives_.DriveOf(path);
  SendMessageW(combo_, CB_SETCURSEL, drive ? static_cast<WPARAM>(*drive) : static_cast<WPARAM>(-1),
               0);
}

DirList::DirList(FixedWindow& window, int id, const design::Control& design,
                 DriveDirectories& drives, DriveList& driveList, const std::string& start,
                 std::function<void()> onChange)
    : drives_(drives),
      driveList_(driveList),
      onChange_(std::move(onChange)),
      path_(NearestReadableDirectory(start)),
      openIcon_(FolderIcon(true)),
      closedIcon_(FolderIcon(false)) {
  Notifications notifications;
  notifications.command = [this](WORD code) {
    if (code == LBN_DBLCLK) OpenSelected();
  };
  notifications.enter = [this] { OpenSelected(); };
  notifications.draw = [this](const DRAWITEMSTRUCT& item) { Draw(item); };
  notifications.fontChanged = [this] { FitItemHeight(); };
  list_ = window.AddControl(id, WC_LISTBOXW, design,
                            WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED |
                                LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                            std::move(notifications), WS_EX_CLIENTEDGE);
  FitItemHeight();
  drives_.Remember(path_);
  driveList_.ShowDriveOf(path_);
  Fill();
}

DirList::~DirList() {
  if (openIcon_ != nullptr) DestroyIcon(openIcon_);
  if (closedIcon_ != nullptr) DestroyIcon(closedIcon_);
}

void DirList::SetPath(const std::string& path) {
  const auto drive = drives_.RootOf(path);
  Open(drive ? drives_.CurrentDirectory(*drive) : path);
}

void DirList::OpenSelected() {
  const auto index = SendMessageW(list_, LB_GETCURSEL, 0, 0);
  if (index >= 0 && static_cast<std::size_t>(index) < entries_.size()) {
    Open(entries_[static_cast<std::size_t>(index)].path);
  }
}

void DirList::Open(const std::string& directory) {
  // A directory that vanished or cannot be read opens its nearest readable
  // ancestor, so the drive, directory and file lists always agree.
  const std::string opened = NearestReadableDirectory(directory);
  if (opened == path_) return;
  path_ = opened;
  drives_.Remember(path_);
  driveList_.ShowDriveOf(path_);
  Fill();
  onChange_();
}

void DirList::Fill() {
  entries_.clear();
  int level = 0;
  for (const std::string& directory : PathChain(path_)) {
    // The root as Windows' lists show it: "c:\".
    std::wstring shown = WideName(level == 0 ? directory : FileNameOf(directory));
    if (level == 0)
      CharLowerBuffW(shown.data(), std::min<DWORD>(1, static_cast<DWORD>(shown.size())));
    entries_.push_back(Entry{directory, shown, level++, true});
  }
  const std::size_t current = entries_.size() - 1;
  for (const std::string& name : ListSubdirectories(path_).value_or(std::vector<std::string>{})) {
    entries_.push_back(Entry{JoinPath(path_, name), WideName(name), level, false});
  }
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list_, LB_RESETCONTENT, 0, 0);
  for (const Entry& entry : entries_) {
    SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.shown.c_str()));
  }
  SendMessageW(list_, LB_SETCURSEL, current, 0);
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

int DirList::Scaled(int pixels) const {
  return MulDiv(pixels, static_cast<int>(GetDpiForWindow(list_)), USER_DEFAULT_SCREEN_DPI);
}

void DirList::FitItemHeight() {
  const HDC dc = GetDC(list_);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(list_, WM_GETFONT, 0, 0));
  const HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(list_, dc);
  const int height = std::max<int>(metrics.tmHeight, GetSystemMetrics(SM_CYSMICON)) + Scaled(kGap);
  SendMessageW(list_, LB_SETITEMHEIGHT, 0, height);
}

void DirList::Draw(const DRAWITEMSTRUCT& item) const {
  if (item.itemID >= entries_.size()) return;
  const Entry& entry = entries_[item.itemID];
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  RECT text = item.rcItem;
  text.left += Scaled(kGap) + entry.level * Scaled(kIndentPerLevel);
  const HICON icon = entry.open ? openIcon_ : closedIcon_;
  if (icon != nullptr) {
    const int size = GetSystemMetrics(SM_CXSMICON);
    const int top = text.top + (text.bottom - text.top - size) / 2;
    DrawIconEx(item.hDC, text.left, top, icon, size, size, 0, nullptr, DI_NORMAL);
    text.left += size + Scaled(kGap);
  }
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  DrawTextW(item.hDC, entry.shown.c_str(), -1, &text,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
}

FileList::FileList(FixedWindow& window, int id, const design::Control& design,
                   const std::string& path, const std::string& pattern,
                   std::function<void()> onClick, std::function<void()> onDoubleClick)
    : list_(window, id, design, std::move(onClick), std::move(onDoubleClick)),
      path_(path),
      pattern_(pattern) {
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
  list_.SetEntries(ListFiles(path_, pattern_).value_or(std::vector<std::string>{}));
}

}  // namespace vs::dialogs
