#pragma once

#include <optional>

namespace jet {

// What needs no window, before the QApplication is made: --help and
// --version print and give 0; with no screen to open the window on, one line
// says so and gives 1. Nothing when the window should open.
std::optional<int> HandleCommandLine(int argc, char* argv[]);

// Gives the running application its name, version and icon, and Qt's own
// texts (the boxes' edit menu, the message box's button) in Japanese. Call
// once after the QApplication is made.
void DescribeApplication();

}  // namespace jet
