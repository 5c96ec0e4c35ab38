#include "platform/windows/dialogs/Controls.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "core/RuntimeFailure.h"
#include "formats/io/windows/WideNames.h"

namespace vs::dialogs {

Button::Button(FixedWindow& window, int id, const design::Control& design,
               std::function<void()> onClick) {
  Notifications notifications;
  notifications.command = [onClick](WORD code) {
    if (code == BN_CLICKED) onClick();
  };
  notifications.enter = onClick;
  button_ = window.AddControl(id, WC_BUTTONW, design, WS_TABSTOP | BS_PUSHBUTTON,
                              std::move(notifications));
}

void Button::SetEnabled(bool enabled) {
  // A disabled control cannot keep the focus: it passes on, as Tab would.
  if (!enabled && GetFocus() == button_) {
    SendMessageW(GetParent(button_), WM_NEXTDLGCTL, 0, FALSE);
  }
  EnableWindow(button_, enabled ? TRUE : FALSE);
}

NameList::NameList(FixedWindow& window, int id, const design::Control& design,
                   std::function<void()> onClick, std::function<void()> onDoubleClick) {
  Notifications notifications;
  notifications.command = [onClick = std::move(onClick),
                           onDoubleClick = std::move(onDoubleClick)](WORD code) {
    if (code == LBN_SELCHANGE) onClick();
    if (code == LBN_DBLCLK) onDoubleClick();
  };
  list_ = window.AddControl(id, WC_LISTBOXW, design,
                            WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_EXTENDEDSEL |
                                LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS,
                            std::move(notifications), WS_EX_CLIENTEDGE);
}

const std::string& NameList::Text(int index) const {
  if (index < 0 || index >= Count()) {
    throw RuntimeFailure("List entry " + std::to_string(index) + " does not exist");
  }
  return entries_[static_cast<std::size_t>(index)];
}

bool NameList::IsSelected(int index) const {
  Text(index);
  return SendMessageW(list_, LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void NameList::SetEntries(std::vector<std::string> entries) {
  SendMessageW(list_, LB_RESETCONTENT, 0, 0);
  entries_.clear();
  AppendEntries(entries);
}

void NameList::AppendEntries(const std::vector<std::string>& entries) {
  if (entries.empty()) return;
  // Drawn once at the end: thousands of entries would otherwise be slow.
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list_, LB_INITSTORAGE, entries.size(), entries.size() * 64);
  for (const std::string& entry : entries) {
    SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideName(entry).c_str()));
    entries_.push_back(entry);
  }
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

TargetList::TargetList(FixedWindow& window, int id, const design::Control& design,
                       std::function<void()> onClick, std::function<void()> onDoubleClick)
    : list_(window, id, design, std::move(onClick), std::move(onDoubleClick)) {}

void TargetList::RemoveItems(const std::vector<int>& ascendingIndexes) {
  // Rebuilt in one pass: removing entries one by one is quadratic.
  std::vector<std::string> kept;
  auto removed = ascendingIndexes.begin();
  for (int i = 0; i < list_.Count(); ++i) {
    if (removed != ascendingIndexes.end() && *removed == i) {
      ++removed;
    } else {
      kept.push_back(list_.Text(i));
    }
  }
  list_.SetEntries(std::move(kept));
}

PatternCombo::PatternCombo(FixedWindow& window, int id, const design::Control& design,
                           std::function<void()> onClick) {
  Notifications notifications;
  notifications.command = [this, onClick = std::move(onClick)](WORD code) {
    if (code != CBN_SELCHANGE) return;
    // The edit shows the picked item only after this notification: the
    // handler reads the text, so it is set first.
    const auto index = SendMessageW(combo_, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return;
    std::wstring item(static_cast<std::size_t>(SendMessageW(combo_, CB_GETLBTEXTLEN, index, 0)) + 1,
                      L'\0');
    SendMessageW(combo_, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data()));
    SetWindowTextW(combo_, item.c_str());
    onClick();
  };
  combo_ = window.AddControl(id, WC_COMBOBOXW, design,
                             WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                             std::move(notifications));
  // The box makes its edit empty, whatever its own creation text.
  SetWindowTextW(combo_, WideName(design.caption).c_str());
}

void PatternCombo::AddItem(const std::string& item) {
  SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideName(item).c_str()));
}

TimerText::TimerText(FixedWindow& window, int id, const design::Control& design)
    : edit_(window.AddControl(id, WC_EDITW, design, WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL, {},
                              WS_EX_CLIENTEDGE)) {}

void TimerText::SetText(const std::string& value) {
  SetWindowTextW(edit_, WideName(value).c_str());
}

TimerBar::TimerBar(FixedWindow& window, int id, const design::Control& design,
                   const design::Range& range, std::function<void()> onChange)
    : minimum_(range.minimum),
      maximum_(range.maximum),
      value_(range.value),
      onChange_(std::move(onChange)) {
  Notifications notifications;
  notifications.scroll = [this](WORD request, int position) { Scroll(request, position); };
  bar_ =
      window.AddControl(id, WC_SCROLLBARW, design, WS_TABSTOP | SBS_VERT, std::move(notifications));
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
  info.nMin = minimum_;
  info.nMax = maximum_;
  info.nPos = value_;
  SetScrollInfo(bar_, SB_CTL, &info, TRUE);
}

void TimerBar::Scroll(WORD request, int position) {
  int value = value_;
  switch (request) {
    case SB_LINEUP:
    case SB_PAGEUP:
      value -= 1;
      break;
    case SB_LINEDOWN:
    case SB_PAGEDOWN:
      value += 1;
      break;
    case SB_TOP:
      value = minimum_;
      break;
    case SB_BOTTOM:
      value = maximum_;
      break;
    case SB_THUMBPOSITION:  // released; dragging itself changes nothing
      value = position;
      break;
    default:
      return;
  }
  value = std::clamp(value, minimum_, maximum_);
  if (value == value_) return;
  value_ = value;
  SetScrollPos(bar_, SB_CTL, value_, TRUE);
  onChange_();
}

HWND AddLabel(FixedWindow& window, int id, const design::Control& design) {
  return window.AddControl(id, WC_STATICW, design,
                           SS_NOPREFIX | static_cast<DWORD>(design.centred ? SS_CENTER : SS_LEFT));
}

}  // namespace vs::dialogs
