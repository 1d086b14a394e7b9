#include "window/application_info.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <string_view>

#include "window/build_info.h"

namespace jet {
namespace {

void NameApplication() {
  QCoreApplication::setApplicationName(QStringLiteral("jetselect"));
  QCoreApplication::setApplicationVersion(QStringLiteral(JET_DISPLAY_VERSION));
}

// Qt aborts, advising a reinstall, when it finds no screen; this is the
// usual case of that (a terminal over SSH), checked the way Qt chooses.
bool HasScreen(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return true;
  for (int i = 1; i < argc; ++i)
    if (std::string_view(argv[i]) == "-platform") return true;
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

std::optional<int> HandleCommandLine(int argc, char* argv[]) {
  bool asks = false;
  for (int i = 1; i < argc; ++i)
    for (const std::string_view option : {"-h", "--help", "--help-all", "-v", "--version"})
      asks = asks || option == argv[i];
  if (asks) {
    QCoreApplication core(argc, argv);
    NameApplication();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "メインジェット選定: 気温・気圧・湿度から推奨メインジェットを選びます。\n"
        "Main Jet Selector: the main jet to fit for the temperature, pressure and humidity."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.parse(core.arguments());  // Qt's own options are Qt's business
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
    if (parser.isSet(QStringLiteral("help-all"))) parser.process(core);  // with Qt's options
    parser.showHelp(0);  // both print and end the program
  }
  if (!HasScreen(argc, argv)) {
    std::fputs(
        "jetselect: 画面が見つかりません (DISPLAY も WAYLAND_DISPLAY もありません) / no screen "
        "found:"
        " neither DISPLAY nor WAYLAND_DISPLAY is set\n",
        stderr);
    return 1;
  }
  return std::nullopt;
}

void DescribeApplication() {
  NameApplication();
  QApplication::setDesktopFileName(QStringLiteral(JET_APP_ID));
  // PNG renderings made from the SVG at build time, so no image plugin loads.
  QIcon icon;
  for (const int size : {16, 32, 48})
    icon.addFile(QStringLiteral(":/icons/jetselect-%1.png").arg(size), QSize(size, size));
  QApplication::setWindowIcon(icon);

  // The window is Japanese whatever the locale; so are Qt's words in it.
  auto* qt_texts = new QTranslator(QCoreApplication::instance());
  if (qt_texts->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt_texts);
}

}  // namespace jet
