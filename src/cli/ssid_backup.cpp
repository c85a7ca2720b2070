#include "cli/ssid_backup.h"

#include <algorithm>
#include <set>

#include "app/adapter_registry.h"
#include "app/ansi_text.h"
#include "app/network_name.h"
#include "formats/reg_syntax.h"
#include "formats/utf16.h"

namespace wendral::cli {
namespace {

constexpr RegKey kHklm = reg::kHkeyLocalMachine;
constexpr std::string_view kRootName = "HKEY_LOCAL_MACHINE";
// The comments a restore reads; regedit skips every line that starts with ';'. A stored
// format: backups written before keep being read whatever the settings file is called.
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
  std::optional<std::string> text = FromTerminatedUtf16Le(utf16);
  if (!text) return std::nullopt;
  const std::optional<std::string> ansi = ToAnsiExact(*text);
  if (!ansi || FromAnsi(*ansi) != *text) return std::nullopt;
  return text;
}

// ---- Reading ----

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

constexpr std::string_view kOnlyTextDwordOrBinary = "\"SSID\" 值只能是文本、dword 或二进制数据。";

// Why the data of an "SSID" line cannot be read.
std::string DataRefusal(RegSyntaxError error) {
  switch (error) {
    case RegSyntaxError::MissingData: return "\"SSID\" 后面缺少数据。";
    case RegSyntaxError::UnterminatedText: return "文本缺少结尾的引号。";
    case RegSyntaxError::BadEscape: return "文本中有无法识别的 \\。";
    case RegSyntaxError::TextAfterText: return "文本中有多余的引号。";
    case RegSyntaxError::BadDword: return "dword 值应为 8 位十六进制数。";
    case RegSyntaxError::BadHexData: return "十六进制数据无法读取。";
    default: return std::string(kOnlyTextDwordOrBinary);
  }
}

// The data of an "SSID" line as a restore step; an empty refusal when a backup may hold it.
std::string ReadData(const RegData& data, bool unicode, RestoreStep* step) {
  step->kind = RestoreStep::Kind::SetValue;
  switch (data.kind) {
    case RegData::Kind::Delete: step->kind = RestoreStep::Kind::DeleteValue; return {};
    case RegData::Kind::Text:
      step->type = reg::kSz;
      step->data = ToTerminatedUtf16Le(data.text);
      break;
    case RegData::Kind::Dword:
      step->type = reg::kDword;
      for (int i = 0; i < 4; ++i) step->data += static_cast<char>((data.number >> (8 * i)) & 0xFF);
      break;
    case RegData::Kind::Hex:
      if (data.hexType != reg::kSz && data.hexType != reg::kBinary) return std::string(kOnlyTextDwordOrBinary);
      step->type = data.hexType;
      step->data = data.bytes;
      if (data.hexType == reg::kSz && !unicode) {
        // REGEDIT4 gives a text's code page 936 bytes.
        std::string ansi = data.bytes;
        const bool terminated = !ansi.empty() && ansi.back() == '\0';
        if (terminated) ansi.pop_back();
        step->data = ToTerminatedUtf16Le(FromAnsi(ansi));
        if (!terminated) step->data.resize(step->data.size() - 2);
      }
      break;
  }
  if (step->data.size() > kMaxValueBytes) {
    return "\"SSID\" 值有 " + std::to_string(step->data.size()) + " 字节,超过 " + std::to_string(kMaxValueBytes) +
           " 字节。";
  }
  if (step->type == reg::kSz && HasLineBreak(step->data)) return "名称中不能有换行。";
  return {};
}

// A backup's records, checked one at a time: "SSID" values of slot keys and the comments a
// backup writes, in any order regedit would take, and nothing after the end record.
class RestoreReader {
 public:
  explicit RestoreReader(bool unicode) : unicode_(unicode) {}

