// The portable INI store: the Windows profile rules it keeps (as Wine's kernel32 shows them),
// natively and in the Windows build; and the whole corpus against kernel32's own results.
#include "formats/ini_profile.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "settings/profile_corpus.h"
#include "settings/store_fixture.h"
#include "support/test_files.h"

namespace wendral::test {
namespace {

// The digest of every corpus read and write equals the one kernel32 gives; in the Windows
// build kernel32 is asked too, so the recorded digest cannot go stale.
TEST(IniProfileCorpus, EveryReadAndWriteGivesWhatKernel32Gives) {
  for (const StoreKind& kind : StoreKinds()) {
    TempDir dir;
    const std::unique_ptr<ProfileStore> store = kind.make();
    const uint64_t digest = CorpusDigest(*store, Utf8String(dir.path()), kind.flush);
    std::printf("%s corpus digest %016llx\n", kind.name.c_str(), static_cast<unsigned long long>(digest));
    EXPECT_EQ(digest, kKernel32CorpusDigest) << kind.name;
  }
}

// Every blank the profile functions trim goes from the front of a written value, not only the
// space: tab, line feed, vertical tab, form feed, carriage return and Ctrl-Z; the ideographic
// space of code page 936 (A1 A1) and blanks inside the text stay (trailing ones go when a later
// write loads the file).
TEST(IniProfileWrite, LeadingTabsAndOtherBlanksAreDroppedLikeSpaces) {
  for (const StoreKind& kind : StoreKinds()) {
    TempDir dir;
    const std::string path = dir.File("blanks.ini");
    const std::unique_ptr<ProfileStore> store = kind.make();
    ASSERT_TRUE(store->Write("SSID", "T", "\tname", path)) << kind.name;
    ASSERT_TRUE(store->Write("SSID", "M", "\t \x0b\x0c\x1a\t x\ty\t", path)) << kind.name;
    ASSERT_TRUE(store->Write("SSID", "I", "\xa1\xa1z", path)) << kind.name;
    kind.flush(path);
    EXPECT_EQ(ReadBytes(path), "[SSID]\r\nT=name\r\nM=x\ty\r\nI=\xa1\xa1z\r\n") << kind.name;
  }
}

class IniProfile : public ::testing::Test {
 protected:
  std::string Read(const std::string& section, const std::string& key, std::size_t size = 255) {
    return store_.Read(section, key, "", size, path_);
  }
  IniProfileStore store_;
  TempDir dir_;
  std::string path_ = dir_.File("test.ini");
};

TEST_F(IniProfile, NamesMatchWithoutRegardToAsciiCaseOrOuterSpaces) {
  WriteBytes(path_, "[ Net Work ]\r\n  Key Name  =  the value  \r\n");
  EXPECT_EQ(Read("net work", "KEY NAME"), "the value");
  EXPECT_EQ(Read(" NET WORK\t", "\tkey name "), "the value");
  EXPECT_EQ(Read("network", "key name"), "");
  // Full-width letters (code page 936) are compared as they stand.
  WriteBytes(path_, "[\xa3\xd3]\r\nk=v\r\n");  // full-width S
  EXPECT_EQ(Read("\xa3\xd3", "k"), "v");
  EXPECT_EQ(Read("\xa3\xf3", "k"), "");      // full-width s
}

TEST_F(IniProfile, OnlyTheFirstSectionAndKeyOfANameCount) {
  WriteBytes(path_, "[SSID]\r\nA=1\r\na=2\r\n[ssid]\r\nA=3\r\nB=4\r\n");
  EXPECT_EQ(Read("SSID", "A"), "1");
  EXPECT_EQ(Read("SSID", "B"), "");
  ASSERT_TRUE(store_.Write("SSID", "B", "5", path_));
  EXPECT_EQ(ReadBytes(path_), "[SSID]\r\nA=1\r\na=2\r\nB=5\r\n[ssid]\r\nA=3\r\nB=4\r\n");
}

TEST_F(IniProfile, MatchingQuotesAroundAValueAreDropped) {
  WriteBytes(path_, "[S]\r\na=\"x y\"\r\nb='z'\r\nc=\"open\r\nd='mixed\"\r\ne=\"\r\nf=\"\"\r\n");
  EXPECT_EQ(Read("S", "a"), "x y");
  EXPECT_EQ(Read("S", "b"), "z");
  EXPECT_EQ(Read("S", "c"), "\"open");
  EXPECT_EQ(Read("S", "d"), "'mixed\"");
  EXPECT_EQ(Read("S", "e"), "\"");
  EXPECT_EQ(Read("S", "f"), "");
}

TEST_F(IniProfile, ValuesAreCutToTheBufferWithoutSplittingACharacter) {
  std::string gbk;
  for (int i = 0; i < 150; ++i) gbk += "\xd6\xd0";
  WriteBytes(path_, "[S]\r\na=" + std::string(300, 'a') + "\r\nz=" + gbk + "\r\nx=x" + gbk +
                        "\r\nq=\"" + std::string(254, 'q') + "\"\r\n");
  EXPECT_EQ(Read("S", "a"), std::string(254, 'a'));
  EXPECT_EQ(Read("S", "z"), gbk.substr(0, 254));
  EXPECT_EQ(Read("S", "x"), "x" + gbk.substr(0, 252));
  EXPECT_EQ(Read("S", "a", 5), "aaaa");
  EXPECT_EQ(Read("S", "z", 4), "\xd6\xd0");
  EXPECT_EQ(Read("S", "a", 1), "");
  // A quoted value one character too long for the buffer loses its last inner character too.
  EXPECT_EQ(Read("S", "q"), std::string(253, 'q'));
}

// Windows (Wine) keeps the file as sections and keys, not as text: a write saves it anew, one
// line per header and key, ended by CR LF; blank lines, spaces around '=' and at line ends, and
// text after a header's ']' are gone; comments, other sections and keys stay in their order.
TEST_F(IniProfile, AWriteSavesTheFileInWindowsLayout) {
  WriteBytes(path_, "; top\n\n  [Other]  trailing\n k = v \nnoequals\n[SSID]\nSSID=old");
  ASSERT_TRUE(store_.Write("SSID", "SSID", "new", path_));
  EXPECT_EQ(ReadBytes(path_), "; top\r\n[Other]\r\nk=v\r\nnoequals\r\n[SSID]\r\nSSID=new\r\n");
}

TEST_F(IniProfile, AnUnchangedValueLeavesTheFileAlone) {
  const std::string original = "[SSID]\nSSID = same \n\n";
  WriteBytes(path_, original);
  ASSERT_TRUE(store_.Write("SSID", "SSID", "same", path_));
  EXPECT_EQ(ReadBytes(path_), original);
}

TEST_F(IniProfile, WritesCreateTheFileSectionAndKeyAndDropLeadingSpaces) {
  ASSERT_TRUE(store_.Write("SSID", "SSID", "  spaced ", path_));
  EXPECT_EQ(ReadBytes(path_), "[SSID]\r\nSSID=spaced \r\n");
  EXPECT_EQ(Read("SSID", "SSID"), "spaced");  // trailing spaces go when the file is read,
  ASSERT_TRUE(store_.Write("New", "k", "", path_));  // and so when the next write loads it
  EXPECT_EQ(ReadBytes(path_), "[SSID]\r\nSSID=spaced\r\n[New]\r\nk=\r\n");
}

TEST_F(IniProfile, Utf8FileWithByteOrderMarkReadsInGbkAndStaysUtf8) {
  WriteBytes(path_, "\xef\xbb\xbf[SSID]\r\nSSID=\xe4\xb8\xad\xe6\x96\x87\r\n");  // 中文
  EXPECT_EQ(Read("SSID", "SSID"), "\xd6\xd0\xce\xc4");
  ASSERT_TRUE(store_.Write("SSID", "SSIDITEMO", "\xcd\xf8", path_));  // 网
  EXPECT_EQ(ReadBytes(path_),
            "\xef\xbb\xbf[SSID]\r\nSSID=\xe4\xb8\xad\xe6\x96\x87\r\nSSIDITEMO=\xe7\xbd\x91\r\n");
}

TEST_F(IniProfile, StrayBytesReadAsWindowsDecodesThem) {
  // Sized by the compiler: the file is the 41 bytes of the text, its zero byte included.
  static constexpr char kFile[] = "[S]\r\na=\x1a v \x1a\r\nb=x\0y\r\nc=\x81 z\r\nd=\xff\x80\r\ne=1\r2\r\n";
  WriteBytes(path_, std::string(kFile, sizeof kFile - 1));
  ASSERT_EQ(ReadBytes(path_).size(), 41u);
  EXPECT_EQ(Read("S", "a"), "v");        // Ctrl-Z counts as a space
  EXPECT_EQ(Read("S", "b"), "x");        // a zero byte ends the value
  EXPECT_EQ(Read("S", "c"), "?z");       // a lead byte takes the next byte into one '?'
  EXPECT_EQ(Read("S", "d"), "\xff\x80");
  EXPECT_EQ(Read("S", "e"), "1");        // a lone CR ends a line too
}

// The read-only attribute refuses writes even to an administrator (or root); a directory
// without write permission takes no new file.
TEST_F(IniProfile, WritesFailOnAReadOnlyFileOrDirectory) {
  const std::string original = "[SSID]\r\nSSID=old\r\n";
  WriteBytes(path_, original);
  std::filesystem::permissions(Utf8Path(path_), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  EXPECT_FALSE(store_.Write("SSID", "SSID", "new", path_));
  EXPECT_EQ(ReadBytes(path_), original);
  EXPECT_EQ(Read("SSID", "SSID"), "old");
  std::filesystem::permissions(Utf8Path(path_), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
#ifndef _WIN32
  const std::filesystem::path locked = dir_.path() / "locked";
  std::filesystem::create_directory(locked);
  std::filesystem::permissions(locked, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  const std::string inLocked = Utf8String(locked / "360RI.INI");
  EXPECT_FALSE(store_.Write("SSID", "SSID", "new", inLocked));
  EXPECT_FALSE(std::filesystem::exists(locked / "360RI.INI"));
  std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
#endif
}

}  // namespace
}  // namespace wendral::test
