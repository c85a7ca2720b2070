#include "formats/reg_file.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <utility>

#include "app/ansi_text.h"
#include "formats/reg_syntax.h"
#include "formats/utf16.h"

namespace wendral {
namespace {

bool IsStringType(std::uint32_t type) { return type == reg::kSz || type == reg::kExpandSz || type == reg::kMultiSz; }

// Converts each run between zero characters, which the converters would stop at or drop.
template <typename Convert>
std::string KeepingNuls(std::string_view text, Convert convert) {
  std::string out;
  std::size_t start = 0;
  while (true) {
    const std::size_t nul = text.find('\0', start);
    out += convert(text.substr(start, nul == std::string_view::npos ? nul : nul - start));
    if (nul == std::string_view::npos) break;
    out += '\0';
    start = nul + 1;
  }
  return out;
}

// The store's UTF-16LE text as ANSI bytes, and ANSI bytes as the store's text.
std::string Utf16ToAnsi(std::string_view utf16) {
  return KeepingNuls(Utf16LeToUtf8(utf16), [](std::string_view run) { return ToAnsi(run); });
}
std::string AnsiToUtf16(std::string_view ansi) {
  return Utf8ToUtf16Le(KeepingNuls(ansi, [](std::string_view run) { return FromAnsi(run); }));
}

// ---- Loading ----

const char* SyntaxMessage(RegSyntaxError error) {
  switch (error) {
    case RegSyntaxError::None: break;
    case RegSyntaxError::UnrecognisedLine: return "unrecognised line";
    case RegSyntaxError::KeyWithoutBracket: return "key line without ']'";
    case RegSyntaxError::BadValueName: return "bad value name";
    case RegSyntaxError::EqualsExpected: return "'=' expected";
    case RegSyntaxError::TextAfterDash: return "text after '-'";
    case RegSyntaxError::UnterminatedText:
    case RegSyntaxError::BadEscape:
    case RegSyntaxError::TextAfterText: return "bad string";
    case RegSyntaxError::BadDword: return "bad dword";
    case RegSyntaxError::BadHexType: return "bad hex type";
    case RegSyntaxError::ColonExpected: return "':' expected";
    case RegSyntaxError::BadHexData: return "bad hex data";
    case RegSyntaxError::MissingData:
    case RegSyntaxError::UnknownDataType: return "unknown data type";
  }
  return "";
}

// Applies the records as `regedit /s` does, through the store's own RegistryApi calls.
class Importer {
 public:
  Importer(MemoryRegistry& store, bool unicode, RegImportReport& report)
      : store_(store), unicode_(unicode), report_(report) {}
  ~Importer() { CloseCurrent(); }

  void Run(const std::vector<RegRecord>& records) {
    for (const RegRecord& record : records) {
      switch (record.kind) {
        case RegRecord::Kind::Comment: break;
        case RegRecord::Kind::Key: KeyLine(record); break;
        case RegRecord::Kind::Value: ValueLine(record); break;
        case RegRecord::Kind::Malformed:
          if (record.text.front() == '[') CloseCurrent();
          Issue(record.line, SyntaxMessage(record.error));
          break;
      }
    }
  }

 private:
  void Issue(std::size_t line, std::string message) {
    report_.issues.push_back(RegFileIssue{line, std::move(message)});
  }

  void CloseCurrent() {
    if (current_ != 0) store_.CloseKey(current_);
    current_ = 0;
  }

  // Splits "ROOT\path" into the root key and the sub-key path.
  static bool ParseKeyPath(std::string_view path, RegKey* root, std::string* subKey) {
    const std::size_t slash = path.find('\\');
    const auto key = MemoryRegistry::RootByName(path.substr(0, slash));
    if (!key) return false;
    *root = *key;
    *subKey = slash == std::string_view::npos ? std::string() : std::string(path.substr(slash + 1));
    return true;
  }

  void KeyLine(const RegRecord& record) {
    CloseCurrent();
    RegKey root = 0;
    std::string subKey;
    if (!ParseKeyPath(record.keyPath, &root, &subKey)) {
      Issue(record.line, "unknown root key");
      return;
    }
    if (record.deleteKey) {
      store_.DeleteKeyTree(root, subKey);  // a missing key is no error
      return;
    }
    const Status status = store_.CreateKey(root, subKey.c_str(), 0, reg::kKeyAllAccess, &current_, nullptr);
    if (status != reg::kErrorSuccess) {
      current_ = 0;
      Issue(record.line, "cannot create the key (status " + std::to_string(status) + ")");
    }
  }

