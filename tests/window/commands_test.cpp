// Select and Clear as the user runs them: typing, clicking, pressing keys.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include "typing.h"
#include "window/chart_dialog.h"
#include "window/day_dialog.h"
#include "window/engine_dialog.h"
#include "window/form1.h"
#include "window/pressure_dialog.h"

namespace {

// Runs a step once the menu or dialog that the next statement opens is up,
// then closes whatever the step left open: a failed check inside the step
// returns from it early, and must end the test rather than leave a modal
// loop waiting for a user.
template <typename Step>
void WhenOpen(Step step) {
  QTimer::singleShot(50, [step] {
    step();
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
      dialog->reject();
  });
}

// What a screen reader reaches of the open menu: each item's name, with "-"
// before a disabled one's; separators left out.
QStringList Reachable() {
  QStringList items;
  QWidget* const popup = QApplication::activePopupWidget();
  QAccessibleInterface* const menu = QAccessible::queryAccessibleInterface(popup);
  for (int i = 0; menu && i < menu->childCount(); ++i) {
    QAccessibleInterface* const item = menu->child(i);
    if (!item || !item->isValid() || !item->parent() || item->parent()->object() != popup)
      items << QStringLiteral("(out of reach)");
    else if (item->role() != QAccessible::Separator)
      items << (item->state().disabled ? QStringLiteral("-") : QString()) +
                   item->text(QAccessible::Name);
  }
  return items;
}

// Closes the next error report once it is up and keeps its text.
class ReportCatcher : public QObject {
 public:
  ReportCatcher() {
    connect(&timer_, &QTimer::timeout, this, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      text_ = box->text();
      title_ = box->windowTitle();
      ++count_;
      box->button(QMessageBox::Ok)->click();
    });
    timer_.start(1);
  }
  QString text() const { return text_; }
  QString title() const { return title_; }
  int count() const { return count_; }

 private:
  QTimer timer_;
  QString text_, title_;
  int count_ = 0;
};

// Three readings as typed, and what to expect of them.
struct Reading {
  const char *T, *P, *RH, *expected;
};

void AddReadings(const char* expected, std::initializer_list<Reading> readings) {
  QTest::addColumn<QString>("T");
  QTest::addColumn<QString>("P");
  QTest::addColumn<QString>("RH");
  QTest::addColumn<QString>(expected);
  for (const Reading& r : readings)
    QTest::addRow("%s | %s | %s", r.T, r.P, r.RH)
        << QString::fromUtf8(r.T) << QString::fromUtf8(r.P) << QString::fromUtf8(r.RH)
        << QString::fromUtf8(r.expected);
}

}  // namespace

class CommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window = std::make_unique<Form1>();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
  }
  void cleanup() { window.reset(); }

  void selectShowsTheRecommendation_data();
  void selectShowsTheRecommendation();
  void selectReadsInputsLeniently_data();
  void selectReadsInputsLeniently();
  void spaceOnSelectAtStartRunsSelectOnEmptyBoxes();
  void returnOnAFocusedButtonPressesIt();
  void selectNeverWritesTheInputBoxesNorMovesTheFocus();
  void textTypedIntoTheResultStaysUntilTheNextCommand();
  void readingsWithoutRealAirClearAnOldRecommendation();
  void clearEmptiesTheFourBoxes();
  void clearOnEmptyBoxesThenSelectLeavesTheResultEmpty();
  void errorsAreReportedAndTheWindowGoesOn_data();
  void errorsAreReportedAndTheWindowGoesOn();
  void theResultExplainsItselfAndCopiesALogbookLine();
  void theConverterFillsInThePressureFromSeaLevel();

 private:
  QLineEdit* Box(const char* name) { return window->findChild<QLineEdit*>(QLatin1String(name)); }
  QPushButton* Button(const char* name) {
    return window->findChild<QPushButton*>(QLatin1String(name));
  }
  void Type(const QString& temperature, const QString& pressure, const QString& humidity) {
    TypeText(Box("lblTemp"), temperature);
    TypeText(Box("lblBphpa"), pressure);
    TypeText(Box("lblHum"), humidity);
  }
  void ClickSelect() { QTest::mouseClick(Button("cmd"), Qt::LeftButton); }

  std::unique_ptr<Form1> window;
};

