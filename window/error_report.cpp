#include "window/error_report.h"

#include <QMessageBox>

#include "form/commands.h"

namespace jet {

namespace {
QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

void ReportError(QWidget* parent, std::string_view message) {
  QMessageBox box(QMessageBox::Critical, FromUtf8(form::kErrorTitle), FromUtf8(message),
                  QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("errorReport"));
  box.exec();
}

}  // namespace jet
