#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "form/answer.h"

// 基準合わせ on Windows: a modal dialog of standard controls built from
// form/'s table, at the DPI and in the fonts of the window that owns it.
namespace jet::win32 {

// What the dialog keeps while the program runs: its fields as last typed,
// once it has been opened.
struct EngineMemory {
  bool filled = false;
  std::wstring temperature, pressure, humidity;
  int size_index = 0;
};

// The main window's three boxes as typed (UTF-8), which fill the fields at
// the first opening.
struct BoxTexts {
  std::string temperature, pressure, humidity;
};

// Opens the dialog over owner and waits. Returns the engine's offset from
// the table in sizes: the one read on 適用, 0 on 解除, nothing when the
// user cancelled. `applied` is the offset in use, which 解除 needs.
std::optional<int> AskEngineOffset(HWND owner, const BoxTexts& boxes,
                                   const std::optional<form::Answer>& last, int applied,
                                   EngineMemory& memory);

}  // namespace jet::win32
