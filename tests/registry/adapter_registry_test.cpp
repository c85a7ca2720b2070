// Slot names and the conversions of read and written values.
#include <gtest/gtest.h>

#include "app/adapter_registry.h"

namespace wendral {
namespace {

TEST(SlotSuffix, NamesTheHundredSlotsWithFourDigits) {
  EXPECT_EQ(SlotSuffix(0), "0000");
  EXPECT_EQ(SlotSuffix(9), "0009");
  EXPECT_EQ(SlotSuffix(10), "0010");
  EXPECT_EQ(SlotSuffix(99), "0099");
}

TEST(QueryResult, TextOfEachState) {
  EXPECT_EQ(QueryResult().ToText(), "");
  EXPECT_EQ(QueryResult::Text(std::string(1, '\0')).ToText(), std::string(1, '\0'));
  EXPECT_EQ(QueryResult::Number(INT32_MIN).ToText(), "-2147483648");
  EXPECT_NE(QueryResult::Number(5), QueryResult::Text("5"));
  EXPECT_NE(QueryResult(), QueryResult::Text(""));
}

TEST(ValueArgument, NumbersFromText) {
  const struct {
    const char* text;
    bool ok;
    std::int32_t number;
  } cases[] = {{" 42 ", true, 42},     {"-2147483648", true, INT32_MIN}, {"2.5", true, 2},
               {"3.5", true, 4},       {"2147483648", false, 0},        {"", false, 0},
               {"0x10", false, 0},     {"inf", false, 0},               {"12a", false, 0}};
  for (const auto& c : cases) {
    std::int32_t n = 0;
    EXPECT_EQ(ValueArgument(c.text).ToInt32(&n), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(n, c.number) << c.text;
    }
  }
  EXPECT_EQ(ValueArgument(std::int32_t{-7}).ToText(), "-7");
}

}  // namespace
}  // namespace wendral
