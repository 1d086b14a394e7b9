// What the web page calls: the window's table for the page to be built from,
// and the two commands run over the page's boxes. The page's script only
// shows what these return.
#include <emscripten.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "calc/recommendation.h"
#include "form/answer.h"
#include "form/chart.h"
#include "form/commands.h"
#include "form/day.h"
#include "form/engine.h"
#include "form/layout.h"
#include "form/numbers.h"
#include "form/pressure.h"

namespace {

using jet::form::Box;

// The box's text as typed, read from the page as UTF-8 in memory of ours
// (freed by the caller), and replaced the same way.
EM_JS(char*, ReadBoxText, (const char* id), {
  const text = document.getElementById(UTF8ToString(id)).value;
  const size = lengthBytesUTF8(text) + 1;
  const copy = _malloc(size);
  stringToUTF8(text, copy, size);
  return copy;
});

EM_JS(void, ReplaceBoxText, (const char* id, const char* text),
      { document.getElementById(UTF8ToString(id)).value = UTF8ToString(text); });

std::string PageText(const char* id) {
  char* text = ReadBoxText(id);
  std::string copy(text);
  std::free(text);
  return copy;
}

// The page's boxes carry the controls' names as their ids.
class PageFields final : public jet::form::Fields {
 public:
  std::string Read(Box box) const override { return PageText(Id(box)); }
  void Replace(Box box, std::string_view text) override {
    ReplaceBoxText(Id(box), std::string(text).c_str());
  }

 private:
  static const char* Id(Box box) {
    return jet::form::OfBox<const char*>(box, "lblTemp", "lblBphpa", "lblHum", "txtMJ");
  }
};

// Font F's size in twips, 20 to the point: 11.25 pt is 225.
constexpr int kBoxFontTwips = static_cast<int>(jet::form::kBoxFontPoints * 20);

// What the last Select found, while the result box shows it, and the
// sizes this engine runs richer than the table, from 基準合わせ.
std::optional<jet::form::Answer> answer;
int offset = 0;

// A text handed to the page stays valid until the next call.
const char* Hand(std::string text) {
  static std::string handed;
  handed = std::move(text);
  return handed.c_str();
}

// A JSON string: the table's texts hold Japanese, quotes and line breaks.
std::string Quoted(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + text.size() / 8 + 2);  // a picture's quotes are escaped
  quoted += '"';
  // Runs of plain characters go in whole: a picture is tens of kilobytes.
  std::size_t plain = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (c != '"' && c != '\\' && static_cast<unsigned char>(c) >= 0x20) continue;
    quoted.append(text, plain, at - plain);
    plain = at + 1;
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (c == '\n') {
      quoted += "\\n";
    } else {
      constexpr char kHex[] = "0123456789abcdef";
      quoted += "\\u00";
      quoted += kHex[c >> 4];
      quoted += kHex[c & 15];
    }
  }
  quoted.append(text, plain);
  quoted += '"';
  return quoted;
}

std::string_view KindName(jet::form::Kind kind) {
  switch (kind) {
    case jet::form::Kind::Label:
      return "label";
    case jet::form::Kind::TextBox:
      return "box";
    case jet::form::Kind::ComboBox:
      return "combo";
    case jet::form::Kind::Button:
      break;
  }
  return "button";
}

std::string_view AlignName(jet::form::Align align) {
  switch (align) {
    case jet::form::Align::Left:
      return "left";
    case jet::form::Align::Right:
      return "right";
    case jet::form::Align::Centre:
      break;
  }
  return "center";
}

