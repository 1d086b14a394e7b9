#include "win32/form1.h"

#include <commctrl.h>
#include <oleacc.h>

#include <windowsx.h>

#include <cstring>
#include <string>
#include <system_error>

#include "form/chart.h"
#include "form/commands.h"
#include "form/layout.h"
#include "form/pressure.h"
#include "win32/chart_dialog.h"
#include "win32/control_id.h"
#include "win32/controls.h"
#include "win32/day_dialog.h"
#include "win32/engine_dialog.h"
#include "win32/pressure_dialog.h"
#include "win32/resource.h"
#include "win32/text.h"

namespace {

using jet::form::Box;
using jet::form::Control;
using jet::win32::ToUtf16;
using jet::win32::ToUtf8;

constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;

HWND Form1::*Member(std::string_view name) {
  static constexpr struct {
    std::string_view name;
    HWND Form1::*member;
  } members[] = {
      {"Label1", &Form1::Label1},     {"lblTemp", &Form1::lblTemp},   {"Label3", &Form1::Label3},
      {"lblBphpa", &Form1::lblBphpa}, {"Label7", &Form1::Label7},     {"lblHum", &Form1::lblHum},
      {"txtMJ", &Form1::txtMJ},       {"cmdclear", &Form1::cmdclear}, {"cmd", &Form1::cmd}};
  for (const auto& m : members)
    if (m.name == name) return m.member;
  return nullptr;
}

// The commands' access to the boxes, which are fixed members of the window.
class Form1Fields final : public jet::form::Fields {
 public:
  explicit Form1Fields(const Form1& window) : window_(window) {}

  std::string Read(Box box) const override {
    const HWND edit = Edit(box);
    SetLastError(ERROR_SUCCESS);
    const int length = GetWindowTextLengthW(edit);
    if (length == 0 && GetLastError() != ERROR_SUCCESS) Fail("GetWindowTextLengthW");
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), length + 1)));
    return ToUtf8(text);
  }
  void Replace(Box box, std::string_view text) override {
    if (!SetWindowTextW(Edit(box), ToUtf16(text).c_str())) Fail("SetWindowTextW");
  }

 private:
  [[noreturn]] static void Fail(const char* call) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), call);
  }
  HWND Edit(Box box) const {
    return jet::form::OfBox(box, window_.lblTemp, window_.lblBphpa, window_.lblHum, window_.txtMJ);
  }

  const Form1& window_;
};

// The widest a tooltip grows before it wraps, in pixels at 96 dpi.
constexpr int kTipWidth = 360;

}  // namespace

Form1::~Form1() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (keys_) DestroyAcceleratorTable(keys_);
}

bool Form1::Create(HINSTANCE instance) {
  WNDCLASSEXW type{};
  type.cbSize = sizeof type;
  type.lpfnWndProc = WndProc;
  type.hInstance = instance;
  type.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_JETSELECT));
  type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  type.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  type.lpszClassName = jet::win32::kWindowClass;
  if (!RegisterClassExW(&type)) return false;
  CreateWindowExW(0, jet::win32::kWindowClass, ToUtf16(jet::form::kTitle).c_str(), kStyle,
                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                  instance, this);
  ACCEL copy{FVIRTKEY | FCONTROL | FSHIFT, 'C', jet::win32::kCopyResultId};
  keys_ = CreateAcceleratorTableW(&copy, 1);
  return hwnd_ != nullptr;
}

bool Form1::PreTranslate(MSG& message) {
  if (!hwnd_) return false;
  return TranslateAcceleratorW(hwnd_, keys_, &message) || IsDialogMessageW(hwnd_, &message);
}

LRESULT CALLBACK Form1::WndProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Form1*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wparam, lparam);
  return self->Handle(message, wparam, lparam);
}

