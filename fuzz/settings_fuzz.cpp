// The settings file with Windows profile semantics. The input is a settings file, optionally
// followed by a zero byte and three values separated by zero bytes. Whatever the file holds,
// the three values load (at most 254 bytes each, the program's defaults where keys are
// missing), saving them succeeds and leaves every other key of the file as it was, and what a
// save wrote loads back as the same values.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "app/ansi_text.h"
#include "app/settings.h"
#include "fuzz_check.h"
#include "formats/ini_profile.h"

using namespace wendral;

namespace {

// A directory of its own, removed at exit (kept in a plain array, which outlives the
// destructors of static strings that run before the exit handler).
char g_directory[64];

const char* Directory() {
  if (g_directory[0] == 0) {
    // A memory-backed directory where there is one: the store opens the file for every key.
    std::snprintf(g_directory, sizeof g_directory, "%s/wendral-settings-fuzz-XXXXXX",
                  access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");
    FUZZ_CHECK(mkdtemp(g_directory) != nullptr);
    std::atexit([] {
      char file[96];
      std::snprintf(file, sizeof file, "%s/360RI.INI", g_directory);
      std::remove(file);
      rmdir(g_directory);
    });
  }
  return g_directory;
}

void WriteFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) { return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == ' '; }

// What a value a program writes reads back as: leading blanks go on the write, trailing ones
// on the read; one pair of matching quotes around it goes on the read; the read buffer keeps
// 254 bytes (never half a double-byte character).
std::string AsReadBack(std::string value) {
  value = value.substr(0, value.find('\0'));
  std::size_t start = 0;
  while (start < value.size() && IsBlank(value[start])) ++start;
  value.erase(0, start);
  while (!value.empty() && IsBlank(value.back())) value.pop_back();
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return value;
}

// Text of the kind the program writes: every character held by code page 936, no control
// characters (a line break in a value would start a new line of the file, on Windows too),
// short enough for the read buffer.
bool IsPlainText(const std::string& utf8) {
  for (char c : utf8)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
  const std::optional<std::string> ansi = ToAnsiExact(utf8);
  return ansi && ansi->size() <= kSettingsReadBufferSize - 1 && FromAnsi(*ansi) == utf8;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  const std::string_view file = input.substr(0, split);
  const std::string path = std::string(Directory()) + "/360RI.INI";
  WriteFile(path, file);

  IniProfileStore store;
  const SettingsValues loaded = LoadSettings(store, path);
  for (const std::string* v : {&loaded.networkName, &loaded.windows7Slot, &loaded.windowsXpSlot})
    FUZZ_CHECK(ToAnsi(*v).size() <= kSettingsReadBufferSize - 1);
  const std::string other = store.Read("Other", "key", "none", 255, path);

  // Saving what was loaded keeps it, and keeps the rest of the file.
  FUZZ_CHECK(SaveSettings(store, path, loaded));
  // A file whose first line begins, after blanks, with the bytes of a UTF-8 byte order mark
  // reads as UTF-8 once saved: the profile functions write lines without their leading blanks
  // and tell the encoding by the file's first bytes. Its text means something else from then on.
  if (!file.starts_with(kUtf8Bom) && ReadFile(path).starts_with(kUtf8Bom)) return 0;
  const SettingsValues reloaded = LoadSettings(store, path);
  FUZZ_CHECK(reloaded.networkName == AsReadBack(loaded.networkName));
  FUZZ_CHECK(reloaded.windows7Slot == AsReadBack(loaded.windows7Slot));
  FUZZ_CHECK(reloaded.windowsXpSlot == AsReadBack(loaded.windowsXpSlot));
  FUZZ_CHECK(store.Read("Other", "key", "none", 255, path) == other);

  // Values of the program's own kind (printable GBK, no line breaks) survive a save.
  if (split != std::string_view::npos) {
    std::string_view rest = input.substr(split + 1);
    std::string values[3];
    for (std::string& v : values) {
      const std::size_t end = rest.find('\0');
      v = std::string(rest.substr(0, end));
      rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    FUZZ_CHECK(SaveSettings(store, path, SettingsValues{values[0], values[1], values[2]}));
    const SettingsValues read = LoadSettings(store, path);
    const std::string* got[3] = {&read.networkName, &read.windows7Slot, &read.windowsXpSlot};
    // Only when all three are plain: a line break in one value writes lines of its own into
    // the file, which can stand in for another key (the profile functions do the same).
    const bool plain = IsPlainText(values[0]) && IsPlainText(values[1]) && IsPlainText(values[2]);
    if (plain) {
      for (int i = 0; i < 3; ++i) FUZZ_CHECK(*got[i] == AsReadBack(values[i]));
      FUZZ_CHECK(store.Read("Other", "key", "none", 255, path) == other);
    }
  }
  return 0;
}
