#pragma once

#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "calc/text_to_number.h"
#include "form/answer.h"

// The window's two commands and their messages, for every front end.
namespace jet::form {

// The four text boxes a command reads or replaces.
enum class Box { Temperature, Pressure, Humidity, Result };

// How the commands reach the boxes: the window reads and replaces a box's
// text (UTF-8). Either may throw; the command then stops at that step.
class Fields {
 public:
  virtual std::string Read(Box box) const = 0;
  virtual void Replace(Box box, std::string_view text) = 0;

 protected:
  ~Fields() = default;
};

// Of four things in the order of Box, the one that stands for the box: lets
// a window name its own control for each box in one line.
template <typename T>
constexpr T OfBox(Box box, T temperature, T pressure, T humidity, T result) {
  switch (box) {
    case Box::Temperature:
      return temperature;
    case Box::Pressure:
      return pressure;
    case Box::Humidity:
      return humidity;
    case Box::Result:
      break;
  }
  return result;
}

// Select: reads the three input boxes and shows the recommended main jet in
// the result box, or empties it when the readings describe no real air.
// Returns what it read and found when it showed a recommendation. On an
// engine `offset` sizes richer than the table it shows the engine's jet
// (補正). Never writes the input boxes. Catches nothing: throws
// BoxConversionError for a number too large to read, ArithmeticFault from
// the density formula.
std::optional<Answer> Select(Fields& window, int offset = 0);

// Clear: empties the temperature, pressure, humidity and result boxes, in
// that order.
void Clear(Fields& window);

// A number too large to read, with the caption of the box it was typed into.
class BoxConversionError : public ConversionError {
 public:
  explicit BoxConversionError(std::string_view caption) : caption_(caption) {}
  const std::string& caption() const { return caption_; }

 private:
  std::string caption_;
};

// The title of the error report.
inline constexpr std::string_view kErrorTitle = "エラー";

// What went wrong, in Japanese, for the user (UTF-8).
std::string DescribeError(std::exception_ptr error);

// After a command failed: empties the result box, so that no recommendation
// stays beside readings it was not made for, and returns the report.
std::string Fail(Fields& window, std::exception_ptr error) noexcept;

// Runs a command from a click; the one place where its errors are caught, so
// none reaches the toolkit's event loop. Returns the message to show the
// user, or nothing when the command succeeded.
template <typename Command>
std::optional<std::string> RunCommand(Fields& window, Command&& command) noexcept {
  try {
    std::forward<Command>(command)();
    return std::nullopt;
  } catch (...) {
    return Fail(window, std::current_exception());
  }
}

}  // namespace jet::form
