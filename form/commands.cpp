// Each command is one straight sequence of steps and catches nothing.
#include "form/commands.h"

#include "calc/air_density.h"
#include "calc/recommendation.h"
#include "form/layout.h"

namespace jet::form {
namespace {

// The label beside each input box, which an error message names.
std::string_view CaptionOf(Box box) {
  return Find(OfBox<std::string_view>(box, "Label1", "Label3", "Label7", {})).caption;
}

double ReadNumber(const std::string& text, Box box) {
  try {
    return TextToNumber(text);
  } catch (const ConversionError&) {
    throw BoxConversionError(CaptionOf(box));
  }
}

std::string DescribeFault(ArithmeticFault::Kind kind) {
  switch (kind) {
    case ArithmeticFault::Kind::DivisionByZero:
      // Only a temperature of exactly −273.13 °C divides by zero.
      return "ゼロによる除算が発生しました。\n"
             "気温 −273.13 ℃ では空気密度を計算できません。";
    case ArithmeticFault::Kind::Overflow:
      return "オーバーフローが発生しました。\n"
             "数値が大きすぎて空気密度を計算できません。";
    case ArithmeticFault::Kind::InvalidOperation:
      break;
  }
  return "無効な演算が発生しました。\n空気密度を計算できません。";
}

}  // namespace

std::optional<Answer> Select(Fields& window, int offset) {
  const std::string temperature = window.Read(Box::Temperature);
  const double T = ReadNumber(temperature, Box::Temperature);
  const std::string pressure = window.Read(Box::Pressure);
  const double P = ReadNumber(pressure, Box::Pressure);
  const std::string humidity = window.Read(Box::Humidity);
  const double RH = ReadNumber(humidity, Box::Humidity);
  const double h = RH / 100;
  const double D = ComputeAirDensity(T, P, h);
  const std::optional<int> band = SelectBand(D);
  if (!band) {
    window.Replace(Box::Result, {});
    return std::nullopt;
  }
  Answer answer{
      Trimmed(temperature), Trimmed(pressure), Trimmed(humidity), D, *band, T, P, RH, offset};
  window.Replace(Box::Result, Shown(answer));
  return answer;
}

void Clear(Fields& window) {
  for (const Box box : {Box::Temperature, Box::Pressure, Box::Humidity, Box::Result})
    window.Replace(box, {});
}

std::string DescribeError(std::exception_ptr error) {
  std::string text;
  try {
    std::rethrow_exception(error);
  } catch (const BoxConversionError& e) {
    text = "「" + e.caption() + "」の数値が大きすぎて読み取れません。";
  } catch (const ConversionError&) {
    text = "数値が大きすぎて読み取れません。";
  } catch (const ArithmeticFault& e) {
    text = DescribeFault(e.kind());
  } catch (const std::exception& e) {
    text = std::string("予期しないエラーが発生しました。\n") + e.what();
  } catch (...) {
    text = "予期しないエラーが発生しました。";
  }
  return text + "\n\n入力した値はそのまま残っています。";
}

std::string Fail(Fields& window, std::exception_ptr error) noexcept {
  try {
    window.Replace(Box::Result, {});
  } catch (...) {
    // The box that failed may be the result box itself; the report matters more.
  }
  return DescribeError(error);
}

}  // namespace jet::form
