#include "platform/windows/saver/Win32SaverWindow.h"

#include <wtsapi32.h>

#include <utility>

namespace vs {
namespace {

// Sent to the form when another program's window became the foreground one.
constexpr UINT kForegroundTaken = WM_APP + 1;

// The form whose foreground the hook watches; a process has one saver.
HWND watchingForm = nullptr;

void CALLBACK ForegroundChanged(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD) {
  if (window != nullptr && watchingForm != nullptr) {
    SendMessageW(watchingForm, kForegroundTaken, 0, 0);
  }
}

HWND InsertAfter(int insertAfter) {
  return insertAfter == SaverWindow::kHwndTopmost ? HWND_TOPMOST
                                                  : reinterpret_cast<HWND>(insertAfter);
}

bool IsButtonUp(UINT message) {
  return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP ||
         message == WM_XBUTTONUP;
}

bool IsDoubleClick(UINT message) {
  return message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK ||
         message == WM_MBUTTONDBLCLK || message == WM_XBUTTONDBLCLK;
}

bool IsButtonDown(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
         message == WM_XBUTTONDOWN;
}

}  // namespace

Win32SaverWindow::Win32SaverWindow(SaverEvents& events, EventWait& eventWait,
                                   std::unique_ptr<MediaPlayer> player)
    : events_(events),
      window_(CreateForm()),
      keys_{Raise("frmScreenSaver.Form_KeyDown", &SaverEvents::Form_KeyDown),
            Raise("frmScreenSaver.Form_KeyPress", &SaverEvents::Form_KeyPress), FormKeyUp(),
            [this] { SetFocus(mediaPlayer1_->Handle()); }},
      picture1_(std::make_unique<Win32PictureBox>(
          window_.Get(),
          KeyHandlers{Raise("frmScreenSaver.Picture1_KeyDown", &SaverEvents::Picture1_KeyDown),
                      Raise("frmScreenSaver.Picture1_KeyPress", &SaverEvents::Picture1_KeyPress),
                      FormKeyUp(), [this] { SetFocus(mediaPlayer1_->Handle()); }},
          MouseHandler(), eventWait)),
      mediaPlayer1_(std::make_unique<Win32MediaPlayerControl>(
          window_.Get(), std::move(player),
          KeyHandlers{
              Raise("frmScreenSaver.MediaPlayer1_KeyDown", &SaverEvents::MediaPlayer1_KeyDown),
              Raise("frmScreenSaver.MediaPlayer1_KeyPress", &SaverEvents::MediaPlayer1_KeyPress),
              FormKeyUp(), [this] { SetFocus(window_.Get()); }})),
      timer1_(kTimer1DesignInterval,
              Raise("frmScreenSaver.Timer1_Timer", &SaverEvents::Timer1_Timer)),
      timer2_(kTimer2DesignInterval,
              Raise("frmScreenSaver.Timer2_Timer", &SaverEvents::Timer2_Timer)),
      covers_(window_.Get(), MouseHandler()) {}

Win32SaverWindow::~Win32SaverWindow() {
  if (!up_) return;
  UnhookWinEvent(foregroundHook_);
  watchingForm = nullptr;
  WTSUnRegisterSessionNotification(window_.Get());
}

HWND Win32SaverWindow::CreateForm() {
  WindowPlace place;
  // Kept out of the task bar; SetWindowPos makes it top-most.
  place.exStyle = WS_EX_TOOLWINDOW;
  place.style = WS_POPUP | WS_CLIPCHILDREN;
  place.area = Screen();
  HWND window = CreateObjectWindow(this, L"VostramelSaverForm", CS_DBLCLKS, place);
  SetWindowTextW(window, L"VostramelSaver");
  return window;
}

std::function<void(int, int)> Win32SaverWindow::FormKeyUp() {
  return Raise("frmScreenSaver.Form_KeyUp", &SaverEvents::Form_KeyUp);
}

MouseSink Win32SaverWindow::MouseHandler() {
  return [this](UINT message, WPARAM wParam, POINT onForm) { Mouse(message, wParam, onForm); };
}

RECT Win32SaverWindow::Screen() const {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
  return info.rcMonitor;
}

RECT Win32SaverWindow::Area() const {
  RECT area{};
  GetWindowRect(window_.Get(), &area);
  return area;
}

void Win32SaverWindow::SetWindowPos(int insertAfter, int x, int y, int cx, int cy, unsigned flags) {
  // No size yet means none: the form's own size follows right after.
  const UINT keepSize = (cx <= 0 || cy <= 0) ? SWP_NOSIZE : 0;
  const RECT screen = Screen();
  if (!::SetWindowPos(window_.Get(), InsertAfter(insertAfter), screen.left + x, screen.top + y, cx,
                      cy, flags | keepSize)) {
    ThrowLastError("SetWindowPos failed");
  }
  if (flags & kSwpShowWindow) {
    covers_.Show();
    // The first key must reach the form.
    SetForegroundWindow(window_.Get());
    SetActiveWindow(window_.Get());
    SetFocus(window_.Get());
    BecomeUp();
  }
}

void Win32SaverWindow::BecomeUp() {
  if (up_) return;
  up_ = true;
  // Keys typed into a window the saver hides would go where the user cannot
  // see them: another program in front ends the saver.
  watchingForm = window_.Get();
  foregroundHook_ =
      SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, &ForegroundChanged,
                      0, 0, WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
  // Locking the session ends it too, so that no music plays behind the lock.
  WTSRegisterSessionNotification(window_.Get(), NOTIFY_FOR_THIS_SESSION);
}

void Win32SaverWindow::Withdrawn() {
  if (up_) Raise("frmScreenSaver.Form_Unload", &SaverEvents::Form_Unload)();
}

void Win32SaverWindow::FollowTheScreens() {
  if (!up_) return;
  // The primary monitor may have a new size or place: the form covers it
  // again, and the next picture is centred on the form's new size.
  const RECT screen = Screen();
  ::SetWindowPos(window_.Get(), nullptr, screen.left, screen.top, screen.right - screen.left,
                 screen.bottom - screen.top, SWP_NOZORDER | SWP_NOACTIVATE);
  covers_.Update();
}

int Win32SaverWindow::ScreenWidthTwips() const {
  const RECT screen = Screen();
  return (screen.right - screen.left) * kTwipsPerPixel;
}

int Win32SaverWindow::ScreenHeightTwips() const {
  const RECT screen = Screen();
  return (screen.bottom - screen.top) * kTwipsPerPixel;
}

void Win32SaverWindow::SetSizeTwips(int width, int height) {
  ::SetWindowPos(window_.Get(), nullptr, 0, 0, width / kTwipsPerPixel, height / kTwipsPerPixel,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Win32SaverWindow::WidthTwips() const {
  const RECT area = Area();
  return (area.right - area.left) * kTwipsPerPixel;
}

int Win32SaverWindow::HeightTwips() const {
  const RECT area = Area();
  return (area.bottom - area.top) * kTwipsPerPixel;
}

void Win32SaverWindow::Hide() { ShowWindow(window_.Get(), SW_HIDE); }

void Win32SaverWindow::Mouse(UINT message, WPARAM wParam, POINT onForm) {
  if (message == WM_MOUSEMOVE) {
    Raise("frmScreenSaver.Form_MouseMove", &SaverEvents::Form_MouseMove)(
        ButtonState(wParam), ShiftState(), static_cast<float>(onForm.x),
        static_cast<float>(onForm.y));
  } else if (IsButtonUp(message)) {
    Raise("frmScreenSaver.Form_Click", &SaverEvents::Form_Click)();
  } else if (IsDoubleClick(message)) {
    Raise("frmScreenSaver.Form_DblClick", &SaverEvents::Form_DblClick)();
  }
}

LRESULT Win32SaverWindow::Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (DeliverKey(keys_, message, wParam)) return 0;
  if (IsMouseMessage(message)) {
    if (IsButtonDown(message)) SetFocus(window);
    ForwardMouse(MouseHandler(), window, window, message, wParam, lParam);
    return 0;
  }
  switch (message) {
    case WM_CLOSE:
      // The system or a host closing the window; only ending the program
      // destroys it.
      Raise("frmScreenSaver.Form_Unload", &SaverEvents::Form_Unload)();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) Raise("frmScreenSaver.Form_Unload", &SaverEvents::Form_Unload)();
      return 0;
    case WM_SYSCOMMAND:
      // Windows' own start of a saver, and its close command, while one runs.
      if (up_ && ((wParam & 0xFFF0) == SC_SCREENSAVE || (wParam & 0xFFF0) == SC_CLOSE)) return 0;
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_ACTIVATEAPP:
      if (!wParam) Withdrawn();
      return 0;
    case kForegroundTaken:
      Withdrawn();
      return 0;
    case WM_WTSSESSION_CHANGE:
      if (wParam == WTS_SESSION_LOCK || wParam == WTS_SESSION_LOGOFF) Withdrawn();
      return 0;
    case WM_POWERBROADCAST:
      if (wParam == PBT_APMSUSPEND) Withdrawn();
      return TRUE;
    case WM_DISPLAYCHANGE:
    case WM_DPICHANGED:
      FollowTheScreens();
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

std::unique_ptr<SaverWindow> CreateWin32SaverWindow(SaverEvents& events, EventWait& eventWait,
                                                    std::unique_ptr<MediaPlayer> player) {
  return std::make_unique<Win32SaverWindow>(events, eventWait, std::move(player));
}

}  // namespace vs
