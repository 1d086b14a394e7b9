#include "win32/day_dialog.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "win32/chart_dialog.h"
#include "win32/control_id.h"
#include "win32/controls.h"
#include "win32/dialog.h"
#include "win32/text.h"

namespace jet::win32 {
namespace {

using form::Control;
using form::DayColumn;

class DayDialog : public DialogFrame<DayDialog> {
 public:
  DayDialog(const BoxTexts& boxes, const std::wstring& altitude, int offset, DayMemory& memory)
      : boxes_(boxes), altitude_(altitude), offset_(offset), memory_(memory) {}

 private:
  friend DialogFrame<DayDialog>;

  HWND Item(std::string_view name) const { return GetDlgItem(hwnd_, DayControlId(name)); }
  HWND Field(std::size_t row, std::size_t column) const {
    return Item(form::DayFieldName(static_cast<int>(row), static_cast<DayColumn>(column)));
  }

  BOOL OnInit() {
    SetWindowTextW(hwnd_, ToUtf16(form::kDayTitle).c_str());
    // Each row's fields are named by their row and column ("2 行目 気温"),
    // not by the caption in front of them.
    for (const Control& control : form::DayControls())
      if (!CreateControl(hwnd_, control, DayControlId(control.name))) EndDialog(hwnd_, -1);
    if (!memory_.filled) {
      const std::time_t now = std::time(nullptr);
      const form::DayFields first =
          form::FirstDayFields(boxes_.temperature, boxes_.pressure, boxes_.humidity,
                               ToUtf8(altitude_), *std::localtime(&now));
      memory_.filled = true;
      memory_.altitude = ToUtf16(first.altitude);
      for (std::size_t column = 0; column < form::kDayColumns; ++column)
        memory_.rows[0][column] = ToUtf16(first.rows[0][column]);
    }
    SetWindowTextW(Item("txtDayAltitude"), memory_.altitude.c_str());
    for (std::size_t row = 0; row < form::kDayRows; ++row)
      for (std::size_t column = 0; column < form::kDayColumns; ++column)
        SetWindowTextW(Field(row, column), memory_.rows[row][column].c_str());
    Place();
    filled_ = true;
    Update();
    CentreOnOwner(hwnd_);
    SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Field(0, 0)), TRUE);
    return FALSE;  // the focus is set
  }

  void Place() {
    PlaceTable(form::DayControls(), form::kDayWidth, form::kDayHeight);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi_);
    face_ = metrics.lfMessageFont.lfFaceName;
    InvalidateRect(hwnd_, nullptr, TRUE);
  }

  RECT PictureRect() const {
    const form::Rect& r = form::kDayPicture;
    return {Scale(r.left, dpi_), Scale(r.top, dpi_), Scale(r.left + r.width, dpi_),
            Scale(r.top + r.height, dpi_)};
  }

  // Reads the fields as they change: the rows' answers, the line, the
  // picture, and コピー only while there is something to copy.
  void Update() {
    form::DayFields fields;
    fields.altitude = ToUtf8(WindowText(Item("txtDayAltitude")));
    for (std::size_t row = 0; row < form::kDayRows; ++row)
      for (std::size_t column = 0; column < form::kDayColumns; ++column)
        fields.rows[row][column] = ToUtf8(WindowText(Field(row, column)));
    plan_ = form::ReadDay(fields, offset_);
    for (int row = 0; row < form::kDayRows; ++row)
      SetWindowTextW(Item(form::DayJetName(row)),
                     ToUtf16(plan_.jets[static_cast<std::size_t>(row)]).c_str());
    const HWND line = Item("lblDay");
    SetWindowTextW(line, ToUtf16(plan_.line).c_str());
    // A screen reader reads the line again when it changes.
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, line, OBJID_CLIENT, CHILDID_SELF);
    EnableWindow(Item("cmdDayCopy"), !plan_.copy.empty());
    const RECT picture = PictureRect();
    InvalidateRect(hwnd_, &picture, TRUE);
  }

  void Copy() const {
    std::wstring text;
    for (const wchar_t c : ToUtf16(plan_.copy)) text += c == L'\n' ? L"\r\n" : std::wstring(1, c);
    CopyText(hwnd_, text);
  }

  void OnCommand(int id, int code) {
    if (code == EN_CHANGE && filled_) Update();
    if (id == DayControlId("cmdDayCopy") && code == BN_CLICKED) Copy();
    if (id != IDOK && id != IDCANCEL) return;
    memory_.altitude = WindowText(Item("txtDayAltitude"));
    for (std::size_t row = 0; row < form::kDayRows; ++row)
      for (std::size_t column = 0; column < form::kDayColumns; ++column)
        memory_.rows[row][column] = WindowText(Field(row, column));
    EndDialog(hwnd_, IDCANCEL);
  }

  // The picture at the top of its place, as large as the place allows with
  // its shape kept; painted into a bitmap first, then copied in one piece.
  void OnPaint() {
    PAINTSTRUCT paint;
    const HDC screen = BeginPaint(hwnd_, &paint);
    if (plan_.picture) {
      const form::Chart& chart = *plan_.picture;
      const RECT place = PictureRect();
      const double scale = std::min((place.right - place.left) / chart.width,
                                    (place.bottom - place.top) / chart.height);
      const int width = static_cast<int>(std::lround(chart.width * scale));
      const int height = static_cast<int>(std::lround(chart.height * scale));
      const HDC dc = CreateCompatibleDC(screen);
      const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
      const HGDIOBJ old_bitmap = SelectObject(dc, bitmap);
      PaintChart(dc, chart, scale, face_);
      BitBlt(screen, place.left + (place.right - place.left - width) / 2, place.top, width, height,
             dc, 0, 0, SRCCOPY);
      SelectObject(dc, old_bitmap);
      DeleteObject(bitmap);
      DeleteDC(dc);
    }
    EndPaint(hwnd_, &paint);
  }

  const BoxTexts& boxes_;
  const std::wstring& altitude_;
  const int offset_;
  DayMemory& memory_;
  std::wstring face_;
  form::DayPlan plan_;
  bool filled_ = false;  // the fields' own EN_CHANGE while they are filled waits
};

}  // namespace

void PlanDay(HWND owner, const BoxTexts& boxes, const std::wstring& altitude, int offset,
             DayMemory& memory) {
  // The controls come from the table, in WM_INITDIALOG.
  DayDialog dialog(boxes, altitude, offset, memory);
  RunModal(owner, dialog);
}

}  // namespace jet::win32
