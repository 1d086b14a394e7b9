// Drives jetselect.exe from outside, as a user and a screen reader see it:
// starts it, finds its controls, types, presses keys and buttons, and reads
// the texts back. Run under Wine with a display:
//   window_test.exe PATH\TO\jetselect.exe [--dpi=N]
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "form/layout.h"
#include "win32/control_id.h"
#include "win32/text.h"

namespace {

using jet::win32::ControlId;
using jet::win32::ToUtf16;
using jet::win32::ToUtf8;

std::wstring program;  // the jetselect.exe under test

// Waits up to five seconds, handling this thread's messages meanwhile (the
// screen-reader events of a WinEvent hook arrive as messages).
template <typename Condition>
bool WaitFor(Condition condition) {
  for (int i = 0; i < 500; ++i) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return condition();
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1,
                    L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> input;
  for (const WORD key : keys) input.push_back({INPUT_KEYBOARD, {.ki = {key, 0, 0, 0, 0}}});
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
    input.push_back({INPUT_KEYBOARD, {.ki = {*key, 0, KEYEVENTF_KEYUP, 0, 0}}});
  SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
}

class Window : public ::testing::Test {
 protected:
  void SetUp() override {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + program + L"\"";
    ASSERT_TRUE(CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process_));
    WaitForInputIdle(process_.hProcess, 10000);
    ASSERT_TRUE(WaitFor([this] {
      EnumThreadWindows(
          process_.dwThreadId,
          [](HWND window, LPARAM found) -> BOOL {
            if (ClassOf(window) != jet::win32::kWindowClass || !IsWindowVisible(window))
              return TRUE;
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
          },
          reinterpret_cast<LPARAM>(&main_));
      return main_ != nullptr;
    }));
  }

