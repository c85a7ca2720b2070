#include "formats/reg_file.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/ansi_text.h"
#include "formats/reg_syntax.h"
#include "formats/utf16.h"

namespace wendral {
namespace {

bool IsStringType(std::uint32_t type) { return type == reg::kSz || type == reg::kExpandSz || type == reg::kMultiSz; }

// UTF-8 text to ANSI, zero characters kept.
std::string Utf8ToAnsiKeepingNuls(std::string_view utf8) {
  std::string out;
  std::size_t start = 0;
  while (true) {
    const std::size_t nul = utf8.find('\0', start);
    out += ToAnsi(utf8.substr(start, nul == std::string_view::npos ? nul : nul - start));
    if (nul == std::string_view::npos) break;
    out += '\0';
    start = nul + 1;
  }
  return out;
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

  // Splits "ROOT\path" into the root key and the ANSI sub-key path.
  static bool ParseKeyPath(std::string_view path, RegKey* root, std::string* subKey) {
    const std::size_t slash = path.find('\\');
    const auto key = MemoryRegistry::RootByName(path.substr(0, slash));
    if (!key) return false;
    *root = *key;
    *subKey = slash == std::string_view::npos ? std::string() : ToAnsi(path.substr(slash + 1));
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
    const std::string ansiName = ToAnsi(record.valueName);
    const RegData& value = record.data;
    std::uint32_t type = 0;
    std::string data;
    switch (value.kind) {
      case RegData::Kind::Delete: store_.DeleteValue(current_, ansiName.c_str()); return;
      case RegData::Kind::Text:
        type = reg::kSz;
        data = ToAnsi(value.text);
        data += '\0';
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
        store_.SetValue(current_, ansiName.c_str(), type, reinterpret_cast<const std::uint8_t*>(data.data()),
                        static_cast<std::uint32_t>(data.size()));
    if (status != reg::kErrorSuccess) {
      Issue(record.line, "cannot set the value (status " + std::to_string(status) + ")");
    }
  }

  // Hex data of a string type, as the store holds it: a terminator added when missing, and
  // from a Unicode file converted from UTF-16LE to ANSI.
  std::string StringHexData(std::string data) const {
    if (data.empty()) return data;
    if (!unicode_) {
      if (data.back() != '\0') data += '\0';
      return data;
    }
    data.resize(data.size() / 2 * 2);
    if (data.size() < 2 || data[data.size() - 1] != '\0' || data[data.size() - 2] != '\0') {
      data.append(2, '\0');
    }
    return Utf8ToAnsiKeepingNuls(Utf16LeToUtf8(data));
  }

  MemoryRegistry& store_;
  bool unicode_;
  RegImportReport& report_;
  RegKey current_ = 0;
};

// ---- Saving ----

// A REG_SZ that a quoted string gives back exactly: one terminator at the end and no other
// zero byte, no line break, and text that survives the trip through the code page.
bool Quotable(const RegValueSnapshot& value) {
  if (value.type != reg::kSz || value.data.empty() || value.data.back() != '\0') return false;
  const std::string_view body(value.data.data(), value.data.size() - 1);
  if (body.find_first_of(std::string_view("\0\r\n", 3)) != std::string_view::npos) return false;
  return ToAnsi(FromAnsi(body)) == body;
}

void ExportValue(std::string& out, const RegValueSnapshot& value) {
  std::string line = value.name.empty() ? std::string("@=") : "\"" + RegEscaped(value.name, RegEncoding::Ansi) + "\"=";
  if (Quotable(value)) {
    out += line + "\"" + RegEscaped(std::string_view(value.data.data(), value.data.size() - 1), RegEncoding::Ansi) +
           "\"\r\n";
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
  out += line + RegHexList(value.data, line.size()) + "\r\n";
}

void ExportKey(std::string& out, const std::string& path, const RegKeySnapshot& key) {
  out += "[" + path + "]\r\n";
  for (const RegValueSnapshot& value : key.values) ExportValue(out, value);
  out += "\r\n";
  for (const RegKeySnapshot& child : key.subkeys) ExportKey(out, path + "\\" + child.name, child);
}

std::string JoinPath(RegKey root, std::string_view ansiPath) {
  std::string path(MemoryRegistry::RootName(root));
  const auto parts = memory_registry_detail::SplitKeyPath(ansiPath);
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

std::optional<std::string> ExportRegText(const MemoryRegistry& store, RegKey root, std::string_view ansiPath) {
  const std::optional<RegKeySnapshot> snapshot = store.Snapshot(root, ansiPath);
  if (!snapshot || MemoryRegistry::RootName(root).empty()) return std::nullopt;
  std::string out = std::string(kRegedit4Header) + "\r\n\r\n";
  ExportKey(out, JoinPath(root, ansiPath), *snapshot);
  return out;
}

std::string ExportRegText(const MemoryRegistry& store) {
  std::string out = std::string(kRegedit4Header) + "\r\n\r\n";
  for (RegKey root : MemoryRegistry::Roots()) {
    const std::optional<RegKeySnapshot> snapshot = store.Snapshot(root, "");
    if (!snapshot || (snapshot->values.empty() && snapshot->subkeys.empty())) continue;
    ExportKey(out, std::string(MemoryRegistry::RootName(root)), *snapshot);
  }
  return out;
}

RegImportReport LoadRegFile(MemoryRegistry& store, const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return RegImportReport{};
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return ImportRegText(store, bytes);
}

bool SaveRegFile(const MemoryRegistry& store, const std::string& path) { return WriteFile(path, ExportRegText(store)); }

bool SaveRegFile(const MemoryRegistry& store, const std::string& path, RegKey root, std::string_view ansiPath) {
  const std::optional<std::string> text = ExportRegText(store, root, ansiPath);
  return text && WriteFile(path, *text);
}

}  // namespace wendral
