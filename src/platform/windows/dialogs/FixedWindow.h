#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/windows/Win32.h"
#include "platform/windows/dialogs/Twips.h"

namespace vs::dialogs {

// What a control reports to its window; each is optional.
struct Notifications {
  std::function<void(WORD code)> command;                  // WM_COMMAND
  std::function<void(WORD request, int position)> scroll;  // WM_VSCROLL
  std::function<void(const DRAWITEMSTRUCT&)> draw;         // owner-drawn items
  std::function<void()> enter;                             // Enter while it has the focus
  std::function<void()> fontChanged;                       // after the font changed
};

// The dialogs' window class.
inline constexpr wchar_t kDialogWindowClass[] = L"VostramelSaverDialog";

// A fixed-size modal window without control box, default or cancel button,
// laid out in twips at the window's DPI, in the system's dialog font. Tab,
// Shift+Tab, arrows and access keys move as in a dialog. A close command of
// the window system calls onClose, as the window's own button would.
class FixedWindow {
 public:
  // Owned by and modal to `owner` when given, which may be another program's
  // window; otherwise by the window active when it is shown, if any.
  FixedWindow(const design::Window& design, std::function<void()> onClose, HWND owner = nullptr);
  ~FixedWindow();
  FixedWindow(const FixedWindow&) = delete;
  FixedWindow& operator=(const FixedWindow&) = delete;

  // Adds a child control with its design's caption, place and tooltip;
  // controls take the focus in the order they are added.
  HWND AddControl(int id, const wchar_t* windowClass, const design::Control& design, DWORD style,
                  Notifications notifications = {}, DWORD exStyle = 0);
  void SetTextColour(HWND control, COLORREF colour);
  // Decoration beneath the controls, one pixel wide at 96 DPI.
  void AddFrame(const design::Frame& frame);
  void AddHorizontalLine(const design::HorizontalLine& line);

  void SetCaption(const std::wstring& caption);
  // The order in which Tab moves the focus, first to last, by the controls'
  // design names.
  template <std::size_t N>
  void SetTabOrder(const std::array<const design::Control*, N>& order) {
    std::vector<HWND> controls;
    for (const design::Control* control : order) controls.push_back(Find(control->name));
    SetTabOrder(controls);
  }
  // Shows the window centred over its owner (or its screen's work area when it
  // has none, with a task bar button), focus on `focus`, and runs its
  // messages until Close.
  void ShowModal(HWND focus);
  // Ends ShowModal; the window raises no event afterwards.
  void Close();

  // The window's messages, from ObjectWindowProc.
  LRESULT Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  struct Control {
    HWND window;
    std::string_view name;
    TwipRect place;
    Notifications notifications;
  };
  struct Decoration {
    TwipRect place;
    COLORREF colour;
    bool line;
  };

  const Control* Find(HWND control) const;
  // Fails with a clear description when no control has that name.
  HWND Find(std::string_view name) const;
  void SetToolTip(HWND control, const std::wstring& text);
  void SetTabOrder(const std::vector<HWND>& order);
  void Layout(UINT dpi);
  void Paint();
  void OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT ControlColour(HDC dc, HWND control);
  void CentreOver(HWND opener);

  std::function<void()> onClose_;
  TwipRect client_;
  HWND owner_;  // fixed at creation, or none
  HWND window_ = nullptr;
  HWND toolTips_ = nullptr;
  HFONT font_ = nullptr;
  UINT dpi_ = 96;
  std::vector<Control> controls_;
  std::vector<Decoration> decorations_;
  std::map<HWND, COLORREF> textColours_;
  HWND lastFocus_ = nullptr;
  bool running_ = false;
  bool closed_ = false;
};

// The text of a window in UTF-8.
std::string WindowTextOf(HWND window);

}  // namespace vs::dialogs
