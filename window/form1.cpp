#include "window/form1.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QClipboard>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <algorithm>
#include <climits>

#include "form/layout.h"

namespace {

using jet::form::Control;

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The window was drawn in twips; at 96 dpi 15 twips make one pixel, and every
// position is a whole number of Qt's logical pixels, so the window also
// scales on high-dpi screens.
constexpr int Twips(int twips) {
  return twips / 15;
}

Qt::Alignment Horizontal(jet::form::Align align) {
  switch (align) {
    case jet::form::Align::Left:
      return Qt::AlignLeft;
    case jet::form::Align::Right:
      return Qt::AlignRight;
    case jet::form::Align::Centre:
      break;
  }
  return Qt::AlignHCenter;
}

// The labels' and boxes' font: MS P Gothic where Windows fonts are installed,
// else its metric-compatible substitute IPAPGothic, else Noto Sans CJK JP.
QFont BoxFont() {
  QStringList families;
  for (const std::string_view family : jet::form::kBoxFontFamilies) families << FromUtf8(family);
  QFont font;
  font.setFamilies(families);
  font.setPointSizeF(jet::form::kBoxFontPoints);
  font.setWeight(QFont::Normal);
  return font;
}

// Name, place, font and accessible name, as the window's table gives them.
template <typename Widget>
Widget* Make(QWidget* parent, const char* name) {
  const Control& control = jet::form::Find(name);
  auto* widget = new Widget(parent);
  widget->setObjectName(QLatin1String(name));
  if (control.box_font) widget->setFont(BoxFont());
  if (!control.accessible_name.empty())
    widget->setAccessibleName(FromUtf8(control.accessible_name));
  widget->setToolTip(FromUtf8(control.tip));
  widget->setAccessibleDescription(FromUtf8(control.tip));
  const jet::form::Rect place = control.place;
  widget->setGeometry(Twips(place.left), Twips(place.top), Twips(place.width), Twips(place.height));
  return widget;
}

QLabel* MakeLabel(QWidget* parent, const char* name) {
  auto* label = Make<QLabel>(parent, name);
  label->setText(FromUtf8(jet::form::Find(name).caption));
  label->setAlignment(Horizontal(jet::form::Find(name).align) | Qt::AlignVCenter);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QLineEdit* MakeBox(QWidget* parent, const char* name) {
  auto* box = Make<QLineEdit>(parent, name);
  box->setAlignment(Horizontal(jet::form::Find(name).align));
  box->setMaxLength(INT_MAX);  // Qt would cut text at 32767 characters
  return box;
}

// Screen readers announce the window as the application's window, as they
// do Qt's own top-level windows, rather than as a plain panel.
QAccessibleInterface* WindowAccessible(const QString& type, QObject* object) {
  if (type != QLatin1String("Form1") || !object->isWidgetType()) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

QPushButton* MakeButton(QWidget* parent, const char* name) {
  auto* button = Make<QPushButton>(parent, name);
  button->setText(FromUtf8(jet::form::Find(name).caption));
  // Return and Enter press the focused button as well as the space bar; no
  // button is the window's default.
  button->setAutoDefault(true);
  return button;
}

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent),
      Label1(MakeLabel(this, "Label1")),
      lblTemp(MakeBox(this, "lblTemp")),
      Label3(MakeLabel(this, "Label3")),
      lblBphpa(MakeBox(this, "lblBphpa")),
      Label7(MakeLabel(this, "Label7")),
      lblHum(MakeBox(this, "lblHum")),
      txtMJ(MakeBox(this, "txtMJ")),
      cmdclear(MakeButton(this, "cmdclear")),
      cmd(MakeButton(this, "cmd")),
      copyResult_(new QAction(FromUtf8(jet::form::kCopyResultCaption), this)) {
  static const bool accessible = (QAccessible::installFactory(WindowAccessible), true);
  (void)accessible;
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(FromUtf8(jet::form::kTitle));
  resize(Twips(jet::form::kClientWidth), Twips(jet::form::kClientHeight));
  // Never smaller than the window was drawn: the controls stay in sight.
  setMinimumSize(size());
  FitCaptions();

  // A screen reader names each box after the label beside it. The labels
  // carry no access key, so the buddy adds no shortcut.
  Label1->setBuddy(lblTemp);
  Label3->setBuddy(lblBphpa);
  Label7->setBuddy(lblHum);

  // Tab goes Select, temperature, pressure, humidity, Clear, result; the
  // labels never take the focus. Select has it when the window opens.
  const auto order = jet::form::TabOrder();
  auto widget = [this](const Control* control) {
    return findChild<QWidget*>(FromUtf8(control->name), Qt::FindDirectChildrenOnly);
  };
  for (std::size_t i = 1; i < order.size(); ++i)
    setTabOrder(widget(order[i - 1]), widget(order[i]));
  widget(order.front())->setFocus();

  // The logbook line: from the result box's menu, or Ctrl+Shift+C anywhere in
  // the window.
  copyResult_->setObjectName(QStringLiteral("copyResult"));
  copyResult_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copyResult_->setEnabled(false);
  addAction(copyResult_);
  connect(copyResult_, &QAction::triggered, this, &Form1::CopyResult);
  txtMJ->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(txtMJ, &QWidget::customContextMenuRequested, this, &Form1::ShowResultMenu);

  connect(cmd, &QPushButton::clicked, this, [this] { RunCommand(&Form1::cmd_Click); });
  connect(cmdclear, &QPushButton::clicked, this, [this] { RunCommand(&Form1::cmdclear_Click); });
}

void Form1::ShowAnswer(std::optional<jet::form::Answer> answer) {
  answer_ = std::move(answer);
  const QString explained = answer_ ? FromUtf8(jet::form::Explain(*answer_)) : QString();
  txtMJ->setToolTip(explained);
  txtMJ->setAccessibleDescription(explained);
  copyResult_->setEnabled(answer_.has_value());
}

void Form1::CopyResult() {
  if (answer_) QGuiApplication::clipboard()->setText(FromUtf8(jet::form::LogbookLine(*answer_)));
}

// The box's own edit menu, with the logbook line below it.
void Form1::ShowResultMenu(const QPoint& at) {
  QMenu* const menu = txtMJ->createStandardContextMenu();
  menu->setObjectName(QStringLiteral("resultMenu"));
  menu->addSeparator();
  menu->addAction(copyResult_);
  menu->exec(txtMJ->mapToGlobal(at));
  delete menu;
}

// With a large desktop font (14 to 16 pt) 数値クリア no longer fits its
// button. The buttons keep the desktop's font, but at the one size at which
// both captions fit the buttons as drawn, so that the two side by side match;
// never below kSmallestCaption, where a caption could no longer be read.
void Form1::FitCaptions() {
  constexpr qreal kSmallestCaption = 6;  // points
  const QPushButton* const buttons[] = {cmdclear, cmd};
  for (QPushButton* button : {cmdclear, cmd})
    button->setFont(QFont());  // the desktop's, as it is now
  QFont font = cmd->font();
  auto fits = [&font](const QPushButton* button) {
    const QStyle* style = button->style();
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    const int width = button->width() -
                      2 * (frame + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button));
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(button->text()) <= width &&
           metrics.height() <= button->height() - 2 * frame;
  };
  while (!std::ranges::all_of(buttons, fits) && font.pointSizeF() > kSmallestCaption)
    font.setPointSizeF(std::max(font.pointSizeF() - 0.5, kSmallestCaption));
  for (QPushButton* button : {cmdclear, cmd})
    if (font != button->font()) button->setFont(font);
}

// The window's own font follows the desktop's: refit when it changes.
void Form1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) FitCaptions();
  QWidget::changeEvent(event);
}
