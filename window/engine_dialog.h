#pragma once

#include <QDialog>
#include <optional>

#include "form/answer.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// 基準合わせ: a day that ran right, and the jet that ran right then, give
// this engine's offset from the table in sizes. Modal to the main window,
// drawn from form/'s table at the window's font.
class EngineDialog : public QDialog {
  Q_OBJECT

 public:
  explicit EngineDialog(QWidget* parent);

  // Opens the dialog and waits. The first time the fields are filled from
  // the main window's boxes and the last answer; after that they keep what
  // was typed. Returns the offset to apply (0 after 解除), or nothing when
  // the user cancelled. Reset is enabled while `applied` is not 0.
  std::optional<int> Ask(const QString& temperature, const QString& pressure,
                         const QString& humidity, const std::optional<jet::form::Answer>& last,
                         int applied);

  QLabel* const lblRefPurpose;
  QLabel* const capRefTemp;
  QLineEdit* const txtRefTemp;
  QLabel* const capRefPressure;
  QLineEdit* const txtRefPressure;
  QLabel* const capRefHumidity;
  QLineEdit* const txtRefHumidity;
  QLabel* const capRefJet;
  QComboBox* const cboRefJet;
  QLabel* const lblEngine;
  QPushButton* const cmdRefApply;
  QPushButton* const cmdRefReset;
  QPushButton* const cmdRefCancel;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // Reads the fields as they change: the line, and Apply only while every
  // field is right.
  void Update();

  bool filled_ = false;
  std::optional<int> offset_;
  std::optional<jet::form::Answer> last_;
};
