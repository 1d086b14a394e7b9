#pragma once

#include <QString>
#include <initializer_list>
#include <span>
#include <string_view>
#include <type_traits>

#include "form/layout.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Qt widgets built from a row of one of form/'s tables, shared by the main
// window and the pressure converter.
namespace jet::window {

inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The tables are drawn in twips; at 96 dpi 15 twips make one pixel, and
// every position is a whole number of Qt's logical pixels, so the windows
// also scale on high-dpi screens.
constexpr int Twips(int twips) {
  return twips / 15;
}

// Each takes the control's name, place, font, alignment, tooltip and
// accessible texts from the table.
QLabel* MakeLabel(QWidget* parent, const form::Control& control);
QLineEdit* MakeBox(QWidget* parent, const form::Control& control);
QPushButton* MakeButton(QWidget* parent, const form::Control& control);
QComboBox* MakeComboBox(QWidget* parent, const form::Control& control);

// The same for the control of that name in a dialog's table.
template <typename Widget>
Widget* Make(QWidget* parent, std::span<const form::Control> table, const char* name) {
  const form::Control& control = form::Find(table, name);
  if constexpr (std::is_same_v<Widget, QLabel>) return MakeLabel(parent, control);
  if constexpr (std::is_same_v<Widget, QLineEdit>) return MakeBox(parent, control);
  if constexpr (std::is_same_v<Widget, QPushButton>) return MakeButton(parent, control);
  if constexpr (std::is_same_v<Widget, QComboBox>) return MakeComboBox(parent, control);
}

// Chains the focus through the table's controls by tab index and returns
// the first of them.
QWidget* SetTabOrder(QWidget* parent, std::span<const form::Control> controls);

// With a large desktop font (14 to 16 pt) a caption no longer fits its
// button. The buttons keep the desktop's font, but at the one size at which
// every caption fits its button as drawn, so that buttons side by side
// match; never below 6 pt, where a caption could no longer be read.
void FitCaptions(std::initializer_list<QPushButton*> buttons);

}  // namespace jet::window
