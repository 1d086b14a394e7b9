#pragma once

#include <QWidget>
#include <optional>

#include "form/answer.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class PressureDialog;
class EngineDialog;
class DayDialog;

// The program's one window: three input boxes for temperature, pressure and
// humidity, the result box and the two buttons. Its controls are placed at
// fixed positions and keep them when the window is resized.
class Form1 : public QWidget {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);

  // The controls, named as in the window's original description. lblTemp,
  // lblBphpa and lblHum are editable boxes despite their prefix.
  QLabel* const Label1;
  QLineEdit* const lblTemp;
  QLabel* const Label3;
  QLineEdit* const lblBphpa;
  QLabel* const Label7;
  QLineEdit* const lblHum;
  QLineEdit* const txtMJ;
  QPushButton* const cmdclear;
  QPushButton* const cmd;

 public slots:
  // Select: reads the three boxes and shows the recommended main jet. Catches
  // nothing: an error ends the command and is reported where the button's
  // click enters the window (see RunCommand).
  void cmd_Click();
  // Clear: empties the four boxes.
  void cmdclear_Click();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void FitCaptions();
  // Keeps what the last Select found: it explains the result box in its
  // tooltip and makes the logbook line; nothing while the box is empty.
  void ShowAnswer(std::optional<jet::form::Answer> answer);
  void CopyResult();
  void ShowResultMenu(const QPoint& at);
  void ShowPressureMenu(const QPoint& at);
  // Opens the pressure converter; what it gives goes into the pressure box.
  void ConvertPressure();
  // Opens the jet chart for the answer shown; changes nothing.
  void ShowChart();
  // Opens 基準合わせ; what it gives is this engine's offset from the table,
  // shown at once for the last Select and used by every Select after it.
  void AdjustEngine();
  // Opens 一日の見通し over the window; changes nothing in it.
  void PlanDay();

  std::optional<jet::form::Answer> answer_;
  QAction* const copyResult_;
  QAction* const convertPressure_;
  QAction* const showChart_;
  QAction* const adjustEngine_;
  QAction* const planDay_;
  PressureDialog* pressure_ = nullptr;
  EngineDialog* engine_ = nullptr;
  DayDialog* day_ = nullptr;
  int offset_ = 0;  // sizes this engine runs richer than the table

  // Runs a command from a click. An error is shown to the user, the result
  // box is emptied and the window goes on; no exception reaches Qt's loop.
  void RunCommand(void (Form1::*command)());
};
