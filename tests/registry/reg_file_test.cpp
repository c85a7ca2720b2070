// .reg files of the in-memory store. The same files against Wine's regedit: wine_regedit_test.
#include <gtest/gtest.h>

#include <cstdio>

#include "formats/reg_file.h"
#include "formats/reg_syntax.h"
#include "registry/registry_backends.h"

namespace wendral::testing {
namespace {

using namespace wendral::reg;

const std::string kKey = "SOFTWARE\\WendralTest\\Export";

std::string Value(const MemoryRegistry& store, const std::string& path, const std::string& name) {
  if (const auto key = store.Snapshot(kHkeyLocalMachine, path)) {
    for (const auto& value : key->values) {
      if (value.name == name) return std::to_string(value.type) + ":" + value.data;
    }
  }
  return "<none>";
}

TEST(RegFile, SavesRegedit4) {
  MemoryRegistry store;
  PutValue(store, kKey, nullptr, kSz, Utf16Bytes(u"def"));
  PutValue(store, kKey, "q\"", kSz, Utf16Bytes(u"a\\b\"c"));
  PutValue(store, kKey, "d", kDword, "\x78\x56\x34\x12");
  PutValue(store, kKey, "cr\rlf\n", kSz, Utf16Bytes(u"v"));
  PutValue(store, kKey, "x", kExpandSz, Utf16Bytes(u"%P%"));
  PutValue(store, kKey, "中", kSz, Utf16Bytes(u"乗"));
  PutValue(store, kKey + "\\Sub", "z", kSz, std::string_view());
  std::string longBinary;
  for (int i = 0; i < 46; ++i) longBinary += static_cast<char>('a' + i % 26);
  PutValue(store, kKey + "\\Sub", "longbin", kBinary, longBinary);
  EXPECT_EQ(*ExportRegText(store, kHkeyLocalMachine, kKey),
            "REGEDIT4\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\WendralTest\\Export]\r\n"
            "@=\"def\"\r\n"
            "\"cr\\rlf\\n\"=\"v\"\r\n"
            "\"d\"=dword:12345678\r\n"
            "\"q\\\"\"=\"a\\\\b\\\"c\"\r\n"
            "\"x\"=hex(2):25,50,25,00\r\n"
            "\"\xD6\xD0\"=\"\x81\x5C\"\r\n"
            "\r\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\WendralTest\\Export\\Sub]\r\n"
            // Wrapped where Wine's regedit wraps the same value.
            "\"longbin\"=hex:61,62,63,64,65,66,67,68,69,6a,6b,6c,6d,6e,6f,70,71,72,73,74,75,\\\r\n"
            "  76,77,78,79,7a,61,62,63,64,65,66,67,68,69,6a,6b,6c,6d,6e,6f,70,71,72,73,74\r\n"
            "\"z\"=hex(1):\r\n"
            "\r\n");
  EXPECT_FALSE(ExportRegText(store, kHkeyLocalMachine, "SOFTWARE\\Missing"));
}

TEST(RegFile, SavedFilesLoadBackIdentically) {
  // REGEDIT4, then with a name and a text code page 936 cannot hold: regedit's UTF-16 format.
  MemoryRegistry store;
  FillWithEveryKind(store, kKey, /*exportSafe=*/false);
  PutValue(store, "SOFTWARE\\Other", "x", kDword, std::string_view("\1\0\0\0", 4));
  for (const char* header : {"REGEDIT4\r\n", "\xFF\xFEW\0i\0n\0"}) {
    const std::string path = ::testing::TempDir() + "wendral_reg_file_test.reg";
    ASSERT_TRUE(SaveRegFile(store, path));
    MemoryRegistry loaded;
    EXPECT_TRUE(LoadRegFile(loaded, path).ok());
    EXPECT_EQ(ExportRegText(store).rfind(header, 0), 0u) << header;
    std::remove(path.c_str());
    EXPECT_EQ(store.Snapshot(kHkeyLocalMachine, ""), loaded.Snapshot(kHkeyLocalMachine, ""));
    EXPECT_EQ(loaded.OpenHandleCount(), 0u);
    EXPECT_FALSE(LoadRegFile(loaded, path).read);
    PutValue(store, kKey + "\\한", "Café ☕", kSz, Utf16Bytes(u"한 \\ \"☕\""));
    PutValue(store, kKey + "\\한", "multi", kMultiSz, Utf16Bytes(std::u16string_view(u"☕\0x\0", 4)));
  }
}

// UTF-8 (characters below U+10000) to UTF-16LE, as regedit /e writes its files.
std::string Utf16(std::string_view utf8) {
  std::string out = "\xFF\xFE";
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<std::uint8_t>(utf8[i]);
    const std::size_t length = b < 0x80 ? 1 : b < 0xE0 ? 2 : 3;
    std::uint32_t cp = length == 1 ? b : length == 2 ? (b & 0x1F) : (b & 0x0F);
    for (std::size_t k = 1; k < length; ++k) cp = (cp << 6) | (utf8[i + k] & 0x3F);
    out += static_cast<char>(cp & 0xFF);
    out += static_cast<char>(cp >> 8);
    i += length;
  }
  return out;
}

TEST(RegFile, LoadsRegeditsUnicodeExport) {
  // Lines as Wine's regedit /e wrote them.
  MemoryRegistry store;
  const RegImportReport report = ImportRegText(
      store, Utf16("Windows Registry Editor Version 5.00\r\n\r\n"
                   "[HKEY_LOCAL_MACHINE\\SOFTWARE\\WendralTest\\Export\\Sub 中]\r\n"
                   "\"m\"=hex(7):61,00,00,00,2d,4e,00,00,00,00\r\n"
                   "\"na中me=\\\"x\\\"\"=\"a\\\\b\\\"c中\"\r\n"
                   "\"nl\"=\"line1\\r\\nline2\"\r\n"
                   "\"x\"=hex(2):25,00,50,00,2d,4e,00,00\r\n"
                   "\"long\"=hex:61,62,\\\r\n  63\r\n"));
  EXPECT_TRUE(report.ok());
  const std::string sub = kKey + "\\Sub 中";
  EXPECT_EQ(Value(store, sub, "m"), "7:" + Utf16Bytes(std::u16string_view(u"a\0中\0", 4))) << "text as UTF-16";
  EXPECT_EQ(Value(store, sub, "na中me=\"x\""), "1:" + Utf16Bytes(u"a\\b\"c中"));
  EXPECT_EQ(Value(store, sub, "nl"), "1:" + Utf16Bytes(u"line1\r\nline2"));
  EXPECT_EQ(Value(store, sub, "x"), "2:" + Utf16Bytes(u"%P中"));
  EXPECT_EQ(Value(store, sub, "long"), "3:abc");
}

TEST(RegFile, LoadsRegedit4AsRegeditImportsIt) {
  MemoryRegistry store;
  PutValue(store, kKey + "\\Gone", "v", kSz, Utf16Bytes(u"x"));
  RegKey doomed = 0;
  ASSERT_EQ(store.OpenKey(kHkeyLocalMachine, (kKey + "\\Gone").c_str(), 0, kKeyRead, &doomed), 0);
  PutValue(store, kKey + "\\RO", "v", kSz, Utf16Bytes(u"old"));
  store.SetReadOnly(kHkeyLocalMachine, kKey + "\\RO", true);
  const RegImportReport report = ImportRegText(
      store,
      "REGEDIT4\r\n"
      "\"outside\"=\"no key yet\"\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\WendralTest\\Export\\0001]\n"
      "  \"SSID\" = \"\xD6\xD0\"  ; comment\r\n"
      "\"a=b\"=hex:01,\\\r\n; comment inside\r\n  02\r\n"
      "\"short\"=DWORD:1\r\n"
      "\"h1\"=hex(1):61,62\r\n"
      "\"del\"=\"x\"\r\n\"del\"=-\r\n"
      "\"nul\"=\"x\\0y\"\r\n"
      "\"d\"=dword:123456789\r\n"
      "garbage\r\n"
      "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\WendralTest\\Export\\Gone]\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\WendralTest\\Export\\RO]\r\n"
      "\"v\"=\"new\"\r\n"
      "[HKEY_NOWHERE\\x]\r\n");
  EXPECT_EQ(report.issues.size(), 7u);
  const std::string slot = kKey + "\\0001";
  EXPECT_EQ(Value(store, slot, "SSID"), "1:" + Utf16Bytes(u"中")) << "code page 936 text as UTF-16";
  EXPECT_EQ(Value(store, slot, "a=b"), "3:\x01\x02");
  EXPECT_EQ(Value(store, slot, "short"), std::string("4:\x01\0\0\0", 6));
  EXPECT_EQ(Value(store, slot, "h1"), "1:" + Utf16Bytes(u"ab")) << "a terminator is added";
  EXPECT_EQ(store.Snapshot(kHkeyLocalMachine, slot)->values.size(), 4u);
  EXPECT_EQ(Value(store, kKey + "\\RO", "v"), "1:" + Utf16Bytes(u"old"));
  EXPECT_FALSE(store.Snapshot(kHkeyLocalMachine, kKey + "\\Gone"));
  std::uint32_t size = 0;
  EXPECT_EQ(store.QueryValue(doomed, "v", nullptr, nullptr, &size), kErrorKeyDeleted);
  EXPECT_EQ(store.CloseKey(doomed), kErrorSuccess);
  EXPECT_EQ(store.OpenHandleCount(), 0u);
  EXPECT_FALSE(ImportRegText(store, "[HKEY_LOCAL_MACHINE\\SOFTWARE\\X]\r\n").header);
}

// A record as one line of text: its kind, and what a value holds or why it cannot be read.
std::string Describe(const RegRecord& record) {
  static const char* const kErrors[] = {"",           "unrecognised", "no ]",         "bad name",   "no =",
                                        "no data",    "after -",      "unterminated", "bad escape", "after text",
                                        "bad dword",  "bad hex type", "no :",         "bad hex",    "unknown type"};
  const std::string error = kErrors[static_cast<int>(record.error)];
  switch (record.kind) {
    case RegRecord::Kind::Comment: return "comment";
    case RegRecord::Kind::Key: return (record.deleteKey ? "delete [" : "[") + record.keyPath + "]";
    case RegRecord::Kind::Malformed: return "malformed: " + error;
    case RegRecord::Kind::Value: break;
  }
  std::string out = (record.defaultValue ? "@" : record.valueName) + " = ";
  if (!error.empty()) return out + error;
  const RegData& data = record.data;
  switch (data.kind) {
    case RegData::Kind::Delete: return out + "-";
    case RegData::Kind::Text: return out + "text " + data.text;
    case RegData::Kind::Dword: return out + "dword " + std::to_string(data.number);
    case RegData::Kind::Hex: break;
  }
  out += "hex(" + std::to_string(data.hexType) + ")";
  for (char byte : data.bytes) out += " " + std::to_string(static_cast<unsigned char>(byte));
  return out;
}

TEST(RegSyntax, ReadsEachLineByRegeditsRules) {
  const std::vector<std::pair<std::string, std::string>> lines = {
      {"\"a\"=dword:1", "a = dword 1"},
      {"\"a\" = DWORD:ffffffff ; comment", "a = dword 4294967295"},
      {"\"a\"=dword:123456789", "a = bad dword"},
      {"\"a\"=dword:", "a = bad dword"},
      {"\"a\"=dword:12 x", "a = bad dword"},
      {"@=\"x\\\\y\\\"z\\r\\n\"  ; comment", "@ = text x\\y\"z\r\n"},
      {"\"a\\\"b\"=\"\"", "a\"b = text "},
      {"\"a\"=\"x\\ty\"", "a = bad escape"},
      {"\"a\"=\"x", "a = unterminated"},
      {"\"a\"=\"x\"y\"", "a = after text"},
      {"\"a\"=-", "a = -"},
      {"\"a\"=- x", "a = after -"},
      {"\"a\"=", "a = no data"},
      {"\"a\"=hex:", "a = hex(3)"},
      {"\"a\"=HEX(0001): 61 ,62,", "a = hex(1) 97 98"},
      {"\"a\"=hex(1:61", "a = bad hex type"},
      {"\"a\"=hex 61", "a = no :"},
      {"\"a\"=hex:6,1 2", "a = bad hex"},
      {"\"a\"=hex:123", "a = bad hex"},
      {"\"a\"=text", "a = unknown type"},
      {"\"a=1", "malformed: bad name"},
      {"\"a\" 1", "malformed: no ="},
      {"garbage", "malformed: unrecognised"},
      {"[HKLM\\x", "malformed: no ]"},
      {"  [-HKLM\\x] ignored  ", "delete [HKLM\\x]"},
      {"# note", "comment"},
  };
  for (const auto& [line, expected] : lines) {
    const RegRecords file = ReadRegRecords("REGEDIT4\r\n" + line + "\r\n");
    ASSERT_EQ(file.records.size(), 1u) << line;
    EXPECT_EQ(Describe(file.records[0]), expected) << line;
  }
}

TEST(RegSyntax, OnlyAHexListGoesOnOverLines) {
  const RegRecords file = ReadRegRecords(
      "REGEDIT4\n\n\"h\"=hex:01,\\  \n; skipped\n  02,\\\n03\n\"s\"=\"x\\\n\"d\"=dword:1\\\n2\r\n");
  std::vector<std::string> seen;
  for (const RegRecord& record : file.records) seen.push_back(std::to_string(record.line) + " " + Describe(record));
  EXPECT_EQ(seen, (std::vector<std::string>{"3 h = hex(3) 1 2 3", "7 s = unterminated", "8 d = bad dword",
                                            "9 malformed: unrecognised"}));
}

TEST(RegSyntax, UnmarkedUtf8OnlyWhereTheCallerTakesIt) {
  const std::string bytes = " REGEDIT4 \r\n; \xE4\xB8\xAD\r\n";  // 中 in UTF-8
  const RegRecords ansi = ReadRegRecords(bytes);
  const RegRecords utf8 = ReadRegRecords(bytes, RegUtf8WithoutMark::AsUtf8WhenWellFormed);
  EXPECT_EQ(ansi.encoding, RegEncoding::Ansi);
  EXPECT_EQ(utf8.encoding, RegEncoding::Utf8);
  ASSERT_TRUE(ansi.header && utf8.header);
  EXPECT_NE(ansi.records[0].text, "; \xE4\xB8\xAD");
  EXPECT_EQ(utf8.records[0].text, "; \xE4\xB8\xAD");
  EXPECT_FALSE(ReadRegRecords("\r\nREGEDIT4\r\n\"a\"=-\r\n").header);
}

}  // namespace
}  // namespace wendral::testing
