#include "win32/chart_dialog.h"

#include <cmath>
#include <string>
#include <vector>

#include "form/chart.h"
#include "win32/controls.h"
#include "win32/dialog.h"
#include "win32/text.h"

namespace jet::win32 {
namespace {

constexpr int kSummaryId = 100;
// Pixels at 96 dpi: the margin, and the size of 閉じる.
constexpr int kMargin = 10, kButtonWidth = 88, kButtonHeight = 26;

COLORREF Colour(form::Rgb rgb) {
  return RGB(rgb.red, rgb.green, rgb.blue);
}

}  // namespace

void PaintChart(HDC dc, const form::Chart& chart, double scale, const std::wstring& face_name) {
  const auto px = [scale](double units) { return static_cast<int>(std::lround(units * scale)); };
  const int width = px(chart.width), height = px(chart.height);
  const RECT all{0, 0, width, height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  // The bands, each over the ones before it.
  const HGDIOBJ old_brush = SelectObject(dc, GetStockObject(DC_BRUSH));
  const HGDIOBJ outline_pen = SelectObject(dc, GetStockObject(NULL_PEN));
  std::vector<POINT> outline;
  for (const form::ChartRegion& r : chart.regions) {
    outline.clear();
    for (const form::ChartPoint& p : r.points) outline.push_back({px(p.x), px(p.y)});
    SetDCBrushColor(dc, Colour(r.colour));
    Polygon(dc, outline.data(), static_cast<int>(outline.size()));
  }
  SelectObject(dc, outline_pen);
  // Each box from its edges rounded to pixels.
  for (const form::ChartBox& b : chart.boxes) {
    const RECT r{px(b.left), px(b.top), px(b.left + b.width), px(b.top + b.height)};
    SetDCBrushColor(dc, Colour(b.colour));
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  }
  SelectObject(dc, old_brush);

  for (const form::ChartLine& l : chart.lines) {
    const LOGBRUSH ink{BS_SOLID, Colour(l.colour), 0};
    const HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT,
                                  std::max(1, px(l.width)), &ink, 0, nullptr);
    const HGDIOBJ old_pen = SelectObject(dc, pen);
    MoveToEx(dc, px(l.x1), px(l.y1), nullptr);
    LineTo(dc, px(l.x2), px(l.y2));
    SelectObject(dc, old_pen);
    DeleteObject(pen);
  }

  LOGFONTW face{};
  face.lfHeight = -px(chart.font_size);
  face.lfWeight = FW_NORMAL;
  face.lfCharSet = DEFAULT_CHARSET;
  face.lfQuality = CLEARTYPE_QUALITY;
  face_name.copy(face.lfFaceName, LF_FACESIZE - 1);
  const HFONT font = CreateFontIndirectW(&face);
  const HGDIOBJ old_font = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  for (const form::ChartText& t : chart.texts) {
    const UINT align = t.anchor == form::Anchor::Start    ? TA_LEFT
                       : t.anchor == form::Anchor::Middle ? TA_CENTER
                                                          : TA_RIGHT;
    SetTextAlign(dc, TA_BASELINE | align);
    SetTextColor(dc, Colour(t.colour));
    const std::wstring text = ToUtf16(t.text);
    TextOutW(dc, px(t.x), px(t.y), text.c_str(), static_cast<int>(text.size()));
  }
  SelectObject(dc, old_font);
  DeleteObject(font);
}

namespace {

class ChartDialog : public DialogFrame<ChartDialog> {
 public:
  explicit ChartDialog(const form::Answer& answer) : chart_(form::JetChart(answer)) {}
  ~ChartDialog() {
    if (font_) DeleteObject(font_);
  }

 private:
  friend DialogFrame<ChartDialog>;

  // Pixels at the dialog's DPI: Dip for its margins, its button and its
  // text, Px for the picture's units, which shrink on a short screen.
  int Dip(double pixels) const { return static_cast<int>(std::lround(pixels * dpi_ / 96.0)); }
  int Px(double units) const { return static_cast<int>(std::lround(units * dpi_ / 96.0 * scale_)); }

  // 閉じる, Return and Escape close it.
  void OnCommand(int id, int) {
    if (id == IDOK || id == IDCANCEL) EndDialog(hwnd_, IDOK);
  }

