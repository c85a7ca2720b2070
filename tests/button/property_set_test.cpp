// the PersistedPropertySet and the value conversions used when loading.
#include <gtest/gtest.h>

#include "button/persisted_property_set.h"

namespace quillet {
namespace {

TEST(PropertySetTest, KeysMatchWithoutRegardToCase) {
  PersistedPropertySet set;
  set.Put("buttonstyle", std::int32_t{2});
  EXPECT_EQ(ToInt32(set.Read("ButtonStyle", std::int32_t{1})), 2);
  EXPECT_EQ(ToInt32(set.Read("BUTTONSTYLE", std::int32_t{1})), 2);
  set.Put("ButtonStyle", std::int32_t{3});  // the same key, keeping its first spelling
  ASSERT_EQ(set.Size(), 1u);
  EXPECT_EQ(set.Entries()[0].first, "buttonstyle");
  EXPECT_EQ(ToInt32(set.Entries()[0].second), 3);
}

TEST(PropertySetTest, AValueEqualToItsDefaultIsNotStored) {
  PersistedPropertySet set;
  set.Write("Enabled", true, true);
  set.Write("ButtonStyle", std::int32_t{1}, std::int32_t{1});
  set.Write("MousePointer", std::int16_t{0}, std::int16_t{0});
  set.Write("Picture", PicturePtr{}, PicturePtr{});
  EXPECT_EQ(set.Size(), 0u);
  set.Write("Enabled", false, true);
  EXPECT_TRUE(set.Contains("enabled"));
  set.Write("ENABLED", true, true);  // written back to its default: gone again
  EXPECT_FALSE(set.Contains("Enabled"));
}

TEST(PropertySetTest, StoredValuesConvertLikeTheForm) {
  EXPECT_EQ(ToInt32(std::int16_t{2}), 2);
  EXPECT_EQ(ToInt32(std::u16string(u" 12 ")), 12);
  EXPECT_EQ(ToInt32(true), -1);
  EXPECT_TRUE(ToBool(std::int32_t{-1}));
  EXPECT_FALSE(ToBool(std::int16_t{0}));
  EXPECT_TRUE(ToBool(std::u16string(u"True")));
  EXPECT_EQ(ToText(std::int32_t{42}), u"42");
  EXPECT_EQ(ToInt16(std::int32_t{99}), 99);
  EXPECT_THROW(ToInt16(std::int32_t{70000}), std::overflow_error);
  EXPECT_THROW(ToInt32(std::u16string(u"abc")), PropertyTypeMismatch);
  EXPECT_THROW(ToFont(std::int32_t{1}), PropertyTypeMismatch);
  // Colours keep their bit pattern.
  EXPECT_EQ(static_cast<std::uint32_t>(ToInt32(static_cast<std::int32_t>(0x8000000F))), 0x8000000Fu);
}

}  // namespace
}  // namespace quillet