  void TearDown() override {
    if (!process_.hProcess) return;
    // A case that failed half-way may have left a menu or a dialog open,
    // which would keep the window from closing: close them first.
    for (int i = 0; i < 5 && Popup(L"#32768"); ++i) PressKeys({VK_ESCAPE});
    while (const HWND dialog = Popup(L"#32770")) {
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      if (!WaitFor([dialog] { return !IsWindow(dialog); })) break;
    }
    if (main_) PostMessageW(main_, WM_CLOSE, 0, 0);
    // Closing the window ends the program, successfully.
    EXPECT_EQ(WaitForSingleObject(process_.hProcess, 10000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(process_.hProcess, &code);
    EXPECT_EQ(code, 0u);
    TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  HWND Control(std::string_view name) const { return GetDlgItem(main_, ControlId(name)); }
  std::wstring Text(std::string_view name) const { return TextOf(Control(name)); }
  void SetText(std::string_view name, const std::wstring& text) {
    SendMessageW(Control(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  // Typed at the end of the box, a character at a time.
  void Type(std::string_view name, const std::wstring& text) {
    const HWND box = Control(name);
    SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(-1), -1);
    for (const wchar_t c : text) SendMessageW(box, WM_CHAR, c, 1);
  }
  void Readings(const std::wstring& T, const std::wstring& P, const std::wstring& RH) {
    SetText("lblTemp", T);
    SetText("lblBphpa", P);
    SetText("lblHum", RH);
  }
  void Click(std::string_view name) { SendMessageW(Control(name), BM_CLICK, 0, 0); }
  HWND Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(process_.dwThreadId, &info);
    return info.hwndFocus;
  }
  // The window's top-level window of that class (#32770 a message box,
  // #32768 a menu), if one is up.
  HWND Popup(const wchar_t* type) const {
    std::pair<const wchar_t*, HWND> wanted{type, nullptr};
    EnumThreadWindows(
        process_.dwThreadId,
        [](HWND window, LPARAM found) -> BOOL {
          auto* search = reinterpret_cast<std::pair<const wchar_t*, HWND>*>(found);
          if (ClassOf(window) != search->first || !IsWindowVisible(window)) return TRUE;
          search->second = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&wanted));
    return wanted.second;
  }
  HWND Report() const { return Popup(L"#32770"); }

  PROCESS_INFORMATION process_{};
  HWND main_ = nullptr;
};

TEST_F(Window, ControlsStandInTheirPlacesAtTheWindowsDpi) {
  // One screen, at the DPI Windows was set to (GetDpiForWindow does not see
  // into another process under Wine).
  const UINT dpi = GetDpiForSystem();
  const auto scale = [dpi](int twips) { return MulDiv(twips, static_cast<int>(dpi), 1440); };
  RECT client;
  GetClientRect(main_, &client);
  EXPECT_EQ(client.right, scale(jet::form::kClientWidth)) << dpi << " dpi";
  EXPECT_EQ(client.bottom, scale(jet::form::kClientHeight)) << dpi << " dpi";
  EXPECT_EQ(TextOf(main_), L"メインジェット選定");

  const std::pair<jet::form::Kind, const wchar_t*> classes[] = {
      {jet::form::Kind::Label, L"Static"},
      {jet::form::Kind::TextBox, L"Edit"},
      {jet::form::Kind::Button, L"Button"}};
  HWND previous = nullptr;
  for (const jet::form::Control& c : jet::form::Controls()) {
    SCOPED_TRACE(c.name);
    const HWND control = Control(c.name);
    ASSERT_TRUE(control);
    // Created in the table's order: each label just before its box.
    EXPECT_EQ(GetWindow(control, GW_HWNDPREV), previous);
    previous = control;
    for (const auto& [kind, name] : classes) {
      if (kind == c.kind) {
        EXPECT_EQ(_wcsicmp(ClassOf(control).c_str(), name), 0);
      }
    }
    EXPECT_EQ(TextOf(control), ToUtf16(c.caption));
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, scale(c.place.left));
    EXPECT_EQ(place.top, scale(c.place.top));
    EXPECT_EQ(place.right - place.left, scale(c.place.width));
    EXPECT_EQ(place.bottom - place.top, scale(c.place.height));
  }
  const auto style = [this](const char* name) { return GetWindowLongW(Control(name), GWL_STYLE); };
  EXPECT_TRUE(style("lblTemp") & ES_RIGHT);
  EXPECT_TRUE(style("lblHum") & ES_AUTOHSCROLL);
  EXPECT_TRUE(style("txtMJ") & ES_CENTER);
  EXPECT_EQ(style("Label3") & SS_TYPEMASK, SS_CENTER);
}

TEST_F(Window, SelectShowsTheRecommendationAndLeavesTheReadings) {
  const struct {
    const wchar_t *T, *P, *RH, *shown;
  } cases[] = {
      {L"20", L"1013", L"50", L"推奨  168"},
      {L"0", L"996", L"0", L"推奨  175-172"},
      {L"19", L"951", L"50", L"推奨  162-160"},
      {L"0", L"0", L"0", L""},
      {L"20", L"", L"50", L""},  // no real air
      {L"20.5℃", L"１０１３", L"50%", L"推奨  168"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.T);
    SetText("txtMJ", L"old");
    Readings(c.T, c.P, c.RH);
    Click("cmd");
    EXPECT_EQ(Text("txtMJ"), c.shown);
    EXPECT_EQ(Text("lblTemp"), c.T);
    EXPECT_EQ(Text("lblBphpa"), c.P);
    EXPECT_EQ(Text("lblHum"), c.RH);
  }
  // Typed a key at a time, as an input method commits full-width digits.
  Click("cmdclear");
  Type("lblTemp", L"ー５");
  Type("lblBphpa", L"1030");
  Type("lblHum", L"４０");
  Click("cmd");
  EXPECT_EQ(Text("txtMJ"), L"推奨  175");
}

TEST_F(Window, ClearEmptiesTheFourBoxes) {
  Readings(L"20", L"1013", L"50");
  Click("cmd");
  Click("cmdclear");
  for (const char* name : {"lblTemp", "lblBphpa", "lblHum", "txtMJ"})
    EXPECT_EQ(Text(name), L"") << name;
  Click("cmd");
  EXPECT_EQ(Text("txtMJ"), L"");
}

TEST_F(Window, TheKeyboardMovesAndPressesAsInTheLinuxWindow) {
  ASSERT_TRUE(WaitFor([this] { return Focus() == Control("cmd"); }));
  // Space on Select at start runs it on the empty boxes.
  SetText("txtMJ", L"typed");
  PressKeys({VK_SPACE});
  ASSERT_TRUE(WaitFor([this] { return Text("txtMJ").empty(); }));

  for (const char* name : {"lblTemp", "lblBphpa", "lblHum", "cmdclear", "txtMJ", "cmd"}) {
    PressKeys({VK_TAB});
    EXPECT_TRUE(WaitFor([&] { return Focus() == Control(name); })) << name;
  }
  for (const char* name : {"txtMJ", "cmdclear", "lblHum"}) {
    PressKeys({VK_SHIFT, VK_TAB});
    EXPECT_TRUE(WaitFor([&] { return Focus() == Control(name); })) << name;
  }
  // Return in a box presses nothing; on a focused button it presses it.
  Readings(L"20", L"1013", L"50");
  PressKeys({VK_RETURN});
  for (int i = 0; i < 3; ++i) PressKeys({VK_SHIFT, VK_TAB});
  ASSERT_TRUE(WaitFor([this] { return Focus() == Control("cmd"); }));
  EXPECT_EQ(Text("txtMJ"), L"");
  PressKeys({VK_RETURN});
  EXPECT_TRUE(WaitFor([this] { return Text("txtMJ") == L"推奨  168"; }));
  EXPECT_EQ(Focus(), Control("cmd"));

  // The pressure box's menu from the keyboard, then K, opens the converter,
  // modal, with the window's temperature. It says what is wrong until every
  // field reads, and Return writes nothing until then; then Return writes
  // the pressure at the track into the box and the focus is on Select.
  RECT work, frame;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(main_, &frame);
  SetWindowPos(main_, nullptr, (work.left + work.right - (frame.right - frame.left)) / 2,
               (work.top + work.bottom - (frame.bottom - frame.top)) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  PressKeys({VK_TAB});
  PressKeys({VK_TAB});
  ASSERT_TRUE(WaitFor([this] { return Focus() == Control("lblBphpa"); }));
  HWND dialog = nullptr;
  auto converter = [&](std::initializer_list<WORD> choose) {
    PressKeys({VK_SHIFT, VK_F10});
    EXPECT_TRUE(WaitFor([this] { return Popup(L"#32768") != nullptr; }));
    // Wine's menu may be shown a moment before it takes keys (seen under load).
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    for (const WORD key : choose) PressKeys({key});
    return WaitFor([&] { return (dialog = Popup(L"#32770")) != nullptr; });
  };
  // A screen reader hears the result line each time it changes.
  int announced = 0;
  static int* announcements = &announced;
  const HWINEVENTHOOK hook = SetWinEventHook(
      EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
      [](HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD) {
        if (GetDlgCtrlID(window) == jet::win32::PressureControlId("lblStation")) ++*announcements;
      },
      process_.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_TRUE(converter({VK_HOME, VK_RETURN}));  // the first item, above the edit items
  const auto item = [&dialog](const char* name) {
    return GetDlgItem(dialog, jet::win32::PressureControlId(name));
  };
  EXPECT_EQ(TextOf(dialog), L"海面気圧から換算");
  EXPECT_FALSE(IsWindowEnabled(main_));
  // Over the middle of the window (which stands in the middle of the screen,
  // so that the screen's edges are not in the way).
  RECT owner, self;
  GetWindowRect(main_, &owner);
  GetWindowRect(dialog, &self);
  EXPECT_LE(std::abs((self.left + self.right) - (owner.left + owner.right)), 2);
  EXPECT_LE(std::abs((self.top + self.bottom) - (owner.top + owner.bottom)), 2);
  EXPECT_TRUE(WaitFor([&] { return Focus() == item("txtSeaLevel"); }));
  EXPECT_EQ(TextOf(item("txtAirTemp")), L"20");
  EXPECT_EQ(TextOf(item("lblStation")), L"海面気圧を入れてください。");
  for (const wchar_t c : std::wstring(L"1013")) SendMessageW(item("txtSeaLevel"), WM_CHAR, c, 1);
  for (const wchar_t c : std::wstring(L"500m")) SendMessageW(item("txtAltitude"), WM_CHAR, c, 1);
  EXPECT_EQ(TextOf(item("lblStation")), L"標高が数値ではありません。");
  EXPECT_FALSE(IsWindowEnabled(item("cmdApply")));
  PressKeys({VK_RETURN});
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  ASSERT_TRUE(IsWindow(dialog));
  const int before = announced;
  SendMessageW(item("txtAltitude"), WM_CHAR, L'\b', 1);
  EXPECT_EQ(TextOf(item("lblStation")), L"現地気圧  956.0 hPa");
  EXPECT_TRUE(WaitFor([&] { return announced > before; }));
  UnhookWinEvent(hook);
  PressKeys({VK_RETURN});
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
  EXPECT_EQ(Text("lblBphpa"), L"956.0");
  EXPECT_TRUE(WaitFor([this] { return Focus() == Control("cmd"); }));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(Text("txtMJ"), L"推奨  168");  // applying ran nothing else
  PressKeys({VK_RETURN});
  EXPECT_TRUE(WaitFor([this] { return Text("txtMJ") == L"推奨  162-160"; }));
  // Opened again it keeps what was typed; Escape changes nothing.
  PressKeys({VK_TAB});
  PressKeys({VK_TAB});
  ASSERT_TRUE(WaitFor([this] { return Focus() == Control("lblBphpa"); }));
  ASSERT_TRUE(converter({'K'}));
  EXPECT_EQ(TextOf(item("txtSeaLevel")) + L"|" + TextOf(item("txtAltitude")), L"1013|500");
  PressKeys({VK_ESCAPE});
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
  EXPECT_EQ(Text("lblBphpa"), L"956.0");
}

std::wstring Clipboard() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

// Empties the clipboard; the number its next change will pass.
DWORD EmptiedClipboard() {
  OpenClipboard(nullptr);
  EmptyClipboard();
  CloseClipboard();
  return GetClipboardSequenceNumber();
}

// What the program put on the clipboard since it was emptied: waited for
// without opening the clipboard, which would make the program's own copy
// fail while the test holds it (more likely on a busy machine).
std::wstring CopiedSince(DWORD emptied) {
  WaitFor([emptied] { return GetClipboardSequenceNumber() != emptied; });
  return Clipboard();
}

TEST_F(Window, CtrlShiftCCopiesALogbookLineAndTheResultBoxHasItsMenu) {
  ASSERT_TRUE(WaitFor([this] { return Focus() == Control("cmd"); }));
  // Selects, empties the clipboard and presses Ctrl+Shift+C.
  auto select_and_copy = [this](const wchar_t* T, const wchar_t* P, const wchar_t* RH) {
    Readings(T, P, RH);
    Click("cmd");
    const DWORD emptied = EmptiedClipboard();
    PressKeys({VK_CONTROL, VK_SHIFT, 'C'});
    return emptied;
  };
  std::wstring line = CopiedSince(select_and_copy(L" 20", L"1013", L"50"));
  ASSERT_GT(line.size(), 16u) << "nothing copied";
  EXPECT_EQ(line.substr(16), L"\t20\t1013\t50\t0.074315\t1.1904\t97.2\t推奨  168\t0");
  EXPECT_EQ(line[10], L'T');  // 2026-12-08T09:05

  // The result box's menu ends with the jet chart, 基準合わせ and 一日の見通し
  // (Up from the top goes to the last item): the dialog the chosen one opens.
  auto from_menu = [this](int ups) {
    PostMessageW(Control("txtMJ"), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Control("txtMJ")), -1);
    HWND dialog = nullptr;
    if (!WaitFor([this] { return Popup(L"#32768") != nullptr; })) return dialog;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    for (int i = 0; i < ups; ++i) PressKeys({VK_UP});
    PressKeys({VK_RETURN});
    WaitFor([&] { return (dialog = Popup(L"#32770")) != nullptr; });
    return dialog;
  };
  // The chart opens painted, with what it shows in words; Escape closes it
  // and nothing in the window has changed.
  const HWND chart = from_menu(3);
  ASSERT_TRUE(chart);
  EXPECT_EQ(TextOf(chart), L"ジェット早見表");
  EXPECT_NE(TextOf(GetDlgItem(chart, 100)).find(L"気温  16.2〜21.9 ℃ なら 168 のまま"),
            std::wstring::npos);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  // On a laptop's screen (1366 × 768) at 150 % the picture shrinks: the
  // dialog fits.
  RECT area, words, frame, work;
  GetWindowRect(chart, &frame);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_LE(frame.bottom - frame.top, work.bottom - work.top);
  GetClientRect(chart, &area);
  // As wide as the chart's 360 units and two margins of 10, at the DPI.
  EXPECT_NEAR(area.right - area.left, MulDiv(380, static_cast<int>(GetDpiForSystem()), 96), 2);
  MapWindowPoints(chart, nullptr, reinterpret_cast<POINT*>(&area), 2);
  GetWindowRect(GetDlgItem(chart, 100), &words);
  const HDC screen = GetDC(nullptr);  // the middle of the picture, above the words: a band
  const COLORREF middle =
      GetPixel(screen, (area.left + area.right) / 2, (area.top + words.top) / 2);
  ReleaseDC(nullptr, screen);
  EXPECT_NE(middle, RGB(255, 255, 255));
  PressKeys({VK_ESCAPE});
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(chart); }));
  EXPECT_EQ(Text("txtMJ"), L"推奨  168");

  // 基準合わせ opens with the window's readings and the jet it shows; a day
  // that ran right on 170 where the table said 168 makes every answer one
  // size richer, at once and on the next Select; 解除 goes back to the table.
  HWND engine = from_menu(2);
  ASSERT_TRUE(engine);
  const auto field = [&engine](const char* name) {
    return GetDlgItem(engine, jet::win32::EngineControlId(name));
  };
  EXPECT_EQ(TextOf(engine), L"基準合わせ");
  EXPECT_EQ(TextOf(field("txtRefTemp")) + L"|" + TextOf(field("txtRefPressure")) + L"|" +
                TextOf(field("txtRefHumidity")) + L"|" + TextOf(field("cboRefJet")),
            L"20|1013|50|168");
  EXPECT_FALSE(IsWindowEnabled(field("cmdRefReset")));
  // The jet's field is as tall as the boxes above it, in their font.
  RECT box{}, jets{};
  GetWindowRect(field("txtRefHumidity"), &box);
  GetWindowRect(field("cboRefJet"), &jets);
  EXPECT_EQ(jets.bottom - jets.top, box.bottom - box.top);
  EXPECT_EQ(SendMessageW(field("cboRefJet"), WM_GETFONT, 0, 0),
            SendMessageW(field("txtRefHumidity"), WM_GETFONT, 0, 0));
  SendMessageW(field("txtRefTemp"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"１５"));
  SendMessageW(field("txtRefPressure"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1005"));
  SendMessageW(field("txtRefHumidity"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"60"));
  SendMessageW(engine, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field("cboRefJet")), TRUE);
  ASSERT_TRUE(WaitFor([&] { return Focus() == field("cboRefJet"); }));
  PressKeys({VK_UP});  // 170, the next size up
  EXPECT_TRUE(WaitFor([&] {
    return TextOf(field("lblEngine")) ==
           L"その日の表は 推奨  168\nこのエンジンは表より 1 番手濃い\n今は 補正  170 (表は 推奨  "
           L"168)";
  })) << ToUtf8(TextOf(field("lblEngine")));
  PressKeys({VK_RETURN});
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(engine); }));
  EXPECT_EQ(Text("txtMJ"), L"補正  170");
  Readings(L"25", L"1013", L"50");
  Click("cmd");
  EXPECT_EQ(Text("txtMJ"), L"補正  168");
  engine = from_menu(2);
  ASSERT_TRUE(engine);
  EXPECT_EQ(TextOf(field("txtRefTemp")) + L"|" + TextOf(field("cboRefJet")), L"１５|170");
  PostMessageW(field("cmdRefReset"), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(engine); }));
  EXPECT_EQ(Text("txtMJ"), L"推奨  165");

  // 一日の見通し: row 1 from the window. Two rows of the race day give each
  // row's jet, the changes in words and the picture; half a row says what
  // it lacks; コピー copies the plan, a line each; Escape closes it, and
  // the window is as it was.
  const HWND day = from_menu(1);
  ASSERT_TRUE(day);
  const auto item = [&day](std::string_view name) {
    return GetDlgItem(day, jet::win32::DayControlId(name));
  };
  const auto set = [&](std::string_view name, const wchar_t* text) {
    SendMessageW(item(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  };
  EXPECT_EQ(TextOf(day), L"一日の見通し");
  EXPECT_EQ(TextOf(item("txtDayTemp1")) + L"|" + TextOf(item("txtDayPressure1")) + L"|" +
                TextOf(item("txtDayHumidity1")),
            L"25|1013|50");
  const wchar_t* const rows[2][4] = {{L"8:00", L"12", L"1013", L"60"},
                                     {L"１２：００", L"25", L"1010", L"45"}};
  for (int row = 0; row < 2; ++row)
    for (int column = 0; column < 4; ++column)
      set(jet::form::DayFieldName(row, static_cast<jet::form::DayColumn>(column)),
          rows[row][column]);
  EXPECT_TRUE(WaitFor([&] {
    return TextOf(item("lblDay")) ==
           L"8:00 は 170、9:03 から 170-168、9:07 から 168、10:56 から 168-165、11:02 から 165 "
           L"(12:00 まで)";
  })) << ToUtf8(TextOf(item("lblDay")));
  EXPECT_EQ(TextOf(item("lblDayJet1")) + L"|" + TextOf(item("lblDayJet2")), L"推奨  170|推奨  165");
  set("txtDayTime3", L"13:00");
  EXPECT_EQ(TextOf(item("lblDay")), L"3 行目の気温を入れてください。");
  EXPECT_FALSE(IsWindowEnabled(item("cmdDayCopy")));
  set("txtDayTime3", L"");
  EXPECT_TRUE(IsWindowEnabled(item("cmdDayCopy")));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  GetWindowRect(day, &frame);
  EXPECT_LE(frame.bottom - frame.top, work.bottom - work.top);
  const DWORD emptied = EmptiedClipboard();
  PostMessageW(item("cmdDayCopy"), BM_CLICK, 0, 0);
  line = CopiedSince(emptied);
  EXPECT_EQ(line.substr(0, line.find(L"\r\n9:07")),
            L"8:00\t12\t1013\t60\t0.076651\t1.2278\t100.2\t推奨  170\t0\r\n"
            L"12:00\t25\t1010\t45\t0.072663\t1.1639\t95.0\t推奨  165\t0\r\n9:03\t推奨  170-168");
  PressKeys({VK_ESCAPE});
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(day); }));
  EXPECT_EQ(Text("lblTemp") + L"|" + Text("txtMJ"), L"25|推奨  165");

  // Readings that give no real air empty the box, and leave nothing to copy.
  select_and_copy(L"0", L"0", L"0");
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  EXPECT_EQ(Clipboard(), L"");
}

