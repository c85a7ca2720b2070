#pragma once
// The syntax of .reg files, read and written in one place for every program that takes or
// writes such a file (the in-memory store's import and export, wendral-cli's backup and
// restore). Reading gives the records regedit reads from a file's bytes; each program decides
// on its own what a record does.
//
// Encodings: regedit's Unicode format ("Windows Registry Editor Version 5.00" in UTF-16LE with
// a byte-order mark), UTF-8 with a byte-order mark, and otherwise REGEDIT4 in the ANSI code
// page (936) or, where the caller takes it, UTF-8 that an editor saved again without a mark.
//
// Lines end in CR, LF or CRLF; blanks (space, tab) around a line do not count. After the
// header line: "[ROOT\path]" names a key (text after the last ']' is ignored), "[-ROOT\path]"
// deletes one, lines starting with ';' or '#' are comments, and a value is `"name"=data` or
// `@=data` (the default value) with blanks allowed around '='. Data is one of
//   -                  delete the value
//   "text"             with the escapes \\ \" \n \r
//   dword:x            1 to 8 hex digits, as regedit takes them
//   hex:list, hex(t):list  comma-separated bytes of one or two hex digits, of REG_BINARY or of
//                      type t (1 to 8 hex digits); a list that ends in a backslash goes on on
//                      the next line that is no comment
// and a comment may follow any of them.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wendral {

// The first line: REGEDIT4 is ANSI text, version 5 regedit's Unicode format.
inline constexpr std::string_view kRegedit4Header = "REGEDIT4";
inline constexpr std::string_view kRegedit5Header = "Windows Registry Editor Version 5.00";

enum class RegEncoding { Ansi, Utf8, Utf16 };

// Whether UTF-8 without a byte-order mark is read as UTF-8: regedit reads such a file as
// ANSI, but a backup saved again by an editor is one. Chinese text in code page 936 is almost
// never well-formed UTF-8 as well.
enum class RegUtf8WithoutMark { AsAnsi, AsUtf8WhenWellFormed };

// What is wrong with a line regedit would not read.
enum class RegSyntaxError {
  None,
  UnrecognisedLine,   // none of the line kinds above
  KeyWithoutBracket,  // '[' without a ']'
  BadValueName,       // the quoted name does not end, or has an unknown escape
  EqualsExpected,
  MissingData,       // nothing after '='
  TextAfterDash,     // "-" followed by more than a comment
  UnterminatedText,  // no closing quote
  BadEscape,         // a backslash before anything but \ " n r
  TextAfterText,     // more than a comment after the closing quote
  BadDword,          // no digit, more than 8, or more than a comment after them
  BadHexType,        // "hex(" without digits and ')'
  ColonExpected,     // after "hex" or "hex(t)"
  BadHexData,        // the list is no list of bytes
  UnknownDataType,
};

// A value's data as the file gives it.
struct RegData {
  enum class Kind { Delete, Text, Dword, Hex };
  Kind kind = Kind::Delete;
  std::string text;           // Text: UTF-8, escapes undone
  std::uint32_t number = 0;   // Dword
  std::uint32_t hexType = 0;  // Hex: REG_BINARY for "hex:", else t of "hex(t):"
  std::string bytes;          // Hex: the listed bytes; a text type's are in the file's
                              // code page (UTF-16LE in the Unicode format)
};

struct RegRecord {
  enum class Kind { Comment, Key, Value, Malformed };
  Kind kind = Kind::Malformed;
  std::size_t line = 0;  // 1-based, of the record's first line
  std::string text;      // that line without the blanks around it
  // Key:
  std::string keyPath;     // between '[' (and '-') and the last ']'
  bool deleteKey = false;  // "[-...]"
  // Value: the name (empty for '@'), and the data unless `error` says why it cannot be read.
  bool defaultValue = false;
  std::string valueName;
  RegData data;
  // Malformed: why; Value: why the data cannot be read, or None.
  RegSyntaxError error = RegSyntaxError::None;
};

struct RegRecords {
  RegEncoding encoding = RegEncoding::Ansi;
  bool header = false;             // the first line is "REGEDIT4" or the version 5 header
  std::vector<RegRecord> records;  // the lines after it that are not blank; none without it
};

RegRecords ReadRegRecords(std::string_view fileBytes, RegUtf8WithoutMark utf8 = RegUtf8WithoutMark::AsAnsi);

// ---- Writing, as regedit writes ----

// The text between the quotes: \ " CR and LF escaped. In code page 936 text a double-byte
// character, whose trail byte may be '\', is copied as it is.
std::string RegEscaped(std::string_view text, RegEncoding encoding);
// "dword:" and the number in 8 hex digits.
std::string RegDword(std::uint32_t number);
// The bytes as a hex list ("61,62"). With wrapFromColumn, the column the list starts in,
// regedit's wrapping: a line that reaches 77 characters ends in ",\" and the next starts with
// two blanks.
std::string RegHexList(std::string_view bytes, std::optional<std::size_t> wrapFromColumn = std::nullopt);

}  // namespace wendral
