#pragma once

namespace jet {

// Gives the running application its name, version and icon. Call once after
// the QApplication is made.
void DescribeApplication();

}  // namespace jet
