#include "win32/form1.h"

#include <commctrl.h>
#include <oleacc.h>

#include <windowsx.h>

#include <cstring>
#include <string>
#include <system_error>

#include "form/commands.h"
#include "form/layout.h"
#include "win32/control_id.h"
#include "win32/resource.h"
#include "win32/text.h"

namespace {

using jet::form::Box;
using jet::form::Control;
using jet::form::Kind;
using jet::win32::ToUtf16;
using jet::win32::ToUtf8;

constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;

// Twips are 1/1440 inch: the window keeps its size in inches at any DPI.
int Scale(int twips, UINT dpi) {
  return MulDiv(twips, static_cast<int>(dpi), 1440);
}

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

DWORD StyleOf(const Control& control) {
  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
  const bool right = control.align == jet::form::Align::Right;
  const bool left = control.align == jet::form::Align::Left;
  switch (control.kind) {
    case Kind::Label:
      // Vertically centred like the boxes beside it; no '&' access keys;
      // SS_NOTIFY lets the tooltip see the mouse.
      return kChild | SS_NOPREFIX | SS_CENTERIMAGE | SS_NOTIFY |
             (right  ? SS_RIGHT
              : left ? SS_LEFT
                     : SS_CENTER);
    case Kind::TextBox:
      return kChild | WS_TABSTOP | ES_AUTOHSCROLL | (right ? ES_RIGHT : left ? ES_LEFT : ES_CENTER);
    case Kind::Button:
      break;
  }
  return kChild | WS_TABSTOP | BS_PUSHBUTTON;
}

const wchar_t* ClassOf(Kind kind) {
  switch (kind) {
    case Kind::Label:
      return WC_STATICW;
    case Kind::TextBox:
      return WC_EDITW;
    case Kind::Button:
      break;
  }
  return WC_BUTTONW;
}

// Font F's first family that is installed; Windows substitutes for the first
// when none is.
const std::wstring& BoxFontFace() {
  static const std::wstring face = [] {
    HDC screen = GetDC(nullptr);
    std::wstring found;
    for (const std::string_view family : jet::form::kBoxFontFamilies) {
      LOGFONTW query{};
      query.lfCharSet = DEFAULT_CHARSET;
      const std::wstring name = ToUtf16(family);
      name.copy(query.lfFaceName, LF_FACESIZE - 1);
      const auto seen = [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM) -> int { return 0; };
      if (EnumFontFamiliesExW(screen, &query, seen, 0, 0) == 0) {
        found = name;
        break;
      }
    }
    ReleaseDC(nullptr, screen);
    return found.empty() ? ToUtf16(jet::form::kBoxFontFamilies.front()) : found;
  }();
  return face;
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

// Tells screen readers a control's name or description, where no label or
// text of its own gives it. An empty text takes the annotation back.
void Annotate(HWND control, const MSAAPROPID& property, std::string_view text) {
  IAccPropServices* services = nullptr;
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices, reinterpret_cast<void**>(&services))))
    return;
  const auto object = static_cast<DWORD>(OBJID_CLIENT);
  if (text.empty()) {
    MSAAPROPID properties[] = {property};
    services->ClearHwndProps(control, object, CHILDID_SELF, properties, 1);
  } else {
    services->SetHwndPropStr(control, object, CHILDID_SELF, property, ToUtf16(text).c_str());
  }
  services->Release();
}

// The widest a tooltip grows before it wraps, in pixels at 96 dpi.
constexpr int kTipWidth = 360;

}  // namespace

Form1::~Form1() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (keys_) DestroyAcceleratorTable(keys_);
  if (box_font_) DeleteObject(box_font_);
  if (button_font_) DeleteObject(button_font_);
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
        RECT frame{0, 0, Scale(jet::form::kClientWidth, dpi_),
                   Scale(jet::form::kClientHeight, dpi_)};
        AdjustWindowRectExForDpi(&frame, kStyle, FALSE, 0, dpi_);
        auto* limits = reinterpret_cast<MINMAXINFO*>(lparam);
        limits->ptMinTrackSize = {frame.right - frame.left, frame.bottom - frame.top};
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
    const DWORD extended = control.kind == Kind::TextBox ? WS_EX_CLIENTEDGE : 0;
    const HWND child = CreateWindowExW(
        extended, ClassOf(control.kind), ToUtf16(control.caption).c_str(), StyleOf(control), 0, 0,
        0, 0, hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(jet::win32::ControlId(control.name))),
        instance, nullptr);
    if (!child) return false;
    this->*Member(control.name) = child;
    // An EDIT stops at 30,000 characters unless told otherwise.
    if (control.kind == Kind::TextBox) SendMessageW(child, EM_SETLIMITTEXT, 0, 0);
    if (!control.accessible_name.empty()) Annotate(child, PROPID_ACC_NAME, control.accessible_name);
    if (!control.tip.empty()) Annotate(child, PROPID_ACC_DESCRIPTION, control.tip);
  }
  AddTips(instance);
  SetWindowSubclass(txtMJ, ResultBoxProc, 0, reinterpret_cast<DWORD_PTR>(this));
  MakeFonts();
  PlaceControls();

  RECT frame{0, 0, Scale(jet::form::kClientWidth, dpi_), Scale(jet::form::kClientHeight, dpi_)};
  AdjustWindowRectExForDpi(&frame, kStyle, FALSE, 0, dpi_);
  SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
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
  Annotate(txtMJ, PROPID_ACC_DESCRIPTION, explained);
}

