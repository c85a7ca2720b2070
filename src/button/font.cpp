#include "button/font.h"

#include <algorithm>

namespace quillet {

void Font::Change(const FontDescription& description, std::u16string_view property_name) {
  description_ = description;
  // A listener may unsubscribe (or subscribe) while being told: walk a copy.
  auto listeners = listeners_;
  for (auto& [id, listener] : listeners) {
    const bool still_there =
        std::any_of(listeners_.begin(), listeners_.end(), [id = id](const auto& l) { return l.first == id; });
    if (still_there) listener(property_name);
  }
}

std::uint64_t Font::Subscribe(Listener listener) {
  const std::uint64_t id = nextId_++;
  listeners_.emplace_back(id, std::move(listener));
  return id;
}

void Font::Unsubscribe(std::uint64_t id) {
  std::erase_if(listeners_, [id](const auto& l) { return l.first == id; });
}

bool SameFont(const FontPtr& a, const FontPtr& b) {
  if (!a || !b) return !a && !b;
  return a == b || a->Description() == b->Description();
}

}  // namespace quillet
