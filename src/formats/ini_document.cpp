#include "formats/ini_document.h"

namespace wendral {
namespace {

std::u32string_view TrimStart(std::u32string_view s) {
  while (!s.empty() && IsProfileSpace(s.front())) s.remove_prefix(1);
  return s;
}

std::u32string_view TrimEnd(std::u32string_view s) {
  while (!s.empty() && IsProfileSpace(s.back())) s.remove_suffix(1);
  return s;
}

std::u32string_view Trim(std::u32string_view s) { return TrimEnd(TrimStart(s)); }

// Names and values end at a zero character, as C strings do.
std::u32string UpToZero(std::u32string_view s) { return std::u32string(s.substr(0, s.find(U'\0'))); }

// Names compare without regard to case in the ASCII letters only: Wine folds no other letter
// (not even the full-width Latin, Greek and Cyrillic ones of code page 936).
char32_t FoldCase(char32_t c) { return (c >= U'A' && c <= U'Z') ? c + 0x20 : c; }

bool SameName(std::u32string_view a, std::u32string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

}  // namespace

bool IsProfileSpace(char32_t c) { return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20; }

IniDocument::IniDocument() : sections_(1) {}

IniDocument IniDocument::Parse(std::u32string_view text) {
  IniDocument doc;
  IniSection* section = &doc.sections_.front();
  while (!text.empty()) {
    const size_t end = text.find_first_of(U"\r\n");
    std::u32string_view line = text.substr(0, end);
    text.remove_prefix(end == std::u32string_view::npos ? text.size() : end + 1);

    line = TrimStart(line);
    if (line.empty()) continue;
    if (line.front() == U'[') {
      const size_t close = line.rfind(U']');
      if (close != std::u32string_view::npos) {
        doc.sections_.push_back({UpToZero(Trim(line.substr(1, close - 1))), {}});
        section = &doc.sections_.back();
        continue;
      }
    }
    line = TrimEnd(line);
    IniKey key;
    const size_t equals = line.find(U'=');
    if (equals == std::u32string_view::npos) {
      key.name = UpToZero(line);
    } else {
      key.name = UpToZero(TrimEnd(line.substr(0, equals)));
      key.value = UpToZero(TrimStart(line.substr(equals + 1)));
    }
    // A nameless key right after another nameless key of the section is not kept.
    if (key.name.empty() && !section->keys.empty() && section->keys.back().name.empty()) continue;
    section->keys.push_back(std::move(key));
  }
  return doc;
}

std::u32string IniDocument::Serialize() const {
  std::u32string out;
  for (const IniSection& section : sections_) {
    if (!section.name.empty()) out += U"[" + section.name + U"]\r\n";
    for (const IniKey& key : section.keys) {
      out += key.name;
      if (key.value) out += U"=" + *key.value;
      out += U"\r\n";
    }
  }
  return out;
}

const IniKey* IniDocument::Find(std::u32string_view section, std::u32string_view key) const {
  section = Trim(section);
  key = Trim(key);
  for (const IniSection& s : sections_) {
    if (!SameName(s.name, section)) continue;
    for (const IniKey& k : s.keys) {
      if (SameName(k.name, key)) return &k;
    }
    return nullptr;  // only the first section of that name counts
  }
  return nullptr;
}

IniKey& IniDocument::FindOrAdd(std::u32string_view section, std::u32string_view key) {
  const std::u32string_view sectionName = Trim(section);
  const std::u32string_view keyName = Trim(key);
  for (IniSection& s : sections_) {
    if (!SameName(s.name, sectionName)) continue;
    for (IniKey& k : s.keys) {
      if (SameName(k.name, keyName)) return k;
    }
    s.keys.push_back({UpToZero(TrimStart(key)), std::nullopt});
    return s.keys.back();
  }
  sections_.push_back({UpToZero(TrimStart(section)), {}});
  sections_.back().keys.push_back({UpToZero(TrimStart(key)), std::nullopt});
  return sections_.back().keys.back();
}

}  // namespace wendral
