#include "form/day.h"

#include <algorithm>
#include <vector>

#include "calc/air_density.h"
#include "calc/day.h"
#include "calc/engine.h"
#include "calc/recommendation.h"
#include "calc/text_to_number.h"
#include "form/answer.h"
#include "form/field.h"
#include "form/numbers.h"
#include "form/pressure.h"

namespace jet::form {
namespace {

// Twips: the columns' left edges and widths, the first row's top and the
// step from row to row, a row's height.
constexpr int kNumberLeft = 120, kNumberWidth = 360;
constexpr std::array<int, kDayColumns> kColumnLeft = {540, 1560, 2580, 3720};
constexpr std::array<int, kDayColumns> kColumnWidth = {960, 960, 1080, 960};
constexpr int kJetLeft = 4740, kJetWidth = 2340;
constexpr int kCaptionTop = 1260, kCaptionHeight = 300;
constexpr int kFirstRowTop = 1560, kRowStep = 435, kRowHeight = 375;

// One row of the table: its number, its four fields (named for screen
// readers by row and column) and its answer. The focus runs in the order the
// controls are made.
// clang-format off
#define JET_DAY_ROW(n)                                                                       \
  {"lblDayRow" #n, Kind::Label, #n, {kNumberLeft, RowTop(n), kNumberWidth, kRowHeight},     \
   Align::Centre, true, RowTab(n), {}, {}},                                                  \
  {"txtDayTime" #n, Kind::TextBox, {},                                                       \
   {kColumnLeft[0], RowTop(n), kColumnWidth[0], kRowHeight}, Align::Right, true,             \
   RowTab(n) + 1, #n " 行目 時刻", {}},                                                        \
  {"txtDayTemp" #n, Kind::TextBox, {},                                                       \
   {kColumnLeft[1], RowTop(n), kColumnWidth[1], kRowHeight}, Align::Right, true,             \
   RowTab(n) + 2, #n " 行目 気温", {}},                                                        \
  {"txtDayPressure" #n, Kind::TextBox, {},                                                   \
   {kColumnLeft[2], RowTop(n), kColumnWidth[2], kRowHeight}, Align::Right, true,             \
   RowTab(n) + 3, #n " 行目 気圧", {}},                                                        \
  {"txtDayHumidity" #n, Kind::TextBox, {},                                                   \
   {kColumnLeft[3], RowTop(n), kColumnWidth[3], kRowHeight}, Align::Right, true,             \
   RowTab(n) + 4, #n " 行目 湿度", {}},                                                        \
  {"lblDayJet" #n, Kind::Label, {}, {kJetLeft, RowTop(n), kJetWidth, kRowHeight},           \
   Align::Left, true, RowTab(n) + 5, {}, {}}
// clang-format on

constexpr int RowTop(int n) {
  return kFirstRowTop + (n - 1) * kRowStep;
}
constexpr int kHeadCount = 9, kPerRow = 6;
constexpr int RowTab(int n) {
  return kHeadCount + (n - 1) * kPerRow;
}
constexpr int kFootTab = RowTab(kDayRows + 1);

// clang-format off
constexpr std::array<Control, kHeadCount + kDayRows * kPerRow + 3> kDayControls = {{
    {"lblDayPurpose", Kind::Label,
     "予報の時刻ごとの気温・気圧・湿度から、その日のジェットと替える時刻を求めます。",
     {120, 120, 6960, 600}, Align::Left, true, 0, {}, {}},
    {"capDayAltitude", Kind::Label, "標高(m)", {120, 780, 1500, 375}, Align::Left, true, 1, {}, {}},
    {"txtDayAltitude", Kind::TextBox, {}, {1680, 780, 1080, 375}, Align::Right, true, 2, {},
     "空欄なら各行の気圧は走る場所の気圧 (現地気圧)。入れると各行の気圧を海面気圧として、"
     "その行の気温で現地気圧に換算します。"},
    {"lblDayAltitudeNote", Kind::Label, "入れると気圧は海面気圧として換算",
     {2880, 780, 4200, 375}, Align::Left, false, 3, {}, {}},
    {"capDayTime", Kind::Label, "時刻",
     {kColumnLeft[0], kCaptionTop, kColumnWidth[0], kCaptionHeight}, Align::Right, true, 4, {}, {}},
    {"capDayTemp", Kind::Label, "気温(℃)",
     {kColumnLeft[1], kCaptionTop, kColumnWidth[1], kCaptionHeight}, Align::Right, true, 5, {}, {}},
    {"capDayPressure", Kind::Label, "気圧(hPa)",
     {kColumnLeft[2], kCaptionTop, kColumnWidth[2], kCaptionHeight}, Align::Right, true, 6, {}, {}},
    {"capDayHumidity", Kind::Label, "湿度(％)",
     {kColumnLeft[3], kCaptionTop, kColumnWidth[3], kCaptionHeight}, Align::Right, true, 7, {}, {}},
    {"capDayJet", Kind::Label, "ジェット", {kJetLeft, kCaptionTop, kJetWidth, kCaptionHeight},
     Align::Left, true, 8, {}, {}},
    JET_DAY_ROW(1), JET_DAY_ROW(2), JET_DAY_ROW(3), JET_DAY_ROW(4), JET_DAY_ROW(5), JET_DAY_ROW(6),
    // Under the rows: the plan's line (read out when it changes; no tab
    // stop) and the two buttons.
    {"lblDay", Kind::Label, {}, {120, 4200, 6960, 840}, Align::Left, true, kFootTab, {}, {}},
    {"cmdDayCopy", Kind::Button, "コピー", {4440, 6780, 1290, 375}, Align::Centre, false,
     kFootTab + 1, {}, {}},
    {"cmdDayClose", Kind::Button, kChartClose, {5790, 6780, 1290, 375}, Align::Centre, false,
     kFootTab + 2, {}, {}},
}};
#undef JET_DAY_ROW
// clang-format on

constexpr Field kAltitude{"標高", -500, 5000, "−500〜5000 m"};

// The words of a plan that lists many changes stop after this many.
constexpr std::size_t kChangesInWords = 8;

// What the result box shows for an engine band: the table's text with no
// offset, else 補正; nothing where Select shows none.
std::string ShownFor(std::optional<int> band, int offset) {
  if (!band) return {};
  if (offset == 0) return std::string(RecommendationTable()[static_cast<std::size_t>(*band)].text);
  return "補正  " + BandJets(*band);
}

// A plan that only says what is wrong.
DayPlan Wrong(std::string line) {
  DayPlan plan;
  plan.line = std::move(line);
  return plan;
}

std::optional<int> BandOf(const DayRow& d, int offset) {
  return EngineBandFor(d.temperature_c, d.pressure_mb, d.humidity_pct, offset);
}

// A read row: its place, what it was read as, and the texts the logbook
// keeps (the pressure at the track as the converter writes it).
struct ReadRow {
  std::size_t row;
  DayRow day;
  std::string temperature, pressure, humidity;
};

// The row's logbook line, stamped with its time.
std::string RowLine(const ReadRow& r, int offset) {
  const DayRow& d = r.day;
  const double D = AirDensity(d.temperature_c, d.pressure_mb, d.humidity_pct / 100);
  if (const std::optional<int> band = SelectBand(D)) {
    const Answer answer{r.temperature,   r.pressure,    r.humidity,     D,     *band,
                        d.temperature_c, d.pressure_mb, d.humidity_pct, offset};
    return LogbookLine(answer, DayTime(d.minute));
  }
  return Concat({DayTime(d.minute), "\t", r.temperature, "\t", r.pressure, "\t", r.humidity});
}

// The plan in words: the jet at the first row, then each change with its
// minute, or that it holds all day; and the engine's offset.
std::string Words(const std::vector<ReadRow>& rows, const std::vector<std::optional<int>>& bands,
                  const std::vector<JetChange>& changes, int offset) {
  const int first = rows.front().day.minute, last = rows.back().day.minute;
  std::string line;
  if (changes.empty()) {
    line = Concat(
        {DayTime(first), " から ", DayTime(last), " まで ", RegionText(bands.front()), " のまま"});
  } else {
    line = Concat({DayTime(first), " は ", RegionText(bands.front())});
    const std::size_t told = std::min(changes.size(), kChangesInWords);
    for (std::size_t i = 0; i < told; ++i)
      line += Concat({"、", DayTime(changes[i].minute), " から ", RegionText(changes[i].to)});
    if (told < changes.size())
      line += Concat({"、ほか ", std::to_string(changes.size() - told), " 回"});
    line += Concat({" (", DayTime(last), " まで)"});
  }
  if (offset != 0) line += Concat({"\nこのエンジン: ", OffsetWords(offset)});
  return line;
}

// The picture of the day, in its units on a canvas as wide as its place:
// time across, each minute in its jet's colour, the rows' times as ticks,
// each jet's text inside its stretch where it fits, and the key.
constexpr double kFont = 14;
constexpr double kMargin = 22, kBarTop = 4, kBarHeight = 28, kTick = 5;
constexpr double kTickValueBelow = 19, kKeyBelow = 30, kTextPad = 3;
constexpr Rgb kInk{0, 0, 0};

Chart Picture(const std::vector<ReadRow>& rows, const std::vector<std::optional<int>>& bands,
              const std::vector<JetChange>& changes, std::string summary) {
  Chart chart{kDayPicture.width / 15.0, 0, kFont, {}, {}, {}, {},
              std::move(summary),       0, 0,     0,  0,  {}};
  const double left = kMargin, width = chart.width - 2 * kMargin, bottom = kBarTop + kBarHeight;
  chart.plot = {left, kBarTop, width, kBarHeight, {}};
  const int first = rows.front().day.minute;
  // Minute m fills [m, m + 1): the last row's minute too.
  const double minutes = static_cast<double>(bands.size());
  const auto x = [&](int minute) { return left + (minute - first) / minutes * width; };

  // The stretches between the changes.
  std::vector<std::optional<int>> shown;
  for (std::size_t i = 0; i <= changes.size(); ++i) {
    const int from = i == 0 ? first : changes[i - 1].minute;
    const int to = i < changes.size() ? changes[i].minute : first + static_cast<int>(bands.size());
    const std::optional<int> band = bands[static_cast<std::size_t>(from - first)];
    const Rgb colour = RegionColour(band);
    chart.boxes.push_back({x(from), kBarTop, x(to) - x(from), kBarHeight, colour});
    const std::string text = RegionText(band);
    if (TextWidth(text, kFont) + 2 * kTextPad <= x(to) - x(from))
      chart.texts.push_back({(x(from) + x(to)) / 2, kBarTop + kBarHeight / 2 + kFont * 0.35, text,
                             Anchor::Middle, TextOn(colour)});
    shown.push_back(band);
  }
  for (const auto [x1, y1, x2, y2] :
       {std::array{left, kBarTop, left + width, kBarTop},
        std::array{left + width, kBarTop, left + width, bottom},
        std::array{left + width, bottom, left, bottom}, std::array{left, bottom, left, kBarTop}})
    chart.lines.push_back({x1, y1, x2, y2, 1, kInk});

  // The rows' times, each clear of the one before it; the last row's time
  // is always written, in place of the one before where they would meet.
  double written_end = -1;
  std::size_t written = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const double at = x(rows[i].day.minute);
    chart.lines.push_back({at, bottom, at, bottom + kTick, 1, kInk});
    const std::string time = DayTime(rows[i].day.minute);
    const double half = TextWidth(time, kFont) / 2;
    const bool last = i + 1 == rows.size();
    if (at - half <= written_end + kTextPad) {
      if (!last || written < 2) continue;
      chart.texts.pop_back();  // the one before makes way for the last
    }
    chart.texts.push_back({at, bottom + kTickValueBelow, time, Anchor::Middle, kInk});
    written_end = at + half;
    ++written;
  }
  AddKey(chart, shown, bottom + kKeyBelow);
  return chart;
}

}  // namespace

std::span<const Control> DayControls() {
  return kDayControls;
}

std::string_view DayFieldName(int row, DayColumn column) {
  return kDayControls[static_cast<std::size_t>(RowTab(row + 1) + 1 + static_cast<int>(column))]
      .name;
}

std::string_view DayJetName(int row) {
  return kDayControls[static_cast<std::size_t>(RowTab(row + 1) + 5)].name;
}

std::string DayTime(int minute) {
  const int m = minute % 60;
  return Concat({std::to_string(minute / 60), m < 10 ? ":0" : ":", std::to_string(m)});
}

std::optional<int> ReadDayTime(std::string_view text) {
  // Full-width digits and colon (U+FF10 … U+FF1A) read as ASCII.
  std::string plain;
  const std::string trimmed = Trimmed(text);
  for (std::size_t at = 0; at < trimmed.size(); ++at) {
    const auto c = static_cast<unsigned char>(trimmed[at]);
    if (c == 0xEF && at + 2 < trimmed.size() &&
        static_cast<unsigned char>(trimmed[at + 1]) == 0xBC) {
      const auto last = static_cast<unsigned char>(trimmed[at + 2]);
      if (last < 0x90 || last > 0x9A) return std::nullopt;
      plain += static_cast<char>('0' + (last - 0x90));  // U+FF1A becomes ':'
      at += 2;
    } else {
      plain += static_cast<char>(c);
    }
  }
  const std::size_t colon = plain.find(':');
  if (colon < 1 || colon > 2 || plain.size() != colon + 3) return std::nullopt;
  int hours = 0, minutes = 0;
  for (std::size_t at = 0; at < plain.size(); ++at) {
    if (at == colon) continue;
    if (plain[at] < '0' || plain[at] > '9') return std::nullopt;
    int& part = at < colon ? hours : minutes;
    part = part * 10 + (plain[at] - '0');
  }
  if (hours > 23 || minutes > 59) return std::nullopt;
  return hours * 60 + minutes;
}

DayFields FirstDayFields(std::string temperature, std::string pressure, std::string humidity,
                         std::string altitude, const std::tm& now) {
  DayFields fields;
  fields.altitude = Trimmed(altitude);
  fields.rows[0] = {DayTime(now.tm_hour * 60 + now.tm_min), Trimmed(temperature), Trimmed(pressure),
                    Trimmed(humidity)};
  return fields;
}

DayPlan ReadDay(const DayFields& fields, int offset) {
  DayPlan plan;
  const bool sea_level = !Trimmed(fields.altitude).empty();
  if (sea_level) {
    const FieldValue altitude = ReadField(fields.altitude, kAltitude);
    if (!altitude.wrong.empty()) return Wrong(altitude.wrong);
  }
  std::vector<ReadRow> rows;
  for (std::size_t r = 0; r < kDayRows; ++r) {
    const auto& texts = fields.rows[r];
    bool blank = true;
    for (const std::string& text : texts) blank = blank && Trimmed(text).empty();
    if (blank) continue;  // a blank row is skipped
    const std::string n = std::to_string(r + 1) + " 行目の";
    const std::optional<int> minute = ReadDayTime(texts[0]);
    if (!minute) {
      return Wrong(n + (Trimmed(texts[0]).empty()
                            ? "時刻を入れてください。"
                            : "時刻は 0:00〜23:59 の 時:分 で入れてください。"));
    }
    const std::string temperature_name = n + "気温", pressure_name = n + "気圧",
                      humidity_name = n + "湿度";
    const FieldValue values[] = {
        ReadField(texts[1], {temperature_name, -50, 60, "−50〜60 ℃"}),
        ReadField(texts[2], sea_level ? Field{pressure_name, 870, 1085, "海面気圧 870〜1085 hPa"}
                                      : Field{pressure_name, 500, 1100, "500〜1100 hPa"}),
        ReadField(texts[3], {humidity_name, 0, 100, "0〜100 %"})};
    for (const FieldValue& value : values)
      if (!value.wrong.empty()) return Wrong(value.wrong);
    if (!rows.empty() && *minute <= rows.back().day.minute)
      return Wrong(Concat(
          {n, "時刻は前の行 (", DayTime(rows.back().day.minute), ") より後にしてください。"}));
    // With an altitude, the pressure the converter would write into the
    // pressure box, read back as Select reads it.
    std::string pressure = Trimmed(texts[2]);
    double P = values[1].value;
    if (sea_level) {
      pressure = ReadStation(texts[2], fields.altitude, texts[1]).pressure;
      P = TextToWholeNumber(pressure).value_or(P);
    }
    rows.push_back({r,
                    {*minute, values[0].value, P, values[2].value},
                    Trimmed(texts[1]),
                    pressure,
                    Trimmed(texts[3])});
  }
  if (rows.empty()) {
    plan.line = "予報の時刻と気温・気圧・湿度を入れてください。";
    return plan;
  }
  for (const ReadRow& r : rows) {
    plan.jets[r.row] = ShownFor(BandOf(r.day, offset), offset);
    plan.copy += RowLine(r, offset) + "\n";
  }
  if (rows.size() == 1) {
    plan.line =
        Concat({DayTime(rows[0].day.minute), " は ", RegionText(BandOf(rows[0].day, offset)),
                "。時刻の違う予報を 2 行以上入れると、替える時刻を求めます。"});
    return plan;
  }
  std::vector<DayRow> day;
  for (const ReadRow& r : rows) day.push_back(r.day);
  const std::vector<std::optional<int>> bands = DayBands(day, offset);
  const std::vector<JetChange> changes = ChangesIn(bands, day.front().minute);
  for (const JetChange& c : changes)
    plan.copy += Concat({DayTime(c.minute), "\t", ShownFor(c.to, offset), "\n"});
  plan.line = Words(rows, bands, changes, offset);
  plan.picture = Picture(rows, bands, changes, plan.line);
  return plan;
}

}  // namespace jet::form
