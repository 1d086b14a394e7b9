#include "win32/controls.h"

#include <commctrl.h>

#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "win32/text.h"

namespace jet::win32 {
namespace {

using form::Control;
using form::Kind;

DWORD StyleOf(const Control& control) {
  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
  const bool right = control.align == form::Align::Right;
  const bool left = control.align == form::Align::Left;
  switch (control.kind) {
    case Kind::Label:
      // Vertically centred like the boxes beside it, unless it may take
      // several lines; no '&' access keys; SS_NOTIFY lets the tooltip see
      // the mouse.
      return kChild | SS_NOPREFIX | SS_NOTIFY | (control.place.height > 375 ? 0 : SS_CENTERIMAGE) |
             (right  ? SS_RIGHT
              : left ? SS_LEFT
                     : SS_CENTER);
    case Kind::TextBox:
      return kChild | WS_TABSTOP | ES_AUTOHSCROLL | (right ? ES_RIGHT : left ? ES_LEFT : ES_CENTER);
    case Kind::ComboBox:
      // Right-aligned choices are drawn here (DrawComboItem), as the boxes
      // beside them are.
      return kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST |
             (right ? CBS_OWNERDRAWFIXED | CBS_HASSTRINGS : 0);
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
    case Kind::ComboBox:
      return WC_COMBOBOXW;
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
    for (const std::string_view family : form::kBoxFontFamilies) {
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
    return found.empty() ? ToUtf16(form::kBoxFontFamilies.front()) : found;
  }();
  return face;
}

}  // namespace

void Fonts::Make(UINT dpi) {
  LOGFONTW box{};
  box.lfHeight =
      -MulDiv(static_cast<int>(form::kBoxFontPoints * 100), static_cast<int>(dpi), 72 * 100);
  box.lfWeight = FW_NORMAL;
  box.lfCharSet = SHIFTJIS_CHARSET;
  BoxFontFace().copy(box.lfFaceName, LF_FACESIZE - 1);

  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);

  Free();
  box_ = CreateFontIndirectW(&box);
  button_ = CreateFontIndirectW(&metrics.lfMessageFont);
}

void Fonts::Free() {
  for (HFONT font : {box_, button_})
    if (font) DeleteObject(font);
  box_ = button_ = nullptr;
}

HWND CreateControl(HWND parent, const Control& control, int id) {
  const DWORD extended = control.kind == Kind::TextBox ? WS_EX_CLIENTEDGE : 0;
  const HWND child = CreateWindowExW(extended, ClassOf(control.kind),
                                     ToUtf16(control.caption).c_str(), StyleOf(control), 0, 0, 0, 0,
                                     parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                     GetModuleHandleW(nullptr), nullptr);
  if (!child) return nullptr;
  // An EDIT stops at 30,000 characters unless told otherwise.
  if (control.kind == Kind::TextBox) SendMessageW(child, EM_SETLIMITTEXT, 0, 0);
  if (!control.accessible_name.empty()) Annotate(child, PROPID_ACC_NAME, control.accessible_name);
  if (!control.tip.empty()) Annotate(child, PROPID_ACC_DESCRIPTION, control.tip);
  return child;
}

// A combo box's height is its field's and its open list's together: room
// for every choice under the field, which its font sizes itself.
constexpr int kComboListRows = 8;

void PlaceControl(HWND child, const Control& control, UINT dpi, const Fonts& fonts) {
  const form::Rect place = control.place;
  const int rows = control.kind == Kind::ComboBox ? kComboListRows + 1 : 1;
  SetWindowPos(child, nullptr, Scale(place.left, dpi), Scale(place.top, dpi),
               Scale(place.width, dpi), Scale(place.height * rows, dpi),
               SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.For(control)), TRUE);
  if (control.kind != Kind::ComboBox || !(GetWindowLongW(child, GWL_STYLE) & CBS_OWNERDRAWFIXED))
    return;
  // An owner-drawn field is as tall as we say: as tall as the boxes beside
  // it, its frame included. What the combo box adds to the height asked for
  // differs (Wine adds 2 more than Windows), so the height is measured and
  // mended until it is right; the list's rows are as tall.
  const int height = Scale(place.height, dpi);
  auto field = static_cast<int>(SendMessageW(child, CB_GETITEMHEIGHT, WPARAM(-1), 0));
  for (int pass = 0; pass < 3; ++pass) {
    RECT closed{};
    GetWindowRect(child, &closed);
    const int error = height - (closed.bottom - closed.top);
    if (error == 0) break;
    field += error;
    SendMessageW(child, CB_SETITEMHEIGHT, WPARAM(-1), field);
    SendMessageW(child, CB_SETITEMHEIGHT, 0, field);
  }
}

