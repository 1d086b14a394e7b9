#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// The pressure converter: from the sea-level pressure of a weather report,
// the track's altitude and the air temperature, the pressure at the track.
// Modal to the main window, drawn from form/'s table at the window's font.
class PressureDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PressureDialog(QWidget* parent);

  // Opens the dialog with the temperature as the main window has it and
  // waits. Returns the pressure to write into the pressure box ("956.0"), or
  // nothing when the user cancelled. The other two fields keep their texts
  // from one opening to the next.
  std::optional<QString> Ask(const QString& temperature);

  QLabel* const lblPurpose;
  QLabel* const capSeaLevel;
  QLineEdit* const txtSeaLevel;
  QLabel* const capAltitude;
  QLineEdit* const txtAltitude;
  QLabel* const capAirTemp;
  QLineEdit* const txtAirTemp;
  QLabel* const lblStation;
  QPushButton* const cmdApply;
  QPushButton* const cmdCancel;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // Reads the fields as they are typed: the result line, and Apply only
  // while every field is right.
  void Update();

  QString pressure_;
};
