#include "window/pressure_dialog.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "form/pressure.h"
#include "window/controls.h"

namespace {

using jet::window::FromUtf8;
using jet::window::Make;

std::span<const jet::form::Control> Table() {
  return jet::form::PressureControls();
}

}  // namespace

PressureDialog::PressureDialog(QWidget* parent)
    : QDialog(parent),
      lblPurpose(Make<QLabel>(this, Table(), "lblPurpose")),
      capSeaLevel(Make<QLabel>(this, Table(), "capSeaLevel")),
      txtSeaLevel(Make<QLineEdit>(this, Table(), "txtSeaLevel")),
      capAltitude(Make<QLabel>(this, Table(), "capAltitude")),
      txtAltitude(Make<QLineEdit>(this, Table(), "txtAltitude")),
      capAirTemp(Make<QLabel>(this, Table(), "capAirTemp")),
      txtAirTemp(Make<QLineEdit>(this, Table(), "txtAirTemp")),
      lblStation(Make<QLabel>(this, Table(), "lblStation")),
      cmdApply(Make<QPushButton>(this, Table(), "cmdApply")),
      cmdCancel(Make<QPushButton>(this, Table(), "cmdCancel")) {
  setObjectName(QStringLiteral("PressureDialog"));
  setWindowTitle(FromUtf8(jet::form::kPressureTitle));
  setFixedSize(jet::window::Twips(jet::form::kPressureWidth),
               jet::window::Twips(jet::form::kPressureHeight));
  lblPurpose->setWordWrap(true);
  lblPurpose->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblStation->setWordWrap(true);
  // A screen reader names each field after its label, and reads the result
  // line again whenever its text changes.
  capSeaLevel->setBuddy(txtSeaLevel);
  capAltitude->setBuddy(txtAltitude);
  capAirTemp->setBuddy(txtAirTemp);
  jet::window::SetTabOrder(this, jet::form::PressureControls());
  cmdApply->setDefault(true);  // Return in a field applies
  jet::window::FitCaptions({cmdApply, cmdCancel});

  for (QLineEdit* field : {txtSeaLevel, txtAltitude, txtAirTemp})
    connect(field, &QLineEdit::textChanged, this, &PressureDialog::Update);
  connect(cmdApply, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<QString> PressureDialog::Ask(const QString& temperature) {
  txtAirTemp->setText(temperature);
  Update();
  txtSeaLevel->setFocus();
  txtSeaLevel->selectAll();
  if (exec() != QDialog::Accepted || pressure_.isEmpty()) return std::nullopt;
  return pressure_;
}

void PressureDialog::Update() {
  const jet::form::Station station =
      jet::form::ReadStation(txtSeaLevel->text().toStdString(), txtAltitude->text().toStdString(),
                             txtAirTemp->text().toStdString());
  pressure_ = FromUtf8(station.pressure);
  lblStation->setText(FromUtf8(station.line));
  cmdApply->setEnabled(!pressure_.isEmpty());
}

// The buttons follow the desktop's font, as the main window's do.
void PressureDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
    jet::window::FitCaptions({cmdApply, cmdCancel});
  QDialog::changeEvent(event);
}
