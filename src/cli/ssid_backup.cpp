#include "cli/ssid_backup.h"

#include <map>
#include <optional>

#include "app/adapter_registry.h"
#include "app/ansi_text.h"
#include "app/network_name.h"
#include "formats/memory_registry.h"
#include "formats/reg_file.h"
#include "formats/utf32.h"

namespace wendral::cli {
namespace {

constexpr RegKey kHklm = reg::kHkeyLocalMachine;
constexpr std::string_view kRootName = "HKEY_LOCAL_MACHINE";

std::string WithoutTrailingSlash(std::string_view path) {
  if (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return std::string(path);
}

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


// ---- Reading ----

std::string DecodeFile(std::string_view bytes) {
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    std::string out;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
      char32_t unit = static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
      if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
        const char32_t low = static_cast<unsigned char>(bytes[i + 2]) | (static_cast<unsigned char>(bytes[i + 3]) << 8);
        if (low >= 0xDC00 && low <= 0xDFFF) {
          unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
          i += 2;
        }
      }
      AppendUtf8(out, unit);
    }
    return out;
  }
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return std::string(bytes.substr(3));
  return FromAnsi(bytes);
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
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
// too, letters in any case), as the ANSI path the program uses; the class key itself gives
// an empty suffix. Nothing for any other key.
std::optional<std::string> SlotKeyOf(std::string_view keyPath, bool* isClassKey) {
  const std::size_t slash = keyPath.find('\\');
  if (slash == std::string_view::npos) return std::nullopt;
  const std::string_view root = keyPath.substr(0, slash);
  if (!EqualsNoCase(root, kRootName) && !EqualsNoCase(root, "HKLM")) return std::nullopt;
  const std::string_view rest = keyPath.substr(slash + 1);
  for (std::string_view classPath : ClassPaths()) {
    const std::string bare = WithoutTrailingSlash(classPath);
    if (rest.size() < bare.size() || !EqualsNoCase(rest.substr(0, bare.size()), bare)) continue;
    const std::string_view tail = rest.substr(bare.size());
    if (tail.empty()) {
      *isClassKey = true;
      return std::string(classPath);
    }
    if (tail.front() == '\\' && IsSlotSuffix(tail.substr(1))) {
      *isClassKey = false;
      return std::string(classPath) + std::string(tail.substr(1));
    }
  }
  return std::nullopt;
}

std::string Refuse(std::size_t line, const std::string& why) {
  return "第 " + std::to_string(line) + " 行: " + why;
}

}  // namespace

std::string BackupText(const std::vector<SlotValue>& slots) {
  // The stored values go through the in-memory registry's REGEDIT4 export, which writes
  // every type the way regedit reads it back.
  MemoryRegistry mirror;
  for (const SlotValue& slot : slots) {
    if (!slot.hasValue) continue;
    RegKey key = 0;
    if (mirror.CreateKey(kHklm, slot.path.c_str(), 0, reg::kKeyAllAccess, &key, nullptr) != 0) continue;
    mirror.SetValue(key, "SSID", slot.type, reinterpret_cast<const std::uint8_t*>(slot.data.data()),
                    static_cast<std::uint32_t>(slot.data.size()));
    mirror.CloseKey(key);
  }
  std::string out = "REGEDIT4\r\n\r\n"
                    "; wendral-cli backup of the \"SSID\" values of slots 0000 to 0099.\r\n"
                    "; Put it back with: wendral-cli restore <this file>\r\n\r\n";
  for (std::string_view classPath : ClassPaths()) {
    const std::optional<std::string> part = ExportRegText(mirror, kHklm, WithoutTrailingSlash(classPath));
    if (part) out += part->substr(part->find("\r\n\r\n") + 4);
  }
  bool noted = false;
  for (const SlotValue& slot : slots) {
    if (!slot.keyExists || slot.hasValue) continue;
    if (!noted) out += "; These keys held no \"SSID\" value.\r\n\r\n";
    noted = true;
    out += "[" + std::string(kRootName) + "\\" + slot.path + "]\r\n\"SSID\"=-\r\n\r\n";
  }
  noted = false;
  for (const SlotValue& slot : slots) {
    if (slot.keyExists) continue;
    if (!noted) {
      out += "; These keys did not exist. wendral-cli restore removes one only while it holds\r\n"
             "; nothing but an \"SSID\" value; regedit removes it with everything in it.\r\n\r\n";
    }
    noted = true;
    out += "[-" + std::string(kRootName) + "\\" + slot.path + "]\r\n\r\n";
  }
  return out;
}

