#include "window/application_info.h"

#include <QApplication>
#include <QIcon>

#include "window/build_info.h"

namespace jet {

void DescribeApplication() {
  QApplication::setApplicationName(QStringLiteral("jetselect"));
  QApplication::setApplicationVersion(QStringLiteral(JET_DISPLAY_VERSION));
  QApplication::setDesktopFileName(QStringLiteral(JET_APP_ID));
  // PNG renderings made from the SVG at build time, so no image plugin loads.
  QIcon icon;
  for (const int size : {16, 32, 48})
    icon.addFile(QStringLiteral(":/icons/jetselect-%1.png").arg(size), QSize(size, size));
  QApplication::setWindowIcon(icon);
}

}  // namespace jet
