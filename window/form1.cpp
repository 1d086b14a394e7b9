#include "window/form1.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <climits>
#include <exception>

#include "window/error_report.h"

namespace {

// The window was drawn in twips; at 96 dpi 15 twips make one pixel, and every
// position below is a whole number of Qt's logical pixels, so the window also
// scales on high-dpi screens.
constexpr int Twips(int twips) {
  return twips / 15;
}

struct Place {
  int left, top, width, height;  // twips
};

void Put(QWidget* control, Place place) {
  control->setGeometry(Twips(place.left), Twips(place.top), Twips(place.width),
                       Twips(place.height));
}

// The labels' and boxes' font: MS P Gothic where Windows fonts are installed,
// else its metric-compatible substitute IPAPGothic, else Noto Sans CJK JP.
QFont BoxFont() {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                    QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
  font.setPointSizeF(11.25);
  font.setWeight(QFont::Normal);
  return font;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, Place place) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setFont(BoxFont());
  label->setAlignment(Qt::AlignCenter);
  label->setTextFormat(Qt::PlainText);
  Put(label, place);
  return label;
}

QLineEdit* MakeBox(QWidget* parent, const char* name, Qt::Alignment alignment, Place place) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QLatin1String(name));
  box->setFont(BoxFont());
  box->setAlignment(alignment);
  box->setMaxLength(INT_MAX);  // Qt would cut text at 32767 characters
  Put(box, place);
  return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, Place place) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QLatin1String(name));
  // Return and Enter press the focused button as well as the space bar; no
  // button is the window's default.
  button->setAutoDefault(true);
  Put(button, place);
  return button;
}

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent),
      Label1(MakeLabel(this, "Label1", QStringLiteral("気温(℃)"), {240, 240, 1095, 255})),
      lblTemp(MakeBox(this, "lblTemp", Qt::AlignRight, {1560, 240, 1815, 375})),
      Label3(MakeLabel(this, "Label3", QStringLiteral("気圧(mb)"), {240, 840, 1095, 255})),
      lblBphpa(MakeBox(this, "lblBphpa", Qt::AlignRight, {1560, 840, 1815, 375})),
      Label7(MakeLabel(this, "Label7", QStringLiteral("湿度(％)"), {240, 1440, 1095, 255})),
      lblHum(MakeBox(this, "lblHum", Qt::AlignRight, {1560, 1440, 1815, 375})),
      txtMJ(MakeBox(this, "txtMJ", Qt::AlignHCenter, {120, 1920, 3255, 375})),
      cmdclear(MakeButton(this, "cmdclear", QStringLiteral("数値クリア"), {120, 2520, 1455, 375})),
      cmd(MakeButton(this, "cmd", QStringLiteral("選定"), {1800, 2520, 1575, 375})) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("メインジェット選定"));
  resize(Twips(3510), Twips(3105));

  // A screen reader names each box after the label beside it. The labels
  // carry no access key, so the buddy adds no shortcut.
  Label1->setBuddy(lblTemp);
  Label3->setBuddy(lblBphpa);
  Label7->setBuddy(lblHum);
  txtMJ->setAccessibleName(QStringLiteral("推奨メインジェット"));

  // Tab goes Select, temperature, pressure, humidity, Clear, result; the
  // labels never take the focus. Select has it when the window opens.
  setTabOrder(cmd, lblTemp);
  setTabOrder(lblTemp, lblBphpa);
  setTabOrder(lblBphpa, lblHum);
  setTabOrder(lblHum, cmdclear);
  setTabOrder(cmdclear, txtMJ);
  cmd->setFocus();

  connect(cmd, &QPushButton::clicked, this, [this] { RunCommand(&Form1::cmd_Click); });
  connect(cmdclear, &QPushButton::clicked, this, [this] { RunCommand(&Form1::cmdclear_Click); });
}

// Qt forbids exceptions from leaving a slot that a signal invoked, so the
// clicks come in here rather than straight to the commands.
void Form1::RunCommand(void (Form1::*command)()) {
  try {
    (this->*command)();
  } catch (...) {
    // No recommendation stays beside readings it was not made for.
    txtMJ->clear();
    jet::ReportError(this, std::current_exception());
  }
}
