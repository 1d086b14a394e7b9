#include "window/day_dialog.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <ctime>

#include "window/chart_dialog.h"
#include "window/controls.h"

namespace {

using jet::form::DayColumn;
using jet::window::FromUtf8;
using jet::window::Make;

std::span<const jet::form::Control> Table() {
  return jet::form::DayControls();
}

QRect Place(const jet::form::Rect& r) {
  using jet::window::Twips;
  return {Twips(r.left), Twips(r.top), Twips(r.width), Twips(r.height)};
}

}  // namespace

DayDialog::DayDialog(QWidget* parent)
    : QDialog(parent),
      txtDayAltitude(Make<QLineEdit>(this, Table(), "txtDayAltitude")),
      lblDay(Make<QLabel>(this, Table(), "lblDay")),
      picDay(new ChartView({}, this)),
      cmdDayCopy(Make<QPushButton>(this, Table(), "cmdDayCopy")),
      cmdDayClose(Make<QPushButton>(this, Table(), "cmdDayClose")) {
  setObjectName(QStringLiteral("DayDialog"));
  setWindowTitle(FromUtf8(jet::form::kDayTitle));
  setFixedSize(jet::window::Twips(jet::form::kDayWidth), jet::window::Twips(jet::form::kDayHeight));
  // The captions, the rows' numbers and answers, made in the table's order.
  for (const jet::form::Control& control : Table())
    if (control.kind == jet::form::Kind::Label && control.name != "lblDay")
      jet::window::MakeLabel(this, control)->setWordWrap(control.name == "lblDayPurpose");
  auto* const caption = findChild<QLabel*>(QStringLiteral("capDayAltitude"));
  caption->setBuddy(txtDayAltitude);
  for (int row = 0; row < jet::form::kDayRows; ++row) {
    for (int column = 0; column < jet::form::kDayColumns; ++column) {
      const auto name = jet::form::DayFieldName(row, static_cast<DayColumn>(column));
      QLineEdit*& box = fields_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
      box = jet::window::MakeBox(this, jet::form::Find(Table(), name));
      connect(box, &QLineEdit::textChanged, this, &DayDialog::Update);
    }
    jets_[static_cast<std::size_t>(row)] = findChild<QLabel*>(FromUtf8(jet::form::DayJetName(row)));
  }
  lblDay->setWordWrap(true);
  lblDay->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblDay->setTextInteractionFlags(Qt::TextSelectableByMouse);
  picDay->setObjectName(QStringLiteral("picDay"));
  picDay->setAccessibleName(FromUtf8(jet::form::kDayTitle));
  picDay->setMinimumSize(0, 0);
  picDay->setGeometry(Place(jet::form::kDayPicture));
  jet::window::SetTabOrder(this, Table());
  jet::window::FitCaptions({cmdDayCopy, cmdDayClose});
  cmdDayClose->setDefault(true);

  connect(txtDayAltitude, &QLineEdit::textChanged, this, &DayDialog::Update);
  connect(cmdDayCopy, &QPushButton::clicked, this,
          [this] { QGuiApplication::clipboard()->setText(FromUtf8(copy_)); });
  connect(cmdDayClose, &QPushButton::clicked, this, &QDialog::reject);
}

QLineEdit* DayDialog::field(int row, DayColumn column) const {
  return fields_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void DayDialog::Show(const QString& temperature, const QString& pressure, const QString& humidity,
                     const QString& altitude, int offset) {
  offset_ = offset;
  if (!filled_) {
    filled_ = true;
    const std::time_t now = std::time(nullptr);
    const jet::form::DayFields first = jet::form::FirstDayFields(
        temperature.toStdString(), pressure.toStdString(), humidity.toStdString(),
        altitude.toStdString(), *std::localtime(&now));
    txtDayAltitude->setText(FromUtf8(first.altitude));
    for (int column = 0; column < jet::form::kDayColumns; ++column)
      field(0, static_cast<DayColumn>(column))
          ->setText(FromUtf8(first.rows[0][static_cast<std::size_t>(column)]));
  }
  Update();
  field(0, DayColumn::Time)->setFocus();
  field(0, DayColumn::Time)->selectAll();
  exec();
}

jet::form::DayFields DayDialog::Fields() const {
  jet::form::DayFields fields;
  fields.altitude = txtDayAltitude->text().toStdString();
  for (std::size_t row = 0; row < fields.rows.size(); ++row)
    for (std::size_t column = 0; column < fields.rows[row].size(); ++column)
      fields.rows[row][column] = fields_[row][column]->text().toStdString();
  return fields;
}

void DayDialog::Update() {
  const jet::form::DayPlan plan = jet::form::ReadDay(Fields(), offset_);
  for (std::size_t row = 0; row < jets_.size(); ++row)
    jets_[row]->setText(FromUtf8(plan.jets[row]));
  lblDay->setText(FromUtf8(plan.line));
  copy_ = plan.copy;
  cmdDayCopy->setEnabled(!copy_.empty());
  picDay->setChart(plan.picture.value_or(jet::form::Chart{}));
  picDay->setVisible(plan.picture.has_value());
}

// The buttons follow the desktop's font, as the main window's do.
void DayDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
    jet::window::FitCaptions({cmdDayCopy, cmdDayClose});
  QDialog::changeEvent(event);
}
