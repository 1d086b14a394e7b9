#include "form/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "form/engine.h"
#include "form/pressure.h"

namespace jet::form {
namespace {

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

// The main window and the dialogs: every control on whole pixels
// at 96 dpi, inside its window, and none on top of another.
TEST(Layout, EveryControlIsWholePixelsAt96DpiInsideItsWindowAndAlone) {
  EXPECT_EQ(kClientWidth / 15, 234);
  EXPECT_EQ(kClientHeight / 15, 207);
  const struct {
    std::span<const Control> controls;
    int width, height;
  } windows[] = {{Controls(), kClientWidth, kClientHeight},
                 {PressureControls(), kPressureWidth, kPressureHeight},
                 {EngineControls(), kEngineWidth, kEngineHeight}};
  for (const auto& window : windows) {
    for (const Control& c : window.controls) {
      SCOPED_TRACE(c.name);
      for (const int twips : {c.place.left, c.place.top, c.place.width, c.place.height})
        EXPECT_EQ(twips % 15, 0);
      EXPECT_LE(c.place.left + c.place.width, window.width);
      EXPECT_LE(c.place.top + c.place.height, window.height);
      for (const Control& other : window.controls) {
        if (&other != &c) {
          EXPECT_FALSE(Overlap(c.place, other.place)) << other.name;
        }
      }
    }
  }
}

// Screen readers name a box after the label created just before it; the
// focusable controls come in tab order, so that creation order is tab order.
TEST(Layout, EachLabelComesJustBeforeItsBoxAndTheRestInTabOrder) {
  const auto controls = Controls();
  std::vector<const Control*> focusable;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].kind == Kind::Label) {
      ASSERT_LT(i + 1, controls.size());
      EXPECT_EQ(controls[i + 1].kind, Kind::TextBox) << controls[i].name;
      EXPECT_EQ(controls[i + 1].place.top, controls[i].place.top) << controls[i].name;
    } else {
      focusable.push_back(&controls[i]);
    }
  }
  EXPECT_EQ(focusable, TabOrder());
  std::vector<std::string_view> names;
  for (const Control* c : TabOrder()) names.push_back(c->name);
  EXPECT_EQ(names, (std::vector<std::string_view>{"cmd", "lblTemp", "lblBphpa", "lblHum",
                                                  "cmdclear", "txtMJ"}));
}

// Each label and its box say, first thing, which quantity to type there.
TEST(Layout, EachTipNamesItsOwnQuantity) {
  const struct {
    std::string_view label, box, quantity;
  } rows[] = {
      {"Label1", "lblTemp", "気温"}, {"Label3", "lblBphpa", "気圧"}, {"Label7", "lblHum", "湿度"}};
  for (const auto& row : rows) {
    EXPECT_TRUE(Find(row.label).caption.starts_with(row.quantity)) << row.label;
    EXPECT_TRUE(Find(row.label).tip.starts_with(row.quantity)) << row.label;
    EXPECT_EQ(Find(row.box).tip, Find(row.label).tip) << row.box;
  }
}

TEST(Layout, FindsControlsByNameOnly) {
  EXPECT_EQ(Find("Label7").caption, "湿度(％)");
  EXPECT_EQ(Find("txtMJ").align, Align::Centre);
  EXPECT_THROW(Find("Label2"), std::out_of_range);
  EXPECT_THROW(Find(""), std::out_of_range);
}

}  // namespace
}  // namespace jet::form
