#include "formats/ini_profile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "app/ansi_text.h"
#include "formats/ini_document.h"
#include "formats/utf32.h"

namespace wendral {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

fs::path NativePath(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

// Bytes that are not GBK become '?', Windows' default character for code page 936 (the
// codec elsewhere gives U+FFFD, which would show in a UTF-8 file).
std::u32string FromAnsiText(std::string_view ansi) {
  std::u32string text = DecodeUtf8(FromAnsi(ansi));
  for (char32_t& c : text) {
    if (c == U'\uFFFD') c = U'?';
  }
  return text;
}

// Section, key, value and default as the functions' ANSI entry points take them: a lead byte
// left without its trail byte at the end is dropped (the file's text keeps it, as a '?').
std::u32string FromAnsiArgument(std::string_view ansi) {
  std::size_t i = 0;
  while (i < ansi.size()) {
    const unsigned char c = static_cast<unsigned char>(ansi[i]);
    if (c >= 0x81 && c <= 0xFE && i + 1 == ansi.size()) {
      ansi.remove_suffix(1);
      break;
    }
    i += (c >= 0x81 && c <= 0xFE) ? 2 : 1;
  }
  return FromAnsiText(ansi);
}

std::string ToAnsiText(std::u32string_view text) { return ToAnsi(EncodeUtf8(text)); }

// A file as loaded: its keys, and whether it is UTF-8 with a byte order mark (kept so on
// saving) rather than ANSI text.
struct LoadedProfile {
  IniDocument document;
  bool utf8 = false;
};

// Nothing when the file cannot be opened; a missing file in an existing directory loads as
// an empty profile.
std::optional<LoadedProfile> Load(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) {
    const fs::path directory = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    if (fs::is_directory(directory, error)) return LoadedProfile{};
    return std::nullopt;
  }
  if (!fs::is_regular_file(status)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LoadedProfile profile;
  if (bytes.starts_with(kUtf8Bom)) {
    profile.utf8 = true;
    profile.document = IniDocument::Parse(DecodeUtf8(std::string_view(bytes).substr(kUtf8Bom.size())));
  } else {
    profile.document = IniDocument::Parse(FromAnsiText(bytes));
  }
  return profile;
}

// The read-only attribute holds even for an administrator; on POSIX systems the permission
// bits stand for it, and a directory without write permission takes no new file.
bool MayWrite(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (fs::exists(status)) {
    return fs::is_regular_file(status) && (status.permissions() & fs::perms::owner_write) != fs::perms::none;
  }
#ifndef _WIN32
  const fs::path directory = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  const fs::file_status dirStatus = fs::status(directory, error);
  if (fs::is_directory(dirStatus) && (dirStatus.permissions() & fs::perms::owner_write) == fs::perms::none) {
    return false;
  }
#endif
  return true;
}

bool Save(const fs::path& path, const LoadedProfile& profile) {
  if (!MayWrite(path)) return false;
  const std::u32string text = profile.document.Serialize();
  const std::string bytes = profile.utf8 ? std::string(kUtf8Bom) + EncodeUtf8(text) : ToAnsiText(text);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

// The buffer's text: a value quoted with ' or " at both ends loses the quotes, then it is
// cut to bufferSize - 1 characters. The closing quote is dropped only when the cut left it
// in place, or cut just it away (then the character before it goes too, as Windows does).
std::u32string CopyEntry(std::u32string_view value, std::size_t bufferSize) {
  bool quoted = false;
  if (value.size() >= 2 && (value.front() == U'\'' || value.front() == U'"') && value.back() == value.front()) {
    quoted = true;
    value.remove_prefix(1);
  }
  std::u32string copy(value.substr(0, bufferSize - 1));
  if (quoted && bufferSize >= value.size() && !copy.empty()) copy.pop_back();
  return copy;
}

// Cut to at most limit bytes without splitting a double-byte character.
std::string CutAnsi(const std::string& ansi, std::size_t limit) {
  std::size_t end = 0;
  while (end < ansi.size()) {
    const unsigned char c = static_cast<unsigned char>(ansi[end]);
    const std::size_t length = (c >= 0x81 && c <= 0xFE && end + 1 < ansi.size()) ? 2 : 1;
    if (end + length > limit) break;
    end += length;
  }
  return ansi.substr(0, end);
}

std::u32string StripTrailingBlanks(std::u32string text) {
  while (text.size() > 1 && text.back() == U' ') text.pop_back();
  return text;
}

}  // namespace

std::string IniProfileStore::Read(const std::string& section, const std::string& key, const std::string& defaultValue,
                                  std::size_t bufferSize, const std::string& path) {
  if (bufferSize == 0) return {};
  const std::u32string fallback = StripTrailingBlanks(FromAnsiArgument(defaultValue));
  std::u32string text;
  const std::optional<LoadedProfile> profile = Load(NativePath(path));
  if (!profile) {
    text = fallback.substr(0, bufferSize - 1);
  } else if (key.empty()) {
    text = CopyEntry(fallback, bufferSize);
  } else {
    const IniKey* found = profile->document.Find(FromAnsiArgument(section), FromAnsiArgument(key));
    text = CopyEntry(found && found->value ? *found->value : fallback, bufferSize);
  }
  return CutAnsi(ToAnsiText(text), bufferSize - 1);
}

bool IniProfileStore::Write(const std::string& section, const std::string& key, const std::string& value,
                            const std::string& path) {
  const fs::path file = NativePath(path);
  std::optional<LoadedProfile> profile = Load(file);
  if (!profile) profile.emplace();
  IniKey& entry = profile->document.FindOrAdd(FromAnsiArgument(section), FromAnsiArgument(key));
  std::u32string newValue = FromAnsiArgument(value);
  std::size_t start = 0;
  while (start < newValue.size() && IsProfileSpace(newValue[start])) ++start;
  newValue.erase(0, start);
  newValue = newValue.substr(0, newValue.find(U'\0'));
  // An unchanged value leaves the file as it is.
  if (entry.value && *entry.value == newValue) return true;
  entry.value = std::move(newValue);
  return Save(file, *profile);
}

}  // namespace wendral
