#include "formats/reg_file.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/ansi_text.h"
#include "formats/utf32.h"

namespace wendral {
namespace {

constexpr std::string_view kHeader4 = "REGEDIT4";
constexpr std::string_view kHeader5 = "Windows Registry Editor Version 5.00";
// regedit wraps hex data once a line reaches this many characters.
constexpr std::size_t kMaxHexChars = 77;

bool IsStringType(std::uint32_t type) { return type == reg::kSz || type == reg::kExpandSz || type == reg::kMultiSz; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// UTF-16LE bytes (an odd last byte is dropped) to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16LeToUtf8(std::string_view bytes) {
  std::string out;
  const std::size_t units = bytes.size() / 2;
  const auto unit = [&](std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[2 * i])) |
           (static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[2 * i + 1])) << 8);
  };
  for (std::size_t i = 0; i < units; ++i) {
    std::uint32_t cp = unit(i);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < units && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    AppendUtf8(out, cp);
  }
  return out;
}

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

struct Line {
  std::size_t number;
  std::string text;  // UTF-8, without its line end
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  std::size_t number = 1;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    lines.push_back(Line{number++, std::string(text.substr(start, end - start))});
    if (end >= text.size()) break;
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    if (start == text.size()) break;
  }
  return lines;
}

class Importer {
 public:
  Importer(MemoryRegistry& store, bool unicode, RegImportReport& report)
      : store_(store), unicode_(unicode), report_(report) {}
  ~Importer() { CloseCurrent(); }

  void Run(const std::vector<Line>& lines) {
    for (std::size_t i = 1; i < lines.size(); ++i) {
      std::string_view text = lines[i].text;
      const std::size_t lineNumber = lines[i].number;
      SkipBlanks(text);
      if (text.empty() || text.front() == ';' || text.front() == '#') continue;
      if (text.front() == '[') {
        KeyLine(text, lineNumber);
      } else if (text.front() == '@' || text.front() == '"') {
        // A hex value may continue on the following lines.
        std::string logical(text);
        while (EndsWithContinuation(logical) && i + 1 < lines.size()) {
          std::string_view next = lines[++i].text;
          SkipBlanks(next);
          if (!next.empty() && next.front() == ';') {
            continue;
          }
          logical.erase(logical.find_last_of('\\'));
          logical += next;
        }
        ValueLine(logical, lineNumber);
      } else {
        Issue(lineNumber, "unrecognised line");
      }
    }
  }

 private:
  static void SkipBlanks(std::string_view& s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  }
  static bool OnlyBlanksOrComment(std::string_view s) {
    SkipBlanks(s);
    return s.empty() || s.front() == ';';
  }
  // A value line that ends in a backslash (blanks may follow it) goes on on the next line: only
  // hex lists do that, a quoted string or a dword ends otherwise.
  static bool EndsWithContinuation(const std::string& s) {
    std::size_t end = s.size();
    while (end > 0 && IsBlank(s[end - 1])) --end;
    return end > 0 && s[end - 1] == '\\';
  }

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

  void KeyLine(std::string_view text, std::size_t line) {
    CloseCurrent();
    const std::size_t close = text.rfind(']');
    if (close == std::string_view::npos) {
      Issue(line, "key line without ']'");
      return;
    }
    std::string_view path = text.substr(1, close - 1);
    const bool remove = !path.empty() && path.front() == '-';
    if (remove) path.remove_prefix(1);
    RegKey root = 0;
    std::string subKey;
    if (!ParseKeyPath(path, &root, &subKey)) {
      Issue(line, "unknown root key");
      return;
    }
    if (remove) {
      store_.DeleteKeyTree(root, subKey);  // a missing key is no error
      return;
    }
    const Status status = store_.CreateKey(root, subKey.c_str(), 0, reg::kKeyAllAccess, &current_, nullptr);
    if (status != reg::kErrorSuccess) {
      current_ = 0;
      Issue(line, "cannot create the key (status " + std::to_string(status) + ")");
    }
  }

  // Reads a quoted text after the opening quote, up to the closing one, undoing \\ \" \n \r.
  static bool ParseQuoted(std::string_view& s, std::string* out) {
    out->clear();
    while (!s.empty()) {
      const char c = s.front();
      s.remove_prefix(1);
      if (c == '"') return true;
      if (c == '\\') {
        if (s.empty()) return false;
        const char e = s.front();
        s.remove_prefix(1);
        switch (e) {
          case '\\': *out += '\\'; break;
          case '"': *out += '"'; break;
          case 'n': *out += '\n'; break;
          case 'r': *out += '\r'; break;
          default: return false;
        }
      } else {
        *out += c;
      }
    }
    return false;
  }