  // Why the file is refused at this record, or empty.
  std::string Take(const RegRecord& record) {
    if (endCount_) return "备份结尾的记录之后还有内容。";
    switch (record.kind) {
      case RegRecord::Kind::Comment: return record.text.front() == ';' ? Comment(record.text) : std::string();
      case RegRecord::Kind::Key: return Key(record);
      case RegRecord::Kind::Value: return Value(record);
      case RegRecord::Kind::Malformed: break;
    }
    if (record.error == RegSyntaxError::KeyWithoutBracket) return "键名缺少 ']'。";
    const char first = record.text.front();
    return first == '"' || first == '@' ? "文件要修改 \"SSID\" 以外的值。" : "无法识别的内容。";
  }

  // The plan once every record was taken.
  RestorePlan Finish() {
    if (!endCount_) return Refused("文件不完整:缺少结尾的 \"" + std::string(kEndMark) + "\" 记录。");
    if (plan_.steps.empty()) return Refused("文件中没有任何位置的记录。");
    if (*endCount_ != plan_.steps.size()) {
      return Refused("文件不完整:结尾记录了 " + std::to_string(*endCount_) + " 个位置,文件中有 " +
                     std::to_string(plan_.steps.size()) + " 个。");
    }
    if (noSettings_ == (settingsSeen_ == 3) || (settingsSeen_ != 0 && settingsSeen_ != 3)) {
      return Refused("文件中 360RI.INI 的记录不完整。");
    }
    if (!noSettings_) plan_.settings = settings_;
    return std::move(plan_);
  }

 private:
  static RestorePlan Refused(std::string why) {
    RestorePlan plan;
    plan.refusal = std::move(why);
    return plan;
  }

  std::string Comment(std::string_view line) {
    if (line.substr(0, kEndMark.size()) == kEndMark && line.size() > kEndMark.size() + kEndUnit.size() &&
        line.substr(line.size() - kEndUnit.size()) == kEndUnit) {
      return EndRecord(line.substr(kEndMark.size(), line.size() - kEndMark.size() - kEndUnit.size()));
    }
    if (line == kNoSettings) {
      noSettings_ = true;
    } else if (line.substr(0, kSettingsMark.size()) == kSettingsMark) {
      return SettingsRecord(line.substr(kSettingsMark.size()));
    } else if (line.substr(0, kCreatedMark.size()) == kCreatedMark) {
      if (line.back() != ']') return "键名缺少 ']'。";
      const std::optional<std::string> slot =
          SlotKeyOf(line.substr(kCreatedMark.size(), line.size() - kCreatedMark.size() - 1));
      if (!slot) return "记录的键不是随身WIFI位置 0000 到 0099。";
      return AddStep(RestoreStep{RestoreStep::Kind::DeleteCreatedKey, *slot, 0, {}});
    }
    return {};
  }

  std::string EndRecord(std::string_view digits) {
    if (digits.empty() || digits.size() > 4 || digits.find_first_not_of("0123456789") != std::string_view::npos) {
      return "无法识别备份结尾的记录。";
    }
    std::size_t count = 0;
    for (char digit : digits) count = count * 10 + static_cast<std::size_t>(digit - '0');
    endCount_ = count;
    return {};
  }

  std::string SettingsRecord(std::string_view entry) {
    const std::size_t equals = entry.find('=');
    const std::string_view key = entry.substr(0, equals);
    const std::optional<std::string> value =
        equals == std::string_view::npos ? std::nullopt : Unquote(entry.substr(equals + 1));
    std::string* field = key == kNetworkNameKey     ? &settings_.networkName
                         : key == kWindows7SlotKey  ? &settings_.windows7Slot
                         : key == kWindowsXpSlotKey ? &settings_.windowsXpSlot
                                                    : nullptr;
    if (!field || !value) return "无法识别 360RI.INI 的记录。";
    *field = *value;
    ++settingsSeen_;
    return {};
  }

  std::string Key(const RegRecord& record) {
    if (record.deleteKey) return "文件要删除键: " + record.keyPath;
    current_ = SlotKeyOf(record.keyPath);
    if (!current_) return "文件要修改随身WIFI位置 0000 到 0099 以外的键: " + record.keyPath;
    return {};
  }

