#include "button/persisted_property_set.h"

#include <algorithm>

namespace quillet {

bool PersistedPropertySet::KeysMatch(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

std::vector<std::pair<std::string, PropertyValue>>::iterator PersistedPropertySet::Locate(std::string_view key) {
  return std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return KeysMatch(e.first, key); });
}

std::vector<std::pair<std::string, PropertyValue>>::const_iterator PersistedPropertySet::Locate(
    std::string_view key) const {
  return std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return KeysMatch(e.first, key); });
}

PropertyValue PersistedPropertySet::Read(std::string_view key, const PropertyValue& default_value) const {
  const auto it = Locate(key);
  return it == entries_.end() ? default_value : it->second;
}

void PersistedPropertySet::Write(std::string_view key, const PropertyValue& value, const PropertyValue& default_value) {
  if (SameValue(value, default_value)) {
    const auto it = Locate(key);
    if (it != entries_.end()) entries_.erase(it);
    return;
  }
  Put(key, value);
}

void PersistedPropertySet::Put(std::string_view key, PropertyValue value) {
  const auto it = Locate(key);
  if (it != entries_.end()) {
    it->second = std::move(value);
  } else {
    entries_.emplace_back(std::string(key), std::move(value));
  }
}

bool PersistedPropertySet::Contains(std::string_view key) const { return Locate(key) != entries_.end(); }

std::optional<PropertyValue> PersistedPropertySet::Find(std::string_view key) const {
  const auto it = Locate(key);
  if (it == entries_.end()) return std::nullopt;
  return it->second;
}

}  // namespace quillet
