#pragma once

#include <array>
#include <span>
#include <string_view>
#include <vector>

// The program's one window as data, for every front end to build from.
// Places are in twips (1/1440 inch): 15 twips make one pixel at 96 dpi.
namespace jet::form {

enum class Kind { Label, TextBox, Button, ComboBox };
enum class Align { Left, Centre, Right };

struct Rect {
  int left, top, width, height;
};

struct Control {
  std::string_view name;  // Label1, lblTemp, ... as in the original window
  Kind kind;
  std::string_view caption;          // UTF-8; empty for the boxes
  Rect place;                        // twips, from the client area's top left
  Align align;                       // of the text inside the control
  bool box_font;                     // true: font F; false: the platform's UI font
  int tab_index;                     // the labels' indexes never take the focus
  std::string_view accessible_name;  // where no label names the control
  std::string_view tip;              // tooltip, and description for screen readers; UTF-8
};

// Font F of the labels and boxes, best first: MS P Gothic under its Japanese
// and its English name, then the substitutes found on Linux desktops.
inline constexpr std::array<std::string_view, 4> kBoxFontFamilies = {
    "ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", "Noto Sans CJK JP"};
inline constexpr double kBoxFontPoints = 11.25;

inline constexpr std::string_view kTitle = "メインジェット選定";
inline constexpr int kClientWidth = 3510;   // twips: 234 pixels at 96 dpi
inline constexpr int kClientHeight = 3105;  // twips: 207 pixels at 96 dpi

// The nine controls in the order a front end creates them: Select first, each
// label just before its box (screen readers name a box after the label in
// front of it), then Clear and the result box. Without the labels this is
// also the tab order.
std::span<const Control> Controls();

// The control of that name in the window, or in another table such as the
// pressure converter's. Throws std::out_of_range for an unknown name.
const Control& Find(std::string_view name);
const Control& Find(std::span<const Control> controls, std::string_view name);

// The controls that take the focus, by tab index: the labels never do.
std::vector<const Control*> TabOrder();
std::vector<const Control*> TabOrder(std::span<const Control> controls);

}  // namespace jet::form
