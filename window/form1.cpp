#include "window/form1.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "form/chart.h"
#include "form/engine.h"
#include "form/layout.h"
#include "form/pressure.h"
#include "window/chart_dialog.h"
#include "window/controls.h"
#include "window/day_dialog.h"
#include "window/engine_dialog.h"
#include "window/pressure_dialog.h"

namespace {

using jet::window::FromUtf8;

QLabel* MakeLabel(QWidget* parent, const char* name) {
  return jet::window::MakeLabel(parent, jet::form::Find(name));
}
QLineEdit* MakeBox(QWidget* parent, const char* name) {
  return jet::window::MakeBox(parent, jet::form::Find(name));
}
QPushButton* MakeButton(QWidget* parent, const char* name) {
  return jet::window::MakeButton(parent, jet::form::Find(name));
}

// Screen readers announce the window as the application's window, as they
// do Qt's own top-level windows, rather than as a plain panel.
QAccessibleInterface* WindowAccessible(const QString& type, QObject* object) {
  if (type != QLatin1String("Form1") || !object->isWidgetType()) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
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
      copyResult_(new QAction(FromUtf8(jet::form::kCopyResultCaption), this)),
      convertPressure_(new QAction(FromUtf8(jet::form::kPressureMenuItem), this)),
      showChart_(new QAction(FromUtf8(jet::form::kChartMenuItem), this)),
      adjustEngine_(new QAction(FromUtf8(jet::form::kEngineMenuItem), this)),
      planDay_(new QAction(FromUtf8(jet::form::kDayMenuItem), this)) {
  static const bool accessible = (QAccessible::installFactory(WindowAccessible), true);
  (void)accessible;
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(FromUtf8(jet::form::kTitle));
  resize(jet::window::Twips(jet::form::kClientWidth), jet::window::Twips(jet::form::kClientHeight));
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
  // No button is the window's default.
  jet::window::SetTabOrder(this, jet::form::Controls())->setFocus();

  // The logbook line: from the result box's menu, or Ctrl+Shift+C anywhere in
  // the window.
  copyResult_->setObjectName(QStringLiteral("copyResult"));
  copyResult_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copyResult_->setEnabled(false);
  addAction(copyResult_);
  connect(copyResult_, &QAction::triggered, this, &Form1::CopyResult);
  showChart_->setObjectName(QStringLiteral("showChart"));
  showChart_->setEnabled(false);
  connect(showChart_, &QAction::triggered, this, &Form1::ShowChart);
  // Always there: a tuner may set the engine before the first Select.
  adjustEngine_->setObjectName(QStringLiteral("adjustEngine"));
  connect(adjustEngine_, &QAction::triggered, this, &Form1::AdjustEngine);
  planDay_->setObjectName(QStringLiteral("planDay"));
  connect(planDay_, &QAction::triggered, this, &Form1::PlanDay);
  txtMJ->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(txtMJ, &QWidget::customContextMenuRequested, this, &Form1::ShowResultMenu);

  // The pressure box's menu opens the converter from a weather report's
  // sea-level pressure: Shift+F10 or the menu key, then K.
  convertPressure_->setObjectName(QStringLiteral("convertPressure"));
  connect(convertPressure_, &QAction::triggered, this, &Form1::ConvertPressure);
  lblBphpa->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(lblBphpa, &QWidget::customContextMenuRequested, this, &Form1::ShowPressureMenu);
  // Qt opens a box's menu from the menu key; Shift+F10 does so too, as in
  // other desktop programs, below the caret.
  for (QLineEdit* box : {lblBphpa, txtMJ}) {
    auto* menuKey = new QAction(box);
    menuKey->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    menuKey->setShortcutContext(Qt::WidgetShortcut);
    box->addAction(menuKey);
    connect(menuKey, &QAction::triggered, box, [box] {
      emit box->customContextMenuRequested(
          box->inputMethodQuery(Qt::ImCursorRectangle).toRect().bottomLeft());
    });
  }

  connect(cmd, &QPushButton::clicked, this, [this] { RunCommand(&Form1::cmd_Click); });
  connect(cmdclear, &QPushButton::clicked, this, [this] { RunCommand(&Form1::cmdclear_Click); });
}

void Form1::ShowAnswer(std::optional<jet::form::Answer> answer) {
  answer_ = std::move(answer);
  const QString explained = answer_ ? FromUtf8(jet::form::Explain(*answer_)) : QString();
  txtMJ->setToolTip(explained);
  txtMJ->setAccessibleDescription(explained);
  copyResult_->setEnabled(answer_.has_value());
  showChart_->setEnabled(answer_.has_value());
}

void Form1::CopyResult() {
  if (answer_) QGuiApplication::clipboard()->setText(FromUtf8(jet::form::LogbookLine(*answer_)));
}

// A menu made anew each time it opens takes its own copy of each shared
// action, which goes with it: a screen reader's object for a menu item stays
// tied to the first menu that showed the action, so that a shared action is
// out of its reach from the second opening on.
static QAction* MenuCopy(QMenu* menu, QAction* shared) {
  auto* const copy = new QAction(shared->text(), menu);
  copy->setEnabled(shared->isEnabled());
  // Shown beside the item; the window's own action takes the key.
  copy->setShortcut(shared->shortcut());
  copy->setShortcutContext(Qt::WidgetShortcut);
  QObject::connect(copy, &QAction::triggered, shared, &QAction::trigger);
  return copy;
}

// The box's own edit menu, with the logbook line, the jet chart and
// 基準合わせ below it.
void Form1::ShowResultMenu(const QPoint& at) {
  QMenu* const menu = txtMJ->createStandardContextMenu();
  menu->setObjectName(QStringLiteral("resultMenu"));
  menu->addSeparator();
  for (QAction* shared : {copyResult_, showChart_, adjustEngine_, planDay_})
    menu->addAction(MenuCopy(menu, shared));
  menu->exec(txtMJ->mapToGlobal(at));
  delete menu;
}

// The buttons keep the desktop's font, at a size at which both captions fit.
void Form1::FitCaptions() {
  jet::window::FitCaptions({cmdclear, cmd});
}

// The box's own edit menu, below the converter that fills the box.
void Form1::ShowPressureMenu(const QPoint& at) {
  QMenu* const menu = lblBphpa->createStandardContextMenu();
  menu->setObjectName(QStringLiteral("pressureMenu"));
  QAction* const first = menu->actions().value(0);
  menu->insertAction(first, MenuCopy(menu, convertPressure_));
  menu->insertSeparator(first);
  menu->exec(lblBphpa->mapToGlobal(at));
  delete menu;
}

// The dialog is made once and kept, so that the sea-level pressure and the
// altitude stay as typed while the program runs; the temperature comes from
// the window's box each time it opens.
void Form1::ConvertPressure() {
  if (!pressure_) pressure_ = new PressureDialog(this);
  if (const auto station = pressure_->Ask(lblTemp->text())) {
    lblBphpa->setText(*station);
    cmd->setFocus();  // Return or space now runs Select
  }
}

void Form1::ShowChart() {
  if (!answer_) return;
  ChartDialog dialog(*answer_, this);
  dialog.exec();
}

// The dialog is made once and kept, so that its fields stay as typed while
// the program runs. Applying shows the engine's jet for the last Select at
// once, without reading the boxes again.
void Form1::AdjustEngine() {
  if (!engine_) engine_ = new EngineDialog(this);
  const auto offset =
      engine_->Ask(lblTemp->text(), lblBphpa->text(), lblHum->text(), answer_, offset_);
  if (!offset) return;
  offset_ = *offset;
  if (!answer_) return;
  answer_->offset = offset_;
  txtMJ->setText(FromUtf8(jet::form::Shown(*answer_)));
  ShowAnswer(std::move(answer_));
}

// The dialog is made once and kept, so that its rows stay as typed while the
// program runs.
void Form1::PlanDay() {
  if (!day_) day_ = new DayDialog(this);
  day_->Show(lblTemp->text(), lblBphpa->text(), lblHum->text(),
             pressure_ ? pressure_->txtAltitude->text() : QString(), offset_);
}

// The window's own font follows the desktop's: refit when it changes.
void Form1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) FitCaptions();
  QWidget::changeEvent(event);
}