RestorePlan ReadRestoreFile(std::string_view bytes) {
  RestorePlan plan;
  const std::vector<std::string> lines = SplitLines(DecodeFile(bytes));
  const std::string_view header = lines.empty() ? std::string_view() : Trimmed(lines[0]);
  if (header != "REGEDIT4" && header != "Windows Registry Editor Version 5.00") {
    plan.refusal = "这不是注册表文件(第一行应为 REGEDIT4)。";
    return plan;
  }
  // What the file does to each slot; the last line about a slot decides.
  std::map<std::string, std::size_t> stepOf;
  std::optional<std::string> current;  // the slot key of the last key line
  bool inClassKey = false;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::size_t lineNumber = i + 1;
    const std::string_view text = Trimmed(lines[i]);
    if (text.empty() || text.front() == ';' || text.front() == '#') continue;
    if (text.front() == '[') {
      const std::size_t close = text.rfind(']');
      if (close == std::string_view::npos) {
        plan.refusal = Refuse(lineNumber, "键名缺少 ']'。");
        return plan;
      }
      std::string_view path = text.substr(1, close - 1);
      const bool remove = !path.empty() && path.front() == '-';
      if (remove) path.remove_prefix(1);
      bool isClassKey = false;
      current = SlotKeyOf(path, &isClassKey);
      if (!current || (remove && isClassKey)) {
        plan.refusal = Refuse(lineNumber, "文件要修改随身WIFI位置 0000 到 0099 以外的键: " + std::string(path));
        return plan;
      }
      inClassKey = isClassKey;
      if (remove) {
        auto [it, added] = stepOf.try_emplace(*current, plan.steps.size());
        if (added) plan.steps.push_back(RestoreStep{});
        plan.steps[it->second].kind = RestoreStep::Kind::DeleteKey;
        plan.steps[it->second].path = *current;
        current.reset();
      }
      continue;
    }
    if (text.front() != '"' && text.front() != '@') {
      plan.refusal = Refuse(lineNumber, "无法识别的内容。");
      return plan;
    }
    // Only "SSID" (any case), and only inside a slot key.
    const bool ssid = text.size() > 6 && EqualsNoCase(text.substr(0, 6), "\"SSID\"") &&
                      Trimmed(text.substr(6)).substr(0, 1) == "=";
    if (!ssid) {
      plan.refusal = Refuse(lineNumber, "文件要修改 \"SSID\" 以外的值。");
      return plan;
    }
    if (!current || inClassKey) {
      plan.refusal = Refuse(lineNumber, "\"SSID\" 值不在随身WIFI位置 0000 到 0099 的键中。");
      return plan;
    }
    const std::string_view data = Trimmed(Trimmed(text.substr(6)).substr(1));
    auto [it, added] = stepOf.try_emplace(*current, plan.steps.size());
    if (added) plan.steps.push_back(RestoreStep{});
    plan.steps[it->second].kind = data.substr(0, 1) == "-" && Trimmed(data.substr(1)).empty()
                                      ? RestoreStep::Kind::DeleteValue
                                      : RestoreStep::Kind::SetValue;
    plan.steps[it->second].path = *current;
    // A hex list goes on over the lines that follow a trailing backslash.
    while (i + 1 < lines.size() && !Trimmed(lines[i]).empty() && Trimmed(lines[i]).back() == '\\') ++i;
  }

  // The data itself is read by the same .reg reader that fills the in-memory registry.
  MemoryRegistry scratch;
  const RegImportReport report = ImportRegText(scratch, bytes);
  if (!report.ok()) {
    plan.refusal = report.issues.empty() ? "文件无法读取。"
                                         : Refuse(report.issues[0].line, report.issues[0].message);
    plan.steps.clear();
    return plan;
  }
  for (RestoreStep& step : plan.steps) {
    if (step.kind != RestoreStep::Kind::SetValue) continue;
    const std::optional<RegKeySnapshot> key = scratch.Snapshot(kHklm, step.path);
    bool found = false;
    if (key) {
      for (const RegValueSnapshot& value : key->values) {
        if (EqualsNoCase(value.name, "SSID")) {
          step.type = value.type;
          step.data = value.data;
          found = true;
        }
      }
    }
    if (!found) {
      plan.refusal = "文件中 " + step.path + " 的 \"SSID\" 值无法读取。";
      plan.steps.clear();
      return plan;
    }
  }
  return plan;
}

WriteTally ApplyRestore(RegistryApi& api, const std::vector<RestoreStep>& steps) {
  WriteTally tally;
  for (const RestoreStep& step : steps) {
    RegKey key = 0;
    switch (step.kind) {
      case RestoreStep::Kind::SetValue: {
        const Status created = api.CreateKey(kHklm, step.path.c_str(), 0, reg::kAdapterKeyAccess, &key, nullptr);
        Status written = 0;
        if (created == 0) {
          written = api.SetValue(key, "SSID", step.type, reinterpret_cast<const std::uint8_t*>(step.data.data()),
                                 static_cast<std::uint32_t>(step.data.size()));
          api.CloseKey(key);
        }
        tally.Add(created, written);
        break;
      }
      case RestoreStep::Kind::DeleteValue:
      case RestoreStep::Kind::DeleteKey: {
        const Status opened = api.OpenKey(kHklm, step.path.c_str(), 0, reg::kAdapterKeyAccess, &key);
        if (opened == reg::kErrorFileNotFound) {
          tally.Add(0, 0);  // nothing there: already as it was
          break;
        }
        if (opened != 0) {
          tally.Add(opened, 0);
          break;
        }
        const bool hasSsid = api.QueryValue(key, "SSID", nullptr, nullptr, nullptr) == 0;
        std::uint32_t subKeys = 1, values = 1;
        const bool onlySsid = step.kind == RestoreStep::Kind::DeleteKey &&
                              api.QueryKeyCounts(key, &subKeys, &values) == 0 && subKeys == 0 &&
                              values == (hasSsid ? 1u : 0u);
        Status done = 0;
        if (!onlySsid && hasSsid) {
          done = api.DeleteValue(key, "SSID");
        }
        api.CloseKey(key);
        if (onlySsid) done = api.DeleteKey(kHklm, step.path.c_str());
        tally.Add(0, done);
        break;
      }
    }
  }
  return tally;
}

}  // namespace wendral::cli