void Form1::CopyResult() {
  if (!answer_) return;
  const std::wstring line = ToUtf16(jet::form::LogbookLine(*answer_));
  const std::size_t bytes = (line.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory) {
    std::memcpy(GlobalLock(memory), line.c_str(), bytes);
    GlobalUnlock(memory);
  }
  if (memory && OpenClipboard(hwnd_)) {
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, memory)) memory = nullptr;  // the clipboard owns it
    CloseClipboard();
  }
  if (memory) {  // another program holds the clipboard: say that nothing was copied
    GlobalFree(memory);
    MessageBeep(MB_ICONWARNING);
  }
}

// The EDIT control's own menu, made again with the same items so that
// 結果をコピー can stand below them.
void Form1::ShowResultMenu(LPARAM at) {
  // Each edit item's ID is the message that does it to the box.
  DWORD start = 0, end = 0;
  SendMessageW(txtMJ, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const int length = GetWindowTextLengthW(txtMJ);
  const auto state = [](bool on) { return MF_STRING | (on ? MF_ENABLED : MF_GRAYED); };
  const bool selected = start != end;
  const HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, state(SendMessageW(txtMJ, EM_CANUNDO, 0, 0)), WM_UNDO, L"元に戻す(&U)");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, state(selected), WM_CUT, L"切り取り(&T)");
  AppendMenuW(menu, state(selected), WM_COPY, L"コピー(&C)");
  AppendMenuW(menu, state(IsClipboardFormatAvailable(CF_UNICODETEXT)), WM_PASTE, L"貼り付け(&P)");
  AppendMenuW(menu, state(selected), WM_CLEAR, L"削除(&D)");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, state(length > 0 && (start > 0 || static_cast<int>(end) < length)), EM_SETSEL,
              L"すべて選択(&A)");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, state(answer_.has_value()), jet::win32::kCopyResultId,
              (ToUtf16(jet::form::kCopyResultCaption) + L"(&R)\tCtrl+Shift+C").c_str());

  POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  if (at == -1) {  // from the keyboard: below the box's left edge
    RECT box;
    GetWindowRect(txtMJ, &box);
    point = {box.left, box.bottom};
  }
  SetFocus(txtMJ);
  const auto chosen = static_cast<UINT>(TrackPopupMenu(
      menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, point.x, point.y, 0, hwnd_, nullptr));
  DestroyMenu(menu);
  if (chosen == jet::win32::kCopyResultId)
    CopyResult();
  else if (chosen != 0)  // EM_SETSEL 0, -1 selects all
    SendMessageW(txtMJ, chosen, 0, chosen == EM_SETSEL ? -1 : 0);
}

LRESULT CALLBACK Form1::ResultBoxProc(HWND box, UINT message, WPARAM wparam, LPARAM lparam,
                                      UINT_PTR, DWORD_PTR self) noexcept {
  if (message == WM_CONTEXTMENU) {
    reinterpret_cast<Form1*>(self)->ShowResultMenu(lparam);
    return 0;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(box, ResultBoxProc, 0);
  return DefSubclassProc(box, message, wparam, lparam);
}

void Form1::OnDpiChanged(UINT dpi, const RECT& suggested) {
  dpi_ = dpi;
  MakeFonts();
  PlaceControls();
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Font F at its size in points for this DPI; the buttons take the font the
// user's other programs use for messages.
void Form1::MakeFonts() {
  LOGFONTW box{};
  box.lfHeight =
      -MulDiv(static_cast<int>(jet::form::kBoxFontPoints * 100), static_cast<int>(dpi_), 72 * 100);
  box.lfWeight = FW_NORMAL;
  box.lfCharSet = SHIFTJIS_CHARSET;
  BoxFontFace().copy(box.lfFaceName, LF_FACESIZE - 1);

  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi_);
  SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, MulDiv(kTipWidth, static_cast<int>(dpi_), 96));

  for (HFONT old : {box_font_, button_font_})
    if (old) DeleteObject(old);
  box_font_ = CreateFontIndirectW(&box);
  button_font_ = CreateFontIndirectW(&metrics.lfMessageFont);
}

void Form1::PlaceControls() {
  for (const Control& control : jet::form::Controls()) {
    const HWND child = this->*Member(control.name);
    const jet::form::Rect place = control.place;
    SetWindowPos(child, nullptr, Scale(place.left, dpi_), Scale(place.top, dpi_),
                 Scale(place.width, dpi_), Scale(place.height, dpi_),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(child, WM_SETFONT,
                 reinterpret_cast<WPARAM>(control.box_font ? box_font_ : button_font_), TRUE);
  }
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
  ShowAnswer(jet::form::Select(fields));
}

void Form1::cmdclear_Click() {
  Form1Fields fields(*this);
  jet::form::Clear(fields);
  ShowAnswer(std::nullopt);
}
