#include "cli/ssid_backup.h"

#include <cstdio>
#include <set>

#include "app/adapter_registry.h"
#include "app/ansi_text.h"
#include "app/network_name.h"
#include "formats/utf32.h"

namespace wendral::cli {
namespace {

constexpr RegKey kHklm = reg::kHkeyLocalMachine;
constexpr std::string_view kRootName = "HKEY_LOCAL_MACHINE";
constexpr std::string_view kHeader4 = "REGEDIT4";
constexpr std::string_view kHeader5 = "Windows Registry Editor Version 5.00";
// The comments a restore reads; regedit skips every line that starts with ';'.
constexpr std::string_view kSettingsMark = "; 360RI.INI ";
constexpr std::string_view kNoSettings = "; 360RI.INI (none)";
constexpr std::string_view kCreatedMark = "; created [";
constexpr std::string_view kEndMark = "; end of backup: ";
constexpr std::string_view kEndUnit = " slots";

std::string KeyLine(const std::string& path) { return "[" + std::string(kRootName) + "\\" + path + "]"; }

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

bool HasLineBreak(std::string_view utf16) {
  for (std::size_t i = 0; i + 1 < utf16.size(); i += 2) {
    if (utf16[i + 1] == '\0' && (utf16[i] == '\r' || utf16[i] == '\n')) return true;
  }
  return false;
}

// A REG_SZ that REGEDIT4 can carry as "text": whole, and held by code page 936 exactly.
std::optional<std::string> PlainAnsiText(std::string_view utf16) {
  std::optional<std::string> text = FromUtf16(utf16);
  if (!text) return std::nullopt;
  const std::optional<std::string> ansi = ToAnsiExact(*text);
  if (!ansi || FromAnsi(*ansi) != *text) return std::nullopt;
  return text;
}

std::string Escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out;
}

std::string HexList(std::string_view bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char byte[4];
    std::snprintf(byte, sizeof byte, "%02x", static_cast<unsigned>(static_cast<unsigned char>(bytes[i])));
    if (i > 0) out += ',';
    out += byte;
  }
  return out;
}

// ---- Reading ----

bool ValidUtf8(std::string_view bytes) {
  while (!bytes.empty()) {
    const Utf8Char c = ReadUtf8Char(bytes);
    if (!c.wellFormed) return false;
    bytes.remove_prefix(c.length);
  }
  return true;
}

// The file as UTF-8; *unicode when it is in regedit's UTF-16 format.
std::string DecodeFile(std::string_view bytes, bool* unicode) {
  *unicode = false;
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    *unicode = true;
    std::string units(bytes.substr(2));
    if (units.size() % 2 != 0) units.pop_back();
    // Decoded with a terminator of its own, which FromUtf16 wants; lone surrogates show as
    // U+FFFD and nothing in a backup holds one outside a hex list.
    std::optional<std::string> text = FromUtf16(units + std::string(2, '\0'));
    if (text) return *text;
    std::string out;
    for (std::size_t i = 0; i + 1 < units.size(); i += 2) {
      AppendUtf8(out, static_cast<char32_t>(static_cast<unsigned char>(units[i]) |
                                            (static_cast<unsigned char>(units[i + 1]) << 8)));
    }
    return out;
  }
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return std::string(bytes.substr(3));
  // A file re-saved as UTF-8 without a byte-order mark: Chinese text in code page 936 is
  // almost never well-formed UTF-8 as well.
  if (ValidUtf8(bytes)) return std::string(bytes);
  return FromAnsi(bytes);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    if (end == text.size()) break;
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
  }
  return lines;
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// The slot key a key line names ("HKEY_LOCAL_MACHINE\...\{...}\0007", the short root "HKLM"
// too, letters in any case) as the path the program uses. Nothing for any other key.
std::optional<std::string> SlotKeyOf(std::string_view keyPath) {
  const std::size_t slash = keyPath.find('\\');
  if (slash == std::string_view::npos) return std::nullopt;
  const std::string_view root = keyPath.substr(0, slash);
  if (!EqualsNoCase(root, kRootName) && !EqualsNoCase(root, "HKLM")) return std::nullopt;
  const std::string_view rest = keyPath.substr(slash + 1);
  for (std::string_view classPath : ClassPaths()) {
    if (rest.size() != classPath.size() + 4 || !EqualsNoCase(rest.substr(0, classPath.size()), classPath)) continue;
    const std::string_view suffix = rest.substr(classPath.size());
    if (IsSlotSuffix(suffix)) return std::string(classPath) + std::string(suffix);
  }
  return std::nullopt;
}