TEST_F(Window, TheBoxesTakeTextOfAnyLength) {
  // An EDIT stops typing and pasting at 30,000 characters unless told otherwise.
  for (const char* name : {"lblTemp", "lblBphpa", "lblHum", "txtMJ"})
    EXPECT_GE(SendMessageW(Control(name), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE) << name;
  // 20.000…0, 100,000 characters, read whole by Select.
  SetText("lblTemp", L"20." + std::wstring(99997, L'0'));
  SetText("lblBphpa", L"1013");
  SetText("lblHum", L"50");
  Click("cmd");
  EXPECT_EQ(Text("txtMJ"), L"推奨  168");
  EXPECT_EQ(SendMessageW(Control("lblTemp"), WM_GETTEXTLENGTH, 0, 0), 100000);
}

TEST_F(Window, AnErrorIsReportedInAModalBoxAndTheWindowGoesOn) {
  Readings(L"20", L"1013", L"50");
  Click("cmd");
  Readings(L"-273.13", L"1013", L"50");
  // Posted, since the click does not return until the report is dismissed.
  PostMessageW(Control("cmd"), BM_CLICK, 0, 0);
  HWND report = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (report = Report()) != nullptr && IsWindowVisible(report); }));
  EXPECT_EQ(GetWindow(report, GW_OWNER), main_);
  EXPECT_FALSE(IsWindowEnabled(main_));  // modal
  EXPECT_EQ(TextOf(report), L"エラー");
  const std::wstring says = TextOf(GetDlgItem(report, 0xFFFF));
  EXPECT_NE(says.find(L"ゼロによる除算"), std::wstring::npos);
  EXPECT_NE(says.find(L"入力した値はそのまま残っています"), std::wstring::npos);
  EXPECT_EQ(Text("txtMJ"), L"");

  PostMessageW(report, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(report) && IsWindowEnabled(main_); }));
  EXPECT_EQ(Text("lblTemp"), L"-273.13");
  EXPECT_EQ(Text("lblBphpa"), L"1013");
  EXPECT_EQ(Text("lblHum"), L"50");
  EXPECT_EQ(Text("txtMJ"), L"");
  SetText("lblTemp", L"20");
  Click("cmd");
  EXPECT_EQ(Text("txtMJ"), L"推奨  168");
}

