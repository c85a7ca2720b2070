// The notice window's countdown, tick by tick.
#include "app/countdown.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace wendral::test {
namespace {

struct ButtonState final : NoticeView {
  void SetNextButtonCaption(const std::string& utf8) override {
    caption = utf8;
    captions.push_back(utf8);
  }
  void SetNextButtonEnabled(bool value) override { enabled = value; }
  void StopCountdownTimer() override { ++stops; }

  std::string caption = "下一步";
  std::vector<std::string> captions;
  bool enabled = true;
  int stops = 0;
};

TEST(CountdownTest, CountsThirtyToOneWithTheButtonDisabledThenEnablesIt) {
  ButtonState button;
  NoticeCountdown form(button);
  form.OnShown();
  EXPECT_FALSE(button.enabled);
  EXPECT_EQ(button.caption, "下一步");
  for (int tick = 1; tick <= 30; ++tick) {
    form.OnCountdownTick();
    ASSERT_EQ(button.caption, std::to_string(31 - tick) + " 秒") << tick;
    ASSERT_FALSE(button.enabled) << tick;
    ASSERT_EQ(button.stops, 0) << tick;
  }
  EXPECT_EQ(button.captions.front(), "30 秒");
  form.OnCountdownTick();
  EXPECT_EQ(button.caption, "下一步");
  EXPECT_TRUE(button.enabled);
  EXPECT_EQ(button.stops, 1);
  EXPECT_EQ(form.SecondsLeft(), 0);
  // "0 秒" is set and replaced within the last tick.
  ASSERT_EQ(button.captions.size(), 32u);
  EXPECT_EQ(button.captions[30], "0 秒");
}

}  // namespace
}  // namespace wendral::test
