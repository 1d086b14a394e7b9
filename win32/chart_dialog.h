#pragma once

#include <windows.h>

#include <string>

#include "form/answer.h"
#include "form/chart.h"

namespace jet::win32 {

// The jet chart on Windows: a modal dialog that paints form/'s chart with
// GDI at the owner's DPI, double-buffered, with what it shows in words below
// it and 閉じる. Return, Escape or 閉じる close it; nothing else changes.
void ShowJetChart(HWND owner, const form::Answer& answer);

// Paints one of form/'s pictures into a DC from (0, 0) on a white ground,
// `scale` pixels to its unit, its texts in the font `face`.
void PaintChart(HDC dc, const form::Chart& chart, double scale, const std::wstring& face);

}  // namespace jet::win32