// A table's controls as a JSON array.
std::string ControlsJson(std::span<const jet::form::Control> controls) {
  using std::to_string;
  std::string json = "[";
  std::string_view comma;
  for (const jet::form::Control& c : controls) {
    json += std::string(comma) + "{\"name\":" + Quoted(c.name) +
            ",\"kind\":" + Quoted(KindName(c.kind)) + ",\"caption\":" + Quoted(c.caption) +
            ",\"left\":" + to_string(c.place.left) + ",\"top\":" + to_string(c.place.top) +
            ",\"width\":" + to_string(c.place.width) + ",\"height\":" + to_string(c.place.height) +
            ",\"align\":" + Quoted(AlignName(c.align)) +
            ",\"boxFont\":" + (c.box_font ? "true" : "false") +
            ",\"accessibleName\":" + Quoted(c.accessible_name) + ",\"tip\":" + Quoted(c.tip) + "}";
    comma = ",";
  }
  return json + "]";
}

// Text for SVG: the chart's texts are the program's own, but kept safe.
std::string Escaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    if (c == '&')
      escaped += "&amp;";
    else if (c == '<')
      escaped += "&lt;";
    else
      escaped += c;
  }
  return escaped;
}

std::string Colour(jet::form::Rgb rgb) {
  constexpr char kHex[] = "0123456789abcdef";
  std::string colour = "#";
  for (const int part : {rgb.red, rgb.green, rgb.blue}) {
    colour += kHex[part >> 4];
    colour += kHex[part & 15];
  }
  return colour;
}

// SVG written in turn: texts as they are, numbers to a tenth of a unit,
// as fine as a phone's screen shows them and short to write and to parse.
class SvgWriter {
 public:
  SvgWriter& operator<<(std::string_view text) {
    svg_ += text;
    return *this;
  }
  SvgWriter& operator<<(double value) {
    jet::form::AppendTenths(svg_, value);
    return *this;
  }
  SvgWriter& operator<<(jet::form::Rgb rgb) { return *this << std::string_view(Colour(rgb)); }
  std::string Take() { return std::move(svg_); }

 private:
  std::string svg_;
};

// The chart as inline SVG in its own units, so that it stays sharp at any
// zoom: the bands as smooth paths, each over the ones before it, then the
// square boxes.
std::string Svg(const jet::form::Chart& chart) {
  SvgWriter svg;
  svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " << chart.width << " "
      << chart.height << "\" font-size=\"" << chart.font_size
      << "\" aria-hidden=\"true\"><rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>";
  for (const jet::form::ChartRegion& r : chart.regions) {
    svg << "<path d=\"M";
    for (const jet::form::ChartPoint& p : r.points) svg << p.x << " " << p.y << " ";
    svg << "Z\" fill=\"" << r.colour << "\"/>";
  }
  svg << "<g shape-rendering=\"crispEdges\">";
  for (const jet::form::ChartBox& b : chart.boxes)
    svg << "<rect x=\"" << b.left << "\" y=\"" << b.top << "\" width=\"" << b.width
        << "\" height=\"" << b.height << "\" fill=\"" << b.colour << "\"/>";
  svg << "</g>";
  for (const jet::form::ChartLine& l : chart.lines)
    svg << "<line x1=\"" << l.x1 << "\" y1=\"" << l.y1 << "\" x2=\"" << l.x2 << "\" y2=\"" << l.y2
        << "\" stroke=\"" << l.colour << "\" stroke-width=\"" << l.width << "\"/>";
  for (const jet::form::ChartText& t : chart.texts) {
    const char* anchor = t.anchor == jet::form::Anchor::Start    ? "start"
                         : t.anchor == jet::form::Anchor::Middle ? "middle"
                                                                 : "end";
    svg << "<text x=\"" << t.x << "\" y=\"" << t.y << "\" text-anchor=\"" << anchor << "\" fill=\""
        << t.colour << "\">" << Escaped(t.text) << "</text>";
  }
  svg << "</svg>";
  return svg.Take();
}

// Runs a command; the error report, or "" when it went well.
template <typename Command>
const char* Run(Command command) {
  PageFields fields;
  answer.reset();
  const auto report = jet::form::RunCommand(fields, [&] { command(fields); });
  return Hand(report.value_or(std::string()));
}

}  // namespace