std::optional<std::string> HexBytes(std::string_view list) {
  std::string out;
  list = Trimmed(list);
  if (list.empty()) return out;
  while (true) {
    const std::size_t comma = list.find(',');
    const std::string_view token = Trimmed(list.substr(0, comma));
    if (token.empty() || token.size() > 2) return std::nullopt;
    unsigned value = 0;
    for (char h : token) {
      const int digit = h >= '0' && h <= '9'   ? h - '0'
                        : h >= 'a' && h <= 'f' ? h - 'a' + 10
                        : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                               : -1;
      if (digit < 0) return std::nullopt;
      value = value * 16 + static_cast<unsigned>(digit);
    }
    out += static_cast<char>(value);
    if (comma == std::string_view::npos) return out;
    list.remove_prefix(comma + 1);
    if (Trimmed(list).empty()) return out;  // regedit leaves no trailing comma, but allows one
  }
}

// The data of an "SSID" line, as a restore step; an empty refusal when it parses.
std::string ReadData(std::string_view data, bool unicode, RestoreStep* step) {
  if (data == "-") {
    step->kind = RestoreStep::Kind::DeleteValue;
    return {};
  }
  step->kind = RestoreStep::Kind::SetValue;
  if (data.front() == '"') {
    if (data.size() < 2 || data.back() != '"') return "文本缺少结尾的引号。";
    std::string text;
    for (std::size_t i = 1; i + 1 < data.size(); ++i) {
      char c = data[i];
      if (c == '\\') {
        if (i + 2 >= data.size() || (data[i + 1] != '\\' && data[i + 1] != '"')) return "文本中有无法识别的 \\。";
        c = data[++i];
      } else if (c == '"') {
        return "文本中有多余的引号。";
      }
      text += c;
    }
    step->type = reg::kSz;
    step->data = ToUtf16(text);
  } else if (data.substr(0, 6) == "dword:") {
    const std::string_view digits = data.substr(6);
    if (digits.size() != 8) return "dword 值应为 8 位十六进制数。";
    const std::optional<std::string> bytes =
        HexBytes(std::string(digits.substr(6, 2)) + "," + std::string(digits.substr(4, 2)) + "," +
                 std::string(digits.substr(2, 2)) + "," + std::string(digits.substr(0, 2)));
    if (!bytes) return "dword 值应为 8 位十六进制数。";
    step->type = reg::kDword;
    step->data = *bytes;
  } else if (data.substr(0, 4) == "hex:" || data.substr(0, 7) == "hex(1):") {
    const bool text = data[3] == '(';
    const std::optional<std::string> bytes = HexBytes(data.substr(text ? 7 : 4));
    if (!bytes) return "十六进制数据无法读取。";
    step->type = text ? reg::kSz : reg::kBinary;
    step->data = *bytes;
    if (text && !unicode) {
      // REGEDIT4 gives a text's code page 936 bytes.
      std::string ansi = *bytes;
      const bool terminated = !ansi.empty() && ansi.back() == '\0';
      if (terminated) ansi.pop_back();
      step->data = ToUtf16(FromAnsi(ansi));
      if (!terminated) step->data.resize(step->data.size() - 2);
    }
  } else {
    return "\"SSID\" 值只能是文本、dword 或二进制数据。";
  }
  if (step->data.size() > kMaxValueBytes) {
    return "\"SSID\" 值有 " + std::to_string(step->data.size()) + " 字节,超过 " + std::to_string(kMaxValueBytes) +
           " 字节。";
  }
  if (step->type == reg::kSz && HasLineBreak(step->data)) return "名称中不能有换行。";
  return {};
}