  void ValueLine(const RegRecord& record) {
    if (current_ == 0) {
      Issue(record.line, "value outside a key");
      return;
    }
    if (record.error != RegSyntaxError::None) {
      Issue(record.line, SyntaxMessage(record.error));
      return;
    }
    const std::string& name = record.valueName;
    const RegData& value = record.data;
    std::uint32_t type = 0;
    std::string data;
    switch (value.kind) {
      case RegData::Kind::Delete: store_.DeleteValue(current_, name.c_str()); return;
      case RegData::Kind::Text:
        type = reg::kSz;
        data = ToTerminatedUtf16Le(value.text);
        break;
      case RegData::Kind::Dword:
        type = reg::kDword;
        for (int i = 0; i < 4; ++i) data += static_cast<char>((value.number >> (8 * i)) & 0xFF);
        break;
      case RegData::Kind::Hex:
        type = value.hexType;
        data = IsStringType(type) ? StringHexData(value.bytes) : value.bytes;
        break;
    }
    const Status status =
        store_.SetValue(current_, name.c_str(), type, reinterpret_cast<const std::uint8_t*>(data.data()),
                        static_cast<std::uint32_t>(data.size()));
    if (status != reg::kErrorSuccess) {
      Issue(record.line, "cannot set the value (status " + std::to_string(status) + ")");
    }
  }

  // Hex data of a string type, as the store holds it: UTF-16LE (from REGEDIT4, converted from
  // ANSI), with a terminator added when missing.
  std::string StringHexData(std::string data) const {
    if (data.empty()) return data;
    if (!unicode_) {
      if (data.back() != '\0') data += '\0';
      return AnsiToUtf16(data);
    }
    data.resize(data.size() / 2 * 2);
    if (data.size() < 2 || data[data.size() - 1] != '\0' || data[data.size() - 2] != '\0') {
      data.append(2, '\0');
    }
    return data;
  }

