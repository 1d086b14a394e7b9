#pragma once

#include <windows.h>

#include <algorithm>
#include <string_view>

#include "form/layout.h"
#include "form/pressure.h"

namespace jet::win32 {

// A control's ID is its place in the window's table plus 100, clear of IDOK
// and IDCANCEL, which the dialog manager sends for Return and Escape.
inline int ControlId(std::string_view name) {
  const auto controls = form::Controls();
  return 100 + static_cast<int>(std::ranges::find(controls, name, &form::Control::name) -
                                controls.begin());
}

// A control's ID in the pressure converter: Apply is IDOK and Cancel
// IDCANCEL, so that the dialog manager's Return and Escape press them; the
// others follow the table from 100.
inline int PressureControlId(std::string_view name) {
  if (name == "cmdApply") return IDOK;
  if (name == "cmdCancel") return IDCANCEL;
  const auto controls = form::PressureControls();
  return 100 + static_cast<int>(std::ranges::find(controls, name, &form::Control::name) -
                                controls.begin());
}

inline constexpr wchar_t kWindowClass[] = L"jetselect.Form1";

// Commands that come from no control: the menu item and key 結果をコピー,
// the pressure box's menu item that opens the converter, and the result
// box's that opens the jet chart.
inline constexpr int kCopyResultId = 200;
inline constexpr int kConvertPressureId = 201;
inline constexpr int kShowChartId = 202;

}  // namespace jet::win32
