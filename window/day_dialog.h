#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "form/day.h"

class ChartView;
class QLabel;
class QLineEdit;
class QPushButton;

// 一日の見通し: the race day from the hourly forecast, each row's jet, the
// minute at which each change falls and a picture of the day. Modal to the
// main window, drawn from form/'s table at the window's font; it never
// writes the main window's boxes.
class DayDialog : public QDialog {
  Q_OBJECT

 public:
  explicit DayDialog(QWidget* parent);

  // Opens the dialog and waits until it is closed. The first time the
  // fields are filled from the main window's boxes, the time now and the
  // converter's altitude; after that they keep what was typed. `offset` is
  // the engine's, in sizes.
  void Show(const QString& temperature, const QString& pressure, const QString& humidity,
            const QString& altitude, int offset);

  QLineEdit* field(int row, jet::form::DayColumn column) const;

  QLineEdit* const txtDayAltitude;
  QLabel* const lblDay;
  ChartView* const picDay;
  QPushButton* const cmdDayCopy;
  QPushButton* const cmdDayClose;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // Reads the fields as they change: the row answers, the line, the
  // picture, and コピー only while there is something to copy.
  void Update();
  jet::form::DayFields Fields() const;

  std::array<std::array<QLineEdit*, jet::form::kDayColumns>, jet::form::kDayRows> fields_{};
  std::array<QLabel*, jet::form::kDayRows> jets_{};
  bool filled_ = false;
  int offset_ = 0;
  std::string copy_;
};