  MemoryRegistry& store_;
  bool unicode_;
  RegImportReport& report_;
  RegKey current_ = 0;
};

// ---- Saving ----

// Text code page 936 holds exactly, so REGEDIT4 can carry it.
bool FitsCodePage936(std::string_view utf8) {
  std::size_t start = 0;
  while (true) {
    const std::size_t nul = utf8.find('\0', start);
    const std::string_view run = utf8.substr(start, nul == std::string_view::npos ? nul : nul - start);
    const std::optional<std::string> ansi = ToAnsiExact(run);
    if (!ansi || FromAnsi(*ansi) != run) return false;
    if (nul == std::string_view::npos) return true;
    start = nul + 1;
  }
}

bool Regedit4Holds(const RegKeySnapshot& key) {
  for (const RegValueSnapshot& value : key.values) {
    if (!FitsCodePage936(value.name)) return false;
    if (!IsStringType(value.type)) continue;
    bool exact = false;
    if (!FitsCodePage936(Utf16LeToUtf8(value.data, &exact)) || !exact) return false;
  }
  for (const RegKeySnapshot& child : key.subkeys) {
    if (!FitsCodePage936(child.name) || !Regedit4Holds(child)) return false;
  }
  return true;
}

// How the file is being written: REGEDIT4 in code page 936, or the text of a UTF-16LE file.
struct Encoding {
  bool unicode = false;
  RegEncoding syntax() const { return unicode ? RegEncoding::Utf16 : RegEncoding::Ansi; }
  std::string Name(std::string_view utf8) const { return unicode ? std::string(utf8) : ToAnsi(utf8); }
};

// A REG_SZ that a quoted string gives back exactly: whole UTF-16 ending in one terminator and
// no other zero character, and no line break. Its text in the file's encoding.
std::optional<std::string> QuotableText(const RegValueSnapshot& value, const Encoding& encoding) {
  if (value.type != reg::kSz) return std::nullopt;
  bool exact = false;
  std::string text = Utf16LeToUtf8(value.data, &exact);
  if (!exact || text.empty() || text.back() != '\0') return std::nullopt;
  text.pop_back();
  if (text.find_first_of(std::string_view("\0\r\n", 3)) != std::string::npos) return std::nullopt;
  return encoding.Name(text);
}

void ExportValue(std::string& out, const RegValueSnapshot& value, const Encoding& encoding) {
  std::string line =
      value.name.empty() ? std::string("@=") : "\"" + RegEscaped(encoding.Name(value.name), encoding.syntax()) + "\"=";
  if (const std::optional<std::string> text = QuotableText(value, encoding)) {
    out += line + "\"" + RegEscaped(*text, encoding.syntax()) + "\"\r\n";
    return;
  }
  if (value.type == reg::kDword && value.data.size() == 4) {
    std::uint32_t number = 0;
    for (int i = 3; i >= 0; --i) {
      number = (number << 8) | static_cast<std::uint8_t>(value.data[static_cast<std::size_t>(i)]);
    }
    out += line + RegDword(number) + "\r\n";
    return;
  }
  if (value.type == reg::kBinary) {
    line += "hex:";
  } else {
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(value.type));
    line += prefix;
  }
  // Text types in REGEDIT4 in its code page, as regedit writes them.
  const std::string data = !encoding.unicode && IsStringType(value.type) ? Utf16ToAnsi(value.data) : value.data;
  out += line + RegHexList(data, line.size()) + "\r\n";
}

// path is in the file's encoding already.
void ExportKey(std::string& out, const std::string& path, const RegKeySnapshot& key, const Encoding& encoding) {
  out += "[" + path + "]\r\n";
  for (const RegValueSnapshot& value : key.values) ExportValue(out, value, encoding);
  out += "\r\n";
  for (const RegKeySnapshot& child : key.subkeys) {
    ExportKey(out, path + "\\" + encoding.Name(child.name), child, encoding);
  }
}

// The keys with their root names, as one file: REGEDIT4 when code page 936 holds every name
// and text, else regedit's UTF-16LE format, so that nothing is lost either way.
std::string ExportFile(const std::vector<std::pair<std::string, RegKeySnapshot>>& keys) {
  Encoding encoding;
  for (const auto& [path, key] : keys) {
    if (!FitsCodePage936(path) || !Regedit4Holds(key)) encoding.unicode = true;
  }
  std::string out = std::string(encoding.unicode ? kRegedit5Header : kRegedit4Header) + "\r\n\r\n";
  for (const auto& [path, key] : keys) ExportKey(out, encoding.Name(path), key, encoding);
  return encoding.unicode ? "\xFF\xFE" + Utf8ToUtf16Le(out) : out;
}

// ROOT\path, UTF-8.
std::string JoinPath(RegKey root, std::string_view subKey) {
  std::string path(MemoryRegistry::RootName(root));
  const auto parts = memory_registry_detail::SplitKeyPath(subKey);
  if (parts) {
    for (const std::string& part : *parts) path += "\\" + part;
  }
  return path;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  return static_cast<bool>(file);
}

}  // namespace

RegImportReport ImportRegText(MemoryRegistry& store, std::string_view bytes) {
  RegImportReport report;
  report.read = true;
  const RegRecords file = ReadRegRecords(bytes);
  if (!file.header) {
    report.issues.push_back(RegFileIssue{1, "not a registry file"});
    return report;
  }
  report.header = true;
  Importer importer(store, file.encoding == RegEncoding::Utf16, report);
  importer.Run(file.records);
  return report;
}

std::optional<std::string> ExportRegText(const MemoryRegistry& store, RegKey root, std::string_view subKey) {
  std::optional<RegKeySnapshot> snapshot = store.Snapshot(root, subKey);
  if (!snapshot || MemoryRegistry::RootName(root).empty()) return std::nullopt;
  return ExportFile({{JoinPath(root, subKey), std::move(*snapshot)}});
}

std::string ExportRegText(const MemoryRegistry& store) {
  std::vector<std::pair<std::string, RegKeySnapshot>> keys;
  for (RegKey root : MemoryRegistry::Roots()) {
    std::optional<RegKeySnapshot> snapshot = store.Snapshot(root, "");
    if (!snapshot || (snapshot->values.empty() && snapshot->subkeys.empty())) continue;
    keys.emplace_back(std::string(MemoryRegistry::RootName(root)), std::move(*snapshot));
  }
  return ExportFile(keys);
}

RegImportReport LoadRegFile(MemoryRegistry& store, const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return RegImportReport{};
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return ImportRegText(store, bytes);
}

bool SaveRegFile(const MemoryRegistry& store, const std::string& path) { return WriteFile(path, ExportRegText(store)); }

bool SaveRegFile(const MemoryRegistry& store, const std::string& path, RegKey root, std::string_view subKey) {
  const std::optional<std::string> text = ExportRegText(store, root, subKey);
  return text && WriteFile(path, *text);
}

}  // namespace wendral