void CommandsTest::selectShowsTheRecommendation_data() {
  AddReadings("shown", {
                           {"20", "1013", "50", "推奨  168"},
                           {"25", "1013", "60", "推奨  165"},
                           {"15", "1013.25", "0", "推奨  170"},
                           {"30", "1000", "80", "推奨  160"},
                           {"5", "1020", "30", "推奨  175"},
                           {"-5", "1030", "40", "推奨  175"},
                           {"0", "996", "0", "推奨  175-172"},
                           {"0", "971", "0", "推奨  172-170"},
                           {"0", "952", "50", "推奨  170-168"},
                           {"6", "950", "50", "推奨  168-165"},
                           {"13", "952", "50", "推奨  165-162"},
                           {"19", "951", "50", "推奨  162-160"},
                           {"0", "0", "0", ""},
                           {"0", "0", "50", ""},
                           {"-300", "0", "50", "推奨  160"},
                       });
}

void CommandsTest::selectShowsTheRecommendation() {
  QFETCH(QString, T);
  QFETCH(QString, P);
  QFETCH(QString, RH);
  QFETCH(QString, shown);
  Box("txtMJ")->setText(QStringLiteral("old"));
  Type(T, P, RH);
  ClickSelect();
  QCOMPARE(Box("txtMJ")->text(), shown);
}

void CommandsTest::selectReadsInputsLeniently_data() {
  AddReadings("shown", {
                           {"20.5℃", "1013mb", "50%", "推奨  168"},
                           {"２０", "１０１３", "５０", "推奨  168"},    // full-width digits
                           {"ー5", "１０３０", "40", "推奨  175"},       // minus typed in kana mode
                           {"  20", "\u30001013", "\t50", "推奨  168"},  // blanks before
                           {"abc", "996", "x", "推奨  175-172"},         // letters read as 0
                       });
}

void CommandsTest::selectReadsInputsLeniently() {
  QFETCH(QString, T);
  QFETCH(QString, P);
  QFETCH(QString, RH);
  QFETCH(QString, shown);
  Type(T, P, RH);
  ClickSelect();
  QCOMPARE(Box("txtMJ")->text(), shown);
  QCOMPARE(Box("lblTemp")->text(), T);
  QCOMPARE(Box("lblBphpa")->text(), P);
  QCOMPARE(Box("lblHum")->text(), RH);
}

void CommandsTest::spaceOnSelectAtStartRunsSelectOnEmptyBoxes() {
  QCOMPARE(QApplication::focusWidget(), Button("cmd"));
  Box("txtMJ")->setText(QStringLiteral("typed"));
  QTest::keyClick(Button("cmd"), Qt::Key_Space);
  QCOMPARE(Box("txtMJ")->text(), QString());
}

void CommandsTest::returnOnAFocusedButtonPressesIt() {
  Type("20", "1013", "50");
  Button("cmd")->setFocus();
  QTest::keyClick(Button("cmd"), Qt::Key_Return);
  QCOMPARE(Box("txtMJ")->text(), QStringLiteral("推奨  168"));
  Button("cmdclear")->setFocus();
  QTest::keyClick(Button("cmdclear"), Qt::Key_Enter);
  QCOMPARE(Box("lblTemp")->text(), QString());
}

void CommandsTest::selectNeverWritesTheInputBoxesNorMovesTheFocus() {
  Type("-5", "1030", "40");
  Box("lblHum")->setFocus();
  window->cmd_Click();
  QCOMPARE(QApplication::focusWidget(), Box("lblHum"));
  QCOMPARE(Box("lblTemp")->text(), QStringLiteral("-5"));
  QCOMPARE(Box("lblBphpa")->text(), QStringLiteral("1030"));
  QCOMPARE(Box("lblHum")->text(), QStringLiteral("40"));
  QCOMPARE(Box("txtMJ")->text(), QStringLiteral("推奨  175"));
}

