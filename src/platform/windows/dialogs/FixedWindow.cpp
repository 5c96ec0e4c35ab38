#include "platform/windows/dialogs/FixedWindow.h"

#include <commctrl.h>

#include <algorithm>

#include "core/RuntimeFailure.h"
#include "formats/io/windows/WideNames.h"
#include "platform/events/Dispatch.h"
#include "platform/windows/app/ObjectWindow.h"
#include "platform/windows/dialogs/DialogFont.h"
#include "platform/windows/resources/ResourceIds.h"

namespace vs::dialogs {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
// Room for the drop-down list of a combo box, in fields.
constexpr int kDropDownFields = 8;

bool HasClass(HWND window, const wchar_t* name) {
  wchar_t found[32] = {};
  GetClassNameW(window, found, static_cast<int>(std::size(found)));
  return CompareStringOrdinal(found, -1, name, -1, TRUE) == CSTR_EQUAL;
}

void RegisterOnce() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterObjectClass(kDialogWindowClass, &ObjectWindowProc<FixedWindow>, 0,
                        reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1));
    return true;
  }();
  (void)registered;
}

// A combo box's height is that of its closed field, which its font decides:
// the item height is set so that the field fills the design height.
void PlaceCombo(HWND combo, const RECT& place) {
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  // Steered by the field's measured height: the item height read back is not
  // always the one set (Wine adds 2).
  auto item = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  for (int round = 0; round < 3; ++round) {
    SetWindowPos(combo, nullptr, place.left, place.top, width, height * kDropDownFields,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RECT field{};
    GetWindowRect(combo, &field);
    const int difference = height - (field.bottom - field.top);
    if (difference == 0) return;
    item += difference;
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item);
  }
}

void Place(HWND control, const RECT& place) {
  if (HasClass(control, WC_COMBOBOXW)) {
    PlaceCombo(control, place);
    return;
  }
  SetWindowPos(control, nullptr, place.left, place.top, place.right - place.left,
               place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

std::string WindowTextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return Utf8Name(text);
}

FixedWindow::FixedWindow(const design::Window& design, std::function<void()> onClose, HWND owner)
    : onClose_(std::move(onClose)), client_{0, 0, design.width, design.height}, owner_(owner) {
  RegisterOnce();
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  window_ = CreateWindowExW(kExStyle, kDialogWindowClass, WideName(design.caption).c_str(), kStyle,
                            0, 0, 0, 0, owner_, nullptr, instance, this);
  toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance, nullptr);
  const UINT dpi = GetDpiForWindow(window_);
  Layout(dpi != 0 ? dpi : USER_DEFAULT_SCREEN_DPI);
}

FixedWindow::~FixedWindow() {
  if (toolTips_ != nullptr) DestroyWindow(toolTips_);
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  if (font_ != nullptr) DeleteObject(font_);
}