std::string Refuse(std::size_t line, const std::string& why) { return "第 " + std::to_string(line) + " 行: " + why; }

}  // namespace

std::string BackupRefusal(const std::vector<SlotValue>& slots) {
  for (const SlotValue& slot : slots) {
    if (!slot.hasValue) continue;
    const bool holdable = (slot.type == reg::kSz && !HasLineBreak(slot.data)) ||
                          (slot.type == reg::kDword && slot.data.size() == 4) || slot.type == reg::kBinary;
    if (!holdable || slot.data.size() > kMaxValueBytes) {
      return std::string(kRootName) + "\\" + slot.path + " 的 \"SSID\" 值(类型 " + std::to_string(slot.type) + ", " +
             std::to_string(slot.data.size()) + " 字节)无法备份:备份只保存不超过 " + std::to_string(kMaxValueBytes) +
             " 字节、没有换行的文本、dword 和二进制数据。";
    }
  }
  return {};
}

std::string BackupText(const std::vector<SlotValue>& slots, const std::optional<SettingsValues>& settings) {
  bool unicode = false;
  for (const SlotValue& slot : slots) {
    if (slot.hasValue && slot.type == reg::kSz && !PlainAnsiText(slot.data)) unicode = true;
  }
  std::string text = std::string(unicode ? kHeader5 : kHeader4) +
                     "\r\n\r\n"
                     "; wendral-cli backup of the \"SSID\" values of slots 0000 to 0099 and of 360RI.INI.\r\n"
                     "; Put it back with: wendral-cli restore <this file>\r\n";
  if (settings) {
    text += std::string(kSettingsMark) + kNetworkNameKey + "=" + Quote(settings->networkName) + "\r\n";
    text += std::string(kSettingsMark) + kWindows7SlotKey + "=" + Quote(settings->windows7Slot) + "\r\n";
    text += std::string(kSettingsMark) + kWindowsXpSlotKey + "=" + Quote(settings->windowsXpSlot) + "\r\n";
  } else {
    text += std::string(kNoSettings) + "\r\n";
  }
  text += "\r\n";
  std::size_t count = 0;
  for (const SlotValue& slot : slots) {
    if (!slot.keyExists) continue;
    ++count;
    text += KeyLine(slot.path) + "\r\n\"SSID\"=";
    if (!slot.hasValue) {
      text += "-";
    } else if (slot.type == reg::kDword) {
      char number[16];
      std::snprintf(number, sizeof number, "dword:%02x%02x%02x%02x", static_cast<unsigned char>(slot.data[3]),
                    static_cast<unsigned char>(slot.data[2]), static_cast<unsigned char>(slot.data[1]),
                    static_cast<unsigned char>(slot.data[0]));
      text += number;
    } else if (slot.type == reg::kBinary) {
      text += "hex:" + HexList(slot.data);
    } else if (const std::optional<std::string> plain = FromUtf16(slot.data)) {
      text += "\"" + Escaped(*plain) + "\"";
    } else {
      text += "hex(1):" + HexList(slot.data);  // only in the UTF-16 format: the stored units
    }
    text += "\r\n\r\n";
  }
  for (const SlotValue& slot : slots) {
    if (slot.keyExists) continue;
    ++count;
    text += std::string(kCreatedMark) + KeyLine(slot.path).substr(1) + "\r\n";
  }
  text += "\r\n" + std::string(kEndMark) + std::to_string(count) + std::string(kEndUnit) + "\r\n";
  if (!unicode) return ToAnsi(text);
  const std::string units = ToUtf16(text);
  return "\xFF\xFE" + units.substr(0, units.size() - 2);
}

