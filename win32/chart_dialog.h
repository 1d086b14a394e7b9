#pragma once

#include <windows.h>

#include "form/answer.h"

namespace jet::win32 {

// The jet chart on Windows: a modal dialog that paints form/'s chart with
// GDI at the owner's DPI, double-buffered, with what it shows in words below
// it and 閉じる. Return, Escape or 閉じる close it; nothing else changes.
void ShowJetChart(HWND owner, const form::Answer& answer);

}  // namespace jet::win32
