// The window's two commands, run on its four boxes. What they do is in
// form/commands.cpp; here the boxes are only read and replaced.
#include <QLineEdit>

#include "form/commands.h"
#include "window/error_report.h"
#include "window/form1.h"

namespace {

using jet::form::Box;

// The commands' access to the boxes, which are fixed members of the window.
class Form1Fields final : public jet::form::Fields {
 public:
  explicit Form1Fields(const Form1& window) : window_(window) {}

  std::string Read(Box box) const override { return Line(box)->text().toStdString(); }
  void Replace(Box box, std::string_view text) override {
    Line(box)->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }

 private:
  QLineEdit* Line(Box box) const {
    return jet::form::OfBox(box, window_.lblTemp, window_.lblBphpa, window_.lblHum, window_.txtMJ);
  }

  const Form1& window_;
};

}  // namespace

void Form1::cmd_Click() {
  Form1Fields fields(*this);
  ShowAnswer(std::nullopt);
  ShowAnswer(jet::form::Select(fields, offset_));
}

void Form1::cmdclear_Click() {
  Form1Fields fields(*this);
  jet::form::Clear(fields);
  ShowAnswer(std::nullopt);
}

// Qt forbids exceptions from leaving a slot that a signal invoked, so the
// clicks come in here rather than straight to the commands.
void Form1::RunCommand(void (Form1::*command)()) {
  Form1Fields fields(*this);
  if (const auto message = jet::form::RunCommand(fields, [&] { (this->*command)(); }))
    jet::ReportError(this, *message);
}