  static int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }

  static bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
      char c = s[i];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      if (c != prefix[i]) return false;
    }
    return true;
  }

  // Comma-separated hex bytes, blanks allowed around them.
  static bool ParseHexList(std::string_view s, std::string* out) {
    out->clear();
    SkipBlanks(s);
    if (OnlyBlanksOrComment(s)) return true;
    while (true) {
      SkipBlanks(s);
      int digits = 0;
      int byte = 0;
      while (!s.empty() && HexDigit(s.front()) >= 0 && digits < 2) {
        byte = byte * 16 + HexDigit(s.front());
        s.remove_prefix(1);
        ++digits;
      }
      if (digits == 0) return false;
      *out += static_cast<char>(byte);
      SkipBlanks(s);
      if (s.empty() || s.front() == ';') return true;
      if (s.front() != ',') return false;
      s.remove_prefix(1);
      if (OnlyBlanksOrComment(s)) return true;  // a trailing comma
    }
  }

  void ValueLine(std::string_view text, std::size_t line) {
    std::string name;
    if (text.front() == '@') {
      text.remove_prefix(1);
    } else {
      text.remove_prefix(1);
      if (!ParseQuoted(text, &name)) {
        Issue(line, "bad value name");
        return;
      }
    }
    SkipBlanks(text);
    if (text.empty() || text.front() != '=') {
      Issue(line, "'=' expected");
      return;
    }
    text.remove_prefix(1);
    SkipBlanks(text);
    if (current_ == 0) {
      Issue(line, "value outside a key");
      return;
    }
    const std::string ansiName = ToAnsi(name);

    if (!text.empty() && text.front() == '-') {
      text.remove_prefix(1);
      if (!OnlyBlanksOrComment(text)) {
        Issue(line, "text after '-'");
        return;
      }
      store_.DeleteValue(current_, ansiName.c_str());
      return;
    }

    std::uint32_t type = 0;
    std::string data;
    if (!text.empty() && text.front() == '"') {
      text.remove_prefix(1);
      std::string value;
      if (!ParseQuoted(text, &value) || !OnlyBlanksOrComment(text)) {
        Issue(line, "bad string");
        return;
      }
      type = reg::kSz;
      data = ToAnsi(value);
      data += '\0';
    } else if (StartsWithNoCase(text, "dword:")) {
      text.remove_prefix(6);
      std::uint32_t number = 0;
      int digits = 0;
      while (!text.empty() && HexDigit(text.front()) >= 0) {
        if (++digits > 8) break;
        number = number * 16 + static_cast<std::uint32_t>(HexDigit(text.front()));
        text.remove_prefix(1);
      }
      if (digits == 0 || digits > 8 || !OnlyBlanksOrComment(text)) {
        Issue(line, "bad dword");
        return;
      }
      type = reg::kDword;
      for (int i = 0; i < 4; ++i) data += static_cast<char>((number >> (8 * i)) & 0xFF);
    } else if (StartsWithNoCase(text, "hex")) {
      text.remove_prefix(3);
      type = reg::kBinary;
      if (!text.empty() && text.front() == '(') {
        text.remove_prefix(1);
        std::uint32_t number = 0;
        int digits = 0;
        while (!text.empty() && HexDigit(text.front()) >= 0 && digits < 8) {
          number = number * 16 + static_cast<std::uint32_t>(HexDigit(text.front()));
          text.remove_prefix(1);
          ++digits;
        }
        if (digits == 0 || text.empty() || text.front() != ')') {
          Issue(line, "bad hex type");
          return;
        }
        text.remove_prefix(1);
        type = number;
      }
      if (text.empty() || text.front() != ':') {
        Issue(line, "':' expected");
        return;
      }
      text.remove_prefix(1);
      if (!ParseHexList(text, &data)) {
        Issue(line, "bad hex data");
        return;
      }
      if (IsStringType(type)) data = StringHexData(std::move(data));
    } else {
      Issue(line, "unknown data type");
      return;
    }
    const Status status =
        store_.SetValue(current_, ansiName.c_str(), type, reinterpret_cast<const std::uint8_t*>(data.data()),
                        static_cast<std::uint32_t>(data.size()));
    if (status != reg::kErrorSuccess) {
      Issue(line, "cannot set the value (status " + std::to_string(status) + ")");
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

// The text between the quotes of a .reg string: \ and " escaped, double-byte characters
// (whose trail byte may be 0x5C) copied as they are.
std::string Escape(std::string_view ansi) {
  std::string out;
  for (std::size_t i = 0; i < ansi.size(); ++i) {
    const auto b = static_cast<std::uint8_t>(ansi[i]);
    if (b >= 0x81 && b <= 0xFE && i + 1 < ansi.size()) {
      out += ansi[i];
      out += ansi[++i];
    } else if (b == '\\' || b == '"') {
      out += '\\';
      out += ansi[i];
    } else if (b == '\n') {
      out += "\\n";
    } else if (b == '\r') {
      out += "\\r";
    } else {
      out += ansi[i];
    }
  }
  return out;
}

// A REG_SZ that a quoted string gives back exactly: one terminator at the end and no other
// zero byte, no line break, and text that survives the trip through the code page.
bool Quotable(const RegValueSnapshot& value) {
  if (value.type != reg::kSz || value.data.empty() || value.data.back() != '\0') return false;
  const std::string_view body(value.data.data(), value.data.size() - 1);
  if (body.find_first_of(std::string_view("\0\r\n", 3)) != std::string_view::npos) return false;
  return ToAnsi(FromAnsi(body)) == body;
}

void ExportValue(std::string& out, const RegValueSnapshot& value) {
  std::string line = value.name.empty() ? std::string("@=") : "\"" + Escape(value.name) + "\"=";
  if (Quotable(value)) {
    out += line + "\"" + Escape(std::string_view(value.data.data(), value.data.size() - 1)) + "\"\r\n";
    return;
  }
  if (value.type == reg::kDword && value.data.size() == 4) {
    std::uint32_t number = 0;
    for (int i = 3; i >= 0; --i) {
      number = (number << 8) | static_cast<std::uint8_t>(value.data[static_cast<std::size_t>(i)]);
    }
    char digits[16];
    std::snprintf(digits, sizeof digits, "dword:%08x", static_cast<unsigned>(number));
    out += line + digits + "\r\n";
    return;
  }
  if (value.type == reg::kBinary) {
    line += "hex:";
  } else {
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(value.type));
    line += prefix;
  }
  // regedit's wrapping: a line that reaches kMaxHexChars ends in ",\" and the next starts
  // with two blanks.
  std::size_t lineLength = line.size();
  out += line;
  for (std::size_t i = 0; i < value.data.size(); ++i) {
    char byte[4];
    std::snprintf(byte, sizeof byte, "%02x", static_cast<unsigned>(static_cast<std::uint8_t>(value.data[i])));
    out += byte;
    if (i + 1 == value.data.size()) break;
    out += ',';
    lineLength += 3;
    if (lineLength >= kMaxHexChars) {
      out += "\\\r\n  ";
      lineLength = 2;
    }
  }
  out += "\r\n";
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
  bool unicode = false;
  std::string text;
  if (bytes.size() >= 2 && static_cast<std::uint8_t>(bytes[0]) == 0xFF && static_cast<std::uint8_t>(bytes[1]) == 0xFE) {
    unicode = true;
    text = Utf16LeToUtf8(bytes.substr(2));
  } else if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    text = std::string(bytes.substr(3));
  } else {
    text = FromAnsi(bytes);
  }
  const std::vector<Line> lines = SplitLines(text);
  std::string_view header = lines.empty() ? std::string_view() : lines.front().text;
  while (!header.empty() && IsBlank(header.front())) header.remove_prefix(1);
  while (!header.empty() && IsBlank(header.back())) header.remove_suffix(1);
  if (header != kHeader4 && header != kHeader5) {
    report.issues.push_back(RegFileIssue{1, "not a registry file"});
    return report;
  }
  report.header = true;
  Importer importer(store, unicode, report);
  importer.Run(lines);
  return report;
}

std::optional<std::string> ExportRegText(const MemoryRegistry& store, RegKey root, std::string_view ansiPath) {
  const std::optional<RegKeySnapshot> snapshot = store.Snapshot(root, ansiPath);
  if (!snapshot || MemoryRegistry::RootName(root).empty()) return std::nullopt;
  std::string out = std::string(kHeader4) + "\r\n\r\n";
  ExportKey(out, JoinPath(root, ansiPath), *snapshot);
  return out;
}

std::string ExportRegText(const MemoryRegistry& store) {
  std::string out = std::string(kHeader4) + "\r\n\r\n";
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
