#pragma once
// A profile file held in memory the way the Windows profile functions hold it: a list of
// sections, each a list of keys, all text as characters. Loading keeps every section and key,
// duplicates and comment lines included, but not the layout: blank lines, the spaces around
// '=', at the ends of lines and inside the brackets, and anything after a section's ']' are
// dropped; saving writes one line per section header and per key, each ended by CR LF.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wendral {

// The characters the profile functions trim: ASCII white space and Ctrl-Z (an old end-of-file
// mark); not the ideographic space of code page 936.
bool IsProfileSpace(char32_t c);

struct IniKey {
  std::u32string name;
  std::optional<std::u32string> value;  // none for a line without '='
};

struct IniSection {
  std::u32string name;  // empty for the keys before the first section header
  std::vector<IniKey> keys;
};

class IniDocument {
 public:
  IniDocument();  // no keys: an empty or missing file

  static IniDocument Parse(std::u32string_view text);
  std::u32string Serialize() const;

  // The first key named key in the first section named section. Names match without regard
  // to case or to spaces at their ends.
  const IniKey* Find(std::u32string_view section, std::u32string_view key) const;

  // As Find, but a missing key is added at the end of that section, and a missing section
  // (with the key) at the end of the file, under the names as given less leading spaces.
  IniKey& FindOrAdd(std::u32string_view section, std::u32string_view key);

 private:
  std::vector<IniSection> sections_;
};

}  // namespace wendral
