// The host's font object: a shared, mutable font (the ambient font, or one the form hands
// the control) that reports a change of any attribute to its listeners, the way the
// control's `OnFontChanged` learns of it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "button/surface.h"

namespace quillet {

class Font {
 public:
  using Listener = std::function<void(std::u16string_view property_name)>;

  Font() = default;
  explicit Font(FontDescription description) : description_(std::move(description)) {}
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  const FontDescription& Description() const { return description_; }

  // Changes the attributes and tells every listener, with the name of the attribute
  // ("Name", "Size", "Bold"...; the control does not look at it).
  void Change(const FontDescription& description, std::u16string_view property_name = u"");

  // Registers a listener; the id removes it again.
  std::uint64_t Subscribe(Listener listener);
  void Unsubscribe(std::uint64_t id);
  std::size_t ListenerCount() const { return listeners_.size(); }

 private:
  FontDescription description_;
  std::uint64_t nextId_ = 1;
  std::vector<std::pair<std::uint64_t, Listener>> listeners_;
};
using FontPtr = std::shared_ptr<Font>;

// Two fonts are the same value when both are empty or both describe the same font.
bool SameFont(const FontPtr& a, const FontPtr& b);

}  // namespace quillet
