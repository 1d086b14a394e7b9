#pragma once

#include <windows.h>

// What the program's dialogs share: their frame, running modal over the
// window, their place over it, and a move to a screen of another DPI.
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

// WM_DPICHANGED: the dialog takes the new DPI, `place` lays it out and sizes
// it again for it, and it moves to where Windows suggests.
template <typename Place>
void FollowDpi(HWND dialog, UINT& dpi, WPARAM wparam, LPARAM lparam, Place place) {
  dpi = HIWORD(wparam);
  place();
  const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
  SetWindowPos(dialog, nullptr, suggested.left, suggested.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace jet::win32
