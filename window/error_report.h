#pragma once

#include <QString>
#include <exception>

#include "calc/text_to_number.h"

class QWidget;

namespace jet {

// A number too large to read, with the caption of the box it was typed into.
class BoxConversionError : public ConversionError {
 public:
  explicit BoxConversionError(QString caption) : caption_(std::move(caption)) {}
  const QString& caption() const { return caption_; }

 private:
  QString caption_;
};

// What went wrong, in Japanese, for the user.
QString DescribeError(std::exception_ptr error);

// Shows the error in a modal message box and returns when it is dismissed.
void ReportError(QWidget* parent, std::exception_ptr error);

}  // namespace jet