void CommandsTest::textTypedIntoTheResultStaysUntilTheNextCommand() {
  QTest::keyClicks(Box("txtMJ"), QStringLiteral("my note"));
  Type("20", "1013", "50");
  QTest::keyClick(Box("lblHum"), Qt::Key_Tab);
  QCOMPARE(Box("txtMJ")->text(), QStringLiteral("my note"));
  ClickSelect();
  QCOMPARE(Box("txtMJ")->text(), QStringLiteral("推奨  168"));
  QTest::keyClicks(Box("txtMJ"), QStringLiteral("!"));
  QTest::mouseClick(Button("cmdclear"), Qt::LeftButton);
  QCOMPARE(Box("txtMJ")->text(), QString());
}

// Emptying the pressure box after a recommendation gives a density below
// zero. The old recommendation no longer belongs to what is in the boxes,
// so the result box is emptied.
void CommandsTest::readingsWithoutRealAirClearAnOldRecommendation() {
  Type("20", "1013", "50");
  ClickSelect();
  QCOMPARE(Box("txtMJ")->text(), QStringLiteral("推奨  168"));
  Box("lblBphpa")->clear();
  ClickSelect();
  QCOMPARE(Box("txtMJ")->text(), QString());
  QCOMPARE(Box("lblTemp")->text(), QStringLiteral("20"));
}

void CommandsTest::clearEmptiesTheFourBoxes() {
  Type("20", "1013", "50");
  ClickSelect();
  Box("lblTemp")->setFocus();
  QTest::mouseClick(Button("cmdclear"), Qt::LeftButton);
  for (const char* name : {"lblTemp", "lblBphpa", "lblHum", "txtMJ"})
    QVERIFY2(Box(name)->text().isEmpty(), name);
}

void CommandsTest::clearOnEmptyBoxesThenSelectLeavesTheResultEmpty() {
  QTest::mouseClick(Button("cmdclear"), Qt::LeftButton);
  for (const char* name : {"lblTemp", "lblBphpa", "lblHum", "txtMJ"})
    QVERIFY2(Box(name)->text().isEmpty(), name);
  ClickSelect();
  QCOMPARE(Box("txtMJ")->text(), QString());
}

void CommandsTest::errorsAreReportedAndTheWindowGoesOn_data() {
  AddReadings("says", {
                          {"-273.13", "1013", "50", "ゼロによる除算"},
                          {"1e400", "1013", "50", "「気温(℃)」の数値が大きすぎて"},
                          {"20", "1e400", "50", "「気圧(mb)」の数値が大きすぎて"},
                          {"20", "1013", "-1e400", "「湿度(％)」の数値が大きすぎて"},
                          {"39", "1.7e308", "-1e308", "オーバーフロー"},
                      });
}

void CommandsTest::errorsAreReportedAndTheWindowGoesOn() {
  QFETCH(QString, T);
  QFETCH(QString, P);
  QFETCH(QString, RH);
  QFETCH(QString, says);
  Type("20", "1013", "50");
  ClickSelect();
  QCOMPARE(Box("txtMJ")->text(), QStringLiteral("推奨  168"));
  for (const char* name : {"lblTemp", "lblBphpa", "lblHum"}) Box(name)->clear();
  Type(T, P, RH);

  ReportCatcher report;
  ClickSelect();
  QCOMPARE(report.count(), 1);
  QVERIFY2(report.text().contains(says), qPrintable(report.text()));
  QVERIFY(report.text().contains(QStringLiteral("入力した値はそのまま残っています")));
  QCOMPARE(report.title(), QStringLiteral("エラー"));

  QVERIFY(window->isVisible());
  QCOMPARE(Box("lblTemp")->text(), T);
  QCOMPARE(Box("lblBphpa")->text(), P);
  QCOMPARE(Box("lblHum")->text(), RH);
  QCOMPARE(Box("txtMJ")->text(), QString());
  // The window still works.
  QTest::mouseClick(Button("cmdclear"), Qt::LeftButton);
  Type("20", "1013", "50");
  ClickSelect();
  QCOMPARE(Box("txtMJ")->text(), QStringLiteral("推奨  168"));
}

