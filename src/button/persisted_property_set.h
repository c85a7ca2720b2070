// PersistedPropertySet: the per-instance store of a form's saved properties.
// Keys match without regard to (ASCII) case; a key keeps the spelling it was first stored
// under. Reading an absent key gives the default; writing a value equal to its default
// stores nothing (and removes a value stored before under that key).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "button/property_value.h"

namespace quillet {

class PersistedPropertySet {
 public:
  PropertyValue Read(std::string_view key, const PropertyValue& default_value) const;
  void Write(std::string_view key, const PropertyValue& value, const PropertyValue& default_value);

  // Stores a value unconditionally: how a form fills a set it loads from its file.
  void Put(std::string_view key, PropertyValue value);
  bool Contains(std::string_view key) const;
  std::optional<PropertyValue> Find(std::string_view key) const;
  void Clear() { entries_.clear(); }

  // Entries in the order they were first stored, keys as spelt then.
  const std::vector<std::pair<std::string, PropertyValue>>& Entries() const { return entries_; }
  std::size_t Size() const { return entries_.size(); }

  static bool KeysMatch(std::string_view a, std::string_view b);

 private:
  std::vector<std::pair<std::string, PropertyValue>>::iterator Locate(std::string_view key);
  std::vector<std::pair<std::string, PropertyValue>>::const_iterator Locate(std::string_view key) const;

  std::vector<std::pair<std::string, PropertyValue>> entries_;
};

}  // namespace quillet
