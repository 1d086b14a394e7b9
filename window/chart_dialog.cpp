#include "window/chart_dialog.h"

#include <QLabel>
#include <QPainter>
#include <QPolygonF>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "window/controls.h"

namespace {

using jet::window::FromUtf8;

QColor Colour(jet::form::Rgb rgb) {
  return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace

ChartView::ChartView(jet::form::Chart chart, QWidget* parent)
    : QWidget(parent), chart_(std::move(chart)) {
  setObjectName(QStringLiteral("chartView"));
  // One unit of the chart is one logical pixel, which Qt scales on high-dpi
  // screens; a larger dialog draws it larger.
  setMinimumSize(static_cast<int>(chart_.width), static_cast<int>(chart_.height));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAccessibleName(FromUtf8(jet::form::kChartTitle));
  setAccessibleDescription(FromUtf8(chart_.summary));
}

void ChartView::setChart(jet::form::Chart chart) {
  chart_ = std::move(chart);
  // The picture says nothing to a screen reader beyond its words.
  setAccessibleDescription(FromUtf8(chart_.summary));
  update();
}

void ChartView::paintEvent(QPaintEvent*) {
  if (chart_.width <= 0 || chart_.height <= 0) return;
  QPainter painter(this);
  const double scale = std::min(width() / chart_.width, height() / chart_.height);
  painter.translate((width() - chart_.width * scale) / 2, (height() - chart_.height * scale) / 2);
  painter.scale(scale, scale);
  // Its texts are black: the canvas is white whatever the desktop's colours.
  painter.fillRect(QRectF(0, 0, chart_.width, chart_.height), Qt::white);

  // The bands with smooth edges, each over the ones before it.
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  for (const jet::form::ChartRegion& r : chart_.regions) {
    QPolygonF outline;
    outline.reserve(static_cast<qsizetype>(r.points.size()));
    for (const jet::form::ChartPoint& p : r.points) outline << QPointF(p.x, p.y);
    painter.setBrush(Colour(r.colour));
    painter.drawPolygon(outline);
  }
  // The key's swatches and the reading's label, square.
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (const jet::form::ChartBox& b : chart_.boxes)
    painter.fillRect(QRectF(b.left, b.top, b.width, b.height), Colour(b.colour));

  painter.setRenderHint(QPainter::Antialiasing);
  for (const jet::form::ChartLine& l : chart_.lines) {
    painter.setPen(QPen(Colour(l.colour), l.width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2));
  }

  QFont font = this->font();
  font.setPixelSize(static_cast<int>(chart_.font_size));
  painter.setFont(font);
  const QFontMetricsF metrics(font);
  for (const jet::form::ChartText& t : chart_.texts) {
    const QString text = FromUtf8(t.text);
    const double width = metrics.horizontalAdvance(text);
    const double x = t.anchor == jet::form::Anchor::Start    ? t.x
                     : t.anchor == jet::form::Anchor::Middle ? t.x - width / 2
                                                             : t.x - width;
    painter.setPen(Colour(t.colour));
    painter.drawText(QPointF(x, t.y), text);
  }
}

ChartDialog::ChartDialog(const jet::form::Answer& answer, QWidget* parent)
    : QDialog(parent),
      chartView(new ChartView(jet::form::JetChart(answer), this)),
      lblSummary(new QLabel(FromUtf8(chartView->chart().summary), this)),
      cmdClose(new QPushButton(FromUtf8(jet::form::kChartClose), this)) {
  setObjectName(QStringLiteral("ChartDialog"));
  setWindowTitle(FromUtf8(jet::form::kChartTitle));
  lblSummary->setObjectName(QStringLiteral("lblSummary"));
  // Its lines are short and broken where they should be: the dialog is made
  // as wide as the longest, and the chart grows with it.
  lblSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
  cmdClose->setObjectName(QStringLiteral("cmdClose"));
  cmdClose->setDefault(true);
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

  auto* const layout = new QVBoxLayout(this);
  layout->addWidget(chartView, 1);
  layout->addWidget(lblSummary);
  layout->addWidget(cmdClose, 0, Qt::AlignRight);
  cmdClose->setFocus();
  FitScreen();
}

// On a screen too short for the picture at its size, the picture shrinks,
// keeping its shape, so that the dialog fits and its words stay whole.
void ChartDialog::FitScreen() {
  const QScreen* const where = parentWidget() ? parentWidget()->screen() : screen();
  const int frame = style()->pixelMetric(QStyle::PM_TitleBarHeight) +
                    2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
  const jet::form::Chart& chart = chartView->chart();
  const int others = layout()->minimumSize().height() - chartView->minimumHeight();
  const double scale =
      jet::form::ChartScale(chart, where->availableGeometry().height() - frame - others);
  chartView->setMinimumSize(static_cast<int>(chart.width * scale),
                            static_cast<int>(chart.height * scale));
}
