#include "window/engine_dialog.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "calc/recommendation.h"
#include "form/engine.h"
#include "window/controls.h"

namespace {

using jet::window::FromUtf8;
using jet::window::Make;

// The code exec() returns for 解除.
constexpr int kReset = QDialog::Accepted + 1;

std::span<const jet::form::Control> Table() {
  return jet::form::EngineControls();
}

}  // namespace

EngineDialog::EngineDialog(QWidget* parent)
    : QDialog(parent),
      lblRefPurpose(Make<QLabel>(this, Table(), "lblRefPurpose")),
      capRefTemp(Make<QLabel>(this, Table(), "capRefTemp")),
      txtRefTemp(Make<QLineEdit>(this, Table(), "txtRefTemp")),
      capRefPressure(Make<QLabel>(this, Table(), "capRefPressure")),
      txtRefPressure(Make<QLineEdit>(this, Table(), "txtRefPressure")),
      capRefHumidity(Make<QLabel>(this, Table(), "capRefHumidity")),
      txtRefHumidity(Make<QLineEdit>(this, Table(), "txtRefHumidity")),
      capRefJet(Make<QLabel>(this, Table(), "capRefJet")),
      cboRefJet(Make<QComboBox>(this, Table(), "cboRefJet")),
      lblEngine(Make<QLabel>(this, Table(), "lblEngine")),
      cmdRefApply(Make<QPushButton>(this, Table(), "cmdRefApply")),
      cmdRefReset(Make<QPushButton>(this, Table(), "cmdRefReset")),
      cmdRefCancel(Make<QPushButton>(this, Table(), "cmdRefCancel")) {
  setObjectName(QStringLiteral("EngineDialog"));
  setWindowTitle(FromUtf8(jet::form::kEngineTitle));
  setFixedSize(jet::window::Twips(jet::form::kEngineWidth),
               jet::window::Twips(jet::form::kEngineHeight));
  lblRefPurpose->setWordWrap(true);
  lblRefPurpose->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblEngine->setWordWrap(true);
  lblEngine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  for (int size = 0; size < static_cast<int>(jet::kJetSizes.size()); ++size)
    cboRefJet->addItem(FromUtf8(jet::form::JetChoice(size)));
  // A screen reader names each field after its label.
  capRefTemp->setBuddy(txtRefTemp);
  capRefPressure->setBuddy(txtRefPressure);
  capRefHumidity->setBuddy(txtRefHumidity);
  capRefJet->setBuddy(cboRefJet);
  jet::window::SetTabOrder(this, jet::form::EngineControls());
  cmdRefApply->setDefault(true);  // Return in a field applies
  jet::window::FitCaptions({cmdRefApply, cmdRefReset, cmdRefCancel});

  for (QLineEdit* field : {txtRefTemp, txtRefPressure, txtRefHumidity})
    connect(field, &QLineEdit::textChanged, this, &EngineDialog::Update);
  connect(cboRefJet, &QComboBox::currentIndexChanged, this, &EngineDialog::Update);
  connect(cmdRefApply, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdRefReset, &QPushButton::clicked, this, [this] { done(kReset); });
  connect(cmdRefCancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<int> EngineDialog::Ask(const QString& temperature, const QString& pressure,
                                     const QString& humidity,
                                     const std::optional<jet::form::Answer>& last, int applied) {
  last_ = last;
  if (!filled_) {
    filled_ = true;
    const jet::form::EngineFields first = jet::form::FirstEngineFields(
        temperature.toStdString(), pressure.toStdString(), humidity.toStdString(), last);
    txtRefTemp->setText(FromUtf8(first.temperature));
    txtRefPressure->setText(FromUtf8(first.pressure));
    txtRefHumidity->setText(FromUtf8(first.humidity));
    cboRefJet->setCurrentIndex(first.size_index);
  }
  cmdRefReset->setEnabled(applied != 0);
  Update();
  txtRefTemp->setFocus();
  txtRefTemp->selectAll();
  const int result = exec();
  if (result == kReset) return 0;
  if (result != QDialog::Accepted || !offset_) return std::nullopt;
  return offset_;
}

void EngineDialog::Update() {
  const jet::form::EngineReading reading =
      jet::form::ReadEngine({txtRefTemp->text().toStdString(), txtRefPressure->text().toStdString(),
                             txtRefHumidity->text().toStdString(), cboRefJet->currentIndex()},
                            last_);
  offset_ = reading.offset;
  lblEngine->setText(FromUtf8(reading.line));
  cmdRefApply->setEnabled(offset_.has_value());
}

// The buttons follow the desktop's font, as the main window's do.
void EngineDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
    jet::window::FitCaptions({cmdRefApply, cmdRefReset, cmdRefCancel});
  QDialog::changeEvent(event);
}
