// The yardstick for start-up: an empty Qt window of the same size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(234, 207);
  window.show();
  return app.exec();
}
