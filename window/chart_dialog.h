#pragma once

#include <QDialog>
#include <QWidget>

#include "form/chart.h"

class QLabel;
class QPushButton;

// Paints form/'s jet chart, scaled to fit the widget with its shape kept.
class ChartView : public QWidget {
  Q_OBJECT

 public:
  ChartView(jet::form::Chart chart, QWidget* parent);
  const jet::form::Chart& chart() const { return chart_; }
  // Shows another picture; an empty one (no width) paints nothing.
  void setChart(jet::form::Chart chart);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  jet::form::Chart chart_;
};

// The jet chart for the last Select's answer, with what it shows in words
// below it. Modal; 閉じる or Escape closes it and changes nothing.
class ChartDialog : public QDialog {
  Q_OBJECT

 public:
  ChartDialog(const jet::form::Answer& answer, QWidget* parent);

  ChartView* const chartView;
  QLabel* const lblSummary;
  QPushButton* const cmdClose;

 private:
  void FitScreen();
};