  std::string Value(const RegRecord& record) {
    if (record.defaultValue || !EqualsNoCase(record.valueName, SsidValueName)) return "文件要修改 \"SSID\" 以外的值。";
    if (!current_) return "\"SSID\" 值不在随身WIFI位置 0000 到 0099 的键中。";
    if (record.error != RegSyntaxError::None) return DataRefusal(record.error);
    RestoreStep step;
    step.path = *current_;
    const std::string why = ReadData(record.data, unicode_, &step);
    if (!why.empty()) return why;
    current_.reset();  // one value a key
    return AddStep(std::move(step));
  }

  std::string AddStep(RestoreStep step) {
    if (!seen_.insert(step.path).second) return "同一个位置记录了两次: " + step.path;
    plan_.steps.push_back(std::move(step));
    if (plan_.steps.size() > kMaxSlots) return "备份最多记录 " + std::to_string(kMaxSlots) + " 个位置。";
    return {};
  }

  bool unicode_;
  RestorePlan plan_;
  std::set<std::string> seen_;
  std::optional<std::string> current_;  // the slot key of the last key line
  std::optional<std::size_t> endCount_;
  bool noSettings_ = false;
  SettingsValues settings_;
  int settingsSeen_ = 0;
};

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

std::string BackupText(const std::vector<SlotValue>& slots, const std::optional<SettingsValues>& settings,
                       bool ansiCodePage936) {
  bool unicode = false;
  for (const SlotValue& slot : slots) {
    if (slot.hasValue && slot.type == reg::kSz) {
      const std::optional<std::string> text = PlainAnsiText(slot.data);
      const auto ascii = [](const std::string& t) {
        return std::all_of(t.begin(), t.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
      };
      if (!text || !(ansiCodePage936 || ascii(*text))) unicode = true;
    }
  }
  std::string text = std::string(unicode ? kRegedit5Header : kRegedit4Header) +
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
    text += KeyLine(slot.path) + "\r\n\"" + std::string(SsidValueName) + "\"=";
    if (!slot.hasValue) {
      text += "-";
    } else if (slot.type == reg::kDword) {
      std::uint32_t number = 0;
      for (int i = 3; i >= 0; --i)
        number = (number << 8) | static_cast<unsigned char>(slot.data[static_cast<std::size_t>(i)]);
      text += RegDword(number);
    } else if (slot.type == reg::kBinary) {
      text += "hex:" + RegHexList(slot.data);
    } else if (const std::optional<std::string> plain = FromTerminatedUtf16Le(slot.data)) {
      text += "\"" + RegEscaped(*plain, RegEncoding::Utf8) + "\"";
    } else {
      text += "hex(1):" + RegHexList(slot.data);  // only in the UTF-16 format: the stored units
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
  return "\xFF\xFE" + Utf8ToUtf16Le(text);
}

RestorePlan ReadRestoreFile(std::string_view bytes) {
  const RegRecords file = ReadRegRecords(bytes, RegUtf8WithoutMark::AsUtf8WhenWellFormed);
  RestorePlan refused;
  if (!file.header) {
    refused.refusal = "这不是 regedit 的注册表文件(第一行应为 REGEDIT4 或 Windows Registry Editor Version 5.00)。";
    return refused;
  }
  RestoreReader reader(file.encoding == RegEncoding::Utf16);
  for (const RegRecord& record : file.records) {
    const std::string why = reader.Take(record);
    if (!why.empty()) {
      refused.refusal = "第 " + std::to_string(record.line) + " 行: " + why;
      return refused;
    }
  }
  return reader.Finish();
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
    const std::string ssid(SsidValueName);
    const bool hasSsid = api.QueryValue(key, ssid.c_str(), nullptr, nullptr, nullptr) == 0;
    std::uint32_t subKeys = 1, values = 1;
    // A key the driver has filled since it was created stays; only the name goes.
    const bool onlySsid = step.kind == RestoreStep::Kind::DeleteCreatedKey &&
                          api.QueryKeyCounts(key, &subKeys, &values) == 0 && subKeys == 0 &&
                          values == (hasSsid ? 1u : 0u);
    Status done = 0;
    if (!onlySsid && hasSsid) done = api.DeleteValue(key, ssid.c_str());
    api.CloseKey(key);
    if (onlySsid) done = api.DeleteKey(kHklm, step.path.c_str());
    tally.Add(0, done);
  }
  return tally;
}

}  // namespace wendral::cli
