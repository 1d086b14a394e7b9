#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The pressure converter on Windows: a modal dialog of standard controls
// built from form/'s table, at the DPI and in the fonts of the window that
// owns it.
namespace jet::win32 {

// What the dialog keeps while the program runs: the sea-level pressure and
// the altitude as last typed.
struct PressureMemory {
  std::wstring sea_level, altitude;
};

// Opens the dialog over owner with the temperature as the main window has
// it, and waits. Returns the pressure to write into the pressure box
// ("956.0"), or nothing when the user cancelled.
std::optional<std::wstring> AskStationPressure(HWND owner, const std::wstring& temperature,
                                               PressureMemory& memory);

}  // namespace jet::win32