HWND FixedWindow::AddControl(int id, const wchar_t* windowClass, const design::Control& design,
                             DWORD style, Notifications notifications, DWORD exStyle) {
  const HWND control = CreateWindowExW(exStyle, windowClass, WideName(design.caption).c_str(),
                                       WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, window_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                       GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  Place(control, ToPixels(design.place, dpi_));
  if (*design.toolTip != '\0') SetToolTip(control, WideName(design.toolTip));
  controls_.push_back(Control{control, design.name, design.place, std::move(notifications)});
  return control;
}

void FixedWindow::SetToolTip(HWND control, const std::wstring& text) {
  std::vector<HWND> tools{control};
  // The pointer over a combo box's text is over its edit child.
  COMBOBOXINFO combo{};
  combo.cbSize = sizeof combo;
  if (HasClass(control, WC_COMBOBOXW) && GetComboBoxInfo(control, &combo) &&
      combo.hwndItem != nullptr && combo.hwndItem != control) {
    tools.push_back(combo.hwndItem);
  }
  for (HWND tool : tools) {
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every version of the control
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = window_;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  }
}

void FixedWindow::SetTextColour(HWND control, COLORREF colour) { textColours_[control] = colour; }

void FixedWindow::AddFrame(const design::Frame& frame) {
  decorations_.push_back(Decoration{frame.place, ToColorRef(frame.colour), false});
}

void FixedWindow::AddHorizontalLine(const design::HorizontalLine& line) {
  decorations_.push_back(
      Decoration{{line.left, line.top, line.right - line.left, 0}, ToColorRef(line.colour), true});
}

void FixedWindow::SetCaption(const std::wstring& caption) {
  SetWindowTextW(window_, caption.c_str());
}

void FixedWindow::SetTabOrder(const std::vector<HWND>& order) {
  // The dialog manager moves the focus in the order of the children.
  for (HWND control : order) {
    SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void FixedWindow::ShowModal(HWND focus) {
  HWND opener = owner_;
  if (opener == nullptr) {
    opener = GetActiveWindow();
    if (opener == window_ || (opener != nullptr && !IsWindowVisible(opener))) opener = nullptr;
    // Owned windows stay above their owner.
    SetWindowLongPtrW(window_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(opener));
  }
  // Without an owner the window stands for the program: a task bar button with its icon.
  const LONG_PTR exStyle = GetWindowLongPtrW(window_, GWL_EXSTYLE);
  SetWindowLongPtrW(window_, GWL_EXSTYLE,
                    opener != nullptr ? exStyle & ~WS_EX_APPWINDOW : exStyle | WS_EX_APPWINDOW);
  if (opener == nullptr) {
    SendMessageW(window_, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadIconW(GetModuleHandleW(nullptr),
                                                    MAKEINTRESOURCEW(VS_PROGRAM_ICON))));
  }
  Layout(dpi_);  // the font fitted to the captions now shown
  CentreOver(opener);
  if (opener != nullptr) EnableWindow(opener, FALSE);
  lastFocus_ = focus;
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  SetFocus(focus);
  running_ = true;
  {
    const EventLoopLevel level;
    MSG message;
    while (running_) {
      const BOOL got = GetMessageW(&message, nullptr, 0, 0);
      if (got == 0) {
        PostQuitMessage(static_cast<int>(message.wParam));  // for the outer loop
        break;
      }
      if (got < 0) break;
      if (!IsDialogMessageW(window_, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
  }
  running_ = false;
  // Enabled before hiding, so that the opener gets the activation back.
  if (opener != nullptr) EnableWindow(opener, TRUE);
  ShowWindow(window_, SW_HIDE);
  if (opener != nullptr) SetActiveWindow(opener);
}

void FixedWindow::Close() {
  closed_ = true;
  running_ = false;
  // Wakes the loop should it be waiting.
  PostMessageW(window_, WM_NULL, 0, 0);
}

LRESULT FixedWindow::Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Messages of the window's creation come before window_ is known.
  if (window_ == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_COMMAND:
      OnCommand(wParam, lParam);
      return 0;
    case WM_VSCROLL: {
      const Control* control = Find(reinterpret_cast<HWND>(lParam));
      if (!closed_ && control != nullptr && control->notifications.scroll) {
        control->notifications.scroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
      }
      return 0;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      const Control* control = Find(item->hwndItem);
      if (control != nullptr && control->notifications.draw) control->notifications.draw(*item);
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
      return ControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_PAINT:
      Paint();
      return 0;
    case WM_CLOSE:
      if (!closed_ && onClose_) onClose_();
      return 0;
    case WM_ACTIVATE:
      // As a dialog does: the focus comes back to where it was.
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
      } else if (lastFocus_ != nullptr && IsWindow(lastFocus_)) {
        SetFocus(lastFocus_);
      }
      return 0;
    case WM_NEXTDLGCTL:
      // Sent by multi-line edits for Tab, which only dialogs answer by themselves.
      SetFocus(LOWORD(lParam) != 0
                   ? reinterpret_cast<HWND>(wParam)
                   : GetNextDlgTabItem(window_, GetFocus(), wParam != 0 ? TRUE : FALSE));
      return 0;
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      Layout(HIWORD(wParam));
      SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

const FixedWindow::Control* FixedWindow::Find(HWND control) const {
  const auto found = std::find_if(controls_.begin(), controls_.end(),
                                  [control](const Control& c) { return c.window == control; });
  return found == controls_.end() ? nullptr : &*found;
}

HWND FixedWindow::Find(std::string_view name) const {
  const auto found = std::find_if(controls_.begin(), controls_.end(),
                                  [name](const Control& c) { return c.name == name; });
  if (found == controls_.end()) {
    throw RuntimeFailure("The window has no control named " + std::string(name));
  }
  return found->window;
}

void FixedWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (closed_) return;
  if (lParam != 0) {
    const Control* control = Find(reinterpret_cast<HWND>(lParam));
    if (control != nullptr && control->notifications.command) {
      control->notifications.command(HIWORD(wParam));
    }
    return;
  }
  // Enter, which the dialog manager gives to a default button: there is none,
  // so the control with the focus takes it (a button is pressed). Esc's
  // IDCANCEL has no button either.
  if (LOWORD(wParam) != IDOK) return;
  const Control* focused = Find(GetFocus());
  if (focused != nullptr && focused->notifications.enter) focused->notifications.enter();
}

LRESULT FixedWindow::ControlColour(HDC dc, HWND control) {
  // A read-only text box keeps the look of a text box.
  const int background = HasClass(control, WC_EDITW) ? COLOR_WINDOW : COLOR_3DFACE;
  const auto colour = textColours_.find(control);
  SetTextColor(dc, colour != textColours_.end() ? colour->second : GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(background));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

void FixedWindow::Paint() {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window_, &paint);
  const int pixel = std::max(1, MulDiv(1, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI));
  for (const Decoration& decoration : decorations_) {
    const HBRUSH brush = CreateSolidBrush(decoration.colour);
    const RECT r = ToPixels(decoration.place, dpi_);
    if (decoration.line) {
      const RECT line{r.left, r.top, r.right, r.top + pixel};
      FillRect(dc, &line, brush);
    } else {
      const RECT sides[] = {{r.left, r.top, r.right, r.top + pixel},
                            {r.left, r.bottom - pixel, r.right, r.bottom},
                            {r.left, r.top, r.left + pixel, r.bottom},
                            {r.right - pixel, r.top, r.right, r.bottom}};
      for (const RECT& side : sides) FillRect(dc, &side, brush);
    }
    DeleteObject(brush);
  }
  EndPaint(window_, &paint);
}

void FixedWindow::Layout(UINT dpi) {
  dpi_ = dpi;
  // Measured in place, at this DPI's size.
  for (const Control& control : controls_) Place(control.window, ToPixels(control.place, dpi));
  const HFONT font = CreateDialogFont(dpi, [this](HFONT f) { return CaptionsFit(window_, f); });
  for (const Control& control : controls_) {
    SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // A combo box's field follows its font.
    Place(control.window, ToPixels(control.place, dpi));
    if (control.notifications.fontChanged) control.notifications.fontChanged();
  }
  if (font_ != nullptr) DeleteObject(font_);
  font_ = font;
  const RECT client = ToPixels(client_, dpi);
  RECT frame = client;
  AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, dpi);
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window_, nullptr, TRUE);
}

void FixedWindow::CentreOver(HWND opener) {
  RECT frame{};
  GetWindowRect(window_, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  RECT area{};
  if (opener != nullptr) {
    GetWindowRect(opener, &area);
  } else {
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    area = monitor.rcWork;
  }
  int left = area.left + (area.right - area.left - width) / 2;
  int top = area.top + (area.bottom - area.top - height) / 2;
  // Kept on the screen, title bar first.
  const RECT wanted{left, top, left + width, top + height};
  GetMonitorInfoW(MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST), &monitor);
  left = std::max(std::min(left, static_cast<int>(monitor.rcWork.right) - width),
                  static_cast<int>(monitor.rcWork.left));
  top = std::max(std::min(top, static_cast<int>(monitor.rcWork.bottom) - height),
                 static_cast<int>(monitor.rcWork.top));
  SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace vs::dialogs
