// The window as the user first sees it: controls, places, texts, fonts,
// focus order and what a screen reader hears.
#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QtTest>

#include "window/application_info.h"
#include "window/form1.h"

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { jet::DescribeApplication(); }
  void init() {
    window = std::make_unique<Form1>();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
  }
  void cleanup() { window.reset(); }

  void theClientAreaIs234By207() {
    QCOMPARE(window->size(), QSize(234, 207));
    QCOMPARE(window->minimumSize(), QSize(234, 207));  // never smaller
  }

  void everyControlStandsInItsPlace_data();
  void everyControlStandsInItsPlace();
  void controlsKeepTheirPlacesWhenTheWindowIsResized();
  void theBoxesStartEmptyAndEditable();
  void theBoxesTakeTextOfAnyLength();
  void labelsAndBoxesUseTheJapaneseGothicFont();
  void theLabelFontHasEveryGlyphOfTheLabels();
  void buttonsKeepTheDefaultFont();
  void captionsFitWithALargeDesktopFont();
  void qtsOwnTextsAreJapanese();
  void selectHasTheFocusAtStart();
  void tabVisitsTheBoxesAndButtonsInOrder();
  void shiftTabGoesBackwards();
  void noButtonIsTheDefault();
  void eachBoxIsNamedByItsLabel();
  void theWindowHasAJapaneseTitleAndAnIcon();
  void screenReadersSeeTheApplicationsWindow();
  void theVersionReads100();

 private:
  template <typename T>
  T* Find(const char* name) {
    return window->findChild<T*>(QLatin1String(name));
  }

  std::unique_ptr<Form1> window;
};

void Form1Test::everyControlStandsInItsPlace_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QRect>("place");
  QTest::addColumn<int>("alignment");
  const int center = Qt::AlignHCenter, right = Qt::AlignRight;
  const struct {
    const char *name, *text;
    QRect place;
    int alignment;
  } controls[] = {
      {"Label1", "気温(℃)", {16, 16, 73, 17}, center},
      {"lblTemp", "", {104, 16, 121, 25}, right},
      {"Label3", "気圧(mb)", {16, 56, 73, 17}, center},
      {"lblBphpa", "", {104, 56, 121, 25}, right},
      {"Label7", "湿度(％)", {16, 96, 73, 17}, center},
      {"lblHum", "", {104, 96, 121, 25}, right},
      {"txtMJ", "", {8, 128, 217, 25}, center},
      {"cmdclear", "数値クリア", {8, 168, 97, 25}, 0},
      {"cmd", "選定", {120, 168, 105, 25}, 0},
  };
  for (const auto& c : controls)
    QTest::newRow(c.name) << QString::fromLatin1(c.name) << QString::fromUtf8(c.text) << c.place
                          << c.alignment;
}

void Form1Test::everyControlStandsInItsPlace() {
  QFETCH(QString, name);
  QFETCH(QString, text);
  QFETCH(QRect, place);
  QFETCH(int, alignment);
  auto* control = window->findChild<QWidget*>(name);
  QVERIFY(control);
  QCOMPARE(control->parentWidget(), window.get());
  QCOMPARE(control->geometry(), place);
  QVERIFY(control->isVisible());
  QVERIFY(control->isEnabled());
  if (auto* label = qobject_cast<QLabel*>(control)) {
    QCOMPARE(label->text(), text);
    QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
    // Vertically centred, as the text in the box beside it.
    QCOMPARE(int(label->alignment() & Qt::AlignVertical_Mask), int(Qt::AlignVCenter));
  } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
    QCOMPARE(box->text(), text);
    QCOMPARE(int(box->alignment() & Qt::AlignHorizontal_Mask), alignment);
  } else {
    QCOMPARE(qobject_cast<QPushButton*>(control)->text(), text);
  }
}

void Form1Test::controlsKeepTheirPlacesWhenTheWindowIsResized() {
  auto* result = Find<QLineEdit>("txtMJ");
  window->resize(600, 400);
  QCOMPARE(window->size(), QSize(600, 400));
  QCOMPARE(result->geometry(), QRect(8, 128, 217, 25));
  window->resize(100, 80);
  QCOMPARE(Find<QPushButton>("cmd")->geometry(), QRect(120, 168, 105, 25));
}

