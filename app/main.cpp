#include <QApplication>

#include "window/application_info.h"
#include "window/form1.h"

int main(int argc, char* argv[]) {
  if (const auto status = jet::HandleCommandLine(argc, argv)) return *status;
  QApplication app(argc, argv);
  jet::DescribeApplication();
  Form1 window;
  window.show();
  return app.exec();
}