extern "C" {

// The window as JSON: its title, size, font F, the error report's title, the
// copy item's caption, the nine controls in the order they are created, and
// the pressure converter's title, button caption and controls, the chart's
// texts and 基準合わせ's texts, controls and jet choices.
EMSCRIPTEN_KEEPALIVE const char* jet_window() {
  using std::to_string;
  std::string json = "{\"title\":" + Quoted(jet::form::kTitle) +
                     ",\"width\":" + to_string(jet::form::kClientWidth) +
                     ",\"height\":" + to_string(jet::form::kClientHeight) +
                     ",\"fontTwips\":" + to_string(kBoxFontTwips) +
                     ",\"errorTitle\":" + Quoted(jet::form::kErrorTitle) +
                     ",\"copyCaption\":" + Quoted(jet::form::kCopyResultCaption) +
                     ",\"fontFamilies\":[";
  std::string_view comma;
  for (const std::string_view family : jet::form::kBoxFontFamilies) {
    json += std::string(comma) + Quoted(family);
    comma = ",";
  }
  json += "],\"controls\":" + ControlsJson(jet::form::Controls()) +
          ",\"pressure\":{\"title\":" + Quoted(jet::form::kPressureTitle) +
          ",\"button\":" + Quoted(jet::form::kPressureButton) +
          ",\"controls\":" + ControlsJson(jet::form::PressureControls()) + "}" +
          ",\"chart\":{\"title\":" + Quoted(jet::form::kChartTitle) +
          ",\"button\":" + Quoted(jet::form::kChartButton) +
          ",\"close\":" + Quoted(jet::form::kChartClose) + "}" +
          ",\"engine\":{\"title\":" + Quoted(jet::form::kEngineTitle) +
          ",\"button\":" + Quoted(jet::form::kEngineButton) +
          ",\"controls\":" + ControlsJson(jet::form::EngineControls()) + ",\"choices\":[";
  comma = {};
  for (int size = 0; size < static_cast<int>(jet::kJetSizes.size()); ++size) {
    json += std::string(comma) + Quoted(jet::form::JetChoice(size));
    comma = ",";
  }
  return Hand(json + "]},\"day\":{\"title\":" + Quoted(jet::form::kDayTitle) +
              ",\"button\":" + Quoted(jet::form::kDayButton) +
              ",\"controls\":" + ControlsJson(jet::form::DayControls()) + "}}");
}

// Select and Clear: the error report to show, or "".
EMSCRIPTEN_KEEPALIVE const char* jet_select() {
  return Run([](PageFields& fields) { answer = jet::form::Select(fields, offset); });
}
EMSCRIPTEN_KEEPALIVE const char* jet_clear() {
  return Run([](PageFields& fields) { jet::form::Clear(fields); });
}

// The explanation of the recommendation shown, and its logbook line stamped
// now; "" while there is none.
EMSCRIPTEN_KEEPALIVE const char* jet_explanation() {
  return Hand(answer ? jet::form::Explain(*answer) : std::string());
}
EMSCRIPTEN_KEEPALIVE const char* jet_logbook_line() {
  return Hand(answer ? jet::form::LogbookLine(*answer) : std::string());
}

// The jet chart of the recommendation shown, as JSON: the picture as SVG
// and what it shows in words; "" while there is none.
EMSCRIPTEN_KEEPALIVE const char* jet_chart() {
  if (!answer) return Hand({});
  const jet::form::Chart chart = jet::form::JetChart(*answer);
  return Hand("{\"svg\":" + Quoted(Svg(chart)) + ",\"summary\":" + Quoted(chart.summary) + "}");
}

// The pressure converter's result line and the text for the pressure box
// ("" while a field is wrong), read from the dialog's three fields, as JSON.
EMSCRIPTEN_KEEPALIVE const char* jet_station() {
  const jet::form::Station station = jet::form::ReadStation(
      PageText("txtSeaLevel"), PageText("txtAltitude"), PageText("txtAirTemp"));
  return Hand("{\"line\":" + Quoted(station.line) + ",\"pressure\":" + Quoted(station.pressure) +
              "}");
}

// 基準合わせ's fields at its first opening, from the form's three boxes and
// the last Select, as JSON; the size is an index into the jet choices.
EMSCRIPTEN_KEEPALIVE const char* jet_engine_first() {
  const jet::form::EngineFields first = jet::form::FirstEngineFields(
      PageText("lblTemp"), PageText("lblBphpa"), PageText("lblHum"), answer);
  return Hand("{\"temperature\":" + Quoted(first.temperature) + ",\"pressure\":" +
              Quoted(first.pressure) + ",\"humidity\":" + Quoted(first.humidity) +
              ",\"size\":" + std::to_string(first.size_index) + "}");
}

// 基準合わせ's line and the offset 適用 would set (null while a field is
// wrong), read from the dialog's fields, as JSON.
EMSCRIPTEN_KEEPALIVE const char* jet_engine_read() {
  const std::string size = PageText("cboRefJet");
  const jet::form::EngineReading reading = jet::form::ReadEngine(
      {PageText("txtRefTemp"), PageText("txtRefPressure"), PageText("txtRefHumidity"),
       size.size() == 1 && size[0] >= '0' && size[0] <= '9' ? size[0] - '0' : -1},
      answer);
  return Hand("{\"line\":" + Quoted(reading.line) +
              ",\"offset\":" + (reading.offset ? std::to_string(*reading.offset) : "null") + "}");
}

// Applies an offset (0 goes back to the table): the result box shows the
// engine's jet for the last Select at once, without reading the boxes.
EMSCRIPTEN_KEEPALIVE void jet_engine_apply(int sizes) {
  offset = sizes;
  if (!answer) return;
  answer->offset = offset;
  ReplaceBoxText("txtMJ", jet::form::Shown(*answer).c_str());
}

// 一日の見通し's fields at its first opening, from the form's three boxes,
// the converter's altitude and the time now, as JSON: the altitude and
// row 1's four texts.
EMSCRIPTEN_KEEPALIVE const char* jet_day_first() {
  const std::time_t now = std::time(nullptr);
  const jet::form::DayFields first =
      jet::form::FirstDayFields(PageText("lblTemp"), PageText("lblBphpa"), PageText("lblHum"),
                                PageText("txtAltitude"), *std::localtime(&now));
  std::string json = "{\"altitude\":" + Quoted(first.altitude) + ",\"row\":[";
  std::string_view comma;
  for (const std::string& text : first.rows[0]) {
    json += std::string(comma) + Quoted(text);
    comma = ",";
  }
  return Hand(json + "]}");
}

// 一日の見通し read from the dialog's fields on this engine, as JSON: the
// line, each row's answer, the lines コピー copies ("" while a field is
// wrong) and the picture as SVG ("" without one).
EMSCRIPTEN_KEEPALIVE const char* jet_day() {
  jet::form::DayFields fields;
  fields.altitude = PageText("txtDayAltitude");
  for (int row = 0; row < jet::form::kDayRows; ++row)
    for (int column = 0; column < jet::form::kDayColumns; ++column)
      fields.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = PageText(
          std::string(jet::form::DayFieldName(row, static_cast<jet::form::DayColumn>(column)))
              .c_str());
  const jet::form::DayPlan plan = jet::form::ReadDay(fields, offset);
  std::string json = "{\"line\":" + Quoted(plan.line) + ",\"jets\":[";
  std::string_view comma;
  for (const std::string& text : plan.jets) {
    json += std::string(comma) + Quoted(text);
    comma = ",";
  }
  return Hand(json + "],\"copy\":" + Quoted(plan.copy) +
              ",\"svg\":" + Quoted(plan.picture ? Svg(*plan.picture) : std::string()) + "}");
}

}  // extern "C"
