#include "formats/reg_syntax.h"

#include <cstdio>

#include "app/ansi_text.h"
#include "app/registry_api.h"
#include "formats/utf16.h"
#include "formats/utf32.h"

namespace wendral {
namespace {

// regedit wraps hex data once a line reaches this many characters.
constexpr std::size_t kMaxHexChars = 77;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

void SkipBlanks(std::string_view& s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
}

std::string_view Trimmed(std::string_view s) {
  SkipBlanks(s);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool OnlyBlanksOrComment(std::string_view s) {
  SkipBlanks(s);
  return s.empty() || s.front() == ';';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Up to `most` hex digits from the front of s; how many were read.
int ReadHexNumber(std::string_view& s, int most, std::uint32_t* number) {
  int digits = 0;
  *number = 0;
  while (!s.empty() && HexDigit(s.front()) >= 0 && digits < most) {
    *number = *number * 16 + static_cast<std::uint32_t>(HexDigit(s.front()));
    s.remove_prefix(1);
    ++digits;
  }
  return digits;
}

// Takes lowerPrefix, in any case, from the front of s.
bool TakePrefixNoCase(std::string_view& s, std::string_view lowerPrefix) {
  if (s.size() < lowerPrefix.size()) return false;
  for (std::size_t i = 0; i < lowerPrefix.size(); ++i) {
    char c = s[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != lowerPrefix[i]) return false;
  }
  s.remove_prefix(lowerPrefix.size());
  return true;
}

bool WellFormedUtf8(std::string_view bytes) {
  while (!bytes.empty()) {
    const Utf8Char c = ReadUtf8Char(bytes);
    if (!c.wellFormed) return false;
    bytes.remove_prefix(c.length);
  }
  return true;
}

// The file as UTF-8 text.
std::string Decode(std::string_view bytes, RegUtf8WithoutMark utf8, RegEncoding* encoding) {
  if (bytes.substr(0, 2) == "\xFF\xFE") {
    *encoding = RegEncoding::Utf16;
    return Utf16LeToUtf8(bytes.substr(2));
  }
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    *encoding = RegEncoding::Utf8;
    // Ill-formed parts read as U+FFFD, as the system's UTF-8 decoder reads them.
    return Utf16ToUtf8(Utf8ToUtf16(bytes.substr(3)));
  }
  if (utf8 == RegUtf8WithoutMark::AsUtf8WhenWellFormed && WellFormedUtf8(bytes)) {
    *encoding = RegEncoding::Utf8;
    return std::string(bytes);
  }
  *encoding = RegEncoding::Ansi;
  return FromAnsi(bytes);
}

// The lines without their ends; a line end at the very end starts no line of its own.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (true) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    if (end == text.size()) break;
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    if (start == text.size()) break;
  }
  return lines;
}

// A quoted text after its opening quote, up to and without the closing one.
RegSyntaxError ReadQuoted(std::string_view& s, std::string* out) {
  out->clear();
  while (!s.empty()) {
    const char c = s.front();
    s.remove_prefix(1);
    if (c == '"') return RegSyntaxError::None;
    if (c != '\\') {
      *out += c;
      continue;
    }
    if (s.empty()) break;
    const char escaped = s.front();
    s.remove_prefix(1);
    switch (escaped) {
      case '\\': *out += '\\'; break;
      case '"': *out += '"'; break;
      case 'n': *out += '\n'; break;
      case 'r': *out += '\r'; break;
      default: return RegSyntaxError::BadEscape;
    }
  }
  return RegSyntaxError::UnterminatedText;
}

// Comma-separated bytes of one or two hex digits, blanks around them; a trailing comma and a
// comment are allowed, as is an empty list.
bool ReadHexList(std::string_view s, std::string* out) {
  out->clear();
  if (OnlyBlanksOrComment(s)) return true;
  while (true) {
    SkipBlanks(s);
    std::uint32_t byte = 0;
    if (ReadHexNumber(s, 2, &byte) == 0) return false;
    *out += static_cast<char>(byte);
    SkipBlanks(s);
    if (s.empty() || s.front() == ';') return true;
    if (s.front() != ',') return false;
    s.remove_prefix(1);
    if (OnlyBlanksOrComment(s)) return true;
  }
}

// The data after '=' and the blanks after it.
RegSyntaxError ReadData(std::string_view s, RegData* data) {
  if (s.empty()) return RegSyntaxError::MissingData;
  if (s.front() == '-') {
    data->kind = RegData::Kind::Delete;
    return OnlyBlanksOrComment(s.substr(1)) ? RegSyntaxError::None : RegSyntaxError::TextAfterDash;
  }
  if (s.front() == '"') {
    s.remove_prefix(1);
    data->kind = RegData::Kind::Text;
    const RegSyntaxError quoted = ReadQuoted(s, &data->text);
    if (quoted != RegSyntaxError::None) return quoted;
    return OnlyBlanksOrComment(s) ? RegSyntaxError::None : RegSyntaxError::TextAfterText;
  }
  if (TakePrefixNoCase(s, "dword:")) {
    data->kind = RegData::Kind::Dword;
    const int digits = ReadHexNumber(s, 8, &data->number);
    const bool more = !s.empty() && HexDigit(s.front()) >= 0;
    return digits == 0 || more || !OnlyBlanksOrComment(s) ? RegSyntaxError::BadDword : RegSyntaxError::None;
  }
  if (TakePrefixNoCase(s, "hex")) {
    data->kind = RegData::Kind::Hex;
    data->hexType = reg::kBinary;
    if (!s.empty() && s.front() == '(') {
      s.remove_prefix(1);
      if (ReadHexNumber(s, 8, &data->hexType) == 0 || s.empty() || s.front() != ')') return RegSyntaxError::BadHexType;
      s.remove_prefix(1);
    }
    if (s.empty() || s.front() != ':') return RegSyntaxError::ColonExpected;
    return ReadHexList(s.substr(1), &data->bytes) ? RegSyntaxError::None : RegSyntaxError::BadHexData;
  }
  return RegSyntaxError::UnknownDataType;
}

// A value line that ends in a backslash (blanks may follow it) goes on on the next line.
bool EndsWithContinuation(std::string_view s) {
  s = Trimmed(s);
  return !s.empty() && s.back() == '\\';
}

class RecordReader {
 public:
  explicit RecordReader(const std::vector<std::string_view>& lines) : lines_(lines) {}

