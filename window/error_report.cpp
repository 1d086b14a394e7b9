#include "window/error_report.h"

#include <QMessageBox>

#include "calc/air_density.h"

namespace jet {
namespace {

QString DescribeFault(ArithmeticFault::Kind kind) {
  switch (kind) {
    case ArithmeticFault::Kind::DivisionByZero:
      // Only a temperature of exactly −273.13 °C divides by zero.
      return QStringLiteral(
          "ゼロによる除算が発生しました。\n"
          "気温 −273.13 ℃ では空気密度を計算できません。");
    case ArithmeticFault::Kind::Overflow:
      return QStringLiteral(
          "オーバーフローが発生しました。\n"
          "数値が大きすぎて空気密度を計算できません。");
    case ArithmeticFault::Kind::InvalidOperation:
      break;
  }
  return QStringLiteral("無効な演算が発生しました。\n空気密度を計算できません。");
}

constexpr auto KeptNote = "\n\n入力した値はそのまま残っています。";

}  // namespace

QString DescribeError(std::exception_ptr error) {
  QString text;
  try {
    std::rethrow_exception(error);
  } catch (const BoxConversionError& e) {
    text = QStringLiteral("「%1」の数値が大きすぎて読み取れません。").arg(e.caption());
  } catch (const ConversionError&) {
    text = QStringLiteral("数値が大きすぎて読み取れません。");
  } catch (const ArithmeticFault& e) {
    text = DescribeFault(e.kind());
  } catch (const std::exception& e) {
    text = QStringLiteral("予期しないエラーが発生しました。\n") + QString::fromLocal8Bit(e.what());
  } catch (...) {
    text = QStringLiteral("予期しないエラーが発生しました。");
  }
  return text + QString::fromUtf8(KeptNote);
}

void ReportError(QWidget* parent, std::exception_ptr error) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("エラー"), DescribeError(error),
                  QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("errorReport"));
  box.exec();
}

}  // namespace jet
