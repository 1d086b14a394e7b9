#pragma once

#include <windows.h>

#include <algorithm>
#include <span>
#include <string_view>

#include "form/day.h"
#include "form/engine.h"
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

// A control's ID in one of the dialogs: its Apply is IDOK and its Cancel
// IDCANCEL, so that the dialog manager's Return and Escape press them; the
// others follow the table from 100.
inline int DialogControlId(std::span<const form::Control> controls, std::string_view name,
                           std::string_view apply, std::string_view cancel) {
  if (name == apply) return IDOK;
  if (name == cancel) return IDCANCEL;
  return 100 + static_cast<int>(std::ranges::find(controls, name, &form::Control::name) -
                                controls.begin());
}

inline int PressureControlId(std::string_view name) {
  return DialogControlId(form::PressureControls(), name, "cmdApply", "cmdCancel");
}

inline int EngineControlId(std::string_view name) {
  return DialogControlId(form::EngineControls(), name, "cmdRefApply", "cmdRefCancel");
}

// 一日の見通し has no Apply: 閉じる is IDCANCEL, and Return (IDOK) closes
// it too.
inline int DayControlId(std::string_view name) {
  return DialogControlId(form::DayControls(), name, {}, "cmdDayClose");
}

inline constexpr wchar_t kWindowClass[] = L"jetselect.Form1";

// Commands that come from no control: the menu item and key 結果をコピー,
// the pressure box's menu item that opens the converter, and the result
// box's that open the jet chart and 基準合わせ.
inline constexpr int kCopyResultId = 200;
inline constexpr int kConvertPressureId = 201;
inline constexpr int kShowChartId = 202;
inline constexpr int kAdjustEngineId = 203;
inline constexpr int kPlanDayId = 204;

}  // namespace jet::win32
