#include "win32/pressure_dialog.h"

#include "form/pressure.h"
#include "win32/control_id.h"
#include "win32/controls.h"
#include "win32/dialog.h"
#include "win32/text.h"

namespace jet::win32 {
namespace {

using form::Control;

class PressureDialog : public DialogFrame<PressureDialog> {
 public:
  PressureDialog(const std::wstring& temperature, PressureMemory& memory)
      : temperature_(temperature), memory_(memory) {}

  std::wstring pressure;  // what Apply gives; empty while a field is wrong

 private:
  friend DialogFrame<PressureDialog>;

  HWND Item(std::string_view name) const { return GetDlgItem(hwnd_, PressureControlId(name)); }

  std::wstring TextOf(std::string_view name) const { return WindowText(Item(name)); }

  BOOL OnInit() {
    SetWindowTextW(hwnd_, ToUtf16(form::kPressureTitle).c_str());
    // Created in the table's order: each label just before its field, so
    // that screen readers name the field after it.
    for (const Control& control : form::PressureControls())
      if (!CreateControl(hwnd_, control, PressureControlId(control.name))) EndDialog(hwnd_, -1);
    SetWindowTextW(Item("txtSeaLevel"), memory_.sea_level.c_str());
    SetWindowTextW(Item("txtAltitude"), memory_.altitude.c_str());
    SetWindowTextW(Item("txtAirTemp"), temperature_.c_str());
    SendMessageW(hwnd_, DM_SETDEFID, IDOK, 0);
    Place();
    Update();
    CentreOnOwner(hwnd_);
    SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item("txtSeaLevel")), TRUE);
    return FALSE;  // the focus is set
  }

  void Place() {
    PlaceTable(form::PressureControls(), form::kPressureWidth, form::kPressureHeight);
  }

  // Reads the fields as they are typed: the result line, and Apply only
  // while every field is right.
  void Update() {
    const form::Station station = form::ReadStation(
        ToUtf8(TextOf("txtSeaLevel")), ToUtf8(TextOf("txtAltitude")), ToUtf8(TextOf("txtAirTemp")));
    pressure = ToUtf16(station.pressure);
    const HWND line = Item("lblStation");
    SetWindowTextW(line, ToUtf16(station.line).c_str());
    // A screen reader reads the line again when it changes.
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, line, OBJID_CLIENT, CHILDID_SELF);
    EnableWindow(Item("cmdApply"), !pressure.empty());
  }

  void OnCommand(int id, int code) {
    if (code == EN_CHANGE) Update();
    if (id != IDOK && id != IDCANCEL) return;
    if (id == IDOK && pressure.empty()) return;  // Return while a field is wrong
    memory_.sea_level = TextOf("txtSeaLevel");
    memory_.altitude = TextOf("txtAltitude");
    EndDialog(hwnd_, id);
  }

  const std::wstring& temperature_;
  PressureMemory& memory_;
};

}  // namespace

std::optional<std::wstring> AskStationPressure(HWND owner, const std::wstring& temperature,
                                               PressureMemory& memory) {
  // The controls come from the table, in WM_INITDIALOG.
  PressureDialog dialog(temperature, memory);
  const INT_PTR result = RunModal(owner, dialog);
  if (result != IDOK) return std::nullopt;
  return dialog.pressure;
}

}  // namespace jet::win32