// The icon, the manifest and the version record, read from the file.
TEST(Program, CarriesItsIconManifestAndVersionRecord) {
  const HMODULE file = LoadLibraryExW(program.c_str(), nullptr,
                                      LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_TRUE(file);
  for (const int size : {16, 32, 48, 256})
    EXPECT_TRUE(LoadImageW(file, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0)) << size;
  const HRSRC found = FindResourceW(file, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_TRUE(found);
  const std::string manifest(static_cast<const char*>(LockResource(LoadResource(file, found))),
                             SizeofResource(file, found));
  for (const char* says : {"PerMonitorV2", "Microsoft.Windows.Common-Controls",
                           "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
    EXPECT_NE(manifest.find(says), std::string::npos) << says;
  FreeLibrary(file);

  std::string record(GetFileVersionInfoSizeW(program.c_str(), nullptr), '\0');
  ASSERT_TRUE(
      GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(record.size()), record.data()));
  for (const auto& [field, value] :
       {std::pair{L"FileVersion", L"1.00"}, std::pair{L"ProductName", L"メインジェット選定"}}) {
    wchar_t* text = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\041104B0\\") + field;
    ASSERT_TRUE(
        VerQueryValueW(record.data(), path.c_str(), reinterpret_cast<void**>(&text), &length));
    EXPECT_EQ(std::wstring(text), value);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  ::testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    fwprintf(stderr, L"usage: window_test PATH\\TO\\jetselect.exe\n");
    return 2;
  }
  program = argv[1];
  return RUN_ALL_TESTS();
}
