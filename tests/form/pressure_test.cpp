#include "form/pressure.h"

#include <gtest/gtest.h>

#include <set>

namespace jet::form {
namespace {

// The three fields' texts, and the result line and the pressure box's text
// the dialog shows for them (no text: nothing may be written).
TEST(ReadStation, ResultLineAndTheTextApplyWrites) {
  const struct {
    const char *sea_level, *altitude, *temperature, *line, *pressure;
  } cases[] = {
      {"1013", "500", "20", "現地気圧  956.0 hPa", "956.0"},  // 955.9548
      {" １０１３．２５ ", "1000", "15", "現地気圧  901.1 hPa", "901.1"},
      {"1013", "ー30", "25", "現地気圧  1016.5 hPa", "1016.5"},
      {"990", "2000", "−0", "現地気圧  775.3 hPa", "775.3"},
      {"870", "-500", "-50", "現地気圧  939.8 hPa", "939.8"},  // the corners of the ranges
      {"1085", "5000", "60", "現地気圧  665.1 hPa", "665.1"},
      // At sea level the typed pressure comes back, rounded half away from
      // zero as written: a double's tie (x.25) and a decimal one (x.05).
      {"1000.25", "0", "20", "現地気圧  1000.3 hPa", "1000.3"},
      {"1000.05", "0", "20", "現地気圧  1000.1 hPa", "1000.1"},
      {"1000.04", "0", "20", "現地気圧  1000.0 hPa", "1000.0"},
      {"999.96", "0", "20", "現地気圧  1000.0 hPa", "1000.0"},
      {"1013", "0", "20", "現地気圧  1013.0 hPa", "1013.0"},
      // The first wrong field is named, with what is wrong with it.
      {"", "500", "20", "海面気圧を入れてください。", ""},
      {"1013", "\u3000", "20", "標高を入れてください。", ""},
      {"1013", "500", "20.5℃", "気温が数値ではありません。", ""},
      {"abc", "", "", "海面気圧が数値ではありません。", ""},
      {"869.9", "500", "20", "海面気圧が範囲外です (870〜1085 hPa)。", ""},
      {"1e400", "x", "20", "海面気圧が範囲外です (870〜1085 hPa)。", ""},
      {"1013", "5000.1", "20", "標高が範囲外です (−500〜5000 m)。", ""},
      {"1013", "-500.5", "20", "標高が範囲外です (−500〜5000 m)。", ""},
      {"1013", "500", "60.01", "気温が範囲外です (−50〜60 ℃)。", ""},
      {"1013", "500", "-50.01", "気温が範囲外です (−50〜60 ℃)。", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.sea_level << " / " << c.altitude << " / " << c.temperature);
    const Station station = ReadStation(c.sea_level, c.altitude, c.temperature);
    EXPECT_EQ(station.line, c.line);
    EXPECT_EQ(station.pressure, c.pressure);
  }
}

// (Their places are checked with the main window's, in layout_test.)
TEST(PressureDialog, FieldsComeAfterTheirLabels) {
  const auto controls = PressureControls();
  std::set<std::string_view> names;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const Control& c = controls[i];
    SCOPED_TRACE(c.name);
    EXPECT_TRUE(names.insert(c.name).second);
    if (c.kind == Kind::TextBox) {
      EXPECT_EQ(controls[i - 1].kind, Kind::Label);
    }
  }
  std::vector<std::string_view> order;
  for (const Control* c : TabOrder(controls)) order.push_back(c->name);
  EXPECT_EQ(order, (std::vector<std::string_view>{"txtSeaLevel", "txtAltitude", "txtAirTemp",
                                                  "cmdApply", "cmdCancel"}));
}

}  // namespace
}  // namespace jet::form