void Form1Test::theBoxesStartEmptyAndEditable() {
  for (const char* name : {"lblTemp", "lblBphpa", "lblHum", "txtMJ"}) {
    auto* box = Find<QLineEdit>(name);
    QVERIFY2(box->text().isEmpty(), name);
    QVERIFY2(!box->isReadOnly(), name);
  }
}

void Form1Test::theBoxesTakeTextOfAnyLength() {
  const QString longText(100000, QLatin1Char('7'));
  for (const char* name : {"lblTemp", "lblBphpa", "lblHum", "txtMJ"}) {
    auto* box = Find<QLineEdit>(name);
    box->setText(longText);
    QCOMPARE(box->text().size(), longText.size());
  }
}

void Form1Test::labelsAndBoxesUseTheJapaneseGothicFont() {
  const QStringList families = {"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", "Noto Sans CJK JP"};
  for (const char* name :
       {"Label1", "Label3", "Label7", "lblTemp", "lblBphpa", "lblHum", "txtMJ"}) {
    const QFont font = window->findChild<QWidget*>(name)->font();
    QCOMPARE(font.families(), families);
    QCOMPARE(font.pointSizeF(), 11.25);
    QCOMPARE(font.weight(), QFont::Normal);
    QVERIFY(!font.bold() && !font.italic() && !font.underline() && !font.strikeOut());
    // The font actually used is one of the list, not some fallback.
    QVERIFY2(families.contains(QFontInfo(font).family()), qPrintable(QFontInfo(font).family()));
  }
}

void Form1Test::theLabelFontHasEveryGlyphOfTheLabels() {
  for (const char* name : {"Label1", "Label3", "Label7"}) {
    auto* label = Find<QLabel>(name);
    const QFontMetrics metrics(label->font());
    for (const char32_t c : label->text().toUcs4())
      QVERIFY2(metrics.inFontUcs4(c), qPrintable(QStringLiteral("%1 lacks U+%2 in %3")
                                                     .arg(QFontInfo(label->font()).family())
                                                     .arg(uint(c), 4, 16, QLatin1Char('0'))
                                                     .arg(label->text())));
  }
}

void Form1Test::buttonsKeepTheDefaultFont() {
  QCOMPARE(Find<QPushButton>("cmd")->font(), QApplication::font(Find<QPushButton>("cmd")));
  QCOMPARE(Find<QPushButton>("cmdclear")->font(), QApplication::font(Find<QPushButton>("cmd")));
}

// Up to 16 pt the captions keep the desktop's font at one size that fits
// both buttons as drawn; the buttons neither move nor grow.
void Form1Test::captionsFitWithALargeDesktopFont() {
  const QFont desktop = QApplication::font();
  for (const qreal points : {14.0, 16.0}) {
    QFont large = desktop;
    large.setPointSizeF(points);
    QApplication::setFont(large);
    QCoreApplication::processEvents();  // the change reaches the widgets as events
    for (const char* name : {"cmd", "cmdclear"}) {
      auto* button = Find<QPushButton>(name);
      const QFontMetrics metrics(button->font());
      QVERIFY2(metrics.horizontalAdvance(button->text()) < button->width() - 8, name);
      QVERIFY2(metrics.height() < button->height(), name);
      QCOMPARE(button->font().family(), large.family());
    }
    // One size for both, or the two buttons side by side look mismatched.
    QCOMPARE(Find<QPushButton>("cmd")->font(), Find<QPushButton>("cmdclear")->font());
    QCOMPARE(Find<QPushButton>("cmdclear")->geometry(), QRect(8, 168, 97, 25));
  }
  // A caption that fits at no size shrinks to 6 pt and no further, even from
  // a size that half-point steps would carry past it.
  Find<QPushButton>("cmd")->setText(QString(200, QLatin1Char('W')));
  QFont odd = desktop;
  odd.setPointSizeF(16.25);
  QApplication::setFont(odd);
  QCoreApplication::processEvents();
  QCOMPARE(Find<QPushButton>("cmdclear")->font().pointSizeF(), 6.0);
  // One character fits any button's width at 16 pt, but not its height
  // inside the frame: the height decides.
  Find<QPushButton>("cmd")->setText(QStringLiteral("選"));
  Find<QPushButton>("cmdclear")->setText(QStringLiteral("数"));
  QFont large = desktop;
  large.setPointSizeF(16);
  QApplication::setFont(large);
  QCoreApplication::processEvents();
  auto* button = Find<QPushButton>("cmd");
  const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
  QVERIFY(QFontMetrics(button->font()).height() <= button->height() - 2 * frame);
  Find<QPushButton>("cmd")->setText(QStringLiteral("選定"));
  Find<QPushButton>("cmdclear")->setText(QStringLiteral("数値クリア"));
  QApplication::setFont(desktop);
  QCoreApplication::processEvents();
  QCOMPARE(Find<QPushButton>("cmdclear")->font(), desktop);
}

