// Thousands of random edits and clicks on the live window. After every
// Select the result box holds exactly what the calculation gives for the
// boxes' texts, or nothing, and no command ever changes an input box.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>
#include <QtTest>

#include "calc/air_density.h"
#include "calc/recommendation.h"
#include "calc/text_to_number.h"
#include "typing.h"
#include "window/form1.h"

namespace {

// Pieces that make the interesting cases likely; the rest is random.
const QStringList Pieces = {
    "20",    "1013",    "50", "-",      ".",  "e",  "E",          "+",
    "1e400", "-273.13", "0",  "９",     "．", "ー", "−",          "℃",
    " ",     "\u3000",  "\t", "1e-400", "%",  "mb", "\U0001F600", "99999999999999999999",
};

QString RandomText(QRandomGenerator& random) {
  QString text;
  const int parts = random.bounded(6);
  for (int i = 0; i < parts; ++i) {
    if (random.bounded(3) == 0) {
      // Any code point but the surrogates, which cannot stand alone.
      char32_t c = random.bounded(0x20, 0x110000);
      if (c >= 0xD800 && c <= 0xDFFF) c = 0xFFFD;
      text += QString::fromUcs4(&c, 1);
    } else {
      text += Pieces[random.bounded(Pieces.size())];
    }
  }
  return text;
}

// What Select should leave in the result box for these texts.
QString Expected(const QString& T, const QString& P, const QString& RH) {
  try {
    const QByteArray t = T.toUtf8(), p = P.toUtf8(), rh = RH.toUtf8();
    const double D =
        jet::ComputeAirDensity(jet::TextToNumber({t.constData(), std::size_t(t.size())}),
                               jet::TextToNumber({p.constData(), std::size_t(p.size())}),
                               jet::TextToNumber({rh.constData(), std::size_t(rh.size())}) / 100);
    const std::string_view text = jet::SelectRecommendation(D).text;
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
  } catch (const std::exception&) {
    return {};  // reported, and the result box emptied
  }
}

}  // namespace

class MonkeyTest : public QObject {
  Q_OBJECT

 private slots:
  void randomEditsAndClicks();
};

void MonkeyTest::randomEditsAndClicks() {
  Form1 window;
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QLineEdit* const inputs[] = {window.lblTemp, window.lblBphpa, window.lblHum};
  QLineEdit* const boxes[] = {window.lblTemp, window.lblBphpa, window.lblHum, window.txtMJ};

  int reports = 0;
  QTimer dismisser;
  connect(&dismisser, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      ++reports;
      box->button(QMessageBox::Ok)->click();
    }
  });
  dismisser.start(0);

  QRandomGenerator random(20261208);
  int selects = 0, huge = 0;
  for (int step = 0; step < 6000; ++step) {
    QLineEdit* box = boxes[random.bounded(4)];
    switch (random.bounded(8)) {
      case 0:
        box->setText(RandomText(random));
        break;
      case 1:
        TypeText(box, RandomText(random));
        break;
      case 2:
        QApplication::clipboard()->setText(RandomText(random));
        box->paste();
        break;
      case 3:
        QTest::keyClick(box, Qt::Key_Backspace);
        break;
      case 4:
        if (random.bounded(40) == 0) {  // now and then a very long text
          box->setText(QString(100000, QChar(u"5x９"[random.bounded(3)])));
          ++huge;
        }
        break;
      case 5:
        QTest::mouseClick(window.cmdclear, Qt::LeftButton);
        for (QLineEdit* b : boxes) QVERIFY(b->text().isEmpty());
        break;
      default: {
        const QString T = inputs[0]->text(), P = inputs[1]->text(), RH = inputs[2]->text();
        QTest::mouseClick(window.cmd, Qt::LeftButton);
        ++selects;
        QCOMPARE(inputs[0]->text(), T);
        QCOMPARE(inputs[1]->text(), P);
        QCOMPARE(inputs[2]->text(), RH);
        QCOMPARE(window.txtMJ->text(), Expected(T, P, RH));
        QVERIFY(window.isVisible());
      }
    }
  }
  qInfo("%d Selects, %d error reports, %d long texts", selects, reports, huge);
  QVERIFY(selects > 1000);
  QVERIFY(reports > 0);
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
