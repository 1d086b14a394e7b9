#pragma once

#include <QApplication>
#include <QInputMethodEvent>
#include <QtTest>

// Types text into a widget as a user would: ASCII key by key, anything else
// committed by the input method, the way Japanese text arrives.
inline void TypeText(QWidget* widget, const QString& text) {
  QString ascii;
  auto flush = [&] {
    if (!ascii.isEmpty()) QTest::keyClicks(widget, ascii);
    ascii.clear();
  };
  for (const QChar c : text) {
    if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
      ascii += c;
      continue;
    }
    flush();
    QInputMethodEvent event;
    event.setCommitString(QString(c));
    QApplication::sendEvent(widget, &event);
  }
  flush();
}
