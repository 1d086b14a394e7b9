// The window's two commands. Each is one straight sequence of steps; neither
// catches an error (Form1::RunCommand reports it).
#include <QLabel>
#include <QLineEdit>

#include "calc/air_density.h"
#include "calc/recommendation.h"
#include "calc/text_to_number.h"
#include "window/error_report.h"
#include "window/form1.h"

namespace {

// Reads a box's text as a number. A number too large for a double is
// passed on with the caption of the box it was typed into.
double ReadNumber(const QLineEdit* box, const QLabel* caption) {
  const QByteArray utf8 = box->text().toUtf8();
  try {
    return jet::TextToNumber({utf8.constData(), static_cast<std::size_t>(utf8.size())});
  } catch (const jet::ConversionError&) {
    throw jet::BoxConversionError(caption->text());
  }
}

}  // namespace

void Form1::cmd_Click() {
  const double T = ReadNumber(lblTemp, Label1);
  const double P = ReadNumber(lblBphpa, Label3);
  const double h = ReadNumber(lblHum, Label7) / 100;
  const double D = jet::ComputeAirDensity(T, P, h);
  const jet::JetOutcome outcome = jet::SelectRecommendation(D);
  txtMJ->setText(
      QString::fromUtf8(outcome.text.data(), static_cast<qsizetype>(outcome.text.size())));
}

void Form1::cmdclear_Click() {
  lblTemp->clear();
  lblBphpa->clear();
  lblHum->clear();
  txtMJ->clear();
}
