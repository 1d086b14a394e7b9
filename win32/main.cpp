#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "win32/form1.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // for the screen-reader names

  Form1 window;
  if (!window.Create(instance)) {
    MessageBoxW(nullptr, L"ウィンドウを作成できませんでした。", L"エラー", MB_OK | MB_ICONERROR);
    return 1;
  }
  ShowWindow(window.hwnd(), show);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window.PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  CoUninitialize();
  return static_cast<int>(message.wParam);
}