void Form1Test::qtsOwnTextsAreJapanese() {
  const std::unique_ptr<QMenu> menu(Find<QLineEdit>("lblTemp")->createStandardContextMenu());
  QVERIFY2(menu->actions().first()->text().startsWith(QStringLiteral("元に戻す")),
           qPrintable(menu->actions().first()->text()));
}

void Form1Test::selectHasTheFocusAtStart() {
  QCOMPARE(QApplication::focusWidget(), Find<QPushButton>("cmd"));
}

void Form1Test::tabVisitsTheBoxesAndButtonsInOrder() {
  const char* order[] = {"lblTemp", "lblBphpa", "lblHum", "cmdclear", "txtMJ", "cmd", "lblTemp"};
  for (const char* name : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(name));
  }
}

void Form1Test::shiftTabGoesBackwards() {
  const char* order[] = {"txtMJ", "cmdclear", "lblHum", "lblBphpa", "lblTemp", "cmd"};
  for (const char* name : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(name));
  }
}

void Form1Test::noButtonIsTheDefault() {
  // A focused button takes Return, but with the focus in a box neither does.
  Find<QLineEdit>("lblTemp")->setFocus();
  for (const char* name : {"cmd", "cmdclear"}) QVERIFY(!Find<QPushButton>(name)->isDefault());
  Find<QLineEdit>("txtMJ")->setText(QStringLiteral("typed"));
  QTest::keyClick(Find<QLineEdit>("lblTemp"), Qt::Key_Return);
  QCOMPARE(Find<QLineEdit>("txtMJ")->text(), QStringLiteral("typed"));
}

void Form1Test::eachBoxIsNamedByItsLabel() {
  const struct {
    const char *box, *label;
  } pairs[] = {{"lblTemp", "Label1"}, {"lblBphpa", "Label3"}, {"lblHum", "Label7"}};
  for (const auto& pair : pairs) {
    auto* label = Find<QLabel>(pair.label);
    QCOMPARE(label->buddy(), Find<QLineEdit>(pair.box));
    // Label and box say what to type, to the mouse and to a screen reader.
    QVERIFY(!label->toolTip().isEmpty());
    QCOMPARE(Find<QLineEdit>(pair.box)->toolTip(), label->toolTip());
    QCOMPARE(Find<QLineEdit>(pair.box)->accessibleDescription(), label->toolTip());
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(Find<QLineEdit>(pair.box));
    QVERIFY(box);
    QCOMPARE(box->text(QAccessible::Name), label->text());
  }
  QVERIFY(
      Find<QLineEdit>("lblBphpa")->toolTip().contains(QStringLiteral("海面気圧ではありません")));
  QVERIFY(!QAccessible::queryAccessibleInterface(Find<QLineEdit>("txtMJ"))
               ->text(QAccessible::Name)
               .isEmpty());
}

void Form1Test::theWindowHasAJapaneseTitleAndAnIcon() {
  QCOMPARE(window->windowTitle(), QStringLiteral("メインジェット選定"));
  const QIcon icon = window->windowIcon();
  QVERIFY(!icon.isNull());
  QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
  QVERIFY(!icon.pixmap(32, 32).isNull());
}

void Form1Test::screenReadersSeeTheApplicationsWindow() {
  QAccessibleInterface* self = QAccessible::queryAccessibleInterface(window.get());
  QCOMPARE(self->role(), QAccessible::Window);
  QCOMPARE(self->text(QAccessible::Name), QStringLiteral("メインジェット選定"));
}

void Form1Test::theVersionReads100() {
  QCOMPARE(QApplication::applicationVersion(), QStringLiteral("1.00"));
  // The desktop ties the window to its menu entry and icon by this name.
  QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.jetselect.jetselect"));
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
