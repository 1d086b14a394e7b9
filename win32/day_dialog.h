#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "form/day.h"
#include "win32/engine_dialog.h"

// 一日の見通し on Windows: a modal dialog of standard controls built from
// form/'s table, with the picture of the day painted under the rows, at the
// DPI and in the fonts of the window that owns it.
namespace jet::win32 {

// What the dialog keeps while the program runs: its fields as last typed,
// once it has been opened.
struct DayMemory {
  bool filled = false;
  std::wstring altitude;
  std::array<std::array<std::wstring, form::kDayColumns>, form::kDayRows> rows;
};

// Opens the dialog over owner and waits until 閉じる or Escape closes it.
// At the first opening row 1 takes the main window's boxes and the time now,
// and the altitude the converter's. Changes nothing in the main window.
void PlanDay(HWND owner, const BoxTexts& boxes, const std::wstring& altitude, int offset,
             DayMemory& memory);

}  // namespace jet::win32