RestorePlan ReadRestoreFile(std::string_view bytes) {
  RestorePlan plan;
  bool unicode = false;
  const std::string text = DecodeFile(bytes, &unicode);
  const std::vector<std::string_view> lines = SplitLines(text);
  if (lines[0] != kHeader4 && lines[0] != kHeader5) {
    plan.refusal = "这不是 regedit 的注册表文件(第一行应为 REGEDIT4 或 Windows Registry Editor Version 5.00)。";
    return plan;
  }
  const auto fail = [&plan](std::size_t line, const std::string& why) {
    plan.steps.clear();
    plan.settings.reset();
    plan.refusal = Refuse(line, why);
    return plan;
  };
  std::set<std::string> seen;
  std::optional<std::string> current;  // the slot key of the last key line
  std::optional<std::size_t> endCount;
  bool noSettings = false;
  SettingsValues settings;
  int settingsSeen = 0;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::size_t lineNumber = i + 1;
    std::string_view line = Trimmed(lines[i]);
    if (line.empty()) continue;
    if (endCount) return fail(lineNumber, "备份结尾的记录之后还有内容。");
    if (line.front() == ';') {
      if (line.substr(0, kEndMark.size()) == kEndMark && line.size() > kEndMark.size() + kEndUnit.size() &&
          line.substr(line.size() - kEndUnit.size()) == kEndUnit) {
        const std::string_view digits = line.substr(kEndMark.size(), line.size() - kEndMark.size() - kEndUnit.size());
        if (digits.empty() || digits.size() > 4 || digits.find_first_not_of("0123456789") != std::string_view::npos) {
          return fail(lineNumber, "无法识别备份结尾的记录。");
        }
        std::size_t count = 0;
        for (char digit : digits) count = count * 10 + static_cast<std::size_t>(digit - '0');
        endCount = count;
      } else if (line == kNoSettings) {
        noSettings = true;
      } else if (line.substr(0, kSettingsMark.size()) == kSettingsMark) {
        const std::string_view entry = line.substr(kSettingsMark.size());
        const std::size_t equals = entry.find('=');
        const std::string_view key = entry.substr(0, equals);
        const std::optional<std::string> value =
            equals == std::string_view::npos ? std::nullopt : Unquote(entry.substr(equals + 1));
        std::string* field = key == kNetworkNameKey     ? &settings.networkName
                             : key == kWindows7SlotKey  ? &settings.windows7Slot
                             : key == kWindowsXpSlotKey ? &settings.windowsXpSlot
                                                        : nullptr;
        if (!field || !value) return fail(lineNumber, "无法识别 360RI.INI 的记录。");
        *field = *value;
        ++settingsSeen;
      } else if (line.substr(0, kCreatedMark.size()) == kCreatedMark) {
        if (line.back() != ']') return fail(lineNumber, "键名缺少 ']'。");
        const std::optional<std::string> slot =
            SlotKeyOf(line.substr(kCreatedMark.size(), line.size() - kCreatedMark.size() - 1));
        if (!slot) return fail(lineNumber, "记录的键不是随身WIFI位置 0000 到 0099。");
        if (!seen.insert(*slot).second) return fail(lineNumber, "同一个位置记录了两次: " + *slot);
        plan.steps.push_back(RestoreStep{RestoreStep::Kind::DeleteCreatedKey, *slot, 0, {}});
      }
      continue;
    }
    if (line.front() == '[') {
      if (line.back() != ']') return fail(lineNumber, "键名缺少 ']'。");
      const std::string_view path = line.substr(1, line.size() - 2);
      if (!path.empty() && path.front() == '-') return fail(lineNumber, "文件要删除键: " + std::string(path.substr(1)));
      current = SlotKeyOf(path);
      if (!current) return fail(lineNumber, "文件要修改随身WIFI位置 0000 到 0099 以外的键: " + std::string(path));
      continue;
    }
    const bool ssid =
        line.size() > 6 && EqualsNoCase(line.substr(0, 6), "\"SSID\"") && Trimmed(line.substr(6)).substr(0, 1) == "=";
    if (!ssid) {
      return fail(lineNumber,
                  line.front() == '"' || line.front() == '@' ? "文件要修改 \"SSID\" 以外的值。" : "无法识别的内容。");
    }
    if (!current) return fail(lineNumber, "\"SSID\" 值不在随身WIFI位置 0000 到 0099 的键中。");
    std::string data(Trimmed(Trimmed(line.substr(6)).substr(1)));
    // A hex list goes on over the lines that follow a trailing backslash.
    while (!data.empty() && data.back() == '\\' && data.front() != '"' && i + 1 < lines.size()) {
      data.pop_back();
      data += Trimmed(lines[++i]);
    }
    if (data.empty()) return fail(lineNumber, "\"SSID\" 后面缺少数据。");
    RestoreStep step;
    step.path = *current;
    const std::string why = ReadData(data, unicode, &step);
    if (!why.empty()) return fail(lineNumber, why);
    if (!seen.insert(*current).second) return fail(lineNumber, "同一个位置记录了两次: " + *current);
    plan.steps.push_back(std::move(step));
    current.reset();  // one value a key
    if (plan.steps.size() > kMaxSlots)
      return fail(lineNumber, "备份最多记录 " + std::to_string(kMaxSlots) + " 个位置。");
  }
  if (!endCount) {
    plan.steps.clear();
    plan.refusal = "文件不完整:缺少结尾的 \"" + std::string(kEndMark) + "\" 记录。";
    return plan;
  }
  if (plan.steps.empty()) {
    plan.refusal = "文件中没有任何位置的记录。";
    return plan;
  }
  if (*endCount != plan.steps.size()) {
    plan.refusal = "文件不完整:结尾记录了 " + std::to_string(*endCount) + " 个位置,文件中有 " +
                   std::to_string(plan.steps.size()) + " 个。";
    plan.steps.clear();
    return plan;
  }
  if (noSettings == (settingsSeen == 3) || (settingsSeen != 0 && settingsSeen != 3)) {
    plan.steps.clear();
    plan.refusal = "文件中 360RI.INI 的记录不完整。";
    return plan;
  }
  if (!noSettings) plan.settings = settings;
  return plan;
}

