#include "win32/dialog.h"

#include <algorithm>
#include <vector>

namespace jet::win32 {

INT_PTR RunModal(HWND owner, DLGPROC proc, LPARAM param) {
  // DLGTEMPLATE is followed by three empty words: no menu, the default
  // class, no title; the buffer keeps them DWORD-aligned.
  std::vector<DWORD> buffer((sizeof(DLGTEMPLATE) + 3 * sizeof(WORD)) / sizeof(DWORD) + 1, 0);
  auto* tmpl = reinterpret_cast<DLGTEMPLATE*>(buffer.data());
  tmpl->style = kDialogStyle;
  return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), tmpl, owner, proc, param);
}

void CentreOnOwner(HWND dialog) {
  RECT owner, self;
  GetWindowRect(GetWindow(dialog, GW_OWNER), &owner);
  GetWindowRect(dialog, &self);
  MONITORINFO screen{};
  screen.cbSize = sizeof screen;
  GetMonitorInfoW(MonitorFromRect(&owner, MONITOR_DEFAULTTONEAREST), &screen);
  const RECT& work = screen.rcWork;
  const LONG width = self.right - self.left, height = self.bottom - self.top;
  const LONG left = std::clamp((owner.left + owner.right - width) / 2, work.left,
                               std::max(work.left, work.right - width));
  const LONG top = std::clamp((owner.top + owner.bottom - height) / 2, work.top,
                              std::max(work.top, work.bottom - height));
  SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace jet::win32