BOOL DrawComboItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_COMBOBOX) return FALSE;
  const bool chosen = item.itemState & ODS_SELECTED;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(chosen ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (item.itemID != static_cast<UINT>(-1)) {
    std::wstring text(
        static_cast<std::size_t>(SendMessageW(item.hwndItem, CB_GETLBTEXTLEN, item.itemID, 0)),
        L'\0');
    SendMessageW(item.hwndItem, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
    const HGDIOBJ was = SelectObject(
        item.hDC, reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(chosen                          ? COLOR_HIGHLIGHTTEXT
                                       : item.itemState & ODS_DISABLED ? COLOR_GRAYTEXT
                                                                       : COLOR_WINDOWTEXT));
    // The boxes' margin: their numbers end as far from their right edge.
    RECT place = item.rcItem;
    place.right -= GetSystemMetricsForDpi(SM_CXEDGE, GetDpiForWindow(item.hwndItem)) * 2;
    DrawTextW(item.hDC, text.c_str(), -1, &place,
              DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(item.hDC, was);
  }
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT))
    DrawFocusRect(item.hDC, &item.rcItem);
  return TRUE;
}

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

SIZE FrameSize(int width, int height, DWORD style, UINT dpi) {
  RECT frame{0, 0, Scale(width, dpi), Scale(height, dpi)};
  AdjustWindowRectExForDpi(&frame, style, FALSE, 0, dpi);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

void AppendEditItems(HMENU menu, HWND box) {
  DWORD start = 0, end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const int length = GetWindowTextLengthW(box);
  const auto state = [](bool on) { return MF_STRING | (on ? MF_ENABLED : MF_GRAYED); };
  const bool selected = start != end;
  AppendMenuW(menu, state(SendMessageW(box, EM_CANUNDO, 0, 0)), WM_UNDO, L"元に戻す(&U)");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, state(selected), WM_CUT, L"切り取り(&T)");
  AppendMenuW(menu, state(selected), WM_COPY, L"コピー(&C)");
  AppendMenuW(menu, state(IsClipboardFormatAvailable(CF_UNICODETEXT)), WM_PASTE, L"貼り付け(&P)");
  AppendMenuW(menu, state(selected), WM_CLEAR, L"削除(&D)");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, state(length > 0 && (start > 0 || static_cast<int>(end) < length)), EM_SETSEL,
              L"すべて選択(&A)");
}

void Act(HWND box, UINT chosen) {
  if (chosen != 0) SendMessageW(box, chosen, 0, chosen == EM_SETSEL ? -1 : 0);  // 0, -1: all
}

POINT MenuPoint(HWND box, LPARAM at) {
  if (at != -1) return {GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  RECT place;
  GetWindowRect(box, &place);
  return {place.left, place.bottom};
}

void CopyText(HWND owner, const std::wstring& text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory) {
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
  }
  // Another program (a clipboard manager, say) may hold the clipboard for
  // a moment: a tenth of a second before giving up.
  bool open = false;
  for (int attempt = 0; memory && !open && attempt < 10; ++attempt)
    if (!(open = OpenClipboard(owner))) Sleep(10);
  if (open) {
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, memory)) memory = nullptr;  // the clipboard owns it
    CloseClipboard();
  }
  if (memory) {
    GlobalFree(memory);
    MessageBeep(MB_ICONWARNING);
  }
}

}  // namespace jet::win32