WriteTally ApplyRestore(RegistryApi& api, SsidAccess& access, const std::vector<RestoreStep>& steps) {
  WriteTally tally;
  for (const RestoreStep& step : steps) {
    if (step.kind == RestoreStep::Kind::SetValue) {
      tally.Add(0, access.Write(step.path, step.type, step.data));
      continue;
    }
    RegKey key = 0;
    const Status opened = api.OpenKey(kHklm, step.path.c_str(), 0, reg::kAdapterKeyAccess, &key);
    if (opened == reg::kErrorFileNotFound) {
      tally.Add(0, 0);  // nothing there: already as it was
      continue;
    }
    if (opened != 0) {
      tally.Add(opened, 0);
      continue;
    }
    const bool hasSsid = api.QueryValue(key, "SSID", nullptr, nullptr, nullptr) == 0;
    std::uint32_t subKeys = 1, values = 1;
    // A key the driver has filled since it was created stays; only the name goes.
    const bool onlySsid = step.kind == RestoreStep::Kind::DeleteCreatedKey &&
                          api.QueryKeyCounts(key, &subKeys, &values) == 0 && subKeys == 0 &&
                          values == (hasSsid ? 1u : 0u);
    Status done = 0;
    if (!onlySsid && hasSsid) done = api.DeleteValue(key, "SSID");
    api.CloseKey(key);
    if (onlySsid) done = api.DeleteKey(kHklm, step.path.c_str());
    tally.Add(0, done);
  }
  return tally;
}

}  // namespace wendral::cli
