#pragma once

#include <algorithm>
#include <string_view>

#include "form/layout.h"

namespace jet::win32 {

// A control's ID is its place in the window's table plus 100, clear of IDOK
// and IDCANCEL, which the dialog manager sends for Return and Escape.
inline int ControlId(std::string_view name) {
  const auto controls = form::Controls();
  return 100 + static_cast<int>(std::ranges::find(controls, name, &form::Control::name) -
                                controls.begin());
}

inline constexpr wchar_t kWindowClass[] = L"jetselect.Form1";

// Commands that come from no control: the menu item and key 結果をコピー.
inline constexpr int kCopyResultId = 200;

}  // namespace jet::win32
