#pragma once

#include <string_view>

class QWidget;

namespace jet {

// Shows a command's error report (UTF-8) in a modal message box and returns
// when it is dismissed.
void ReportError(QWidget* parent, std::string_view message);

}  // namespace jet
