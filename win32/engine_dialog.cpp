#include "win32/engine_dialog.h"

#include <commctrl.h>

#include "calc/recommendation.h"
#include "form/engine.h"
#include "win32/control_id.h"
#include "win32/controls.h"
#include "win32/dialog.h"
#include "win32/text.h"

namespace jet::win32 {
namespace {

using form::Control;

// What EndDialog gives for 解除, beside IDOK and IDCANCEL.
constexpr INT_PTR kReset = 100;

class EngineDialog : public DialogFrame<EngineDialog> {
 public:
  EngineDialog(const BoxTexts& boxes, const std::optional<form::Answer>& last, int applied,
               EngineMemory& memory)
      : boxes_(boxes), last_(last), applied_(applied), memory_(memory) {}

  std::optional<int> offset;  // what 適用 gives; empty while a field is wrong

 private:
  friend DialogFrame<EngineDialog>;

  HWND Item(std::string_view name) const { return GetDlgItem(hwnd_, EngineControlId(name)); }
  std::string TextOf(std::string_view name) const { return ToUtf8(WindowText(Item(name))); }

  BOOL OnInit() {
    SetWindowTextW(hwnd_, ToUtf16(form::kEngineTitle).c_str());
    // Created in the table's order: each label just before its field, so
    // that screen readers name the field after it.
    for (const Control& control : form::EngineControls())
      if (!CreateControl(hwnd_, control, EngineControlId(control.name))) EndDialog(hwnd_, -1);
    const HWND jets = Item("cboRefJet");
    for (int size = 0; size < static_cast<int>(kJetSizes.size()); ++size)
      SendMessageW(jets, CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(ToUtf16(form::JetChoice(size)).c_str()));
    if (!memory_.filled) {
      const form::EngineFields first =
          form::FirstEngineFields(boxes_.temperature, boxes_.pressure, boxes_.humidity, last_);
      memory_ = {true, ToUtf16(first.temperature), ToUtf16(first.pressure), ToUtf16(first.humidity),
                 first.size_index};
    }
    SetWindowTextW(Item("txtRefTemp"), memory_.temperature.c_str());
    SetWindowTextW(Item("txtRefPressure"), memory_.pressure.c_str());
    SetWindowTextW(Item("txtRefHumidity"), memory_.humidity.c_str());
    SendMessageW(jets, CB_SETCURSEL, static_cast<WPARAM>(memory_.size_index), 0);
    EnableWindow(Item("cmdRefReset"), applied_ != 0);
    SendMessageW(hwnd_, DM_SETDEFID, IDOK, 0);
    Place();
    Update();
    CentreOnOwner(hwnd_);
    SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item("txtRefTemp")), TRUE);
    return FALSE;  // the focus is set
  }

  void Place() { PlaceTable(form::EngineControls(), form::kEngineWidth, form::kEngineHeight); }

  int SizeIndex() const {
    return static_cast<int>(SendMessageW(Item("cboRefJet"), CB_GETCURSEL, 0, 0));
  }

  // Reads the fields as they change: the line, and 適用 only while every
  // field is right.
  void Update() {
    const form::EngineReading reading = form::ReadEngine(
        {TextOf("txtRefTemp"), TextOf("txtRefPressure"), TextOf("txtRefHumidity"), SizeIndex()},
        last_);
    offset = reading.offset;
    const HWND line = Item("lblEngine");
    SetWindowTextW(line, ToUtf16(reading.line).c_str());
    // A screen reader reads the line again when it changes.
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, line, OBJID_CLIENT, CHILDID_SELF);
    EnableWindow(Item("cmdRefApply"), offset.has_value());
  }

  void OnCommand(int id, int code) {
    if (code == EN_CHANGE || code == CBN_SELCHANGE) Update();
    const bool reset = id == EngineControlId("cmdRefReset") && code == BN_CLICKED;
    if (id != IDOK && id != IDCANCEL && !reset) return;
    if (id == IDOK && !offset) return;  // Return while a field is wrong
    memory_ = {true, WindowText(Item("txtRefTemp")), WindowText(Item("txtRefPressure")),
               WindowText(Item("txtRefHumidity")), SizeIndex()};
    EndDialog(hwnd_, reset ? kReset : id);
  }

  const BoxTexts& boxes_;
  const std::optional<form::Answer>& last_;
  const int applied_;
  EngineMemory& memory_;
};

}  // namespace

std::optional<int> AskEngineOffset(HWND owner, const BoxTexts& boxes,
                                   const std::optional<form::Answer>& last, int applied,
                                   EngineMemory& memory) {
  // The controls come from the table, in WM_INITDIALOG.
  EngineDialog dialog(boxes, last, applied, memory);
  const INT_PTR result = RunModal(owner, dialog);
  if (result == kReset) return 0;
  if (result != IDOK) return std::nullopt;
  return dialog.offset;
}

}  // namespace jet::win32