  BOOL OnInit() {
    SetWindowTextW(hwnd_, ToUtf16(form::kChartTitle).c_str());
    // The summary is a control of its own, so that screen readers read it;
    // the picture is painted on the dialog and says nothing.
    std::wstring summary;
    for (const wchar_t c : ToUtf16(chart_.summary))
      summary += c == L'\n' ? L"\r\n" : std::wstring(1, c);
    summary_ = CreateWindowExW(0, L"STATIC", summary.c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX,
                               0, 0, 0, 0, hwnd_, reinterpret_cast<HMENU>(kSummaryId),
                               GetModuleHandleW(nullptr), nullptr);
    close_ =
        CreateWindowExW(0, L"BUTTON", ToUtf16(form::kChartClose).c_str(),
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 0, 0, hwnd_,
                        reinterpret_cast<HMENU>(IDOK), GetModuleHandleW(nullptr), nullptr);
    Place();
    CentreOnOwner(hwnd_);
    SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(close_), TRUE);
    return FALSE;  // the focus is set
  }

  // The chart, the summary at the message font below it, then 閉じる.
  void Place() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi_);
    if (font_) DeleteObject(font_);
    font_ = CreateFontIndirectW(&metrics.lfMessageFont);
    face_ = metrics.lfMessageFont.lfFaceName;

    const int width = Dip(chart_.width);
    RECT text{0, 0, width, 0};
    const HDC dc = GetDC(summary_);
    const HGDIOBJ old = SelectObject(dc, font_);
    DrawTextW(dc, WindowText(summary_).c_str(), -1, &text,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(summary_, dc);

    const int margin = Dip(kMargin);
    FitScreen(4 * margin + text.bottom + Dip(kButtonHeight));
    const int chart_bottom = margin + Px(chart_.height);
    const int summary_bottom = chart_bottom + margin + text.bottom;
    SetWindowPos(summary_, nullptr, margin, chart_bottom + margin, width, text.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(close_, nullptr, margin + width - Dip(kButtonWidth), summary_bottom + margin,
                 Dip(kButtonWidth), Dip(kButtonHeight), SWP_NOZORDER | SWP_NOACTIVATE);
    for (const HWND child : {summary_, close_})
      SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);

    RECT frame{0, 0, width + 2 * margin, summary_bottom + 2 * margin + Dip(kButtonHeight)};
    AdjustWindowRectExForDpi(&frame, kDialogStyle, FALSE, 0, dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd_, nullptr, TRUE);
  }

  // On a screen too short for the picture at its size, the picture
  // shrinks, keeping its shape, so that the dialog fits the screen's work
  // area with its words whole; `others` is the height of the rest.
  void FitScreen(int others) {
    MONITORINFO screen{};
    screen.cbSize = sizeof screen;
    GetMonitorInfoW(MonitorFromWindow(GetWindow(hwnd_, GW_OWNER), MONITOR_DEFAULTTONEAREST),
                    &screen);
    RECT frame{};
    AdjustWindowRectExForDpi(&frame, kDialogStyle, FALSE, 0, dpi_);
    const LONG room = screen.rcWork.bottom - screen.rcWork.top - (frame.bottom - frame.top);
    scale_ = form::ChartScale(chart_, (room - others) * 96.0 / dpi_);
  }

  // Painted into a bitmap first, then copied in one piece: no flicker.
  void OnPaint() {
    PAINTSTRUCT paint;
    const HDC screen = BeginPaint(hwnd_, &paint);
    const int width = Px(chart_.width), height = Px(chart_.height);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ old_bitmap = SelectObject(dc, bitmap);

    PaintChart(dc, chart_, dpi_ / 96.0 * scale_, face_);

    // The picture in the middle of the width the text takes.
    const int margin = Dip(kMargin);
    BitBlt(screen, margin + (Dip(chart_.width) - width) / 2, margin, width, height, dc, 0, 0,
           SRCCOPY);
    SelectObject(dc, old_bitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EndPaint(hwnd_, &paint);
  }

  form::Chart chart_;
  HWND summary_{}, close_{};
  double scale_ = 1;  // the picture's, below 1 on a short screen
  HFONT font_{};
  std::wstring face_;
};

}  // namespace

void ShowJetChart(HWND owner, const form::Answer& answer) {
  ChartDialog dialog(answer);
  RunModal(owner, dialog);
}

}  // namespace jet::win32
