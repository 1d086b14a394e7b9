#include "form/commands.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <vector>

#include "calc/air_density.h"

namespace jet::form {
namespace {

// Four boxes in memory that log every replacement and can be told to fail.
class FakeFields final : public Fields {
 public:
  FakeFields(std::string T, std::string P, std::string RH) {
    text_[Box::Temperature] = std::move(T);
    text_[Box::Pressure] = std::move(P);
    text_[Box::Humidity] = std::move(RH);
    text_[Box::Result] = "old";
  }
  std::string Read(Box box) const override {
    if (box == failing_read) throw std::runtime_error("unreadable");
    return text_.at(box);
  }
  void Replace(Box box, std::string_view text) override {
    if (box == failing_replace) throw std::runtime_error("read-only");
    replaced.push_back(box);
    text_[box] = text;
  }
  std::string operator[](Box box) const { return text_.at(box); }

  std::vector<Box> replaced;
  std::optional<Box> failing_read, failing_replace;

 private:
  std::map<Box, std::string> text_;
};

TEST(Select, WritesOnlyTheResultBox) {
  const struct {
    const char *T, *P, *RH, *shown;
  } cases[] = {
      {"20", "1013", "50", "推奨  168"},
      {"１９", "951", "50", "推奨  162-160"},
      {"0", "0", "0", ""},
      {"20", "", "50", ""},  // no real air
      {"-300", "0", "50", "推奨  160"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.T);
    FakeFields boxes(c.T, c.P, c.RH);
    Select(boxes);
    EXPECT_EQ(boxes[Box::Result], c.shown);
    EXPECT_EQ(boxes.replaced, std::vector<Box>{Box::Result});
  }
}

TEST(Clear, EmptiesTheFourBoxesInOrder) {
  FakeFields boxes("20", "1013", "50");
  Clear(boxes);
  EXPECT_EQ(boxes.replaced,
            (std::vector<Box>{Box::Temperature, Box::Pressure, Box::Humidity, Box::Result}));
  for (const Box box : boxes.replaced) EXPECT_EQ(boxes[box], "");
}

TEST(RunCommand, AFailedSelectEmptiesTheResultAndSaysWhatWentWrong) {
  const struct {
    const char *T, *P, *RH, *says;
  } cases[] = {
      {"-273.13", "1013", "50", "ゼロによる除算が発生しました。"},
      {"1e400", "1013", "50", "「気温(℃)」の数値が大きすぎて読み取れません。"},
      {"20", "1e400", "50", "「気圧(mb)」の数値が大きすぎて読み取れません。"},
      {"20", "1013", "-1e400", "「湿度(％)」の数値が大きすぎて読み取れません。"},
      {"39", "1.7e308", "-1e308", "オーバーフローが発生しました。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.says);
    FakeFields boxes(c.T, c.P, c.RH);
    const auto message = RunCommand(boxes, [&] { Select(boxes); });
    ASSERT_TRUE(message);
    EXPECT_EQ(message->rfind(c.says, 0), 0u) << *message;
    EXPECT_TRUE(message->ends_with("\n\n入力した値はそのまま残っています。"));
    EXPECT_EQ(boxes[Box::Result], "");
    EXPECT_EQ(boxes[Box::Temperature], c.T);
  }
}

TEST(RunCommand, ABoxThatCannotBeReadOrWrittenIsReportedToo) {
  FakeFields unreadable("20", "1013", "50");
  unreadable.failing_read = Box::Pressure;
  auto message = RunCommand(unreadable, [&] { Select(unreadable); });
  ASSERT_TRUE(message);
  EXPECT_EQ(message->rfind("予期しないエラーが発生しました。\nunreadable", 0), 0u);

  FakeFields stuck("20", "1013", "50");
  stuck.failing_replace = Box::Result;
  message = RunCommand(stuck, [&] { Select(stuck); });
  ASSERT_TRUE(message);
  EXPECT_EQ(stuck[Box::Result], "old");

  EXPECT_EQ(RunCommand(stuck, [] { throw 42; })->rfind("予期しないエラーが発生しました。\n\n", 0),
            0u);
  EXPECT_FALSE(RunCommand(stuck, [] {}));
}

}  // namespace
}  // namespace jet::form
