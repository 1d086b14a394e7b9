#pragma once

#include <windows.h>

#include <optional>

#include "form/answer.h"
#include "win32/controls.h"
#include "win32/day_dialog.h"
#include "win32/engine_dialog.h"
#include "win32/pressure_dialog.h"

// The program's one window on Windows: the standard STATIC, EDIT and BUTTON
// controls, built from the window's table in form/, placed in twips at the
// window's DPI and placed again when it moves to a screen of another DPI.
class Form1 {
 public:
  Form1() = default;
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;
  ~Form1();

  // Creates the window and its controls, sized for the screen it opens on.
  // Returns false if Windows refused.
  bool Create(HINSTANCE instance);
  HWND hwnd() const { return hwnd_; }

  // Gives the window the keys it handles before they are dispatched: Tab,
  // Shift+Tab, space and Return as in a dialog, and Ctrl+Shift+C. True when
  // the message was handled.
  bool PreTranslate(MSG& message);

  // The controls, named as in the window's original description. lblTemp,
  // lblBphpa and lblHum are editable boxes despite their prefix.
  HWND Label1{}, lblTemp{}, Label3{}, lblBphpa{}, Label7{}, lblHum{}, txtMJ{}, cmdclear{}, cmd{};

  // Select: reads the three boxes and shows the recommended main jet.
  void cmd_Click();
  // Clear: empties the four boxes.
  void cmdclear_Click();

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) noexcept;
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);

  bool OnCreate();
  void OnCommand(int id, HWND control);
  void OnDpiChanged(UINT dpi, const RECT& suggested);
  void MakeFonts();
  void PlaceControls();
  void AddTips(HINSTANCE instance);
  // Keeps what the last Select found: it explains the result box in its
  // tooltip and makes the logbook line; nothing while the box is empty.
  void ShowAnswer(std::optional<jet::form::Answer> answer);
  void CopyResult();
  void ShowBoxMenu(HWND box, LPARAM at);
  static LRESULT CALLBACK BoxMenuProc(HWND box, UINT message, WPARAM wparam, LPARAM lparam,
                                      UINT_PTR, DWORD_PTR self) noexcept;
  // Opens the pressure converter; what it gives goes into the pressure box.
  void ConvertPressure();
  // Opens 基準合わせ; what it gives is this engine's offset from the table,
  // shown at once for the last Select and used by every Select after it.
  void AdjustEngine();
  // Opens 一日の見通し over the window; changes nothing in it.
  void PlanDay();
  // Runs a command from a click: an error is shown in a message box, the
  // result box is emptied and the window goes on.
  void RunCommand(void (Form1::*command)());

  HWND hwnd_{};
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  jet::win32::Fonts fonts_;
  jet::win32::PressureMemory pressure_memory_;
  jet::win32::EngineMemory engine_memory_;
  jet::win32::DayMemory day_memory_;
  int offset_ = 0;  // sizes this engine runs richer than the table
  HWND focus_{};    // the control to give the focus back to on activation
  HWND tips_{};
  HACCEL keys_{};
  std::optional<jet::form::Answer> answer_;
};
