#pragma once

#include <windows.h>

#include <span>

#include "form/layout.h"
#include "win32/controls.h"

// What the program's dialogs share: their frame, running modal over the
// window, their place over it, and the messages they handle alike.
namespace jet::win32 {

inline constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

// Runs a modal dialog with no controls of its own over owner: proc makes
// them in WM_INITDIALOG, where lparam is `param`. Returns what EndDialog gave.
INT_PTR RunModal(HWND owner, DLGPROC proc, LPARAM param);

// The same for an object that handles the dialog's messages: it stays with
// the dialog, and its Handle(dialog, message, wparam, lparam) gets each one
// from WM_INITDIALOG on.
template <typename Dialog>
INT_PTR RunModal(HWND owner, Dialog& object) {
  constexpr DLGPROC proc = [](HWND dialog, UINT message, WPARAM wparam,
                              LPARAM lparam) noexcept -> INT_PTR {
    if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lparam);
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    return self ? self->Handle(dialog, message, wparam, lparam) : FALSE;
  };
  return RunModal(owner, proc, reinterpret_cast<LPARAM>(&object));
}

// Moves a dialog over the middle of the window that owns it, kept inside
// the screen that window is on.
void CentreOnOwner(HWND dialog);

// What each dialog's object shares: its window, its DPI, and the messages
// every dialog handles alike. Derived (a friend of this) has OnInit(), to
// make its controls once the window and its DPI are known; OnCommand(id,
// code); Place(), to lay itself out and size itself at dpi_; and may have
// OnPaint(). On a move to a screen of another DPI it is placed again and
// moves to where Windows suggests. A dialog made from a table of form/ has
// Item(name), and its Place() is PlaceTable.
template <typename Derived>
class DialogFrame {
 public:
  // Every message of the dialog, from WM_INITDIALOG on (see RunModal).
  INT_PTR Handle(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    Derived& self = static_cast<Derived&>(*this);
    switch (message) {
      case WM_INITDIALOG:
        hwnd_ = dialog;
        dpi_ = GetDpiForWindow(dialog);
        return self.OnInit();
      case WM_COMMAND:
        self.OnCommand(LOWORD(wparam), HIWORD(wparam));
        return TRUE;
      case WM_DPICHANGED: {
        dpi_ = HIWORD(wparam);
        self.Place();
        const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
        SetWindowPos(dialog, nullptr, suggested.left, suggested.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
      }
      case WM_DRAWITEM:
        return DrawComboItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      case WM_PAINT:
        if constexpr (requires { self.OnPaint(); }) {
          self.OnPaint();
          return TRUE;
        }
        break;
    }
    return FALSE;
  }

 protected:
  // Each control of the table in its place at dpi_, in its font, and the
  // frame sized to a client area of width × height twips.
  void PlaceTable(std::span<const form::Control> controls, int width, int height) {
    fonts_.Make(dpi_);
    for (const form::Control& control : controls)
      PlaceControl(static_cast<Derived&>(*this).Item(control.name), control, dpi_, fonts_);
    const SIZE frame = FrameSize(width, height, kDialogStyle, dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.cx, frame.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  HWND hwnd_{};
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  Fonts fonts_;  // the table's, made by PlaceTable
};

}  // namespace jet::win32