LRESULT Form1::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), reinterpret_cast<HWND>(lparam));
      return 0;
    case DM_GETDEFID:
      // No button is the default, but Return presses the focused one: the
      // dialog manager asks here which button Return should press.
      if (const HWND focus = GetFocus(); focus == cmd || focus == cmdclear)
        return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
      return 0;
    case WM_ACTIVATE:
      // Keep the focused control while another window is active; on
      // activation Windows focuses this window, which hands it back.
      if (LOWORD(wparam) == WA_INACTIVE) {
        if (const HWND focus = GetFocus(); focus && IsChild(hwnd_, focus)) focus_ = focus;
        return 0;
      }
      break;
    case WM_SETFOCUS:
      if (focus_) SetFocus(focus_);
      return 0;
    case WM_GETMINMAXINFO:
      // Never smaller than the window was drawn: the controls stay in sight.
      if (hwnd_) {
        const SIZE frame =
            jet::win32::FrameSize(jet::form::kClientWidth, jet::form::kClientHeight, kStyle, dpi_);
        reinterpret_cast<MINMAXINFO*>(lparam)->ptMinTrackSize = {frame.cx, frame.cy};
      }
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_SETTINGCHANGE:
      if (wparam == SPI_SETNONCLIENTMETRICS) {
        MakeFonts();
        PlaceControls();
      }
      return 0;
    case WM_DESTROY:
      hwnd_ = nullptr;
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