  std::vector<RegRecord> Read() {
    std::vector<RegRecord> records;
    for (next_ = 1; next_ < lines_.size();) {
      RegRecord record;
      record.line = next_ + 1;
      record.text = std::string(Trimmed(lines_[next_++]));
      if (record.text.empty()) continue;
      const char first = record.text.front();
      if (first == ';' || first == '#') {
        record.kind = RegRecord::Kind::Comment;
      } else if (first == '[') {
        KeyLine(record);
      } else if (first == '"' || first == '@') {
        ValueLine(record);
      } else {
        record.error = RegSyntaxError::UnrecognisedLine;
      }
      records.push_back(std::move(record));
    }
    return records;
  }

 private:
  static void KeyLine(RegRecord& record) {
    const std::size_t close = record.text.rfind(']');
    if (close == std::string::npos) {
      record.error = RegSyntaxError::KeyWithoutBracket;
      return;
    }
    std::string_view path = std::string_view(record.text).substr(1, close - 1);
    record.deleteKey = !path.empty() && path.front() == '-';
    if (record.deleteKey) path.remove_prefix(1);
    record.kind = RegRecord::Kind::Key;
    record.keyPath = std::string(path);
  }

  void ValueLine(RegRecord& record) {
    std::string_view rest = record.text;
    record.defaultValue = rest.front() == '@';
    rest.remove_prefix(1);
    if (!record.defaultValue && ReadQuoted(rest, &record.valueName) != RegSyntaxError::None) {
      record.error = RegSyntaxError::BadValueName;
      return;
    }
    SkipBlanks(rest);
    if (rest.empty() || rest.front() != '=') {
      record.error = RegSyntaxError::EqualsExpected;
      return;
    }
    rest.remove_prefix(1);
    SkipBlanks(rest);
    record.kind = RegRecord::Kind::Value;
    std::string data(rest);
    std::string_view kind = rest;
    if (TakePrefixNoCase(kind, "hex")) ContinueHexList(data);
    record.error = ReadData(data, &record.data);
  }

  // Joins the lines a hex list goes on over, skipping comment lines between them.
  void ContinueHexList(std::string& data) {
    while (EndsWithContinuation(data) && next_ < lines_.size()) {
      std::string_view line = lines_[next_++];
      SkipBlanks(line);
      if (!line.empty() && line.front() == ';') continue;
      data.erase(data.find_last_of('\\'));
      data += line;
    }
  }

  const std::vector<std::string_view>& lines_;
  std::size_t next_ = 1;
};

}  // namespace

RegRecords ReadRegRecords(std::string_view fileBytes, RegUtf8WithoutMark utf8) {
  RegRecords file;
  const std::string text = Decode(fileBytes, utf8, &file.encoding);
  const std::vector<std::string_view> lines = SplitLines(text);
  const std::string_view header = Trimmed(lines.front());
  file.header = header == kRegedit4Header || header == kRegedit5Header;
  if (file.header) file.records = RecordReader(lines).Read();
  return file;
}

std::string RegEscaped(std::string_view text, RegEncoding encoding) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<std::uint8_t>(text[i]);
    if (encoding == RegEncoding::Ansi && b >= 0x81 && b <= 0xFE && i + 1 < text.size()) {
      out += text[i];
      out += text[++i];
    } else if (b == '\\' || b == '"') {
      out += '\\';
      out += text[i];
    } else if (b == '\n') {
      out += "\\n";
    } else if (b == '\r') {
      out += "\\r";
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string RegDword(std::uint32_t number) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "dword:%08x", static_cast<unsigned>(number));
  return digits;
}

std::string RegHexList(std::string_view bytes, std::optional<std::size_t> wrapFromColumn) {
  std::string out;
  std::size_t column = wrapFromColumn.value_or(0);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char byte[4];
    std::snprintf(byte, sizeof byte, "%02x", static_cast<unsigned>(static_cast<std::uint8_t>(bytes[i])));
    out += byte;
    if (i + 1 == bytes.size()) break;
    out += ',';
    column += 3;
    if (wrapFromColumn && column >= kMaxHexChars) {
      out += "\\\r\n  ";
      column = 2;
    }
  }
  return out;
}

}  // namespace wendral
