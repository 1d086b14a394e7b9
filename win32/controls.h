#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <string_view>

#include "form/layout.h"

// Standard controls built from a row of one of form/'s tables, placed in
// twips at a DPI: shared by the main window and the pressure converter.
namespace jet::win32 {

// Twips are 1/1440 inch: a window keeps its size in inches at any DPI.
inline int Scale(int twips, UINT dpi) {
  return MulDiv(twips, static_cast<int>(dpi), 1440);
}

// Font F at its size in points for a DPI, and the font the user's other
// programs use for messages, for the buttons.
class Fonts {
 public:
  Fonts() = default;
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;
  ~Fonts() { Free(); }

  void Make(UINT dpi);
  HFONT For(const form::Control& control) const { return control.box_font ? box_ : button_; }

 private:
  void Free();
  HFONT box_{}, button_{};
};

// Creates the control as a child of parent with that ID, not yet placed:
// the STATIC, EDIT or BUTTON its kind asks for, with its caption, its
// alignment and its accessible texts. Null if Windows refused.
HWND CreateControl(HWND parent, const form::Control& control, int id);

// Puts the control in its place at the DPI, in its font.
void PlaceControl(HWND child, const form::Control& control, UINT dpi, const Fonts& fonts);

// Draws an item of a right-aligned combo box (owner-drawn: Windows aligns
// a drop-down list's text left only), for its dialog's WM_DRAWITEM. FALSE
// for any other control's.
BOOL DrawComboItem(const DRAWITEMSTRUCT& item);

// Tells screen readers a control's name or description, where no label or
// text of its own gives it. An empty text takes the annotation back.
void Annotate(HWND control, const MSAAPROPID& property, std::string_view text);

// The outer size of a window whose client area is width × height twips.
SIZE FrameSize(int width, int height, DWORD style, UINT dpi);

// A box's context menu: the items of the EDIT control's own menu, each with
// the message that does it to the box as its ID; Act does the chosen one.
void AppendEditItems(HMENU menu, HWND box);
void Act(HWND box, UINT chosen);
// Where a box's menu opens: at the mouse, or below the box when it came
// from the keyboard (Shift+F10, the menu key).
POINT MenuPoint(HWND box, LPARAM at);

// Puts a text on the clipboard for owner; where another program holds the
// clipboard for more than a tenth of a second, beeps to say that nothing
// was copied.
void CopyText(HWND owner, const std::wstring& text);

}  // namespace jet::win32