bool Form1::OnCreate() {
  dpi_ = GetDpiForWindow(hwnd_);
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  // Created in the table's order, which is the tab order, each label just
  // before its box so that screen readers name the box after it.
  for (const Control& control : jet::form::Controls()) {
    const HWND child =
        jet::win32::CreateControl(hwnd_, control, jet::win32::ControlId(control.name));
    if (!child) return false;
    this->*Member(control.name) = child;
  }
  AddTips(instance);
  // The pressure box's menu opens the converter; the result box's copies
  // the logbook line.
  for (const HWND box : {lblBphpa, txtMJ})
    SetWindowSubclass(box, BoxMenuProc, 0, reinterpret_cast<DWORD_PTR>(this));
  MakeFonts();
  PlaceControls();

  const SIZE frame =
      jet::win32::FrameSize(jet::form::kClientWidth, jet::form::kClientHeight, kStyle, dpi_);
  SetWindowPos(hwnd_, nullptr, 0, 0, frame.cx, frame.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  focus_ = cmd;
  return true;
}

void Form1::OnCommand(int id, HWND control) {
  if (control == cmd) RunCommand(&Form1::cmd_Click);
  if (control == cmdclear) RunCommand(&Form1::cmdclear_Click);
  // Return and Escape in a box arrive as IDOK and IDCANCEL: nothing to do.
  if (!control && id == jet::win32::kCopyResultId) CopyResult();
}

// Each label and its box say what to type; the result box explains itself
// once it shows a recommendation.
void Form1::AddTips(HINSTANCE instance) {
  tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                          WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance, nullptr);
  for (const Control& control : jet::form::Controls()) {
    if (control.tip.empty() && control.name != "txtMJ") continue;
    std::wstring text = ToUtf16(control.tip);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(this->*Member(control.name));
    tool.lpszText = text.data();
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void Form1::ShowAnswer(std::optional<jet::form::Answer> answer) {
  answer_ = std::move(answer);
  const std::string explained = answer_ ? jet::form::Explain(*answer_) : std::string();
  std::wstring text = ToUtf16(explained);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(txtMJ);
  tool.lpszText = text.data();
  SendMessageW(tips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  jet::win32::Annotate(txtMJ, PROPID_ACC_DESCRIPTION, explained);
}

void Form1::CopyResult() {
  if (answer_) jet::win32::CopyText(hwnd_, ToUtf16(jet::form::LogbookLine(*answer_)));
}

// The EDIT control's own menu, made again with the same items: below the
// converter in the pressure box, above 結果をコピー, the jet chart and
// 基準合わせ in the result box; 基準合わせ is always there, as a tuner may set
// the engine before the first Select.
void Form1::ShowBoxMenu(HWND box, LPARAM at) {
  const HMENU menu = CreatePopupMenu();
  if (box == lblBphpa) {
    AppendMenuW(menu, MF_STRING, jet::win32::kConvertPressureId,
                ToUtf16(jet::form::kPressureMenuItem).c_str());
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  }
  jet::win32::AppendEditItems(menu, box);
  if (box == txtMJ) {
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING | (answer_ ? MF_ENABLED : MF_GRAYED), jet::win32::kCopyResultId,
                (ToUtf16(jet::form::kCopyResultCaption) + L"(&R)\tCtrl+Shift+C").c_str());
    AppendMenuW(menu, MF_STRING | (answer_ ? MF_ENABLED : MF_GRAYED), jet::win32::kShowChartId,
                ToUtf16(jet::form::kChartMenuItem).c_str());
    AppendMenuW(menu, MF_STRING, jet::win32::kAdjustEngineId,
                ToUtf16(jet::form::kEngineMenuItem).c_str());
    AppendMenuW(menu, MF_STRING, jet::win32::kPlanDayId, ToUtf16(jet::form::kDayMenuItem).c_str());
  }
  const POINT point = jet::win32::MenuPoint(box, at);
  SetFocus(box);
  const auto chosen = static_cast<UINT>(TrackPopupMenu(
      menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, point.x, point.y, 0, hwnd_, nullptr));
  DestroyMenu(menu);
  if (chosen == jet::win32::kCopyResultId)
    CopyResult();
  else if (chosen == jet::win32::kConvertPressureId)
    ConvertPressure();
  else if (chosen == jet::win32::kShowChartId && answer_)
    jet::win32::ShowJetChart(hwnd_, *answer_);
  else if (chosen == jet::win32::kAdjustEngineId)
    AdjustEngine();
  else if (chosen == jet::win32::kPlanDayId)
    PlanDay();
  else
    jet::win32::Act(box, chosen);
}

LRESULT CALLBACK Form1::BoxMenuProc(HWND box, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                    DWORD_PTR self) noexcept {
  if (message == WM_CONTEXTMENU) {
    reinterpret_cast<Form1*>(self)->ShowBoxMenu(box, lparam);
    return 0;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(box, BoxMenuProc, 0);
  return DefSubclassProc(box, message, wparam, lparam);
}

// The converter writes the pressure at the track into the pressure box and
// leaves the focus on Select, so that Return or space runs it.
void Form1::ConvertPressure() {
  const std::wstring temperature = ToUtf16(Form1Fields(*this).Read(Box::Temperature));
  const auto station = jet::win32::AskStationPressure(hwnd_, temperature, pressure_memory_);
  if (!station) return;
  SetWindowTextW(lblBphpa, station->c_str());
  SetFocus(cmd);
}

// Applying shows the engine's jet for the last Select at once, without
// reading the boxes again.
void Form1::AdjustEngine() {
  using jet::win32::WindowText;
  const auto offset = jet::win32::AskEngineOffset(
      hwnd_,
      {ToUtf8(WindowText(lblTemp)), ToUtf8(WindowText(lblBphpa)), ToUtf8(WindowText(lblHum))},
      answer_, offset_, engine_memory_);
  if (!offset) return;
  offset_ = *offset;
  if (!answer_) return;
  answer_->offset = offset_;
  SetWindowTextW(txtMJ, ToUtf16(jet::form::Shown(*answer_)).c_str());
  ShowAnswer(std::move(answer_));
}

// The rows stay as typed while the program runs; the window's boxes and
// result are never written.
void Form1::PlanDay() {
  using jet::win32::WindowText;
  jet::win32::PlanDay(
      hwnd_,
      {ToUtf8(WindowText(lblTemp)), ToUtf8(WindowText(lblBphpa)), ToUtf8(WindowText(lblHum))},
      pressure_memory_.altitude, offset_, day_memory_);
}

void Form1::OnDpiChanged(UINT dpi, const RECT& suggested) {
  dpi_ = dpi;
  MakeFonts();
  PlaceControls();
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::MakeFonts() {
  fonts_.Make(dpi_);
  SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, MulDiv(kTipWidth, static_cast<int>(dpi_), 96));
}

void Form1::PlaceControls() {
  for (const Control& control : jet::form::Controls())
    jet::win32::PlaceControl(this->*Member(control.name), control, dpi_, fonts_);
}

void Form1::RunCommand(void (Form1::*command)()) {
  Form1Fields fields(*this);
  const auto message = jet::form::RunCommand(fields, [&] { (this->*command)(); });
  if (!message) return;
  // Modal to the window: it is disabled until the report is dismissed.
  MessageBoxW(hwnd_, ToUtf16(*message).c_str(), ToUtf16(jet::form::kErrorTitle).c_str(),
              MB_OK | MB_ICONERROR);
}

void Form1::cmd_Click() {
  Form1Fields fields(*this);
  ShowAnswer(std::nullopt);
  ShowAnswer(jet::form::Select(fields, offset_));
}

void Form1::cmdclear_Click() {
  Form1Fields fields(*this);
  jet::form::Clear(fields);
  ShowAnswer(std::nullopt);
}
