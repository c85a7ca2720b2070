// The portable INI store against kernel32's profile functions (Wine's), on the same corpus:
// every read must give the same bytes, every write the same result and the same file bytes.
// Unlike the corpus digest, this names each case where the two part ways.
#include <gtest/gtest.h>

#include <cstdio>

#include "app/settings.h"
#include "formats/ini_profile.h"
#include "win32/win32_profile.h"
#include "settings/profile_corpus.h"
#include "support/test_files.h"

namespace wendral::test {
namespace {

std::string Show(const std::string& bytes) {
  std::string out;
  char hex[5];
  for (unsigned char c : bytes) {
    if (c >= 0x20 && c < 0x7F && c != '\\') {
      out += static_cast<char>(c);
    } else {
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  return out;
}

class ProfileDifferential : public ::testing::Test {
 protected:
  std::string Place(const CorpusFile& file, const std::string& tag) {
    return PlaceCorpusFile(Utf8String(dir_.path()), file, tag);
  }
  TempDir dir_;
  Win32ProfileStore windows_;
  IniProfileStore portable_;
};

TEST_F(ProfileDifferential, ReadsGiveTheSameBytes) {
  int compared = 0, differing = 0;
  const std::vector<ReadOp> reads = CorpusReads();
  for (const CorpusFile& file : ProfileCorpus()) {
    const std::string winPath = Place(file, "read-win");
    const std::string portPath = Place(file, "read-port");
    for (const ReadOp& op : reads) {
      const std::string expected = windows_.Read(op.section, op.key, op.defaultValue, op.bufferSize, winPath);
      const std::string actual = portable_.Read(op.section, op.key, op.defaultValue, op.bufferSize, portPath);
      ++compared;
      if (actual != expected && ++differing <= 40) {
        ADD_FAILURE() << file.name << ": [" << Show(op.section) << "] " << Show(op.key) << " default '"
                      << Show(op.defaultValue) << "' size " << op.bufferSize << "\n  kernel32: '"
                      << Show(expected) << "'\n  portable: '" << Show(actual) << "'";
      }
    }
    Win32ProfileStore::Flush(winPath);
  }
  std::printf("reads: %zu files x %zu reads = %d compared, %d differ\n", ProfileCorpus().size(),
              reads.size(), compared, differing);
  EXPECT_EQ(differing, 0);
}

TEST_F(ProfileDifferential, WritesGiveTheSameResultsAndBytes) {
  int compared = 0, differing = 0;
  for (const CorpusFile& file : ProfileCorpus()) {
    for (const WriteCase& writeCase : CorpusWrites()) {
      const std::string winPath = Place(file, writeCase.name + "-win");
      const std::string portPath = Place(file, writeCase.name + "-port");
      std::string winResults, portResults;
      for (const WriteOp& op : writeCase.writes) {
        winResults += windows_.Write(op.section, op.key, op.value, winPath) ? '1' : '0';
        portResults += portable_.Write(op.section, op.key, op.value, portPath) ? '1' : '0';
      }
      Win32ProfileStore::Flush(winPath);
      const SettingsValues winValues = LoadSettings(windows_, winPath);
      Win32ProfileStore::Flush(winPath);
      const SettingsValues portValues = LoadSettings(portable_, portPath);
      const std::string winBytes = ReadBytes(winPath), portBytes = ReadBytes(portPath);
      ++compared;
      if ((winResults != portResults || winBytes != portBytes || !(winValues == portValues)) &&
          ++differing <= 40) {
        ADD_FAILURE() << file.name << " / " << writeCase.name << "\n  kernel32: " << winResults << " '"
                      << Show(winBytes) << "'\n  portable: " << portResults << " '" << Show(portBytes)
                      << "'";
      }
    }
  }
  std::printf("writes: %zu files x %zu write sequences = %d compared, %d differ\n",
              ProfileCorpus().size(), CorpusWrites().size(), compared, differing);
  EXPECT_EQ(differing, 0);
}

// A Chinese file name reaches the A functions in GBK and the portable store as UTF-8.
TEST_F(ProfileDifferential, ChineseFileNameNamesTheSameFile) {
  const std::string path = Place({"\xe8\xae\xbe\xe7\xbd\xae", "[SSID]\r\nSSID=zh\r\n"}, "both");  // 设置
  EXPECT_EQ(windows_.Read("SSID", "SSID", "", 255, path), "zh");
  EXPECT_EQ(portable_.Read("SSID", "SSID", "", 255, path), "zh");
  EXPECT_TRUE(windows_.Write("SSID", "SSIDITEMO", "0001", path));
  Win32ProfileStore::Flush(path);
  EXPECT_EQ(portable_.Read("SSID", "SSIDITEMO", "", 255, path), "0001");
}

}  // namespace
}  // namespace wendral::test