// The tooltip and the copy follow every command: set after a recommendation,
// gone after Clear or an error.
void CommandsTest::theResultExplainsItselfAndCopiesALogbookLine() {
  auto* copy = window->findChild<QAction*>(QStringLiteral("copyResult"));
  auto* chart = window->findChild<QAction*>(QStringLiteral("showChart"));
  auto* engine = window->findChild<QAction*>(QStringLiteral("adjustEngine"));
  // 基準合わせ needs no answer: a day's readings are typed into it.
  QVERIFY(copy && !copy->isEnabled() && chart && !chart->isEnabled() && engine->isEnabled());
  Type(" 20", "1013", "50");
  ClickSelect();
  QVERIFY(Box("txtMJ")->toolTip().startsWith(QStringLiteral("空気密度  0.074315 lb/ft³")));
  QCOMPARE(Box("txtMJ")->accessibleDescription(), Box("txtMJ")->toolTip());

  // The menu from the keyboard; J opens the chart of the answer shown. It
  // paints the bands, says in words what it shows, and 閉じる closes it
  // with nothing in the window changed.
  QStringList menu;
  QString summary, opened;
  QRgb middle = 0;
  int frame = 255;
  WhenOpen([&] {
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(popup);
    for (QAction* action : popup->actions()) menu << action->text();
    WhenOpen([&] {
      auto* dialog = qobject_cast<ChartDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      summary = dialog->lblSummary->text();
      QCOMPARE(dialog->chartView->accessibleDescription(), summary);
      QCOMPARE(dialog->windowTitle(), QStringLiteral("ジェット早見表"));
      const QImage picture = dialog->chartView->grab().toImage();
      middle = picture.pixel(picture.width() / 2, picture.height() / 2);
      // The frame is painted over the bands: its top edge is dark over
      // 35 ℃, where the band is light, in one of the pixels it straddles.
      const jet::form::Chart& drawn = dialog->chartView->chart();
      const double scale = std::min(picture.width() / drawn.width, picture.height() / drawn.height);
      const QPoint edge = (QPointF((picture.width() - drawn.width * scale) / 2,
                                   (picture.height() - drawn.height * scale) / 2) +
                           QPointF(jet::form::ChartX(drawn, 35), drawn.plot.top) * scale)
                              .toPoint();
      for (int dy = -1; dy <= 1; ++dy)
        frame = std::min(frame, qGray(picture.pixel(edge + QPoint(0, dy))));
      // On a laptop's short screen the picture shrinks so that the dialog
      // fits, its words whole.
      QVERIFY(dialog->frameGeometry().height() <= dialog->screen()->availableGeometry().height());
      QVERIFY(dialog->lblSummary->height() >= dialog->lblSummary->sizeHint().height());
      dialog->cmdClose->click();
      QVERIFY(!dialog->isVisible());
    });
    QTest::keyClick(popup, Qt::Key_J);
  });
  Box("txtMJ")->setFocus();
  QTest::keyClick(Box("txtMJ"), Qt::Key_F10, Qt::ShiftModifier);
  QCOMPARE(menu.mid(menu.size() - 4),
           (QStringList{QStringLiteral("結果をコピー"), QStringLiteral("ジェット早見表(&J)…"),
                        QStringLiteral("基準合わせ(&K)…"), QStringLiteral("一日の見通し(&D)…")}));
  QVERIFY(menu.size() > 6);  // the box's own edit menu above them
  QVERIFY2(summary.contains(QStringLiteral("\n気温  16.2〜21.9 ℃ なら 168 のまま\n")),
           qPrintable(summary));
  QVERIFY(qGray(middle) < 250);  // a band, not the bare background
  QVERIFY2(frame < 80, qPrintable(QString::number(frame)));
  QCOMPARE(Box("txtMJ")->text(), QStringLiteral("推奨  168"));
  // The offscreen platform has no window manager to give the activation back.
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window.get()));
  // Both boxes' menus reach a screen reader whole on every opening: the
  // fifth as the first.
  for (const char* name : {"txtMJ", "lblBphpa"}) {
    QList<QStringList> openings;
    for (int i = 0; i < 5; ++i) {
      WhenOpen([&] { openings << Reachable(); });
      Box(name)->setFocus();
      QTest::keyClick(Box(name), Qt::Key_F10, Qt::ShiftModifier);
    }
    QCOMPARE(openings.size(), 5);
    QCOMPARE(openings.last(), openings.first());
    QVERIFY2(openings.first().join('|').contains(
                 name == std::string_view("txtMJ")
                     ? "|結果をコピー|ジェット早見表(J)…|基準合わせ(K)…|一日の見通し(D)…"
                     : "海面気圧から換算(K)…|"),
             qPrintable(openings.first().join('|')));
  }

  QApplication::clipboard()->clear();
  QTest::keyClick(Box("lblHum"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  const QStringList cells = QApplication::clipboard()->text().split(QLatin1Char('\t'));
  QCOMPARE(cells.mid(1), (QStringList{"20", "1013", "50", "0.074315", "1.1904", "97.2",
                                      QStringLiteral("推奨  168"), "0"}));
  QVERIFY(QDateTime::fromString(cells[0], Qt::ISODate).isValid());

  // 基準合わせ: filled from the window at the first opening; a day on which
  // 170 ran right where the table said 168 moves every answer a size richer,
  // at once and for every later Select, Clear included; 解除 goes back.
  auto adjust = [&](auto step) {
    WhenOpen([&, step] {
      auto* dialog = qobject_cast<EngineDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      step(dialog);
    });
    engine->trigger();
  };
  adjust([&](EngineDialog* dialog) {
    opened = QStringList{dialog->txtRefTemp->text(), dialog->txtRefPressure->text(),
                         dialog->txtRefHumidity->text(), dialog->cboRefJet->currentText()}
                 .join(QLatin1Char('|'));
    QVERIFY(!dialog->cmdRefReset->isEnabled());
    dialog->txtRefTemp->selectAll();
    QTest::keyClicks(dialog->txtRefTemp, QStringLiteral("abc"));
    QCOMPARE(dialog->lblEngine->text(), QStringLiteral("気温が数値ではありません。"));
    QVERIFY(!dialog->cmdRefApply->isEnabled());
    dialog->txtRefTemp->selectAll();
    TypeText(dialog->txtRefTemp, QStringLiteral("１５"));
    dialog->txtRefPressure->selectAll();
    QTest::keyClicks(dialog->txtRefPressure, QStringLiteral("1005"));
    dialog->txtRefHumidity->selectAll();
    QTest::keyClicks(dialog->txtRefHumidity, QStringLiteral("60"));
    dialog->cboRefJet->setCurrentIndex(2);
    QCOMPARE(dialog->lblEngine->text(),
             QStringLiteral("その日の表は 推奨  168\nこのエンジンは表より 1 番手濃い\n"
                            "今は 補正  170 (表は 推奨  168)"));
    QTest::keyClick(dialog->txtRefHumidity, Qt::Key_Return);
  });
  QCOMPARE(opened, QStringLiteral("20|1013|50|168"));
  QCOMPARE(Box("txtMJ")->text(), QStringLiteral("補正  170"));
  copy->trigger();
  QVERIFY(QApplication::clipboard()->text().endsWith(QStringLiteral("\t補正  170\t+1")));
  QTest::mouseClick(Button("cmdclear"), Qt::LeftButton);
  Type("25", "1013", "50");
  ClickSelect();
  QCOMPARE(Box("txtMJ")->text(), QStringLiteral("補正  168"));
  adjust([&](EngineDialog* dialog) {
    opened = dialog->txtRefTemp->text();
    QTest::mouseClick(dialog->cmdRefReset, Qt::LeftButton);
  });
  QCOMPARE(opened, QStringLiteral("１５"));  // kept as typed
  QCOMPARE(Box("txtMJ")->text(), QStringLiteral("推奨  165"));

  Box("lblTemp")->setText(QStringLiteral("-273.13"));
  ReportCatcher report;
  ClickSelect();
  QVERIFY(Box("txtMJ")->toolTip().isEmpty());
  QVERIFY(!copy->isEnabled());
  Box("lblTemp")->setText(QStringLiteral("20"));
  ClickSelect();
  QVERIFY(copy->isEnabled());
  // Readings that give no real air empty the box: nothing to explain or copy.
  Box("lblBphpa")->clear();
  ClickSelect();
  QCOMPARE(Box("txtMJ")->text(), QString());
  QVERIFY(Box("txtMJ")->toolTip().isEmpty());
  QVERIFY(!copy->isEnabled());
  Box("lblBphpa")->setText(QStringLiteral("1013"));
  ClickSelect();
  QVERIFY(copy->isEnabled());
  QTest::mouseClick(Button("cmdclear"), Qt::LeftButton);
  QVERIFY(Box("txtMJ")->toolTip().isEmpty());
  QVERIFY(!copy->isEnabled() && !chart->isEnabled());
}

// From the pressure box's menu by the keyboard (Shift+F10, then K): the
// dialog takes the temperature from the window, says what is wrong until
// every field reads, and Return writes the station pressure into the box and
// leaves the focus on Select. Reopened, it keeps what was typed; Escape
// changes nothing.
void CommandsTest::theConverterFillsInThePressureFromSeaLevel() {
  Type("20", "1013", "50");
  QStringList menu;
  QString opened;  // the fields and the line when the dialog came up
  WhenOpen([&] {
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(popup);
    for (QAction* action : popup->actions()) menu << action->text();
    WhenOpen([&] {
      auto* dialog = qobject_cast<PressureDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      opened = QStringList{dialog->txtSeaLevel->text(), dialog->txtAltitude->text(),
                           dialog->txtAirTemp->text(), dialog->lblStation->text()}
                   .join(QLatin1Char('|'));
      QCOMPARE(QApplication::focusWidget(), dialog->txtSeaLevel);
      // As an input method types them: full-width digits, ー for the minus.
      TypeText(dialog->txtSeaLevel, QStringLiteral("１０１３"));
      QTest::keyClicks(dialog->txtAltitude, QStringLiteral("500m"));
      QCOMPARE(dialog->lblStation->text(), QStringLiteral("標高が数値ではありません。"));
      QVERIFY(!dialog->cmdApply->isEnabled());
      QTest::keyClick(dialog->txtAltitude, Qt::Key_Return);  // writes nothing
      QVERIFY(dialog->isVisible());
      QTest::keyClick(dialog->txtAltitude, Qt::Key_Backspace);
      QCOMPARE(dialog->lblStation->text(), QStringLiteral("現地気圧  956.0 hPa"));
      dialog->txtAirTemp->selectAll();
      TypeText(dialog->txtAirTemp, QStringLiteral("ー５"));
      QCOMPARE(dialog->lblStation->text(), QStringLiteral("現地気圧  950.8 hPa"));
      dialog->txtAirTemp->selectAll();
      QTest::keyClicks(dialog->txtAirTemp, QStringLiteral("20"));
      QTest::keyClick(dialog->txtAltitude, Qt::Key_Return);
    });
    QTest::keyClick(popup, Qt::Key_K);
  });
  Box("lblBphpa")->setFocus();
  QTest::keyClick(Box("lblBphpa"), Qt::Key_F10, Qt::ShiftModifier);
  QTRY_COMPARE(Box("lblBphpa")->text(), QStringLiteral("956.0"));
  QCOMPARE(menu.value(0), QStringLiteral("海面気圧から換算(&K)…"));
  QVERIFY(menu.value(1).isEmpty() && menu.size() > 5);  // a separator, then the edit items
  QCOMPARE(opened, QStringLiteral("||20|海面気圧を入れてください。"));
  QCOMPARE(window->focusWidget(), Button("cmd"));  // once the window is active again
  QCOMPARE(Box("txtMJ")->text(), QString());       // applying ran nothing else
  QTest::keyClick(Button("cmd"), Qt::Key_Return);
  QCOMPARE(Box("txtMJ")->text(), QStringLiteral("推奨  162-160"));

  Box("lblTemp")->setText(QStringLiteral("-5"));
  WhenOpen([&] {
    auto* dialog = qobject_cast<PressureDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    opened = QStringList{dialog->txtSeaLevel->text(), dialog->txtAltitude->text(),
                         dialog->txtAirTemp->text()}
                 .join(QLatin1Char('|'));
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  window->findChild<QAction*>(QStringLiteral("convertPressure"))->trigger();
  QCOMPARE(opened, QStringLiteral("１０１３|500|-5"));
  QCOMPARE(Box("lblBphpa")->text(), QStringLiteral("956.0"));

  // 一日の見通し: row 1 and the altitude come from the window and the
  // converter; with the altitude the pressures are sea-level ones. Two rows
  // give the changes; a half-typed row says what it lacks; コピー copies
  // the plan; Escape closes it and the window is as it was.
  QString line, copied;
  bool fits = false;
  WhenOpen([&] {
    auto* dialog = qobject_cast<DayDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    using jet::form::DayColumn;
    const auto field = [&](int row, DayColumn column) { return dialog->field(row, column); };
    const auto jet = [&](int row) {
      return dialog->findChild<QLabel*>(QStringLiteral("lblDayJet%1").arg(row + 1))->text();
    };
    opened =
        QStringList{dialog->txtDayAltitude->text(), field(0, DayColumn::Temperature)->text(),
                    field(0, DayColumn::Pressure)->text(), field(0, DayColumn::Humidity)->text()}
            .join(QLatin1Char('|'));
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9]{1,2}:[0-9]{2}$"))
                .match(field(0, DayColumn::Time)->text())
                .hasMatch());
    QCOMPARE(field(1, DayColumn::Time)->accessibleName(), QStringLiteral("2 行目 時刻"));
    const QStringList rows[] = {{"8:00", "12", "1013", "60"}, {"１２：００", "25", "1010", "45"}};
    for (int row = 0; row < 2; ++row)
      for (int column = 0; column < jet::form::kDayColumns; ++column) {
        field(row, static_cast<DayColumn>(column))->selectAll();
        TypeText(field(row, static_cast<DayColumn>(column)), rows[row][column]);
      }
    QCOMPARE(jet(0), QStringLiteral("推奨  165"));  // 1013 hPa at sea level, 500 m up
    dialog->txtDayAltitude->clear();
    QCOMPARE(jet(0) + "|" + jet(1), QStringLiteral("推奨  170|推奨  165"));
    line = dialog->lblDay->text();
    QCOMPARE(dialog->picDay->accessibleDescription(), line);
    QVERIFY(dialog->picDay->isVisible() && dialog->cmdDayCopy->isEnabled());
    QTest::keyClicks(field(2, DayColumn::Time), QStringLiteral("13:00"));
    QCOMPARE(dialog->lblDay->text(), QStringLiteral("3 行目の気温を入れてください。"));
    QVERIFY(jet(0).isEmpty() && !dialog->picDay->isVisible() && !dialog->cmdDayCopy->isEnabled());
    field(2, DayColumn::Time)->clear();
    QApplication::clipboard()->clear();
    QTest::mouseClick(dialog->cmdDayCopy, Qt::LeftButton);
    copied = QApplication::clipboard()->text();
    fits = dialog->frameGeometry().height() <= dialog->screen()->availableGeometry().height();
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  window->findChild<QAction*>(QStringLiteral("planDay"))->trigger();
  QCOMPARE(opened, QStringLiteral("500|-5|956.0|50"));
  QCOMPARE(line, QStringLiteral("8:00 は 170、9:03 から 170-168、9:07 から 168、10:56 から "
                                "168-165、11:02 から 165 (12:00 まで)"));
  QCOMPARE(copied.split(QLatin1Char('\n')).mid(0, 3),
           (QStringList{QStringLiteral("8:00\t12\t1013\t60\t0.076651\t1.2278\t100.2\t推奨  170\t0"),
                        QStringLiteral("12:00\t25\t1010\t45\t0.072663\t1.1639\t95.0\t推奨  165\t0"),
                        QStringLiteral("9:03\t推奨  170-168")}));
  QVERIFY(fits);
  QCOMPARE(Box("lblTemp")->text() + "|" + Box("lblBphpa")->text() + "|" + Box("txtMJ")->text(),
           QStringLiteral("-5|956.0|推奨  162-160"));
}

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
