#include "window/controls.h"

#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <algorithm>
#include <climits>

namespace jet::window {
namespace {

using form::Control;

Qt::Alignment Horizontal(form::Align align) {
  switch (align) {
    case form::Align::Left:
      return Qt::AlignLeft;
    case form::Align::Right:
      return Qt::AlignRight;
    case form::Align::Centre:
      break;
  }
  return Qt::AlignHCenter;
}

// The labels' and boxes' font: MS P Gothic where Windows fonts are installed,
// else its metric-compatible substitute IPAPGothic, else Noto Sans CJK JP.
QFont BoxFont() {
  QStringList families;
  for (const std::string_view family : form::kBoxFontFamilies) families << FromUtf8(family);
  QFont font;
  font.setFamilies(families);
  font.setPointSizeF(form::kBoxFontPoints);
  font.setWeight(QFont::Normal);
  return font;
}

template <typename Widget>
Widget* Make(QWidget* parent, const Control& control) {
  auto* widget = new Widget(parent);
  widget->setObjectName(FromUtf8(control.name));
  if (control.box_font) widget->setFont(BoxFont());
  if (!control.accessible_name.empty())
    widget->setAccessibleName(FromUtf8(control.accessible_name));
  widget->setToolTip(FromUtf8(control.tip));
  widget->setAccessibleDescription(FromUtf8(control.tip));
  const form::Rect place = control.place;
  widget->setGeometry(Twips(place.left), Twips(place.top), Twips(place.width), Twips(place.height));
  return widget;
}

}  // namespace

QLabel* MakeLabel(QWidget* parent, const Control& control) {
  auto* label = Make<QLabel>(parent, control);
  label->setText(FromUtf8(control.caption));
  label->setAlignment(Horizontal(control.align) | Qt::AlignVCenter);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QLineEdit* MakeBox(QWidget* parent, const Control& control) {
  auto* box = Make<QLineEdit>(parent, control);
  box->setAlignment(Horizontal(control.align));
  box->setMaxLength(INT_MAX);  // Qt would cut text at 32767 characters
  return box;
}

QPushButton* MakeButton(QWidget* parent, const Control& control) {
  auto* button = Make<QPushButton>(parent, control);
  button->setText(FromUtf8(control.caption));
  // Return and Enter press the focused button as well as the space bar.
  button->setAutoDefault(true);
  return button;
}

QComboBox* MakeComboBox(QWidget* parent, const Control& control) {
  return Make<QComboBox>(parent, control);
}

QWidget* SetTabOrder(QWidget* parent, std::span<const Control> controls) {
  const auto order = form::TabOrder(controls);
  auto widget = [parent](const Control* control) {
    return parent->findChild<QWidget*>(FromUtf8(control->name), Qt::FindDirectChildrenOnly);
  };
  for (std::size_t i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(widget(order[i - 1]), widget(order[i]));
  return widget(order.front());
}

void FitCaptions(std::initializer_list<QPushButton*> buttons) {
  constexpr qreal kSmallestCaption = 6;                          // points
  for (QPushButton* button : buttons) button->setFont(QFont());  // the desktop's, as it is now
  QFont font = (*buttons.begin())->font();
  auto fits = [&font](const QPushButton* button) {
    const QStyle* style = button->style();
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    const int width = button->width() -
                      2 * (frame + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button));
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(button->text()) <= width &&
           metrics.height() <= button->height() - 2 * frame;
  };
  while (!std::all_of(buttons.begin(), buttons.end(), fits) && font.pointSizeF() > kSmallestCaption)
    font.setPointSizeF(std::max(font.pointSizeF() - 0.5, kSmallestCaption));
  for (QPushButton* button : buttons)
    if (font != button->font()) button->setFont(font);
}

}  // namespace jet::window
